#include "PosFixture.h"

using kvr::pos::PosMode;

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosRecall : public PosFixture
{
protected:
    void SetUp() override
    {
        PosFixture::SetUp();
        if (IsSkipped())
            return;
        const QDate june(2026, 6, 10);
        insertBill({"P", "     101", june, "I", vat7, 7, 10, 16.05, 144.45, 9.45, 160.50, 0,
                    SavedLines{{water, 11, 1, 107.00, "", vat7}, {water, 11, 1, 53.50, "", vat7}}});
        insertBill(
            {"P", "     102", june, "E", vat7, 7, 0, 4.99, 96.30, 6.30, 94.99, 0, {{water, 11, 3, 33.33, "5", vat7}}});
        insertBill({"P", "     103", june, "I", vat7, 7, 0, 0, 107, 7, 107, 0, {{water, 11, 1, 107, "", vat7}}, "Y"});
        insertBill(waterBill(QStringLiteral("     104"), 1, 107, QDate(2026, 5, 20)));
        // Goods lines come with their warehouse: one stored without it is left out.
        insertBill({"P", "     105", june, "I", vat7, 7, 0, 0, 107, 7, 107, 0,
                    SavedLines{{water, 11, 1, 107, "", vat7, QVariant()}, {water, 11, 1, 107, "", vat7}}});
        insertBill({"P", "12345678", june, "I", vat7, 7, 0, 0, 50, 0, 0, 50, {{rice, 21, 1, 50, "", vat0}}});
        insertBill(
            {"S", "     201", june, "E", vat7, 7, 0, 0, 214, 14, 200, 0, {{repair, 31, 2, 100, "", vat7, QVariant()}}});
        insertBill({"M", "     301", june, "I", vat7, 7, 0, 0, 157, 7, 107, 50,
                    SavedLines{{water, 11, 1, 107, "", vat7, QVariant()}, {rice, 21, 1, 50, "", vat0, QVariant()}}});
    }

    // Types the number and leaves the field, as the cashier does.
    pos::TFrPos& recall(PosMode mode, const QString& typed) { return PosFixture::recall(this->screen(mode), typed); }
};

TEST_P(PosRecall, SavedBillsOfEveryModeRecomputeToTheirStoredTotals)
{
    struct
    {
        PosMode mode;
        const char* typed;
        int lines;
        const char* totals;
        const char* totalText;
    } const cases[] = {
        {PosMode::Goods, "101", 2, "Total=144.45 TaxTotal=9.45 TaxAmt=160.5 NoTaxAmt=0 DiscAmt1=16.05", "144.45 "},
        {PosMode::Goods, "102", 1, "Total=96.3 TaxTotal=6.3 TaxAmt=94.99 NoTaxAmt=0 DiscAmt1=4.99", "96.30 "},
        {PosMode::Goods, "105", 1, "Total=107 TaxTotal=7 TaxAmt=107 NoTaxAmt=0 DiscAmt1=0", "107.00 "},
        {PosMode::Service, "201", 1, "Total=214 TaxTotal=14 TaxAmt=200 NoTaxAmt=0 DiscAmt1=0", "214.00 "},
        {PosMode::Misc, "301", 2, "Total=157 TaxTotal=7 TaxAmt=107 NoTaxAmt=50 DiscAmt1=0", "157.00 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        pos::TFrPos& screen = recall(c.mode, QString::fromLatin1(c.typed));
        ASSERT_FALSE(screen.isNewBill());
        EXPECT_EQ(screen.QDt().recordCount(), c.lines);
        EXPECT_EQ(fieldsOf(screen.QHd(), "Total TaxTotal TaxAmt NoTaxAmt DiscAmt1"), QString::fromLatin1(c.totals));
        EXPECT_EQ(screen.totalText(), QString::fromLatin1(c.totalText));
    }
}

TEST_P(PosRecall, NumberIsFoundTrimmedAndAlignedToTheSeriesLength)
{
    struct
    {
        QString typed;
        QString number; // aligned to the series' length
        bool found; // false: a new bill of that number
    } const cases[] = {
        {"101", "     101", true},       {"  101  ", "     101", true}, {"1010", "    1010", false},
        {"123456789", "12345678", true}, {"201", "     201", false}, // a service bill
        {"103", "     103", false}, // cancelled
    };
    setNumbering(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        pos::TFrPos& screen = recall(PosMode::Goods, c.typed);
        EXPECT_EQ(screen.isNewBill(), !c.found);
        EXPECT_EQ(screen.QHd().field(QStringLiteral("PosNo")).asString(), c.number);
        EXPECT_EQ(screen.headerTexts().posNo, c.number) << "the number field shows the bill's own number";
    }
}

TEST_P(PosRecall, SaveAndDeleteFollowRightsAndTheAccountingPeriod)
{
    struct
    {
        int user;
        const char* typed;
        bool save, del, customerEnabled, lockedMessage;
    } const cases[] = {
        {2, "101", true, true, true, false},    {1, "101", false, true, false, false},
        {3, "101", false, false, false, false}, {2, "104", false, false, true, true},
        {2, "555", true, false, true, false},   {3, "555", false, false, true, false},
    };
    setNumbering(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("user %1 bill %2").arg(c.user).arg(QString::fromLatin1(c.typed)).toStdString());
        switchUser(c.user);
        if (c.lockedMessage)
            prompter.expectInformation();
        pos::TFrPos& screen = recall(PosMode::Goods, QString::fromLatin1(c.typed));
        EXPECT_EQ(screen.AcSave().isEnabled(), c.save);
        EXPECT_EQ(screen.AcDel().isEnabled(), c.del);
        EXPECT_EQ(screen.controls().customerEnabled, c.customerEnabled);
        EXPECT_EQ(screen.AcPrint().isVisible(), !screen.isNewBill());
        EXPECT_EQ(screen.controls().posNoEnabled, screen.isNewBill());
    }
}

TEST_P(PosRecall, BarcodeModeShowsEachLinesBarcode)
{
    for (const bool barcodes : {false, true}) {
        SCOPED_TRACE(barcodes);
        product->setUseBarCode(barcodes);
        pos::TFrPos& screen = recall(PosMode::Goods, "101");
        EXPECT_EQ(screen.QDt().fieldAt(1, QStringLiteral("ProductCode")).asString(),
                  barcodes ? QStringLiteral("8850001000011") : QStringLiteral("P001"));
    }
}

TEST_P(PosRecall, NewestBillOfARepeatedNumberWithItsLinesInOrder)
{
    // Series restart every year: last year's bill of the same number stays where it is.
    insertBill({"P", "     107", QDate(2025, 12, 30), "I", vat7, 7, 0, 0, 10, 0, 0, 10, {{rice, 21, 1, 10, "", vat0}}});
    const int id = insertBill({"P", "     107", QDate(2026, 6, 10), "I", vat7, 7, 0, 0, 157, 7, 107, 50,
                               SavedLines{{water, 11, 1, 107, "", vat7}, {rice, 21, 1, 50, "", vat0}}});
    exec(QStringLiteral("UPDATE PosDt SET PosRecNo = 3 - PosRecNo WHERE PosHd = %1").arg(id));
    pos::TFrPos& screen = recall(PosMode::Goods, "107");
    EXPECT_EQ(screen.QHd().field(QStringLiteral("Id")).asInteger(), id);
    EXPECT_EQ(rowsOf(screen.QDt(), "Product"), QStringList({"Product=2", "Product=1"})) << "rice, then water";
}

TEST_P(PosRecall, BillOfASeriesWithoutLengthIsStillFound)
{
    exec(QStringLiteral("DELETE FROM DocumentNo WHERE Code = 'POS-M'"));
    prompter.expectInformation(); // the series is unknown
    pos::TFrPos& screen = recall(PosMode::Misc, " 301 ");
    EXPECT_EQ(screen.docNoLength(), 0);
    EXPECT_FALSE(screen.isNewBill());
    EXPECT_EQ(screen.QHd().field(QStringLiteral("PosNo")).asString(), QStringLiteral("     301"));
}

KVR_INSTANTIATE_BACKENDS(PosRecall);

} // namespace
} // namespace kvr::test
