#pragma once

#include <QString>
#include <array>

namespace kvr::products {
class TDmProduct;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
class PosSettings;

// The figures of the totals panel and the discount page after a calculation.
struct PosTotals
{
    double taxAmt = 0; // goods with VAT
    double noTaxAmt = 0; // goods without VAT
    double amountProduct = 0; // goods value net of end-of-bill discounts and VAT
    double taxTotal = 0; // VAT of the bill
    double sumDiscount = 0; // the three end-of-bill discounts together

    // The panel's picture for each figure.
    static QString figureText(double value);
    QString taxAmtText() const { return figureText(taxAmt); }
    QString noTaxAmtText() const { return figureText(noTaxAmt); }
    QString amountProductText() const { return figureText(amountProduct); }
    QString taxTotalText() const { return figureText(taxTotal); }
    // The large bill-total display, from the header Total.
    static QString totalText(double total);
};

// What one line comes to: its total after the line discount and the VAT in it.
struct LineAmounts
{
    double total = 0;
    double discountAmt = 0;
    double productAmount = 0; // the total without VAT
    double taxTotal = 0;
};

// What the bill's lines add up to, with the header's VAT rate and end-of-bill discounts.
struct BillInput
{
    long double taxed = 0; // lines carrying VAT
    long double untaxed = 0;
    double taxRate = 0;
    bool pricesExcludeVat = false;
    std::array<double, 3> discRate{};
    std::array<double, 3> discAmt{};

    // A line counts as taxed when VAT was worked out on it; excluded prices count without it.
    void addLine(const LineAmounts& line);
};

struct BillAmounts
{
    double total = 0;
    double taxTotal = 0;
    double amountProduct = 0;
    double sumDiscount = 0;
    std::array<double, 3> discRate{};
    std::array<double, 3> discAmt{};
    // Taxed and untaxed lines together take no end-of-bill discount: the discounts were set to 0,
    bool discountsZeroed = false;
    // and the cashier is told when there were some.
    bool discountsRefused = false;
};

// Line and bill arithmetic of the sale screen: every amount of a bill derives from its lines and
// header through these operations. The arithmetic itself works on plain figures, so that bills
// made elsewhere (the demo shop) come to what the screen computes.
class PosCalculator
{
public:
    PosCalculator(PosBill& bill, const PosSettings& settings, products::TDmProduct& product, ui::Prompter& prompter);

    // A line's amounts from its gross (quantity times price); a malformed discount text raises
    // util::DiscountTextError.
    static LineAmounts lineAmounts(double gross, const QString& discount, double lineRate, bool billTaxed,
                                   bool pricesExcludeVat);
    static BillAmounts billAmounts(const BillInput& input);

    // Recomputes the current line: total, discount, value without VAT and VAT. A malformed
    // discount text raises util::DiscountTextError and leaves the line's amounts as they were.
    void CalculateDtRecord();
    // Applies the three end-of-bill discounts in turn, writing their amounts into the header.
    long double CalDiscount(long double amount);
    // Recomputes every line, then the header totals and the panel's figures.
    void CalculateAll();
    // Leaving the line discount: with Config.SalePercentDisc a bare number is a percentage.
    void GetDiscExit();

    const PosTotals& totals() const { return m_totals; }
    void clearTotals() { m_totals = PosTotals(); }

private:
    bool pricesExcludeVat() const;
    // The line's gross: sold in a small unit at the stock unit's price, its share of that price.
    double lineGross();

    PosBill& m_bill;
    const PosSettings& m_settings;
    products::TDmProduct& m_product;
    ui::Prompter& m_prompter;
    PosTotals m_totals;
};

} // namespace kvr::pos
