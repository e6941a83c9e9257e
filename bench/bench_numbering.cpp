// Document numbers drawn per second inside transactions, by one counter and by four at once,
// on SQLite and (with KVR_BENCH_PG=host:port of a server where the login kvr may create
// databases) on PostgreSQL.
#include "data/Connection.h"
#include "data/Query.h"
#include "data/SchemaScript.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Site
{
    QString workDir;
};
std::map<std::string, Site> g_sites;

void writeServerDat(const QString& dir, const QString& server)
{
    QFile f(QDir(dir).filePath(QStringLiteral("Server.Dat")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(server.toUtf8() + "\r\n");
}

// A company database "BENCH" with one numbering row, created through the program's own schema.
void prepare(const std::string& label, const QString& workDir, const QString& server)
{
    writeServerDat(workDir, server);
    const kvr::data::ServerSpec spec = kvr::data::ServerSpec::parse(server, workDir);
    const auto dialect = kvr::data::Dialect::forBackend(spec.backend);
    const kvr::data::Login login;
    if (dialect->databaseExists(spec, QStringLiteral("BENCH"), login.user, login.password)) {
        if (spec.backend == kvr::data::ServerSpec::Backend::Sqlite)
            QFile::remove(dialect->physicalName(spec, QStringLiteral("BENCH")));
    }
    if (!dialect->databaseExists(spec, QStringLiteral("BENCH"), login.user, login.password))
        dialect->createDatabase(spec, QStringLiteral("BENCH"), login.user, login.password);
    kvr::data::TDMConfig config(workDir);
    kvr::data::TDM dm(config, workDir);
    dm.setCompanyCode(QStringLiteral("BENCH"));
    kvr::data::Query(dm.DMdata(), QStringLiteral("DELETE FROM DocumentNo")).execSql();
    kvr::data::Query(dm.DMdata(),
                     QStringLiteral("INSERT INTO DocumentNo (Code, DocYear, Prefix, LastNo, DocumentLength, "
                                    "AutoRun) VALUES ('POS-P', 2026, 'P', 0, 12, 'Y')"))
        .execSql();
    g_sites[label] = Site{workDir};
}

void drawInTransaction(benchmark::State& state, const std::string& label)
{
    const Site& site = g_sites.at(label);
    kvr::data::TDMConfig config(site.workDir);
    kvr::data::TDM dm(config, site.workDir);
    dm.setCompanyCode(QStringLiteral("BENCH"));
    dm.DMdata().open();
    const QDate date(2026, 6, 1);
    for (auto _ : state) {
        dm.StartTransaction();
        benchmark::DoNotOptimize(dm.DrawDocumentNo(QStringLiteral("POS-P"), date));
        dm.Commit();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir sqliteDir;
    QDir(sqliteDir.path()).mkpath(QStringLiteral("db"));
    prepare("sqlite", sqliteDir.path(), QStringLiteral("sqlite:db"));
    benchmark::RegisterBenchmark("DrawDocumentNo/sqlite", drawInTransaction, std::string("sqlite"))
        ->Threads(1)
        ->Threads(4)
        ->UseRealTime();

    QTemporaryDir pgDir;
    const QString pg = qEnvironmentVariable("KVR_BENCH_PG");
    if (!pg.isEmpty()) {
        prepare("postgres", pgDir.path(), QStringLiteral("pgsql:") + pg);
        benchmark::RegisterBenchmark("DrawDocumentNo/postgres", drawInTransaction, std::string("postgres"))
            ->Threads(1)
            ->Threads(4)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
