// Line entry: price, discount texts, unit changes and the stock check of a line.
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosCustomerStore.h"
#include "pos/PosLineEntry.h"
#include "pos/PosSettings.h"
#include "pos/PosTaxStore.h"
#include "products/QuantityTexts.h"
#include "products/TDmProduct.h"
#include "products/TDmService.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

#include <QLocale>
#include <cmath>

namespace kvr::pos {

namespace {

// Smallest units of one line, as sold now or as the bill took them when it was read.
double lineUnits(const data::CachedDataset& lines, int row, const QString& fraction, const QString& quantity)
{
    return lines.fieldAt(row, fraction).asFloat() * lines.fieldAt(row, quantity).asFloat();
}

} // namespace

int PosLineEntry::customerPriceLevel()
{
    return m_services.customers.pricing(m_bill.hasHeaderRow() ? m_bill.headerId(hd::Customer) : 0).priceLevel;
}

double PosLineEntry::linePrice(int priceType)
{
    // The price follows this line's product, not the one typed last on another line.
    m_services.product.setPrintFrac(util::isFlagSet(m_bill.lineText(dt::PrintFrac)));
    return m_services.product.GetPrice(m_bill.headerId(hd::Customer), m_bill.lineId(dt::Product),
                                       m_bill.lineId(dt::ProductUnits), priceType,
                                       m_bill.QHd().field(hd::PosDate).asDateTime());
}

// The price row's discount, then the company's special discount of VAT-inclusive products, each
// appended to what the line has: successive discounts.
void PosLineEntry::appendPriceDiscounts()
{
    QString discount = m_bill.lineText(dt::Discount).trimmed();
    const QString priceDiscount = m_services.product.PriceDiscount().trimmed();
    if (m_services.product.PriceQuantity() > 0 && !priceDiscount.isEmpty())
        discount += priceDiscount;
    const PosSettings& settings = m_services.settings;
    const QString special = settings.text("SpecialDiscStr");
    if (settings.isOn("UseSpecialDisc") && settings.isOn("ProductPriceIE") &&
        m_bill.lineText(dt::PriceIE).trimmed() == QLatin1String("I") && !special.isEmpty())
        discount += special;
    m_bill.setLine(dt::Discount, discount);
}

void PosLineEntry::assignLinePrice()
{
    if (!m_bill.hasLineRow())
        return;
    m_bill.QDt().edit();
    const bool billTaxed = m_bill.hasHeaderRow() && m_bill.headerValue(hd::TaxRate) > 0;
    m_bill.setLine(dt::TaxRate, billTaxed ? m_services.taxes.rateOf(m_bill.lineId(dt::TaxCode)) : 0.0);
    if (m_mode == PosMode::Goods && m_bill.lineValue(dt::Price) != 0 && m_sameProduct)
        return;

    products::TDmProduct& products = m_services.product;
    m_bill.setLine(dt::Price, linePrice(customerPriceLevel()));
    const PosSettings& settings = m_services.settings;
    const bool stockUnitPrice = settings.number("SearchProductNo") == 2 &&
        util::isFlagSet(m_bill.lineText(dt::PrintFrac)) && settings.isOn("DisplayFraction");
    const data::Query& stockUnit = products.QStockUnitPrice();
    m_bill.setLine(dt::StockUnitFraction,
                   stockUnitPrice && stockUnit.isOpen() && !stockUnit.isEmpty()
                       ? stockUnit.field(QStringLiteral("Fraction")).asFloat()
                       : 1.0);

    // The product's own default, from the row its code was just found in.
    const data::Query* found = m_mode == PosMode::Goods ? &products.QChkProduct()
        : m_mode == PosMode::Service                    ? &m_services.service.QService()
                                                        : nullptr;
    double defaultDiscount = 0;
    if (found && found->isOpen() && !found->isEmpty() &&
        found->field(QStringLiteral("Id")).asInteger() == m_bill.lineId(dt::Product))
        defaultDiscount = found->field(QStringLiteral("Discount")).asFloat();
    if (m_bill.lineText(dt::Discount).trimmed().isEmpty() && defaultDiscount > 0)
        m_bill.setLine(dt::Discount,
                       QString::number(defaultDiscount, 'g', QLocale::FloatingPointShortest) + QLatin1Char('%'));
    const QString customerDiscount =
        m_services.customers.pricing(m_bill.hasHeaderRow() ? m_bill.headerId(hd::Customer) : 0).discountText;
    if (!customerDiscount.isEmpty())
        m_bill.setLine(dt::Discount, customerDiscount);
    appendPriceDiscounts();
}

void PosLineEntry::leaveUnit()
{
    if (!m_bill.hasLineRow())
        return;
    m_bill.QDt().edit();
    products::TDmProduct& products = m_services.product;
    const int productId = m_bill.lineId(dt::Product);
    const QString typed = m_bill.lineText(dt::UnitName).trimmed();
    if (!products.ExistsProductUnit(productId, typed, products::UnitRole::Sale)) {
        // The unit the line had stays, with its fraction, so the line can still be priced.
        m_bill.setLine(dt::UnitName, m_lastUnitName);
        m_bill.setLine(dt::ProductUnits, m_lastProductUnits > 0 ? QVariant(m_lastProductUnits) : QVariant());
        const bool known = products.ExistsProductUnit(productId, m_lastUnitName, products::UnitRole::Sale);
        m_bill.setLine(dt::Fraction,
                       known ? products.QProductUnit().field(QStringLiteral("Fraction")).value() : QVariant());
        return;
    }
    setLineUnit(products.QProductUnit());
    if (m_bill.lineId(dt::ProductUnits) != m_lastProductUnits) {
        const int level = customerPriceLevel();
        const int priceType = level >= 0 ? level : m_services.settings.number("POS_PriceType");
        m_bill.setLine(dt::Price, linePrice(priceType));
        appendPriceDiscounts();
        // The unit now on the line is the one a later unknown name falls back to.
        m_lastUnitName = m_bill.lineText(dt::UnitName);
        m_lastProductUnits = m_bill.lineId(dt::ProductUnits);
    }
    checkStock();
}

void PosLineEntry::checkStock()
{
    data::CachedDataset& lines = m_bill.QDt();
    if (!m_bill.hasLineRow() || m_mode != PosMode::Goods)
        return;
    const int productId = m_bill.lineId(dt::Product);
    if (productId <= 0)
        return;
    products::TDmProduct& products = m_services.product;
    const data::Query& found = products.QChkProduct();
    const bool known = found.isOpen() && !found.isEmpty() && found.field(QStringLiteral("Id")).asInteger() == productId;
    if (!known && !products.ExistsProduct(m_bill.lineText(dt::ProductCode).trimmed()))
        return;
    // Only a product that may not go below zero ("N") is checked.
    if (products.QChkProduct().field(QStringLiteral("Negative")).asString().trimmed() != util::flagText(false))
        return;
    const int warehouse = m_bill.lineId(dt::Warehouse);
    const int unit = m_bill.lineId(dt::ProductUnits);
    const bool byUnit = m_services.settings.isOn("SalesByUnits");
    if (byUnit)
        products.ProductUnitsWHQuantity(productId, unit, warehouse, billYear());
    else
        products.ProductWHQuantity(productId, warehouse, billYear());
    const double available = products.OnHandQuantity();

    // The whole bill counts, not the line alone: two lines of one product out of one warehouse
    // share its stock, and what a recalled bill took is given back only for the product and
    // warehouse it was taken from.
    const int current = lines.recNo();
    double taken = 0;
    double otherLines = 0;
    for (int row = 0; row < lines.recordCount(); ++row) {
        const auto id = [&lines, row](const QString& field) { return lines.fieldAt(row, field).asInteger(); };
        // Stock counted by unit gives back only what was taken in this unit.
        if (id(dt::OldProduct) == productId && id(dt::OldWarehouse) == warehouse &&
            (!byUnit || id(dt::OldProductUnits) == unit))
            taken += lineUnits(lines, row, dt::OldFraction, dt::OldQuantity);
        if (row != current && id(dt::Product) == productId && id(dt::Warehouse) == warehouse &&
            (!byUnit || id(dt::ProductUnits) == unit))
            otherLines += lineUnits(lines, row, dt::Fraction, dt::Quantity);
    }
    // A line of a recalled bill deleted on screen gives back what it took.
    for (int i = 0; i < lines.deletedCount(); ++i) {
        const auto old = [&lines, i](const QString& field) { return lines.deletedFieldAt(i, field); };
        if (old(dt::OldProduct).asInteger() == productId && old(dt::OldWarehouse).asInteger() == warehouse &&
            (!byUnit || old(dt::OldProductUnits).asInteger() == unit))
            taken += old(dt::OldFraction).asFloat() * old(dt::OldQuantity).asFloat();
    }
    const double fraction = lines.field(dt::Fraction).asFloat();
    const double allowed = available + taken - otherLines;
    if (fraction * lines.field(dt::Quantity).asFloat() <= allowed)
        return;
    m_services.prompter.information(QStringLiteral("จำนวนสินค้าไม่พอขาย \rจะขายได้สูงสุดไม่เกิน \r") +
                                    m_services.quantityTexts.ProductQuantityText(productId, std::max(allowed, 0.0)));
    // Back to what the line held before, when that fits; an emptied quantity would be lost from
    // sight and the next key typed into a line that sells nothing.
    QVariant back = 0.0;
    for (const QVariant& earlier : {m_quantityBefore, lines.field(dt::OldQuantity).value()}) {
        const std::optional<double> quantity = typedNumber(earlier.toString());
        if (quantity && *quantity > 0 && fraction * *quantity <= allowed) {
            back = *quantity;
            break;
        }
    }
    lines.edit();
    m_bill.setLine(dt::Quantity, back);
}

void PosLineEntry::leaveQuantity()
{
    if (!m_bill.hasLineRow() || !takeFigure(dt::Quantity, m_quantityBefore, m_limits.maxQuantity))
        return;
    checkStock();
    m_quantityBefore = m_bill.QDt().field(dt::Quantity).value();
}

void PosLineEntry::leavePrice()
{
    if (m_bill.hasLineRow() && takeFigure(dt::Price, m_priceBefore, m_limits.maxPrice))
        m_priceBefore = m_bill.QDt().field(dt::Price).value();
}

std::optional<double> PosLineEntry::takeFigure(const QString& field, const QVariant& before, double max)
{
    const QString typed = m_bill.lineText(field).trimmed();
    const bool quantity = field == dt::Quantity;
    const std::optional<double> value = typedNumber(typed);
    const QString limit = QLocale::c().toString(max, 'f', 0);
    QString refusal;
    if (!value) {
        refusal = quantity ? QStringLiteral("จำนวนต้องเป็นตัวเลข") : QStringLiteral("ราคาต้องเป็นตัวเลข");
    } else if (*value > max) {
        refusal = (quantity ? QStringLiteral("จำนวนเกินกว่าที่ขายได้ในหนึ่งรายการ\rสูงสุดไม่เกิน ")
                            : QStringLiteral("ราคาเกินกว่าที่รับได้\rสูงสุดไม่เกิน ")) +
            limit;
    } else if (quantity && *value < 0.5) {
        // What the completion check refuses anyway (below 0.5 is 0 as a whole number); returns
        // are not taken on this screen.
        refusal = QStringLiteral("จำนวนต้องมากกว่า 0\rหน้าจอนี้ไม่รับคืนสินค้า");
    } else if (!quantity && *value < 0) {
        refusal = QStringLiteral("ราคาต้องไม่ติดลบ");
    } else if (!LineLimits::storable(*value * m_bill.lineValue(quantity ? dt::Price : dt::Quantity))) {
        refusal = QStringLiteral("ยอดเงินของรายการเกินกว่าที่บิลจัดเก็บได้");
    }
    m_bill.QDt().edit();
    if (refusal.isEmpty()) {
        m_bill.setLine(field, *value);
        return value;
    }
    m_bill.setLine(field, before);
    // An emptied cell is only set back: there was nothing typed to refuse.
    if (!typed.isEmpty())
        m_services.prompter.information(refusal + QStringLiteral("\r(") + typed + QLatin1Char(')'));
    emit fieldRequested(field);
    return std::nullopt;
}

} // namespace kvr::pos
