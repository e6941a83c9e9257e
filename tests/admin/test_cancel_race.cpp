// Several users cancelling the same bill: exactly one change, one usage-log row, and a clear
// message for everyone else.
#include "CancelFixture.h"
#include "Racers.h"

namespace {

using CancelRace = kvr::test::CancelFixture;

TEST_P(CancelRace, users_cancelling_the_same_bill_at_once_change_it_once)
{
    // Four counters on the shared server; on SQLite, two programs on one file.
    const int users = GetParam() == kvr::test::BackendKind::Postgres ? 4 : 2;
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        const QString number = QString::number(500 + round);
        const int id = bill({.number = number});
        const auto reason = [](int user) { return QStringLiteral("เหตุผลของผู้ใช้ %1").arg(user); };
        kvr::test::Racers started;
        for (int user = 1; user <= users; ++user)
            started.start("bill_canceller", {server->workingDirectory(), QStringLiteral("SHOP"), number, reason(user)});
        // Every user has the reason box open, past every check, before any of them answers it.
        ASSERT_TRUE(started.ready());
        ASSERT_TRUE(started.go());
        QStringList said;
        ASSERT_TRUE(started.finish(said));
        int cancelled = 0;
        QString winner;
        for (int user = 0; user < said.size(); ++user) {
            if (said[user] == QLatin1String("cancelled")) {
                ++cancelled;
                winner = reason(user + 1);
            } else {
                EXPECT_EQ(said[user],
                          QStringLiteral("refused บิลเลขที่ %1 ถูกยกเลิกหรือผ่านรายการบัญชีไปก่อนแล้ว จึงไม่ได้ยกเลิกซ้ำ").arg(number));
            }
        }
        EXPECT_EQ(cancelled, 1);
        EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("Y"));
        EXPECT_EQ(text(id, "DelRemark"), winner) << "the reason of the one who cancelled";
        EXPECT_EQ(cancellationLogs(id), 1);
    }
}

KVR_INSTANTIATE_BACKENDS(CancelRace);

} // namespace
