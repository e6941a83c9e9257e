#include "PosFixture.h"

#include "util/Discount.h"

namespace kvr::test {
namespace {

class PosCalculation : public PosFixture
{
protected:
    double hd(const char* field) { return pos->QHd().field(QString::fromLatin1(field)).asFloat(); }
    double dtAt(int row, const char* field) { return pos->QDt().fieldAt(row, QString::fromLatin1(field)).asFloat(); }
};

using Lines = std::vector<EnteredLine>;
// The end-of-bill discounts typed: first rate, second rate and amount, third rate.
struct Disc
{
    double rate1, rate2, amt2, rate3 = 0;
};
struct Sums
{
    double total, taxTotal, taxAmt, noTaxAmt, goods, discAmt1;
};
struct BillCase
{
    const char* name;
    QString priceIE;
    double headerRate;
    Lines lines;
    Disc disc;
    Sums expected;
    bool mixedMessage = false;
};

TEST_P(PosCalculation, BillTotalsFollowVatModeRatesAndDiscounts)
{
    const std::vector<BillCase> cases = {
        {"worked example: VAT included, discount 10 %", "I", 7, Lines{{1, 107.00, "", 7}, {1, 53.50, "", 7}},
         Disc{10, 0, 0}, Sums{144.45, 9.45, 160.50, 0, 135.00, 16.05}},
        {"line discounts 10%5% and 10%20 before the bill", "I", 0, Lines{{2, 100, "10%5%", 7}, {2, 100, "10%20", 7}},
         Disc{0, 0, 0}, Sums{331.00, 0, 0, 331.00, 331.00, 0}},
        // 30 off 300, then 20 off the 270 left, then half of the 250 left.
        {"a percentage, a typed amount and a percentage in turn", "I", 0, Lines{{3, 100, "", 0}}, Disc{10, 0, 20, 50},
         Sums{125.00, 0, 0, 300.00, 125.00, 30.00}},
        {"VAT excluded with a 10 % bill discount", "E", 7, Lines{{1, 100, "", 7}}, Disc{10, 0, 0},
         Sums{96.30, 6.30, 100.00, 0, 90.00, 10.00}},
        {"VAT excluded, untaxed goods discounted", "E", 7, Lines{{1, 200, "", 0}}, Disc{10, 0, 0},
         Sums{180.00, 0, 0, 200.00, 180.00, 20.00}},
        {"mixed with a discount applied: refused with the message", "I", 7, Lines{{1, 107, "", 7}, {1, 50, "", 0}},
         Disc{10, 0, 5}, Sums{157.00, 7.00, 107.00, 50.00, 150.00, 0}, true},
        {"mixed with a rate not applied yet: set to 0 silently", "I", 7, Lines{{1, 107, "", 7}, {1, 50, "", 0}},
         Disc{10, 0, 0}, Sums{157.00, 7.00, 107.00, 50.00, 150.00, 0}},
        {"mixed, VAT excluded, typed discount refused", "E", 7, Lines{{1, 100, "", 7}, {1, 50, "", 0}}, Disc{0, 0, 5},
         Sums{157.00, 7.00, 100.00, 50.00, 150.00, 0}, true},
    };
    const QString mixedRefusal = QStringLiteral("รายการสินค้า มีแบบ มีภาษี และ ไม่มีภาษี\rไม่สามารถกำหนดส่วนลดท้ายบิลได้\r"
                                                "โปรแกรมจะกำหนดให้ส่วนลดท้ายบิลเป็น 0");
    for (const BillCase& c : cases) {
        SCOPED_TRACE(c.name);
        pos::TFrPos& screen = newBill(c.lines);
        data::CachedDataset& hdSet = screen.QHd();
        hdSet.setValue(QStringLiteral("Price_IE"), c.priceIE);
        hdSet.setValue(QStringLiteral("TaxRate"), c.headerRate);
        hdSet.setValue(QStringLiteral("DiscRate1"), c.disc.rate1);
        hdSet.setValue(QStringLiteral("DiscRate2"), c.disc.rate2);
        hdSet.setValue(QStringLiteral("DiscAmt2"), c.disc.amt2);
        hdSet.setValue(QStringLiteral("DiscRate3"), c.disc.rate3);
        EXPECT_EQ(toldBy(c.mixedMessage, [&] { screen.CalculateAll(); }), c.mixedMessage ? mixedRefusal : QString());
        EXPECT_NEAR(hd("Total"), c.expected.total, 1e-9);
        EXPECT_NEAR(hd("TaxTotal"), c.expected.taxTotal, 1e-9);
        EXPECT_NEAR(hd("TaxAmt"), c.expected.taxAmt, 1e-9);
        EXPECT_NEAR(hd("NoTaxAmt"), c.expected.noTaxAmt, 1e-9);
        EXPECT_NEAR(hd("DiscAmt1"), c.expected.discAmt1, 1e-9);
        if (c.disc.rate3 == 50) { // the third discount in turn: half of the 250 the first two left
            EXPECT_NEAR(hd("DiscAmt3"), 125, 1e-9);
        }
        EXPECT_NEAR(screen.totals().amountProduct, c.expected.goods, 1e-9);
        EXPECT_NEAR(screen.totals().taxTotal, c.expected.taxTotal, 1e-9);
        if (c.expected.taxAmt != 0 && c.expected.noTaxAmt != 0) {
            for (const char* f : {"DiscRate1", "DiscRate2", "DiscRate3", "DiscAmt1", "DiscAmt2", "DiscAmt3"})
                EXPECT_EQ(hd(f), 0.0) << f;
            EXPECT_EQ(screen.totals().sumDiscount, 0.0);
        }
    }
}

TEST_P(PosCalculation, LineTotalsAndDiscountAmounts)
{
    // What a discount text takes off is the discount's own test.
    pos::TFrPos& screen = newBill({{2, 100, "10%5%", 7}, {1.5, 33.33, "5", 0}});
    screen.QDt().setRecNo(0);
    screen.CalculateAll();
    const struct
    {
        double total, discountAmt, productAmount, taxTotal;
    } expected[] = {{171, 29, 171 * 100 / 107.0, 171 * 7 / 107.0}, {44.995, 5, 44.995, 0}};
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        EXPECT_NEAR(dtAt(row, "Total"), expected[row].total, 1e-9);
        EXPECT_NEAR(dtAt(row, "DiscountAmt"), expected[row].discountAmt, 1e-9);
        EXPECT_NEAR(dtAt(row, "ProductAmount"), expected[row].productAmount, 1e-9);
        EXPECT_NEAR(dtAt(row, "TaxTotal"), expected[row].taxTotal, 1e-9);
    }
    // The cursor is back on the line it was on.
    EXPECT_EQ(screen.QDt().recNo(), 0);
}

TEST_P(PosCalculation, SmallUnitsPricedFromTheStockUnitPrice)
{
    setConfig(QStringLiteral("SearchProductNo = 2, DisplayFraction = 'Y'"));
    pos::TFrPos& screen = this->screen();
    struct
    {
        const char* name;
        int product;
        double fraction, quantity, price;
        QString discount;
        double total, discountAmt, stockFraction;
    } const cases[] = {
        {"one piece: 8.333 rounded to money", pos_shop::screw, 1, 1, 100, "", 8.33, 0, 12},
        {"five pieces of a dozen at 120, 10 % off the 50", pos_shop::screw, 1, 5, 120, "10%", 45.00, 5.00, 12},
        {"sold in the stock unit itself", pos_shop::screw, 12, 5, 120, "", 600.00, 0, 12},
        {"product without PrintFrac", pos_shop::water, 1, 5, 120, "", 600.00, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        screen.AcNewExecute();
        data::CachedDataset& dt = screen.QDt();
        dt.setValue(QStringLiteral("Product"), c.product);
        dt.setValue(QStringLiteral("PrintFrac"),
                    c.product == pos_shop::screw ? QStringLiteral("Y") : QStringLiteral("N"));
        dt.setValue(QStringLiteral("Fraction"), c.fraction);
        dt.setValue(QStringLiteral("Quantity"), c.quantity);
        dt.setValue(QStringLiteral("Price"), c.price);
        dt.setValue(QStringLiteral("Discount"), c.discount);
        screen.CalculateDtRecord();
        EXPECT_NEAR(dt.field(QStringLiteral("Total")).asFloat(), c.total, 1e-9);
        EXPECT_NEAR(dt.field(QStringLiteral("DiscountAmt")).asFloat(), c.discountAmt, 1e-9);
        EXPECT_EQ(dt.field(QStringLiteral("StockUnitFraction")).asFloat(), c.stockFraction);
    }
}

TEST_P(PosCalculation, MalformedDiscountReachesTheCallerAndLeavesTheBillUsable)
{
    pos::TFrPos& screen = newBill({{1, 107, "", 7}, {1, 53.5, "1O%", 7}, {1, 10, "", 7}});
    screen.QDt().setRecNo(0);
    EXPECT_THROW(screen.CalculateAll(), util::DiscountTextError);
    EXPECT_EQ(screen.QDt().recNo(), 0);
    EXPECT_EQ(screen.QDt().state(), data::CachedDataset::State::Browse);
    EXPECT_EQ(dtAt(1, "Total"), 0.0) << "the bad line keeps its amounts";

    screen.QDt().setRecNo(1);
    screen.QDt().setValue(QStringLiteral("Discount"), QStringLiteral("10%"));
    screen.DgDtFieldChanged(QStringLiteral("discount"));
    EXPECT_NEAR(hd("Total"), 107 + 48.15 + 10, 1e-9);
}

TEST_P(PosCalculation, TaxCodeChangeRecomputesWithTheLinesOwnRates)
{
    // Entered while the bill had no VAT: one line at rate 0, one carrying its product's 7.
    pos::TFrPos& screen = newBill({{1, 107, "", 0}, {1, 107, "", 7}});
    screen.ListTaxCodeExit(pos_shop::vat0);
    screen.CalculateAll();
    EXPECT_EQ(hd("TaxTotal"), 0.0);
    EXPECT_EQ(hd("TaxRate"), 0.0);

    screen.ListTaxCodeExit(pos_shop::vat7);
    EXPECT_EQ(hd("TaxRate"), 7.0);
    EXPECT_NEAR(hd("TaxTotal"), 7.0, 1e-9) << "only the line that carries a rate bears VAT";
    EXPECT_NEAR(hd("NoTaxAmt"), 107.0, 1e-9);
    EXPECT_NEAR(hd("TaxAmt"), 107.0, 1e-9);
}

TEST_P(PosCalculation, PercentDiscountSwitchOnLeavingTheDiscount)
{
    pos::TFrPos& screen = newBill({{1, 10, "", 7}});
    const struct
    {
        const char* flag;
        QString typed, kept;
    } cases[] = {
        {"Y", "5", "5%"}, {"Y", " 7 ", "7%"}, {"Y", "5%", "5%"}, {"Y", "5/", "5/"},
        {"Y", "", ""},    {"N", "5", "5"},    {"y", "5", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 '%2'").arg(QString::fromLatin1(c.flag), c.typed).toStdString());
        setConfig(QStringLiteral("SalePercentDisc = '%1'").arg(QString::fromLatin1(c.flag)));
        screen.QDt().setValue(QStringLiteral("Discount"), c.typed);
        screen.GetDiscExit();
        EXPECT_EQ(screen.QDt().field(QStringLiteral("Discount")).asString(), c.kept);
    }
}

TEST(PosTotalsText, PanelAndTotalPictures)
{
    EXPECT_EQ(pos::PosTotals::figureText(1234567.5), QStringLiteral("1,234,567.50"));
    // The large total always shows its satang, as the change beside it does.
    EXPECT_EQ(pos::PosTotals::totalText(1500), QStringLiteral("1,500.00 "));
    EXPECT_EQ(pos::PosTotals::totalText(197.5), QStringLiteral("197.50 "));
}

KVR_INSTANTIATE_BACKENDS(PosCalculation);

} // namespace
} // namespace kvr::test
