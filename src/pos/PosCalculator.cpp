#include "pos/PosCalculator.h"

#include "data/SessionContext.h"
#include "data/TDM.h"
#include "pos/PosBill.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"
#include "util/Discount.h"
#include "util/NumberFormat.h"
#include "util/Rounding.h"

namespace kvr::pos {

namespace {

const QString kDiscRate[] = {QStringLiteral("DiscRate1"), QStringLiteral("DiscRate2"), QStringLiteral("DiscRate3")};
const QString kDiscAmt[] = {QStringLiteral("DiscAmt1"), QStringLiteral("DiscAmt2"), QStringLiteral("DiscAmt3")};

} // namespace

QString PosTotals::Text(double value)
{
    return util::FormatNumber(QStringLiteral("###,###,##0.00"), value);
}

QString PosTotals::TotalText(double total)
{
    return util::FormatNumber(QStringLiteral(",0.## "), total);
}

PosCalculator::PosCalculator(PosBill& bill, data::TDM& dm, products::TDmProduct& product, ui::Prompter& prompter)
    : m_bill(bill)
    , m_dm(dm)
    , m_product(product)
    , m_prompter(prompter)
{ }

bool PosCalculator::pricesExcludeVat() const
{
    return m_bill.hdText(QStringLiteral("Price_IE")).trimmed() == QLatin1String("E");
}

void PosCalculator::CalculateDtRecord()
{
    const data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof() || m_bill.dtId(QStringLiteral("Product")) <= 0)
        return;
    m_bill.QDt().edit();
    const double quantity = m_bill.dt(QStringLiteral("Quantity"));
    const double price = m_bill.dt(QStringLiteral("Price"));
    const QString discount = m_bill.dtText(QStringLiteral("Discount"));

    // Lines sold in a small unit at the stock unit's price: the gross is the quantity's share of
    // that price, rounded to money. A product without a stock unit is priced as it stands.
    double gross = quantity * price;
    const data::Query& config = m_dm.QConfig();
    if (config.field(QStringLiteral("SearchProductNo")).asInteger() == 2 &&
        data::isFlagSet(m_bill.dtText(QStringLiteral("PrintFrac"))) &&
        data::isFlagSet(config.field(QStringLiteral("DisplayFraction")).asString())) {
        m_product.GetStockUnit(m_bill.dtId(QStringLiteral("Product")));
        const double stockFraction = m_product.QStockUnit().field(QStringLiteral("Fraction")).asFloat();
        if (stockFraction > 0) {
            m_bill.setDt(QStringLiteral("StockUnitFraction"), stockFraction);
            if (m_bill.dt(QStringLiteral("Fraction")) != stockFraction)
                gross = util::RoundHalfUp(quantity * (price / stockFraction), 15, 2);
        }
    }
    const double total = util::NetAfterDiscount(discount, gross);
    m_bill.setDt(QStringLiteral("Total"), total);
    m_bill.setDt(QStringLiteral("DiscountAmt"), gross - total);

    // The line's share of VAT, at its own rate; no VAT at all while the bill's rate is 0.
    const double lineRate = m_bill.dt(QStringLiteral("TaxRate"));
    const bool billTaxed = m_bill.hd(QStringLiteral("TaxRate")) > 0;
    double productAmount = total;
    double taxTotal = 0;
    if (pricesExcludeVat()) {
        if (billTaxed)
            taxTotal = total * lineRate / 100;
    } else if (billTaxed) {
        productAmount = total * 100 / (lineRate + 100);
        taxTotal = total * lineRate / (lineRate + 100);
    }
    m_bill.setDt(QStringLiteral("ProductAmount"), productAmount);
    m_bill.setDt(QStringLiteral("TaxTotal"), taxTotal);
}

long double PosCalculator::CalDiscount(long double amount)
{
    for (int k = 0; k < 3; ++k) {
        const double rate = m_bill.hd(kDiscRate[k]);
        // A discount without a rate keeps the amount typed for it.
        if (rate != 0)
            m_bill.setHd(kDiscAmt[k], static_cast<double>(amount * rate / 100));
        amount -= m_bill.hd(kDiscAmt[k]);
    }
    return amount;
}

double PosCalculator::discountSum() const
{
    return m_bill.hd(kDiscAmt[0]) + m_bill.hd(kDiscAmt[1]) + m_bill.hd(kDiscAmt[2]);
}

void PosCalculator::zeroDiscounts()
{
    for (int k = 0; k < 3; ++k) {
        m_bill.setHd(kDiscRate[k], 0.0);
        m_bill.setHd(kDiscAmt[k], 0.0);
    }
}

void PosCalculator::CalculateAll()
{
    data::CachedDataset& hd = m_bill.QHd();
    if (!hd.isOpen() || hd.eof())
        return;
    hd.edit();
    for (const char* name : {"TaxAmt", "NoTaxAmt", "TaxTotal", "Total"})
        m_bill.setHd(QString::fromLatin1(name), 0.0);
    m_totals = PosTotals();

    const bool excluded = pricesExcludeVat();
    long double taxed = 0;
    long double untaxed = 0;
    CalculateDtRecord();
    m_bill.forEachLine([&] {
        CalculateDtRecord();
        const double base = m_bill.dt(excluded ? QStringLiteral("ProductAmount") : QStringLiteral("Total"));
        if (m_bill.dt(QStringLiteral("TaxTotal")) > 0)
            taxed += base;
        else
            untaxed += base;
    });

    const long double rate = m_bill.hd(QStringLiteral("TaxRate"));
    const bool mixed = taxed != 0 && untaxed != 0;
    if (rate > 0 && taxed > 0 && untaxed > 0 && discountSum() > 0) {
        m_prompter.information(QStringLiteral("รายการสินค้า มีแบบ มีภาษี และ ไม่มีภาษี\rไม่สามารถกำหนดส่วนลดท้ายบิลได้\r"
                                              "โปรแกรมจะกำหนดให้ส่วนลดท้ายบิลเป็น 0"));
        zeroDiscounts();
    }

    long double goods = 0;
    if (excluded) {
        long double total = 0;
        if (!mixed && taxed > 0) {
            total = CalDiscount(taxed) * (rate + 100) / 100 + untaxed;
        } else if (!mixed) {
            total = taxed * (rate + 100) / 100 + CalDiscount(untaxed);
        } else {
            total = taxed * (rate + 100) / 100 + untaxed;
            zeroDiscounts();
        }
        m_bill.setHd(QStringLiteral("Total"), static_cast<double>(total));
        m_totals.sumDiscount = discountSum();
        if (taxed > 0)
            m_bill.setHd(QStringLiteral("TaxTotal"), static_cast<double>((taxed - m_totals.sumDiscount) * rate / 100));
        goods = (taxed + untaxed) - m_totals.sumDiscount;
    } else {
        if (!mixed && taxed > 0) {
            m_bill.setHd(QStringLiteral("Total"), static_cast<double>(CalDiscount(taxed)));
            m_totals.sumDiscount = discountSum();
            const long double total = m_bill.hd(QStringLiteral("Total"));
            const double net = util::RoundHalfUp(static_cast<double>(total * 100 / (rate + 100)), 18, 2);
            m_bill.setHd(QStringLiteral("TaxTotal"), static_cast<double>(total - net));
        } else if (!mixed) {
            m_bill.setHd(QStringLiteral("Total"), static_cast<double>(CalDiscount(untaxed)));
            m_totals.sumDiscount = discountSum();
        } else {
            zeroDiscounts();
            m_bill.setHd(QStringLiteral("Total"), static_cast<double>(untaxed + taxed));
            m_bill.setHd(QStringLiteral("TaxTotal"), static_cast<double>(taxed * rate / (rate + 100)));
        }
        goods = (taxed + untaxed) - m_totals.sumDiscount - m_bill.hd(QStringLiteral("TaxTotal"));
    }

    m_bill.setHd(QStringLiteral("TaxAmt"), static_cast<double>(taxed));
    m_bill.setHd(QStringLiteral("NoTaxAmt"), static_cast<double>(untaxed));
    m_totals.taxAmt = static_cast<double>(taxed);
    m_totals.noTaxAmt = static_cast<double>(untaxed);
    m_totals.amountProduct = static_cast<double>(goods);
    m_totals.taxTotal = m_bill.hd(QStringLiteral("TaxTotal"));
}

void PosCalculator::GetDiscExit()
{
    const data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof() ||
        !data::isFlagSet(m_dm.QConfig().field(QStringLiteral("SalePercentDisc")).asString()))
        return;
    const QString text = m_bill.dtText(QStringLiteral("Discount")).trimmed();
    // "/" is a percent sign as well: "5/" is already 5 %.
    if (text.isEmpty() || text.contains(QLatin1Char('%')) || text.contains(QLatin1Char('/')))
        return;
    m_bill.setDt(QStringLiteral("Discount"), text + QLatin1Char('%'));
}

} // namespace kvr::pos
