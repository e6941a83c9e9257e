// Price, discount texts, unit changes and the stock check of a line.
#include "data/TDM.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

namespace {

// Smallest units of one line, as sold now or as the bill took them when it was read.
double lineUnits(const data::CachedDataset& dt, int row, const char* fraction, const char* quantity)
{
    return dt.fieldAt(row, QString::fromLatin1(fraction)).asFloat() *
        dt.fieldAt(row, QString::fromLatin1(quantity)).asFloat();
}

} // namespace

// The header customer's price level and discount text, read once per customer.
const data::Query& TFrPos::lineCustomer()
{
    const int customer = hasHeaderRow() ? m_bill.hdId(QStringLiteral("Customer")) : 0;
    if (!m_qLineCustomer.isOpen() || m_qLineCustomer.param(QStringLiteral("GetId")).toInt() != customer) {
        m_qLineCustomer.setParam(QStringLiteral("GetId"), customer);
        m_qLineCustomer.open();
    }
    return m_qLineCustomer;
}

int TFrPos::customerPriceLevel()
{
    return lineCustomer().field(QStringLiteral("PriceLevel")).asInteger();
}

QString TFrPos::customerDiscountText()
{
    return lineCustomer().field(QStringLiteral("DiscountStr")).asString().trimmed();
}

double TFrPos::linePrice(int priceType)
{
    // The price follows this line's product, not the one typed last on another line.
    m_product.setPrintFrac(data::isFlagSet(m_bill.dtText(QStringLiteral("PrintFrac"))));
    return m_product.GetPrice(m_bill.hdId(QStringLiteral("Customer")), m_bill.dtId(QStringLiteral("Product")),
                              m_bill.dtId(QStringLiteral("ProductUnits")), priceType,
                              m_bill.QHd().field(QStringLiteral("PosDate")).asDateTime());
}

// The price row's discount, then the company's special discount of VAT-inclusive products, each
// appended to what the line has: successive discounts.
void TFrPos::appendPriceDiscounts()
{
    QString discount = m_bill.dtText(QStringLiteral("Discount")).trimmed();
    const QString priceDiscount = m_product.PriceDiscount().trimmed();
    if (m_product.PriceQuantity() > 0 && !priceDiscount.isEmpty())
        discount += priceDiscount;
    const QString special = configText("SpecialDiscStr");
    if (configText("UseSpecialDisc") == QLatin1String("Y") && configText("ProductPriceIE") == QLatin1String("Y") &&
        m_bill.dtText(QStringLiteral("PriceIE")).trimmed() == QLatin1String("I") && !special.isEmpty())
        discount += special;
    m_bill.setDt(QStringLiteral("Discount"), discount);
}

void TFrPos::AssignLinePrice()
{
    if (!m_bill.QDt().isOpen() || m_bill.QDt().eof())
        return;
    m_bill.QDt().edit();
    const bool billTaxed = hasHeaderRow() && m_bill.hd(QStringLiteral("TaxRate")) > 0;
    m_bill.setDt(QStringLiteral("TaxRate"), billTaxed ? taxRateOf(m_bill.dtId(QStringLiteral("TaxCode"))) : 0.0);
    if (m_mode == PosMode::Goods && m_bill.dt(QStringLiteral("Price")) != 0 && m_sameProduct)
        return;

    m_bill.setDt(QStringLiteral("Price"), linePrice(customerPriceLevel()));
    const bool stockUnitPrice = m_dm.QConfig().field(QStringLiteral("SearchProductNo")).asInteger() == 2 &&
        data::isFlagSet(m_bill.dtText(QStringLiteral("PrintFrac"))) &&
        configText("DisplayFraction") == QLatin1String("Y");
    const data::Query& stockUnit = m_product.QStockUnitPrice();
    m_bill.setDt(QStringLiteral("StockUnitFraction"),
                 stockUnitPrice && stockUnit.isOpen() && !stockUnit.isEmpty()
                     ? stockUnit.field(QStringLiteral("Fraction")).asFloat()
                     : 1.0);

    // The product's own default, from the row its code was just found in.
    const data::Query* found = m_mode == PosMode::Goods ? &m_product.QChkProduct()
        : m_mode == PosMode::Service                    ? &m_service.QService()
                                                        : nullptr;
    double defaultDiscount = 0;
    if (found && found->isOpen() && !found->isEmpty() &&
        found->field(QStringLiteral("Id")).asInteger() == m_bill.dtId(QStringLiteral("Product")))
        defaultDiscount = found->field(QStringLiteral("Discount")).asFloat();
    if (m_bill.dtText(QStringLiteral("Discount")).trimmed().isEmpty() && defaultDiscount > 0)
        m_bill.setDt(QStringLiteral("Discount"),
                     QString::number(defaultDiscount, 'g', QLocale::FloatingPointShortest) + QLatin1Char('%'));
    const QString customerDiscount = customerDiscountText();
    if (!customerDiscount.isEmpty())
        m_bill.setDt(QStringLiteral("Discount"), customerDiscount);
    appendPriceDiscounts();
}

void TFrPos::FrPOS()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof())
        return;
    dt.edit();
    const int productId = m_bill.dtId(QStringLiteral("Product"));
    const QString typed = m_bill.dtText(QStringLiteral("UnitName")).trimmed();
    if (!m_product.ExistsProductUnit(productId, typed, products::UnitRole::Sale)) {
        // The unit the line had stays, with its fraction, so the line can still be priced.
        m_bill.setDt(QStringLiteral("UnitName"), m_lastUnitName);
        m_bill.setDt(QStringLiteral("ProductUnits"),
                     m_lastProductUnits > 0 ? QVariant(m_lastProductUnits) : QVariant());
        const bool known = m_product.ExistsProductUnit(productId, m_lastUnitName, products::UnitRole::Sale);
        m_bill.setDt(QStringLiteral("Fraction"),
                     known ? m_product.QProductUnit().field(QStringLiteral("Fraction")).value() : QVariant());
        return;
    }
    setLineUnit(m_product.QProductUnit());
    if (m_bill.dtId(QStringLiteral("ProductUnits")) != m_lastProductUnits) {
        const int level = customerPriceLevel();
        const int priceType = level >= 0 ? level : m_dm.QConfig().field(QStringLiteral("POS_PriceType")).asInteger();
        m_bill.setDt(QStringLiteral("Price"), linePrice(priceType));
        appendPriceDiscounts();
        // The unit now on the line is the one a later unknown name falls back to.
        m_lastUnitName = m_bill.dtText(QStringLiteral("UnitName"));
        m_lastProductUnits = m_bill.dtId(QStringLiteral("ProductUnits"));
    }
    QuantityExit();
}

void TFrPos::QuantityExit()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof() || m_mode != PosMode::Goods)
        return;
    const int productId = m_bill.dtId(QStringLiteral("Product"));
    if (productId <= 0)
        return;
    const data::Query& found = m_product.QChkProduct();
    const bool known = found.isOpen() && !found.isEmpty() && found.field(QStringLiteral("Id")).asInteger() == productId;
    if (!known && !m_product.ExistsProduct(m_bill.dtText(QStringLiteral("ProductCode")).trimmed()))
        return;
    if (m_product.QChkProduct().field(QStringLiteral("Negative")).asString().trimmed() != QLatin1String("N"))
        return;
    const int warehouse = m_bill.dtId(QStringLiteral("Warehouse"));
    const int unit = m_bill.dtId(QStringLiteral("ProductUnits"));
    const bool byUnit = configText("SalesByUnits") == QLatin1String("Y");
    if (byUnit)
        m_product.ProductUnitsWHQuantity(productId, unit, warehouse, billYear());
    else
        m_product.ProductWHQuantity(productId, warehouse, billYear());
    const double available = m_product.OnHandQuantity();

    // The whole bill counts, not the line alone: two lines of one product out of one warehouse
    // share its stock, and what a recalled bill took is given back only for the product and
    // warehouse it was taken from.
    const int current = dt.recNo();
    double taken = 0;
    double otherLines = 0;
    for (int row = 0; row < dt.recordCount(); ++row) {
        const auto id = [&dt, row](const char* field) {
            return dt.fieldAt(row, QString::fromLatin1(field)).asInteger();
        };
        // Stock counted by unit gives back only what was taken in this unit.
        if (id("OldProduct") == productId && id("OldWarehouse") == warehouse &&
            (!byUnit || id("OldProductUnits") == unit))
            taken += lineUnits(dt, row, "OldFraction", "OldQuantity");
        if (row != current && id("Product") == productId && id("Warehouse") == warehouse &&
            (!byUnit || id("ProductUnits") == unit))
            otherLines += lineUnits(dt, row, "Fraction", "Quantity");
    }
    // A line of a recalled bill deleted on screen gives back what it took.
    for (int i = 0; i < dt.deletedCount(); ++i) {
        const auto old = [&dt, i](const char* field) { return dt.deletedFieldAt(i, QString::fromLatin1(field)); };
        if (old("OldProduct").asInteger() == productId && old("OldWarehouse").asInteger() == warehouse &&
            (!byUnit || old("OldProductUnits").asInteger() == unit))
            taken += old("OldFraction").asFloat() * old("OldQuantity").asFloat();
    }
    const double wanted = lineUnits(dt, current, "Fraction", "Quantity");
    const double allowed = available + taken - otherLines;
    if (wanted <= allowed)
        return;
    message(QStringLiteral("จำนวนสินค้าไม่พอขาย \rจะขายได้สูงสุดไม่เกิน \r") +
            m_quantityTexts.ProductQuantityText(productId, std::max(allowed, 0.0)));
    dt.edit();
    m_bill.setDt(QStringLiteral("Quantity"), dt.field(QStringLiteral("OldQuantity")).value());
}

} // namespace kvr::pos
