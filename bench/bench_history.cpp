// Years of trading: the saved-bill search (a number ending, a customer code, no criterion), the
// full tax invoice's buyer search (a telephone, part of a name), recall by number (a bill of any day, and one of the
// last days), opening the shift dialog on the open shift and a 20-line save, on the plain demo shop and on the demo
// with a history of saved bills; median and 99th percentile of each, per backend. Each shop is built once by the demo
// generator and reused while it holds the bills asked for.
//
// KVR_BENCH_BILLS           bills of history (default 2,000,000)
// KVR_BENCH_HISTORY_WORKDIR folder holding the shops' working folders (default a temporary folder)
// KVR_BENCH_PG              HOST:PORT of a PostgreSQL server to time the same on as well; its demo
//                           databases are replaced (use a throw-away server)
// KVR_DEMO_BIN              the demo generator, when not the one built beside this benchmark
#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/PosBill.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "search/TFrSearchCustomerPosHd.h"
#include "search/TFrSearchPos.h"

#include "DemoShop.h"
#include "SaleShop.h"
#include "support/UnansweredPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>

using kvr::data::Query;

namespace {

struct Shop
{
    QString name; // "sqlite, 2000000 bills"
    QString workDir;
    QString server;
    qint64 bills = 0;
};

kvr::data::TDMConfig& signedIn(kvr::data::TDMConfig& config);

// Saved bills of the shop's company database; -1 when there is none yet.
qint64 billsHeld(const Shop& shop)
{
    if (!QFile::exists(QDir(shop.workDir).filePath(QStringLiteral("Server.Dat"))))
        return -1;
    try {
        kvr::data::TDMConfig config(shop.workDir);
        kvr::data::TDM dm(config, shop.workDir);
        dm.setCompanyCode(QStringLiteral("DEMO"));
        Query count(dm.DMdata(), QStringLiteral("SELECT COUNT(*) AS N FROM PosHd"));
        count.open();
        return count.field(QStringLiteral("N")).asLargeInt();
    } catch (const std::exception&) {
        return -1;
    }
}

// The demo shop with that history, built unless the database already holds it. A PostgreSQL
// server holds one demo company: its plain shop and its history replace each other.
void ensureShop(const Shop& shop)
{
    // The plain demo has a few dozen bills of its own.
    const qint64 held = billsHeld(shop);
    if (held >= shop.bills && held < shop.bills + 1000)
        return;
    QDir().mkpath(shop.workDir);
    QString demo = qEnvironmentVariable("KVR_DEMO_BIN");
#ifdef KVR_DEMO_BIN
    if (demo.isEmpty())
        demo = QStringLiteral(KVR_DEMO_BIN);
#endif
    std::fprintf(stderr, "Building the demo shop with %lld bills of history on %s ...\n", shop.bills,
                 qPrintable(shop.server));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(demo,
                  {QStringLiteral("--server"), shop.server, QStringLiteral("--workdir"), shop.workDir,
                   QStringLiteral("--bills"), QString::number(shop.bills), QStringLiteral("--force")});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(demo));
}

kvr::data::TDMConfig& signedIn(kvr::data::TDMConfig& config)
{
    config.CheckRight(101, 1);
    config.GetCompanyConfig(QStringLiteral("DEMO"));
    return config;
}

// The program's session on the shop, as the sale screen's menu item opens it.
struct Session
{
    explicit Session(const Shop& shop)
        : config(shop.workDir)
        , dm(signedIn(config), shop.workDir)
    {
        dm.setCompanyCode(QStringLiteral("DEMO"));
    }
    QStringList column(const QString& sql)
    {
        Query q(dm.DMdata(), sql);
        q.open();
        QStringList values;
        for (q.first(); !q.eof(); q.next())
            values << q.field(q.fieldNames().front()).asString();
        return values;
    }
    kvr::test::ConfirmingPrompter prompter;
    kvr::data::TDMConfig config;
    kvr::data::TDM dm;
};

enum class Reach { AnyDay, LastDays };

// Numbers of live goods bills (recall finds no cancelled bill), spread over the whole history or
// among the newest few thousand: the bills a counter recalls most, for a reprint or a full tax invoice.
QStringList sampleNumbers(Session& session, int count, Reach reach = Reach::AnyDay)
{
    const int last = session.column(QStringLiteral("SELECT Max(Id) FROM PosHd")).value(0).toInt();
    const int first = reach == Reach::LastDays ? std::max(1, last - 8000) : 1;
    QStringList ids;
    std::mt19937 random(22);
    for (int i = 0; i < count * 3; ++i)
        ids << QString::number(std::uniform_int_distribution<int>(first, std::max(first, last))(random));
    QStringList numbers =
        session.column(QStringLiteral("SELECT PosNo FROM PosHd WHERE PosType = 'P' AND DelFlag = 'N' AND Id IN (") +
                       ids.join(QLatin1Char(',')) + QLatin1Char(')'));
    if (numbers.isEmpty())
        qFatal("The demo shop has no goods bills");
    return numbers;
}

void report(benchmark::State& state, const char* what, const Shop& shop, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    std::printf("%-28s %-24s median %8.3f ms  p99 %8.3f ms  (%zu runs)\n", what, qPrintable(shop.name), at(0.5),
                at(0.99), ms.size());
}

// Runs `step` once per iteration, timing only `timed`.
void timeEach(benchmark::State& state, std::vector<double>& ms, const std::function<void(int)>& prepare,
              const std::function<void()>& timed)
{
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare(n++);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        timed();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
}

enum class Criterion { NumberEnding, CustomerCode, None };

void billSearch(benchmark::State& state, const Shop* shop, Criterion criterion)
{
    Session session(*shop);
    const QStringList numbers = sampleNumbers(session, 200);
    const QStringList customers = session.column(QStringLiteral("SELECT Code FROM Customer ORDER BY Code"));
    kvr::search::TFrSearchPos search(session.dm, session.prompter);
    search.setDocType(QStringLiteral("P"));
    search.FormShow();
    std::mt19937 random(5);
    std::vector<double> ms;
    timeEach(
        state, ms,
        [&](int n) {
            const QString number = numbers[n % numbers.size()].trimmed();
            // Endings of one to six characters, as a cashier types them off a receipt.
            const int typed = std::uniform_int_distribution<int>(1, 6)(random);
            search.setCriterion(QStringLiteral("Code"),
                                criterion == Criterion::NumberEnding ? number.right(typed) : QString());
            search.setCriterion(QStringLiteral("Customer"),
                                criterion == Criterion::CustomerCode ? customers[n % customers.size()] : QString());
        },
        [&] { search.BtSearchClick(); });
    const char* what = criterion == Criterion::NumberEnding ? "search, number ending"
        : criterion == Criterion::CustomerCode              ? "search, customer code"
                                                            : "search, no criterion";
    report(state, what, *shop, ms);
}

enum class BuyerBy { Phone, NamePart };

// The buyers of earlier invoices, as a cashier types them from a buyer's card: the whole
// telephone, or a few characters from the middle of the name.
void buyerSearch(benchmark::State& state, const Shop* shop, BuyerBy by)
{
    Session session(*shop);
    const QString buyers = QStringLiteral("FROM PosHd WHERE FullTaxNo IS NOT NULL AND CustomerName IS NOT NULL");
    const QStringList phones = session.column(QStringLiteral("SELECT DISTINCT ShipPhone ") + buyers);
    const QStringList names = session.column(QStringLiteral("SELECT DISTINCT CustomerName ") + buyers);
    if (phones.isEmpty() || names.isEmpty())
        qFatal("The demo shop has no full tax invoices");
    kvr::search::TFrSearchCustomerPosHd search(session.dm, session.prompter);
    search.FormShow();
    std::mt19937 random(11);
    std::vector<double> ms;
    timeEach(
        state, ms,
        [&](int n) {
            const QString name = names[n % names.size()].trimmed();
            const int from = std::uniform_int_distribution<int>(0, std::max(0, int(name.size()) - 4))(random);
            search.setCriterion(QStringLiteral("Phone"), by == BuyerBy::Phone ? phones[n % phones.size()] : QString());
            search.setCriterion(QStringLiteral("Name"), by == BuyerBy::NamePart ? name.mid(from, 4) : QString());
        },
        [&] { search.BtSearchClick(); });
    if (search.QSearch().isEmpty())
        state.SkipWithError("the last buyer searched for was not found");
    report(state, by == BuyerBy::Phone ? "buyer search, telephone" : "buyer search, part of name", *shop, ms);
}

void recall(benchmark::State& state, const Shop* shop, Reach reach)
{
    Session session(*shop);
    const QStringList numbers = sampleNumbers(session, 200, reach);
    std::vector<double> ms;
    kvr::pos::PosBill bill(session.dm.DMdata());
    QString number;
    timeEach(
        state, ms, [&](int n) { number = numbers[n % numbers.size()]; },
        [&] {
            if (!bill.LoadBill(number, 10, kvr::pos::PosMode::Goods))
                state.SkipWithError("a sampled bill was not found");
        });
    report(state, reach == Reach::AnyDay ? "recall by number, any day" : "recall by number, last days", *shop, ms);
}

// The shift dialog as a counter opens it after a restart: shown, then the open shift's date,
// machine and number, whose float it loads.
void openShift(benchmark::State& state, const Shop* shop)
{
    Session session(*shop);
    Query open(session.dm.DMdata(),
               QStringLiteral("SELECT S.ShiftDate, S.ShiftNo, M.MachineCode FROM PosShiftNo S "
                              "INNER JOIN PosMachineNo M ON (M.Id = S.PosMachineNo) "
                              "WHERE S.Closed = 'N' ORDER BY S.Id"));
    open.open();
    if (open.isEmpty())
        qFatal("The demo shop has no open shift");
    const QDate date = open.field(QStringLiteral("ShiftDate")).asDateTime().date();
    const QString machine = open.field(QStringLiteral("MachineCode")).asString();
    const QString number = open.field(QStringLiteral("ShiftNo")).asString();
    kvr::admin::CurrentShift current;
    kvr::admin::TFrPosShiftNo dialog(session.prompter, session.dm, current);
    std::vector<double> ms;
    timeEach(
        state, ms, [](int) {},
        [&] {
            dialog.FormShow();
            dialog.setShiftDate(date);
            dialog.setMachineCode(machine);
            dialog.setShiftNoText(number);
            dialog.HeaderExit();
        });
    if (!dialog.controls().gridEnabled)
        state.SkipWithError("the open shift was not found");
    report(state, "open the shift dialog", *shop, ms);
}

void save(benchmark::State& state, const Shop* shop)
{
    Session session(*shop);
    // Saving is what is timed: the receipt goes nowhere.
    Query(session.dm.DMdata(), QStringLiteral("UPDATE Config SET Pos1_PrintType = 'F'")).execSql();
    session.dm.QConfig().close();
    kvr::products::TDmProduct product(session.dm);
    kvr::pos::TFrPos screen(session.prompter, session.dm, product, kvr::pos::PosMode::Goods, true);
    Query shift(session.dm.DMdata(),
                QStringLiteral("SELECT Id, ShiftDate FROM PosShiftNo WHERE Closed = 'N' ORDER BY Id"));
    shift.open();
    screen.setCurrentShift(shift.field(QStringLiteral("Id")).asInteger(),
                           shift.field(QStringLiteral("ShiftDate")).asDateTime());
    screen.AcNewExecute();
    std::mt19937 random(7);
    std::vector<double> ms;
    // The demo shop types its goods bills' numbers: numbers of this run's own.
    const QString run = QString::number(QDateTime::currentSecsSinceEpoch() % 100000);
    timeEach(
        state, ms,
        [&](int n) {
            if (!screen.QHd().isOpen() || screen.QHd().eof()) {
                screen.headerTexts().posNo = QStringLiteral("H%1%2").arg(run).arg(n, 4, 10, QLatin1Char('0'));
                screen.PosNoExit();
            }
            kvr::test::ringUpBill(screen, random, 20, 0);
        },
        [&] { screen.AcSaveExecute(); });
    if (!screen.isNewBill())
        state.SkipWithError("the last bill was not saved");
    report(state, "save, 20 lines", *shop, ms);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir temp;
    const QString base = qEnvironmentVariableIsSet("KVR_BENCH_HISTORY_WORKDIR")
        ? qEnvironmentVariable("KVR_BENCH_HISTORY_WORKDIR")
        : temp.path();
    const qint64 bills =
        qEnvironmentVariableIsSet("KVR_BENCH_BILLS") ? qEnvironmentVariable("KVR_BENCH_BILLS").toLongLong() : 2'000'000;
    std::vector<std::pair<QString, QString>> backends = {{QStringLiteral("sqlite"), QStringLiteral("sqlite:db")}};
    if (qEnvironmentVariableIsSet("KVR_BENCH_PG"))
        backends.emplace_back(QStringLiteral("pgsql"), QStringLiteral("pgsql:") + qEnvironmentVariable("KVR_BENCH_PG"));
    // A PostgreSQL server holds one DEMO database: its shops are built and timed one after the other.
    static std::vector<Shop> shops;
    for (const auto& [backend, server] : backends) {
        for (const qint64 history : {qint64(0), bills})
            shops.push_back({QStringLiteral("%1, %2 bills").arg(backend).arg(history),
                             QDir(base).filePath(QStringLiteral("%1-%2").arg(backend).arg(history)), server, history});
    }
    for (const Shop& shop : shops) {
        const Shop* s = &shop;
        const std::string name = shop.name.toStdString();
        const auto iterations = [](benchmark::internal::Benchmark* b, int n) {
            b->Iterations(n)->Unit(benchmark::kMillisecond);
        };
        // Built when its first benchmark runs, so that two shops of one server never meet.
        benchmark::RegisterBenchmark(("build/" + name).c_str(),
                                     [s](benchmark::State& state) {
                                         for (auto _ : state)
                                             ensureShop(*s);
                                     })
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
        iterations(benchmark::RegisterBenchmark(("search_number_ending/" + name).c_str(), billSearch, s,
                                                Criterion::NumberEnding),
                   300);
        iterations(benchmark::RegisterBenchmark(("search_customer_code/" + name).c_str(), billSearch, s,
                                                Criterion::CustomerCode),
                   200);
        iterations(
            benchmark::RegisterBenchmark(("search_no_criterion/" + name).c_str(), billSearch, s, Criterion::None), 100);
        iterations(benchmark::RegisterBenchmark(("buyer_by_phone/" + name).c_str(), buyerSearch, s, BuyerBy::Phone),
                   200);
        iterations(
            benchmark::RegisterBenchmark(("buyer_by_name_part/" + name).c_str(), buyerSearch, s, BuyerBy::NamePart),
            200);
        iterations(benchmark::RegisterBenchmark(("recall_any_day/" + name).c_str(), recall, s, Reach::AnyDay), 300);
        iterations(benchmark::RegisterBenchmark(("recall_last_days/" + name).c_str(), recall, s, Reach::LastDays), 300);
        iterations(benchmark::RegisterBenchmark(("open_shift/" + name).c_str(), openShift, s), 200);
        iterations(benchmark::RegisterBenchmark(("save_20_lines/" + name).c_str(), save, s), 200);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
