#include "SaleFixture.h"

#include <QProcess>
#include <QThread>
#include <random>

namespace kvr::test {
namespace {

// A counter process saving bills in a loop is killed outright at random instants, again and
// again; whatever instant it died at, the database holds whole bills with unbroken numbers.
class PosCrash : public SaleFixture
{
protected:
    // Starts the saver and kills it once it has been saving for a random while.
    void killOnce(unsigned seed, std::mt19937& random)
    {
        QProcess saver;
        saver.setWorkingDirectory(server->workingDirectory());
        saver.start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/tests/pos/pos_crash_saver"),
                    {server->workingDirectory(), QString::number(seed)});
        ASSERT_TRUE(saver.waitForStarted(10000)) << qPrintable(saver.program());
        while (!saver.canReadLine() && saver.state() == QProcess::Running)
            saver.waitForReadyRead(100);
        ASSERT_EQ(saver.state(), QProcess::Running) << saver.readAllStandardError().toStdString();
        QThread::msleep(std::uniform_int_distribution<unsigned>(0, 120)(random));
        ASSERT_EQ(saver.state(), QProcess::Running) << saver.readAllStandardError().toStdString();
        saver.kill();
        saver.waitForFinished(10000);
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit)
            << "the saver stopped by itself: " << saver.readAllStandardError().toStdString();
    }
};

TEST_P(PosCrash, KilledWhileSavingLeavesWholeBillsWithUnbrokenNumbers)
{
    const int kills =
        qEnvironmentVariableIsSet("KVR_CRASH_KILLS") ? qEnvironmentVariableIntValue("KVR_CRASH_KILLS") : 200;
    std::mt19937 random(20261207u + unsigned(GetParam()));
    for (int k = 0; k < kills; ++k) {
        SCOPED_TRACE(k);
        ASSERT_NO_FATAL_FAILURE(killOnce(unsigned(k), random));
    }

    // Every bill has all its lines (numbered 1..n, summing to its total) and all its card rows.
    data::Query bills(dm->DMdata(),
                      QStringLiteral("SELECT H.Id, H.PosNo, H.Total, Coalesce(H.CardAmount, 0) AS CardAmount, "
                                     "(SELECT Count(*) FROM PosDt D WHERE D.PosHd = H.Id) AS Lines, "
                                     "(SELECT Max(PosRecNo) FROM PosDt D WHERE D.PosHd = H.Id) AS LastLine, "
                                     "(SELECT Sum(Total) FROM PosDt D WHERE D.PosHd = H.Id) AS LineTotal, "
                                     "(SELECT Coalesce(Sum(CardAmount), 0) FROM CreditCardInfo C "
                                     " WHERE C.RcptType = 1 AND C.RcptDocId = H.Id) AS Cards "
                                     "FROM PosHd H ORDER BY H.PosNo"));
    bills.open();
    ASSERT_GT(bills.recordCount(), kills / 2) << "the saver hardly saved anything between kills";
    RecordProperty("bills", bills.recordCount());
    int expected = 0;
    for (bills.first(); !bills.eof(); bills.next()) {
        const auto f = [&](const char* name) { return bills.field(QString::fromLatin1(name)); };
        SCOPED_TRACE(f("PosNo").asString().toStdString());
        EXPECT_GT(f("Lines").asInteger(), 0);
        EXPECT_EQ(f("Lines").asInteger(), f("LastLine").asInteger());
        EXPECT_NEAR(f("LineTotal").asFloat(), f("Total").asFloat(), 0.001);
        EXPECT_NEAR(f("Cards").asFloat(), f("CardAmount").asFloat(), 0.001);
        // Numbers run 1, 2, 3 ... without a gap or a repeat.
        EXPECT_EQ(f("PosNo").asString().trimmed().toInt(), ++expected);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT LastNo AS N FROM DocumentNo WHERE Code = 'POS-P'")), expected)
        << "a number was drawn for a bill that is not there";
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosDt WHERE PosHd NOT IN (SELECT Id FROM PosHd)")), 0);
    EXPECT_EQ(
        count(QStringLiteral("SELECT Count(*) AS N FROM CreditCardInfo WHERE RcptDocId NOT IN (SELECT Id FROM PosHd)")),
        0);
}

KVR_INSTANTIATE_BACKENDS(PosCrash);

} // namespace
} // namespace kvr::test
