#pragma once

#include "pos/LineGridColumns.h"
#include "pos/LineLimits.h"
#include "pos/PosMode.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>

namespace kvr::data {
class Query;
}
namespace kvr::products {
class QuantityTexts;
class TDmProduct;
class TDmService;
} // namespace kvr::products
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
class PosCustomerStore;
class PosSettings;
class PosStockStore;
class PosTaxStore;

// Line entry of the sale screen: a code or barcode becomes a line with its product, unit, price
// and discount texts; a unit typed over re-prices it; the stock check keeps a goods line within
// what the warehouse holds for the whole bill. Works on the current line of the bill.
class PosLineEntry : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        const PosSettings& settings;
        products::TDmProduct& product;
        products::TDmService& service;
        products::QuantityTexts& quantityTexts;
        PosCustomerStore& customers;
        PosTaxStore& taxes;
        PosStockStore& stock;
        ui::Prompter& prompter;
    };
    // `headerWarehouseCode` is the code the header shows for its warehouse, which lines take.
    PosLineEntry(PosBill& bill, PosMode mode, const Services& services, const QString& headerWarehouseCode,
                 QObject* parent = nullptr);

    // Lays out the grid's columns for the current line, in the language, with prices editable or
    // not, and remembers the line's product, unit and unit id: what a later edit is compared with
    // to see whether the product or unit really changed.
    void layOutColumns(bool thai, bool editSalePrice);
    const std::vector<GridColumn>& columns() const { return m_columns; }
    const QString& lastProductCode() const { return m_lastProductCode; }
    const QString& lastUnitName() const { return m_lastUnitName; }
    int lastProductUnits() const { return m_lastProductUnits; }

    // Lines are typed only for a customer: false, with the message, without one.
    bool customerChosen();
    // Leaving the product code: blank moves on to the quantity, a code fills the line.
    void leaveProductCode();
    // Fills the current line from a code by the mode: goods (or a barcode with its unit), a
    // service, or any product; a barcode's own unit wins over the line's. With barcodes on, a
    // scan checks stock and opens the next line.
    void assignProduct(const QString& code, int barcodeUnitId);
    // VAT rate, price and discount texts of the current line.
    void assignLinePrice();
    void clearLineProduct();
    // Leaving the unit cell: another unit of the product re-prices the line, an unknown one is
    // set back; the stock check follows.
    void leaveUnit();
    // A quantity beyond stock (mode "P") is refused and set back.
    void checkStock();
    // Leaving the quantity or the price cell: what is not a number, not positive or beyond the
    // limits (or would give an amount the bill cannot hold) is refused with a message and the
    // cell set back to what it held before; a quantity taken goes on to the stock check.
    void leaveQuantity();
    void leavePrice();
    void setLimits(const LineLimits& limits) { m_limits = limits; }
    const LineLimits& limits() const { return m_limits; }
    // The unit price of the current line at a price level, and the price row's and the company's
    // discounts appended to its discount text.
    double linePrice(int priceType);
    void appendPriceDiscounts();
    int customerPriceLevel();
    // The year the bill's stock is counted in.
    int billYear() const;

    // A recalled bill's lines show, with barcodes on, the barcode of their unit as their code.
    void showSavedCodes();
    // Deletes the current line; a bill whose last line went keeps an empty one to type into,
    // and the cursor goes to the code of the line now current. False when there was none.
    bool deleteLine();
    // Past the last line (Down, or Enter in its last cell): a new empty line, unless the last
    // one has no product yet. True when one was added.
    bool appendLine();
    // A cell that needs a product entered on a line without one: back to the code.
    void enterCellNeedingProduct();

signals:
    // The current line's product or unit changed: its columns are laid out again.
    void layoutChanged();
    // The stock of the current line's product, for the status bar; empty clears it.
    void stockShown(const QString& text);
    // The grid's cursor goes to this cell of the current line.
    void fieldRequested(const QString& field);
    // A code or barcode that names no product: the line stays empty, the cursor in its code.
    void codeUnknown(const QString& code);

private:
    void assignServiceOrMisc(const QString& code);
    void setLineUnit(const data::Query& unit);
    void appendNextLine();
    void showProductStock();
    // What the quantity and price cells held when the line was last laid out or accepted.
    void rememberFigures();
    // The figure typed into a cell, or a refusal (shown) with the cell set back.
    std::optional<double> takeFigure(const QString& field, const QVariant& before, double max);

    PosBill& m_bill;
    PosMode m_mode;
    Services m_services;
    const QString& m_headerWarehouseCode;
    QString m_lastProductCode;
    QString m_lastUnitName;
    int m_lastProductUnits = 0;
    std::vector<GridColumn> m_columns;
    bool m_sameProduct = false; // the line held the product being assigned already
    LineLimits m_limits;
    QVariant m_quantityBefore;
    QVariant m_priceBefore;
};

} // namespace kvr::pos
