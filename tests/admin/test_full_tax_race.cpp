// Counters printing the full tax invoice of the same new receipt at once, as separate processes:
// the receipt ends with one number, the series moves by exactly one, every counter prints it.
#include "FullTaxFixture.h"
#include "Racers.h"

#include "data/Connection.h"
#include "data/Query.h"

#include <QDeadlineTimer>
#include <QThread>

#include <optional>

namespace {

using namespace kvr;
namespace column = data::fulltax;

using FullTaxRace = test::FullTaxFixture;

TEST_P(FullTaxRace, counters_printing_one_new_receipt_at_once_give_it_one_number_and_leave_no_gap)
{
    // Four counters on the server, two on the one file SQLite shares between processes (its
    // writers queue at the start of their transactions).
    const bool postgres = GetParam() == test::BackendKind::Postgres;
    const int counters = postgres ? 4 : 2;
    const QString code = QStringLiteral("POS-X1");
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        const QString number = QStringLiteral("PP69004%1").arg(round, 3, 10, QLatin1Char('0'));
        const int id = receipt(kPosHd, {.number = number, .customer = branch});
        // Each has loaded the receipt and found it without a number before any of them prints.
        test::Racers started;
        for (int i = 0; i < counters; ++i)
            started.start("fulltax_printer", {server->workingDirectory(), companyCode, number});
        ASSERT_TRUE(started.ready());
        // On the server, another session holds the series while the counters start printing,
        // so that every one of them is under way before any can finish: each is either
        // waiting for the receipt's row or, having it, for the series.
        std::optional<data::Transaction> holdSeries;
        if (postgres) {
            holdSeries.emplace(shop->connection());
            data::Query hold(shop->connection(),
                             QStringLiteral("UPDATE DocumentNo SET LastNo = LastNo "
                                            "WHERE Code = :Code"));
            hold.setParam(QStringLiteral("Code"), code);
            hold.execSql();
        }
        ASSERT_TRUE(started.go());
        if (postgres) {
            // Every counter waits for a lock before the series is let go.
            QDeadlineTimer deadline(60000);
            while (count(QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() "
                                        "AND wait_event_type = 'Lock'")) < counters) {
                ASSERT_FALSE(deadline.hasExpired());
                QThread::msleep(20);
            }
            holdSeries.reset();
        }
        QStringList said;
        ASSERT_TRUE(started.finish(said));
        for (const QString& printed : said)
            EXPECT_EQ(printed, QStringLiteral("%1 2026 %2").arg(number, code));
        EXPECT_EQ(lastNo(code), round) << "one number drawn for the receipt, none lost";
        EXPECT_EQ(column(kPosHd, id, column::kFullTaxNo).toString().right(3),
                  QStringLiteral("%1").arg(round, 3, 10, QLatin1Char('0')));
    }
}

KVR_INSTANTIATE_BACKENDS(FullTaxRace);

} // namespace
