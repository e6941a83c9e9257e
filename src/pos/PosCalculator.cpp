#include "pos/PosCalculator.h"

#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosSettings.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"
#include "util/Discount.h"
#include "util/Flags.h"
#include "util/NumberFormat.h"
#include "util/Rounding.h"

namespace kvr::pos {

namespace {

const QString* const kDiscRate[] = {&hd::DiscRate1, &hd::DiscRate2, &hd::DiscRate3};
const QString* const kDiscAmt[] = {&hd::DiscAmt1, &hd::DiscAmt2, &hd::DiscAmt3};

// The three end-of-bill discounts in turn, each on what the ones before left: a discount with a
// rate gets its amount from it, one without keeps the amount typed for it.
long double applyDiscounts(long double amount, const std::array<double, 3>& rates, std::array<double, 3>& amounts)
{
    for (size_t k = 0; k < 3; ++k) {
        if (rates[k] != 0)
            amounts[k] = static_cast<double>(amount * rates[k] / 100);
        amount -= amounts[k];
    }
    return amount;
}

double sumOf(const std::array<double, 3>& amounts)
{
    return amounts[0] + amounts[1] + amounts[2];
}

} // namespace

QString PosTotals::figureText(double value)
{
    return util::FormatNumber(QStringLiteral("###,###,##0.00"), value);
}

QString PosTotals::totalText(double total)
{
    // Always two decimals: "197.5" beside a change of "2.50" reads as a different amount.
    return util::FormatNumber(QStringLiteral(",0.00 "), total);
}

void BillInput::addLine(const LineAmounts& line)
{
    const double base = pricesExcludeVat ? line.productAmount : line.total;
    if (line.taxTotal > 0)
        taxed += base;
    else
        untaxed += base;
}

PosCalculator::PosCalculator(PosBill& bill, const PosSettings& settings, products::TDmProduct& product,
                             ui::Prompter& prompter)
    : m_bill(bill)
    , m_settings(settings)
    , m_product(product)
    , m_prompter(prompter)
{ }

LineAmounts PosCalculator::lineAmounts(double gross, const QString& discount, double lineRate, bool billTaxed,
                                       bool pricesExcludeVat)
{
    LineAmounts line;
    line.total = util::NetAfterDiscount(discount, gross);
    line.discountAmt = gross - line.total;
    // The line's share of VAT, at its own rate; no VAT at all while the bill's rate is 0.
    line.productAmount = line.total;
    if (pricesExcludeVat) {
        if (billTaxed)
            line.taxTotal = line.total * lineRate / 100;
    } else if (billTaxed) {
        line.productAmount = line.total * 100 / (lineRate + 100);
        line.taxTotal = line.total * lineRate / (lineRate + 100);
    }
    return line;
}

BillAmounts PosCalculator::billAmounts(const BillInput& input)
{
    BillAmounts out;
    out.discRate = input.discRate;
    out.discAmt = input.discAmt;
    const long double rate = input.taxRate;
    const long double taxed = input.taxed;
    const long double untaxed = input.untaxed;
    const bool mixed = taxed != 0 && untaxed != 0;
    const auto zeroDiscounts = [&out] {
        out.discRate.fill(0);
        out.discAmt.fill(0);
        out.discountsZeroed = true;
    };
    if (rate > 0 && taxed > 0 && untaxed > 0 && sumOf(out.discAmt) > 0) {
        out.discountsRefused = true;
        zeroDiscounts();
    }

    long double goods = 0;
    if (input.pricesExcludeVat) {
        long double total = 0;
        if (!mixed && taxed > 0) {
            total = applyDiscounts(taxed, out.discRate, out.discAmt) * (rate + 100) / 100 + untaxed;
        } else if (!mixed) {
            total = taxed * (rate + 100) / 100 + applyDiscounts(untaxed, out.discRate, out.discAmt);
        } else {
            total = taxed * (rate + 100) / 100 + untaxed;
            zeroDiscounts();
        }
        out.total = static_cast<double>(total);
        out.sumDiscount = sumOf(out.discAmt);
        if (taxed > 0)
            out.taxTotal = static_cast<double>((taxed - out.sumDiscount) * rate / 100);
        goods = (taxed + untaxed) - out.sumDiscount;
    } else {
        if (!mixed && taxed > 0) {
            out.total = static_cast<double>(applyDiscounts(taxed, out.discRate, out.discAmt));
            out.sumDiscount = sumOf(out.discAmt);
            const long double total = out.total;
            // The VAT is what is left of the total once the net is rounded to money.
            const double net = util::RoundHalfUp(static_cast<double>(total * 100 / (rate + 100)), 18, 2);
            out.taxTotal = static_cast<double>(total - net);
        } else if (!mixed) {
            out.total = static_cast<double>(applyDiscounts(untaxed, out.discRate, out.discAmt));
            out.sumDiscount = sumOf(out.discAmt);
        } else {
            zeroDiscounts();
            out.total = static_cast<double>(untaxed + taxed);
            out.taxTotal = static_cast<double>(taxed * rate / (rate + 100));
        }
        goods = (taxed + untaxed) - out.sumDiscount - out.taxTotal;
    }
    out.amountProduct = static_cast<double>(goods);
    return out;
}

bool PosCalculator::pricesExcludeVat() const
{
    return m_bill.headerText(hd::Price_IE).trimmed() == QLatin1String("E");
}

double PosCalculator::lineGross()
{
    const double quantity = m_bill.lineValue(dt::Quantity);
    const double price = m_bill.lineValue(dt::Price);
    // Lines sold in a small unit at the stock unit's price: the gross is the quantity's share of
    // that price, rounded to money. A product without a stock unit is priced as it stands.
    if (m_settings.number("SearchProductNo") == 2 && util::isFlagSet(m_bill.lineText(dt::PrintFrac)) &&
        m_settings.isOn("DisplayFraction")) {
        m_product.GetStockUnit(m_bill.lineId(dt::Product));
        const double stockFraction = m_product.QStockUnit().field(QStringLiteral("Fraction")).asFloat();
        if (stockFraction > 0) {
            m_bill.setLine(dt::StockUnitFraction, stockFraction);
            if (m_bill.lineValue(dt::Fraction) != stockFraction)
                return util::RoundHalfUp(quantity * (price / stockFraction), 15, 2);
        }
    }
    return quantity * price;
}

void PosCalculator::CalculateDtRecord()
{
    if (!m_bill.hasLineRow() || m_bill.lineId(dt::Product) <= 0)
        return;
    m_bill.QDt().edit();
    const LineAmounts line = lineAmounts(lineGross(), m_bill.lineText(dt::Discount), m_bill.lineValue(dt::TaxRate),
                                         m_bill.headerValue(hd::TaxRate) > 0, pricesExcludeVat());
    m_bill.setLine(dt::Total, line.total);
    m_bill.setLine(dt::DiscountAmt, line.discountAmt);
    m_bill.setLine(dt::ProductAmount, line.productAmount);
    m_bill.setLine(dt::TaxTotal, line.taxTotal);
}

long double PosCalculator::CalDiscount(long double amount)
{
    std::array<double, 3> rates{};
    std::array<double, 3> amounts{};
    for (size_t k = 0; k < 3; ++k) {
        rates[k] = m_bill.headerValue(*kDiscRate[k]);
        amounts[k] = m_bill.headerValue(*kDiscAmt[k]);
    }
    const long double left = applyDiscounts(amount, rates, amounts);
    for (size_t k = 0; k < 3; ++k) {
        if (rates[k] != 0)
            m_bill.setHeader(*kDiscAmt[k], amounts[k]);
    }
    return left;
}

void PosCalculator::CalculateAll()
{
    if (!m_bill.hasHeaderRow())
        return;
    m_bill.QHd().edit();
    // Nothing of the last result stays should a line turn out malformed.
    for (const QString* field : {&hd::TaxAmt, &hd::NoTaxAmt, &hd::TaxTotal, &hd::Total})
        m_bill.setHeader(*field, 0.0);
    m_totals = PosTotals();
    BillInput input;
    input.pricesExcludeVat = pricesExcludeVat();
    input.taxRate = m_bill.headerValue(hd::TaxRate);
    for (size_t k = 0; k < 3; ++k) {
        input.discRate[k] = m_bill.headerValue(*kDiscRate[k]);
        input.discAmt[k] = m_bill.headerValue(*kDiscAmt[k]);
    }
    CalculateDtRecord();
    m_bill.forEachLine([&] {
        CalculateDtRecord();
        LineAmounts line;
        line.total = m_bill.lineValue(dt::Total);
        line.productAmount = m_bill.lineValue(dt::ProductAmount);
        line.taxTotal = m_bill.lineValue(dt::TaxTotal);
        input.addLine(line);
    });

    const BillAmounts bill = billAmounts(input);
    if (bill.discountsRefused)
        m_prompter.information(QStringLiteral("รายการสินค้า มีแบบ มีภาษี และ ไม่มีภาษี\rไม่สามารถกำหนดส่วนลดท้ายบิลได้\r"
                                              "โปรแกรมจะกำหนดให้ส่วนลดท้ายบิลเป็น 0"));
    for (size_t k = 0; k < 3; ++k) {
        if (bill.discountsZeroed)
            m_bill.setHeader(*kDiscRate[k], 0.0);
        if (bill.discountsZeroed || input.discRate[k] != 0)
            m_bill.setHeader(*kDiscAmt[k], bill.discAmt[k]);
    }
    m_bill.setHeader(hd::Total, bill.total);
    m_bill.setHeader(hd::TaxTotal, bill.taxTotal);
    m_bill.setHeader(hd::TaxAmt, static_cast<double>(input.taxed));
    m_bill.setHeader(hd::NoTaxAmt, static_cast<double>(input.untaxed));
    m_totals.taxAmt = static_cast<double>(input.taxed);
    m_totals.noTaxAmt = static_cast<double>(input.untaxed);
    m_totals.amountProduct = bill.amountProduct;
    m_totals.taxTotal = bill.taxTotal;
    m_totals.sumDiscount = bill.sumDiscount;
}

void PosCalculator::GetDiscExit()
{
    if (!m_bill.hasLineRow() || !m_settings.isOn("SalePercentDisc"))
        return;
    const QString text = m_bill.lineText(dt::Discount).trimmed();
    // "/" is a percent sign as well: "5/" is already 5 %.
    if (text.isEmpty() || text.contains(QLatin1Char('%')) || text.contains(QLatin1Char('/')))
        return;
    m_bill.setLine(dt::Discount, text + QLatin1Char('%'));
}

} // namespace kvr::pos
