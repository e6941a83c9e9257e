// Scan-to-line on the sale screen: a barcode scanned into the product cell until its line holds
// product, unit, price and the stock check, the next line is open and the bill is recomputed;
// on the large demo shop (100,000 products, 1,000,000 stock balances). Reports the median and
// the 99th percentile of one scan. Bills are started afresh every 20 lines, outside the timing.
//
// KVR_BENCH_SQLITE_WORKDIR  working folder of the SQLite shop (built there once, reused later);
//                           default a temporary folder
// KVR_BENCH_PG              HOST:PORT of a PostgreSQL server to time the same on as well; its
//                           demo databases are replaced (use a throw-away server)
// KVR_BENCH_PG_WORKDIR      working folder naming that shop (default a temporary folder)
// KVR_BENCH_PRODUCTS, KVR_BENCH_STOCK_ROWS  a smaller shop for a quick run
// KVR_DEMO_BIN              the demo generator, when not the one built beside this benchmark
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"

#include "DemoShop.h"
#include "QuietPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

using kvr::data::Query;

namespace {

constexpr int kLinesPerBill = 20;

// Where one backend's shop is: its working folder (with Server.Dat) and the demo's --server.
struct Shop
{
    QString name;
    QString workDir;
    QString server;
    QStringList barcodes;
};

// Barcodes of sellable products spread over the whole catalogue.
QStringList sampleBarcodes(const QString& workDir)
{
    kvr::data::TDMConfig config(workDir);
    kvr::data::TDM dm(config, workDir);
    dm.setCompanyCode(QStringLiteral("DEMO"));
    Query barcodes(dm.DMdata(),
                   QStringLiteral("SELECT U.BarCode FROM ProductUnits U INNER JOIN Product P On "
                                  "(P.Id = U.Product) WHERE U.BarCode Is Not Null And "
                                  "Coalesce(P.Blocked, 'N') <> 'Y' And Coalesce(P.MasterCode, 'N') <> 'Y' "
                                  "ORDER BY U.Id"));
    barcodes.open();
    QStringList list;
    const int samples = std::min(2000, barcodes.recordCount());
    for (int i = 0; i < samples; ++i)
        list << barcodes.fieldAt(int(qint64(i) * barcodes.recordCount() / samples), QStringLiteral("BarCode"))
                    .asString();
    if (list.isEmpty())
        qFatal("The demo shop has no barcodes");
    return list;
}

void scanToLine(benchmark::State& state, const Shop* shop)
{
    const QString& g_workDir = shop->workDir;
    const QStringList& g_barcodes = shop->barcodes;
    kvr::bench::QuietPrompter prompter;
    kvr::data::TDMConfig config(g_workDir);
    config.CheckRight(101, 1);
    config.GetCompanyConfig(QStringLiteral("DEMO"));
    kvr::data::TDM dm(config, g_workDir);
    dm.setCompanyCode(QStringLiteral("DEMO"));
    Query(dm.DMdata(), QStringLiteral("UPDATE Config SET PosUseBarCode = 'Y'")).execSql();
    dm.QConfig().open();
    kvr::products::TDmProduct product(dm);
    product.setUseBarCode(true);
    kvr::pos::TFrPos pos(prompter, dm, product, kvr::pos::PosMode::Goods, true);
    Query shift(dm.DMdata(), QStringLiteral("SELECT Id, ShiftDate FROM PosShiftNo ORDER BY Id"));
    shift.open();
    pos.setCurrentShift(shift.field(QStringLiteral("Id")).asInteger(),
                        shift.field(QStringLiteral("ShiftDate")).asDateTime());
    Query customer(dm.DMdata(), QStringLiteral("SELECT Id FROM Customer ORDER BY Id"));
    customer.open();

    int bills = 0;
    const auto newBill = [&] {
        pos.AcNewExecute();
        if (!pos.QHd().isOpen() || pos.QHd().eof()) {
            // A shop that types its bill numbers: a number no saved bill has.
            pos.headerTexts().posNo = QStringLiteral("SCAN%1").arg(++bills);
            pos.PosNoExit();
        }
        pos.QHd().edit();
        pos.bill().setHeader(QStringLiteral("Customer"), customer.field(QStringLiteral("Id")).value());
    };
    newBill();
    std::vector<double> ms;
    qsizetype next = 0;
    int lines = 0;
    for (auto _ : state) {
        if (lines == kLinesPerBill) {
            state.PauseTiming();
            newBill();
            lines = 0;
            state.ResumeTiming();
        }
        const QString& barcode = g_barcodes[next++ % g_barcodes.size()];
        const auto start = std::chrono::steady_clock::now();
        pos.QDt().edit();
        pos.bill().setLine(QStringLiteral("ProductCode"), barcode);
        pos.ProductCodeExit();
        pos.CalculateAll();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ++lines;
    }
    // Every scan must have made a line: a bench of barcodes not found would time nothing.
    const kvr::data::CachedDataset& dt = pos.QDt();
    for (int row = 0; row + 1 < dt.recordCount(); ++row)
        if (dt.fieldAt(row, QStringLiteral("Product")).asInteger() <= 0)
            qFatal("Scan %d of the last bill made no line", row + 1);
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    std::printf("scan-to-line on %s: median %.3f ms, p99 %.3f ms over %zu scans\n", qPrintable(shop->name), at(0.5),
                at(0.99), ms.size());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir sqliteTemp;
    QTemporaryDir pgTemp;
    std::vector<Shop> shops;
    shops.push_back({QStringLiteral("sqlite"),
                     qEnvironmentVariableIsSet("KVR_BENCH_SQLITE_WORKDIR")
                         ? qEnvironmentVariable("KVR_BENCH_SQLITE_WORKDIR")
                         : sqliteTemp.path(),
                     QStringLiteral("sqlite:db"),
                     {}});
    if (qEnvironmentVariableIsSet("KVR_BENCH_PG"))
        shops.push_back({QStringLiteral("pgsql"),
                         qEnvironmentVariableIsSet("KVR_BENCH_PG_WORKDIR")
                             ? qEnvironmentVariable("KVR_BENCH_PG_WORKDIR")
                             : pgTemp.path(),
                         QStringLiteral("pgsql:") + qEnvironmentVariable("KVR_BENCH_PG"),
                         {}});
    for (Shop& shop : shops) {
        kvr::bench::ensureDemoShop(shop.workDir, shop.server);
        shop.barcodes = sampleBarcodes(shop.workDir);
        const std::string name = ("ScanToLine/" + shop.name).toStdString();
        benchmark::RegisterBenchmark(name.c_str(), [&shop](benchmark::State& state) { scanToLine(state, &shop); })
            ->Unit(benchmark::kMillisecond)
            ->MinTime(3.0)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
