#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <exception>
#include <functional>

namespace kvr::products {
class TDmProduct;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
class PosLineEntry;
class PosSettings;
class PosStockStore;

// The warehouse, lot and serial cells of a line, the check each cell gets once more when the grid
// leaves it, and the search dialogs of the columns (F5).
class PosLineCells : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        const PosSettings& settings;
        products::TDmProduct& product;
        PosStockStore& stock;
        ui::Prompter& prompter;
    };
    // `shiftDate` is the open shift's date, which lots are checked against when a cell is left.
    PosLineCells(PosBill& bill, PosLineEntry& entry, const Services& services, const QDateTime& shiftDate,
                 QObject* parent = nullptr);

    // The product search of F5 when barcodes are off: several goods (services in mode "S") at
    // once, their codes in the order shown; false when cancelled.
    using ProductSearch = std::function<bool(const QString& posType, QStringList& codes)>;
    void setProductSearch(ProductSearch run) { m_productSearch = std::move(run); }

    void leaveWarehouse();
    void leaveLot();
    // The piece must be known, still in stock and on no other line of the bill.
    void leaveSerial();
    // The grid leaves a cell of a line with a product: the cell is checked once more, then the
    // bill is recomputed.
    void recheckCell(const QString& field);
    // F5 in a cell: the column's search dialog; false when the column has none. `posType` is the
    // screen's mode letter, which the product search offers goods or services by.
    bool searchCell(const QString& field, const QString& posType);

signals:
    void stockShown(const QString& text);
    void fieldRequested(const QString& field);
    void layoutChanged();
    void recalculationWanted();
    // Picking several products stopped at a line that could not be added; the lines before stay.
    void errorCaught(std::exception_ptr error);

private:
    void recheckLot(int productId);
    void recheckSerial(int productId);
    void recheckUnit(int productId);
    void pickProducts(const QStringList& codes);
    bool searchWarehouse(int productId);
    bool searchLot(int productId);

    PosBill& m_bill;
    PosLineEntry& m_entry;
    Services m_services;
    const QDateTime& m_shiftDate;
    ProductSearch m_productSearch;
};

} // namespace kvr::pos
