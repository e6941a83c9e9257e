#include "AdminFixture.h"
#include "Racers.h"

namespace {

using ShiftRace = kvr::test::AdminFixture;

} // namespace

TEST_P(ShiftRace, two_counters_opening_the_same_new_shift_at_once_leave_one_shift)
{
    // Both counters have looked the shift up and found it new before either presses OK.
    for (int shiftNo = 1; shiftNo <= 4; ++shiftNo) {
        SCOPED_TRACE(shiftNo);
        kvr::test::Racers counters;
        for (const int pieces : {1, 2})
            counters.start("shift_opener",
                           {server->workingDirectory(), QStringLiteral("SHOP"), QStringLiteral("POS01"),
                            QString::number(shiftNo), QStringLiteral("2026-03-14"), QString::number(pieces)});
        ASSERT_TRUE(counters.ready());
        ASSERT_TRUE(counters.go());
        QStringList ids;
        ASSERT_TRUE(counters.finish(ids));
        EXPECT_EQ(ids[0], ids[1]) << "both counters sell in the one shift";
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosShiftNo WHERE ShiftNo = :No"), {{"No", shiftNo}}), 1);
        const kvr::test::Columns shift = {{"Id", ids[0].toInt()}};
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosShiftMoney WHERE PosShiftNo = :Id"), shift), 6)
            << "one float row per coin";
        EXPECT_EQ(
            count(QStringLiteral("SELECT COUNT(DISTINCT Quantity) FROM PosShiftMoney WHERE PosShiftNo = :Id"), shift),
            1)
            << "the float is one counter's count, not a mixture";
        EXPECT_DOUBLE_EQ(
            scalar(QStringLiteral("SELECT OpenMoney FROM PosShiftNo WHERE Id = :Id"), shift).toDouble(),
            scalar(QStringLiteral("SELECT SUM(Amount) FROM PosShiftMoney WHERE PosShiftNo = :Id"), shift).toDouble());
        EXPECT_EQ(
            count(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = 4 AND DocumentId = :Id"), shift),
            1);
    }
}

KVR_INSTANTIATE_BACKENDS(ShiftRace);
