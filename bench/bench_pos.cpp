// The whole-bill calculation of the sale screen on bills of 20 and 200 lines: it runs after
// every line change, row move and discount, so its time is felt at the counter.
#include "QuietPrompter.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString g_workDir;

void prepare(const QString& workDir)
{
    QDir(workDir).mkpath(QStringLiteral("db"));
    QFile serverDat(QDir(workDir).filePath(QStringLiteral("Server.Dat")));
    serverDat.open(QIODevice::WriteOnly | QIODevice::Truncate);
    serverDat.write("sqlite:db\r\n");
    serverDat.close();
    const kvr::data::ServerSpec spec = kvr::data::ServerSpec::parse(QStringLiteral("sqlite:db"), workDir);
    const auto dialect = kvr::data::Dialect::forDriver(QStringLiteral("QSQLITE"));
    const kvr::data::Login login;
    dialect->createDatabase(spec, QStringLiteral("BENCH"), login.user, login.password);
    kvr::data::TDMConfig config(workDir);
    kvr::data::TDM dm(config, workDir);
    dm.setCompanyCode(QStringLiteral("BENCH"));
    for (const char* sql : {"INSERT INTO Config (RunYear, LockPosDate, POS_IE, DefaultTax, SearchProductNo) "
                            "VALUES (2026, 'Y', 'I', 1, 0)",
                            "INSERT INTO Tax (Code, Rate) VALUES ('V7', 7)",
                            "INSERT INTO DocumentNo (Code, DocYear, LastNo, DocumentLength, AutoRun) "
                            "VALUES ('POS-P', 2026, 0, 12, 'Y')"})
        kvr::data::Query(dm.DMdata(), QString::fromLatin1(sql)).execSql();
    g_workDir = workDir;
}

void calculateAll(benchmark::State& state)
{
    const int lines = int(state.range(0));
    kvr::bench::QuietPrompter prompter;
    kvr::data::TDMConfig config(g_workDir);
    kvr::data::TDM dm(config, g_workDir);
    dm.setCompanyCode(QStringLiteral("BENCH"));
    kvr::products::TDmProduct product(dm);
    kvr::pos::TFrPos pos(prompter, dm, product, kvr::pos::PosMode::Goods, true);
    pos.AcNewExecute();
    kvr::data::CachedDataset& dt = pos.QDt();
    const QString discounts[] = {QString(), QStringLiteral("5%"), QStringLiteral("10"), QStringLiteral("10%5%")};
    for (int i = 0; i < lines; ++i) {
        if (i > 0)
            dt.append();
        dt.setValue(QStringLiteral("Product"), 1 + i % 50);
        dt.setValue(QStringLiteral("Fraction"), 1.0);
        dt.setValue(QStringLiteral("Quantity"), 1.0 + i % 3);
        dt.setValue(QStringLiteral("Price"), 19.75 + i);
        dt.setValue(QStringLiteral("Discount"), discounts[i % 4]);
        dt.setValue(QStringLiteral("TaxRate"), 7.0);
    }
    dt.post();
    pos.QHd().setValue(QStringLiteral("DiscRate1"), 5.0);
    for (auto _ : state) {
        pos.CalculateAll();
        benchmark::DoNotOptimize(pos.totals().taxTotal);
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir workDir;
    prepare(workDir.path());
    benchmark::RegisterBenchmark("CalculateAll", calculateAll)
        ->Arg(20)
        ->Arg(200)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
