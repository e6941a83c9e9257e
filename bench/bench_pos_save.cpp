// Saving bills: one counter saving a 20-line bill with two card rows on SQLite (median per bill),
// and four counters (processes) saving at once on the PostgreSQL server, bills per second and
// duplicate numbers. The PostgreSQL case runs when KVR_TEST_PG names a server
// (scripts/pgtest start DIR PORT), on a throw-away database there.
#include "SaleShop.h"
#include "support/UnansweredPrompter.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "support/SessionSeed.h"
#include "support/TestServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kvr;

namespace {

// A test server holding the sale-screen shop, with its card types.
std::unique_ptr<test::TestServer> shopOn(test::BackendKind kind)
{
    auto server = std::make_unique<test::TestServer>(kind);
    test::seedSession(*server);
    const auto company = server->connection(QStringLiteral("SHOP"));
    test::seedSaleShop(*company);
    test::seedCardTypes(*company);
    return server;
}

void saveBill(benchmark::State& state, const test::TestServer* server)
{
    test::ConfirmingPrompter prompter;
    data::TDMConfig config(server->workingDirectory());
    config.CheckRight(101, 2);
    config.GetCompanyConfig(QStringLiteral("SHOP"));
    data::TDM dm(config, server->workingDirectory());
    dm.setCompanyCode(QStringLiteral("SHOP"));
    products::TDmProduct product(dm);
    pos::TFrPos screen(prompter, dm, product, pos::PosMode::Goods, true);
    screen.setCurrentShift(1, test::kSaleShiftOpened);
    screen.AcNewExecute();
    std::mt19937 random(7);
    // What one save sends to the server: each statement run is a round trip, and so is each
    // statement prepared on PostgreSQL.
    data::Connection& company = dm.DMdata();
    qint64 run = 0;
    qint64 prepared = 0;
    for (auto _ : state) {
        state.PauseTiming();
        test::ringUpBill(screen, random, 20, 2);
        const qint64 runBefore = company.statementsRun();
        const qint64 preparedBefore = company.statementsPrepared();
        state.ResumeTiming();
        screen.AcSaveExecute();
        state.PauseTiming();
        run += company.statementsRun() - runBefore;
        prepared += company.statementsPrepared() - preparedBefore;
        state.ResumeTiming();
    }
    if (!screen.isNewBill())
        state.SkipWithError("the last bill was not saved");
    state.counters["statements_run"] = double(run) / double(state.iterations());
    state.counters["statements_prepared"] = double(prepared) / double(state.iterations());
}

void fourCounters(benchmark::State& state, const test::TestServer* server)
{
    constexpr int kCounters = 4;
    constexpr int kBillsEach = 250;
    int round = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<QProcess>> counters;
        QElapsedTimer clock;
        clock.start();
        for (int c = 0; c < kCounters; ++c) {
            auto saver = std::make_unique<QProcess>();
            saver->start(QStringLiteral(KVR_SAVER_BIN),
                         {server->workingDirectory(), QString::number(round * 10 + c), QString::number(kBillsEach)});
            counters.push_back(std::move(saver));
        }
        bool ok = true;
        for (auto& saver : counters)
            ok = saver->waitForFinished(600000) && saver->exitStatus() == QProcess::NormalExit &&
                saver->exitCode() == 0 && ok;
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!ok) {
            state.SkipWithError("a counter failed");
            break;
        }
        ++round;
    }
    const auto company = server->connection(QStringLiteral("SHOP"));
    data::Query duplicates(*company,
                           QStringLiteral("SELECT Count(*) AS N FROM (SELECT PosNo FROM PosHd GROUP BY PosNo "
                                          "HAVING Count(*) > 1) D"));
    duplicates.open();
    state.counters["bills/s"] =
        benchmark::Counter(double(kCounters * kBillsEach) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["duplicates"] = duplicates.field(QStringLiteral("N")).asFloat();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto sqlite = shopOn(test::BackendKind::Sqlite);
    benchmark::RegisterBenchmark("SaveBill/20 lines, 2 cards/SQLite", saveBill, sqlite.get())
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    std::unique_ptr<test::TestServer> postgres;
    if (test::TestServer::postgresAvailable()) {
        postgres = shopOn(test::BackendKind::Postgres);
        benchmark::RegisterBenchmark("SaveBill/20 lines, 2 cards/PostgreSQL", saveBill, postgres.get())
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("FourCounters/PostgreSQL", fourCounters, postgres.get())
            ->UseManualTime()
            ->Unit(benchmark::kSecond)
            ->Iterations(3);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
