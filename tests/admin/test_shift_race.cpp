#include "AdminFixture.h"

#include "data/Query.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

class ShiftRace : public kvr::test::AdminFixture
{
protected:
    std::unique_ptr<QProcess> startCounter(int shiftNo, int pieces)
    {
        auto p = std::make_unique<QProcess>();
        p->start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/tests/admin/shift_opener"),
                 {server->workingDirectory(), QStringLiteral("SHOP"), QStringLiteral("POS01"), QString::number(shiftNo),
                  QStringLiteral("2026-03-14"), QString::number(pieces)});
        return p;
    }
};

} // namespace

TEST_P(ShiftRace, two_counters_opening_the_same_new_shift_at_once_leave_one_shift)
{
    // Both counters have looked the shift up and found it new before either presses OK.
    constexpr int kRounds = 4;
    for (int shiftNo = 1; shiftNo <= kRounds; ++shiftNo) {
        SCOPED_TRACE(shiftNo);
        std::array<std::unique_ptr<QProcess>, 2> counters{startCounter(shiftNo, 1), startCounter(shiftNo, 2)};
        for (auto& p : counters) {
            ASSERT_TRUE(p->waitForStarted(30000));
            while (!p->canReadLine() && p->state() == QProcess::Running)
                p->waitForReadyRead(1000);
            ASSERT_EQ(p->readLine().trimmed(), QByteArray("ready")) << p->readAllStandardError().toStdString();
        }
        for (auto& p : counters)
            p->write("go\n");
        QList<int> ids;
        for (auto& p : counters) {
            ASSERT_TRUE(p->waitForFinished(60000));
            ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
            ids << p->readAllStandardOutput().trimmed().toInt();
        }
        EXPECT_EQ(ids[0], ids[1]) << "both counters sell in the one shift";
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT COUNT(*) FROM PosShiftNo WHERE ShiftNo = :No"), {{"No", shiftNo}}).toInt(),
            1);
        const int id = ids[0];
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT COUNT(*) FROM PosShiftMoney WHERE PosShiftNo = :Id"), {{"Id", id}}).toInt(),
            6)
            << "one float row per coin";
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(DISTINCT Quantity) FROM PosShiftMoney WHERE PosShiftNo = :Id"),
                         {{"Id", id}})
                      .toInt(),
                  1)
            << "the float is one counter's count, not a mixture";
        EXPECT_DOUBLE_EQ(
            scalar(QStringLiteral("SELECT OpenMoney FROM PosShiftNo WHERE Id = :Id"), {{"Id", id}}).toDouble(),
            scalar(QStringLiteral("SELECT SUM(Amount) FROM PosShiftMoney WHERE PosShiftNo = :Id"), {{"Id", id}})
                .toDouble());
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = 4 AND DocumentId = :Id"),
                         {{"Id", id}})
                      .toInt(),
                  1);
    }
}

KVR_INSTANTIATE_BACKENDS(ShiftRace);
