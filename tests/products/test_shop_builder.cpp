#include "support/SessionFixture.h"
#include "util/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvr::test;

namespace {

// The builder's operations that the product tests leave out, read back where the program reads
// them: the later fixtures of the sale and shift screens stand on these.
class ShopBuilderTest : public SessionFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        shop.config({{"RunYear", 2026}, {"LockPosDate", flag(true)}});
        shop.numbering("POS-P", 2026, 8);
        shop.numbering("POS-S", 2026, 10, false, "S");
        shop.period(2026, 5, true);
        shop.period(2026, 6, false);
    }
};

TEST_P(ShopBuilderTest, settings_numbering_and_periods_are_the_ones_the_session_reads)
{
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-P")), 8);
    EXPECT_TRUE(dm->AutoNumbering());
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-S")), 10);
    EXPECT_FALSE(dm->AutoNumbering());
    dm->StartTransaction();
    EXPECT_EQ(dm->DrawDocumentNo(QStringLiteral("POS-P"), QDate(2026, 6, 15)).size(), 8);
    dm->Rollback();

    EXPECT_TRUE(dm->IsPeriodOpen(QDateTime(QDate(2026, 6, 30), QTime(23, 59))));
    prompter.expectInformation();
    EXPECT_FALSE(dm->IsPeriodOpen(QDateTime(QDate(2026, 5, 31), QTime(23, 59))));

    // A second setting changes the one Config row.
    EXPECT_EQ(dm->QConfig().field(QStringLiteral("LockPosDate")).asString(), QStringLiteral("Y"));
    setConfig({{"LockPosDate", flag(false)}, {"PosUseBarCode", flag(true)}});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Config")).toInt(), 1);
    EXPECT_EQ(dm->QConfig().field(QStringLiteral("LockPosDate")).asString(), QStringLiteral("N"));
    EXPECT_EQ(dm->QConfig().field(QStringLiteral("RunYear")).asInteger(), 2026);
}

TEST_P(ShopBuilderTest, a_shift_opens_on_its_day_with_the_float_it_counted)
{
    const int baht = shop->coin(QStringLiteral("เหรียญ 1 บาท"), 1);
    const int note = shop->coin(QStringLiteral("ธนบัตร 100 บาท"), 100);
    const int machine = shop->machine({.code = "M01", .cashDrawer = "COM1:", .baudRate = 9600});
    const QDateTime opened(QDate(2026, 6, 15), QTime(8, 30));
    const int shift = shop->shift({.machine = machine, .opened = opened, .counted = {{baht, 7}, {note, 3}}});
    const Columns id = {{"Id", shift}};
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT OpenMoney FROM PosShiftNo WHERE Id = :Id"), id).toDouble(), 307);
    EXPECT_DOUBLE_EQ(
        scalar(QStringLiteral("SELECT SUM(Amount) FROM PosShiftMoney WHERE PosShiftNo = :Id"), id).toDouble(), 307);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ShiftDate FROM PosShiftNo WHERE Id = :Id"), id).toDateTime(),
              opened.date().startOfDay());
    EXPECT_EQ(scalar(QStringLiteral("SELECT PosMachineNo FROM PosShiftNo WHERE Id = :Id"), id).toInt(), machine);

    // A row that is not there is a mistake in the test, not a silent no-op.
    EXPECT_THROW(shop->update(QStringLiteral("PosShiftNo"), shift + 1, {{"Closed", flag(true)}}), std::runtime_error);
}

KVR_INSTANTIATE_BACKENDS(ShopBuilderTest);

} // namespace
