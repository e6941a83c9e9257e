#pragma once

#include <QString>

namespace kvr::data {
class TDM;
}
namespace kvr::products {
class TDmProduct;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;

// The figures of the totals panel and the discount page after a calculation.
struct PosTotals
{
    double taxAmt = 0; // goods with VAT
    double noTaxAmt = 0; // goods without VAT
    double amountProduct = 0; // goods value net of end-of-bill discounts and VAT
    double taxTotal = 0; // VAT of the bill
    double sumDiscount = 0; // the three end-of-bill discounts together

    // The panel's picture for each figure.
    static QString Text(double value);
    QString TaxAmtText() const { return Text(taxAmt); }
    QString NoTaxAmtText() const { return Text(noTaxAmt); }
    QString AmountProductText() const { return Text(amountProduct); }
    QString TaxTotalText() const { return Text(taxTotal); }
    // The large bill-total display, from the header Total.
    static QString TotalText(double total);
};

// Line and bill arithmetic of the sale screen: every amount of a bill derives from its lines and
// header through these three operations.
class PosCalculator
{
public:
    PosCalculator(PosBill& bill, data::TDM& dm, products::TDmProduct& product, ui::Prompter& prompter);

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
    void zeroDiscounts();
    double discountSum() const;

    PosBill& m_bill;
    data::TDM& m_dm;
    products::TDmProduct& m_product;
    ui::Prompter& m_prompter;
    PosTotals m_totals;
};

} // namespace kvr::pos
