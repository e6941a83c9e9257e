// The generator run as a shop owner runs it: again on a shop that holds data, with years of bills
// before the demo days, and with parameters or servers it must refuse.
#include "support/DemoSession.h"
#include "support/Files.h"
#include "support/SessionSeed.h"

#include "data/Query.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace kvr::data;
using kvr::test::DemoRun;
using kvr::test::runDemo;

using DemoRerunTest = kvr::test::BackendTest;

TEST_P(DemoRerunTest, a_second_run_keeps_the_data_and_force_rebuilds_it)
{
    const QString work = server->workingDirectory();
    // Run from elsewhere: --workdir names the folder of Server.Dat and the SQLite files.
    QTemporaryDir elsewhere;
    const QStringList base = {QStringLiteral("--server"), server->serverName(), QStringLiteral("--workdir"), work};
    DemoRun run = runDemo(elsewhere.path(), base);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile serverDat(QDir(work).filePath(QStringLiteral("Server.Dat")));
    ASSERT_TRUE(serverDat.open(QIODevice::ReadOnly));
    EXPECT_EQ(serverDat.readAll(), server->serverName().toUtf8() + "\r\n");

    const auto figures = [&] {
        auto company = server->connection(QStringLiteral("DEMO"));
        return kvr::test::queryRows(*company,
                                    QStringLiteral("SELECT (SELECT COUNT(*) FROM PosHd) AS Bills, (SELECT SUM(Total) "
                                                   "FROM PosHd) AS Sales, (SELECT COUNT(*) FROM Product) AS Products, "
                                                   "(SELECT COUNT(*) FROM ProductOnHand) AS Stock, (SELECT MAX(Remark) "
                                                   "FROM PosHd WHERE Id = 1) AS Mark"))
            .value(0)
            .split(u'/');
    };
    {
        auto company = server->connection(QStringLiteral("DEMO"));
        Query(*company, QStringLiteral("UPDATE PosHd SET Remark = 'changed by hand' WHERE Id = 1")).execSql();
    }
    const QStringList first = figures();

    run = runDemo(elsewhere.path(), base);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("already hold data"))) << run.out.toStdString();
    EXPECT_EQ(figures(), first) << "a run without --force changed the data";

    run = runDemo(elsewhere.path(), base + QStringList{QStringLiteral("--force")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList rebuilt = figures();
    EXPECT_NE(rebuilt.takeLast(), first.last()) << "--force kept the old rows";
    EXPECT_EQ(rebuilt, first.mid(0, 4)) << "the same seed builds the same shop";

    run = runDemo(elsewhere.path(),
                  base + QStringLiteral("--force --products 80 --stock-rows 150").split(QLatin1Char(' ')));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(figures().mid(2, 2), QStringList({"80", "150"}));
}

KVR_INSTANTIATE_BACKENDS(DemoRerunTest);

constexpr int kHistory = 3000;

class DemoHistoryTest : public kvr::test::DemoSessionFixture
{
protected:
    DemoHistoryTest() { generatorArguments = {QStringLiteral("--bills"), QString::number(kHistory)}; }
};

TEST_P(DemoHistoryTest, bills_of_history_come_before_the_demo_days_and_hold_together)
{
    const QDateTime firstDemoDay = QDate::currentDate().addDays(-2).startOfDay();
    const kvr::test::Columns before = {{"Before", firstDemoDay}};
    const auto history = [&](const char* condition) {
        return count(QStringLiteral("SELECT COUNT(*) FROM PosHd WHERE PosDate < :Before AND ") +
                         QString::fromLatin1(condition),
                     before);
    };
    EXPECT_EQ(history("1 = 1"), kHistory);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(DISTINCT PosDate) FROM PosHd WHERE PosDate < :Before"), before), 30)
        << "spread over the days";
    EXPECT_EQ(history("NOT EXISTS (SELECT 1 FROM PosDt D WHERE D.PosHd = PosHd.Id)"), 0) << "a bill without lines";
    EXPECT_EQ(history("ABS(Cash + CardAmount + Coupon + BankAmount - Change - Total - "
                      "COALESCE((SELECT SUM(C.CardCharge) FROM CreditCardInfo C WHERE C.RcptType = 1 "
                      "AND C.RcptDocId = PosHd.Id), 0)) > 0.011"),
              0)
        << "payments that do not cover their bill";
    EXPECT_GT(history("DelFlag = 'Y'"), 0);
    EXPECT_EQ(history("DelFlag = 'Y' AND COALESCE(DelRemark, '') = ''"), 0) << "cancelled without a reason";
    const int fullTax = history("FullTaxNo IS NOT NULL");
    EXPECT_GT(fullTax, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT FullTaxNo) FROM PosHd WHERE PosDate < :Before"), before),
              fullTax);
    EXPECT_EQ(history("NOT EXISTS (SELECT 1 FROM PosShiftNo S WHERE S.Id = PosHd.PosShiftNo AND S.ShiftDate = "
                      "PosHd.PosDate AND S.Closed = 'Y')"),
              0)
        << "a bill outside a closed shift of its day";

    // Every number once, and every series goes on after the last number it gave.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT PosNo FROM PosHd GROUP BY PosNo, PosType "
                                   "HAVING COUNT(*) > 1) D")),
              0);
    EXPECT_EQ(
        count(QStringLiteral("SELECT COUNT(*) FROM PosHd H WHERE NOT EXISTS (SELECT 1 FROM DocumentNo D WHERE D.Code = "
                             "'POS-' || H.PosType AND D.DocYear = CAST(SUBSTR(CAST(H.PosDate AS VARCHAR(30)), 1, 4) "
                             "AS INTEGER) AND D.LastNo >= CAST(SUBSTR(H.PosNo, 5) AS INTEGER) AND "
                             "SUBSTR(H.PosNo, 1, 4) = D.Prefix)")),
        0)
        << "a bill number its series would give again";
}

KVR_INSTANTIATE_BACKENDS(DemoHistoryTest);

TEST(DemoFailures, each_refusal_and_failure_ends_with_a_message_and_a_failing_exit_code)
{
    QTemporaryDir work;
    ASSERT_TRUE(kvr::test::writeFile(QDir(work.path()).filePath(QStringLiteral("taken")), {}));
    // The arguments, separated by spaces; the exit code; a message standard error holds.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"", 2, "--server is required"},
        {"--server sqlite:db --products 5", 2, "--products must be a number of at least"},
        {"--server sqlite:db --products 40 --stock-rows 100000", 2, "--stock-rows must be a number from 0 to"},
        {"--server sqlite:db --bills -5", 2, "--bills must be a number from 0 to"},
        {"--server KVRSERVER", 1, "neither sqlite:FOLDER nor pgsql:HOST"},
        // A file where the database folder should be.
        {"--server sqlite:taken", 1, "Cannot create"},
        // Nothing listens on port 1.
        {"--server pgsql:127.0.0.1:1", 1, "Cannot connect"},
    };
    for (const auto& [args, exitCode, message] : cases) {
        SCOPED_TRACE(args);
        const DemoRun run = runDemo(work.path(), QString::fromLatin1(args).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(message))) << run.err.toStdString();
    }
}
