// The look-ups the sale screen makes for one scanned barcode (ExistsProduct in barcode mode,
// GetFirstUnit, GetPrice, ProductQuantity, ProductWHQuantity, ProductUnitsWHQuantity) on the demo
// shop of 100,000 products and 1,000,000 stock balances: through TDmProduct, and as the floor the
// very statements it ran, replayed bare through libsqlite3 and libpq. Each variant reports the
// median and the 99th percentile of one scan; the end of the run prints the ratios.
//
// KVR_BENCH_SQLITE_WORKDIR  working folder of the SQLite shop (built there once, reused later);
//                           default a temporary folder
// KVR_BENCH_PG=host:port    PostgreSQL as well; KVR_BENCH_PG_WORKDIR as above. The databases
//                           KVR_CONFIG and DEMO on that server are rebuilt when they do not hold
//                           the large shop.
// KVR_BENCH_PRODUCTS, KVR_BENCH_STOCK_ROWS  a smaller shop for a quick run
// KVR_DEMO_BIN              the demo generator, when not the one built beside this benchmark
#include "data/Query.h"
#include "data/ServerName.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"

#include "DemoShop.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>

using kvr::data::Query;
using kvr::products::TDmProduct;

namespace {

struct Scan
{
    QString barcode;
    int customer = 0;
};

// One statement as the product services ran it: text with '?' markers and the values bound.
struct BareStatement
{
    QString sql;
    QVariantList values;
};

struct Figures
{
    double median = 0;
    double p99 = 0;
};

// Runs captured statements through the backend's own client library, fetching every value.
class BareRunner
{
public:
    virtual ~BareRunner() = default;
    virtual void run(const std::vector<BareStatement>& statements) = 0;
};

class SqliteRunner : public BareRunner
{
public:
    explicit SqliteRunner(const QString& file)
    {
        if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("sqlite3_open_v2 %s: %s", qPrintable(file), sqlite3_errmsg(m_db));
    }
    ~SqliteRunner() override
    {
        for (auto& [sql, stmt] : m_statements)
            sqlite3_finalize(stmt);
        sqlite3_close(m_db);
    }
    void run(const std::vector<BareStatement>& statements) override
    {
        for (const BareStatement& s : statements) {
            sqlite3_stmt* stmt = prepared(s.sql);
            sqlite3_reset(stmt);
            for (int i = 0; i < int(s.values.size()); ++i) {
                const QVariant& v = s.values[i];
                if (v.isNull())
                    sqlite3_bind_null(stmt, i + 1);
                else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
                    sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
                else if (v.typeId() == QMetaType::Double)
                    sqlite3_bind_double(stmt, i + 1, v.toDouble());
                else {
                    const QByteArray text = v.toString().toUtf8();
                    sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                }
            }
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                    switch (sqlite3_column_type(stmt, c)) {
                    case SQLITE_INTEGER:
                        benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
                        break;
                    case SQLITE_FLOAT:
                        benchmark::DoNotOptimize(sqlite3_column_double(stmt, c));
                        break;
                    case SQLITE_NULL:
                        break;
                    default:
                        benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                    }
                }
            }
            if (rc != SQLITE_DONE)
                qFatal("sqlite3_step: %s", sqlite3_errmsg(m_db));
        }
    }

private:
    sqlite3_stmt* prepared(const QString& sql)
    {
        sqlite3_stmt*& stmt = m_statements[sql];
        if (!stmt && sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("sqlite3_prepare_v2: %s\n%s", sqlite3_errmsg(m_db), qPrintable(sql));
        return stmt;
    }
    sqlite3* m_db = nullptr;
    std::map<QString, sqlite3_stmt*> m_statements;
};

class PostgresRunner : public BareRunner
{
public:
    PostgresRunner(const kvr::data::ServerSpec& server, const QString& database, const kvr::data::Login& login)
    {
        const QString info = QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5")
                                 .arg(server.host)
                                 .arg(server.port)
                                 .arg(database, login.user, login.password);
        m_conn = PQconnectdb(info.toUtf8().constData());
        if (PQstatus(m_conn) != CONNECTION_OK)
            qFatal("PQconnectdb: %s", PQerrorMessage(m_conn));
    }
    ~PostgresRunner() override { PQfinish(m_conn); }
    void run(const std::vector<BareStatement>& statements) override
    {
        for (const BareStatement& s : statements) {
            const std::string& name = prepared(s.sql, int(s.values.size()));
            std::vector<QByteArray> texts;
            std::vector<const char*> values;
            texts.reserve(s.values.size());
            for (const QVariant& v : s.values) {
                texts.push_back(v.toString().toUtf8());
                values.push_back(v.isNull() ? nullptr : texts.back().constData());
            }
            PGresult* result =
                PQexecPrepared(m_conn, name.c_str(), int(values.size()), values.data(), nullptr, nullptr, 0);
            if (PQresultStatus(result) != PGRES_TUPLES_OK)
                qFatal("PQexecPrepared: %s", PQerrorMessage(m_conn));
            for (int r = 0; r < PQntuples(result); ++r)
                for (int c = 0; c < PQnfields(result); ++c)
                    benchmark::DoNotOptimize(PQgetvalue(result, r, c));
            PQclear(result);
        }
    }

private:
    const std::string& prepared(const QString& sql, int parameters)
    {
        auto found = m_names.find(sql);
        if (found != m_names.end())
            return found->second;
        QString numbered;
        int marker = 0;
        for (const QChar c : sql)
            numbered += c == QLatin1Char('?') ? QStringLiteral("$%1").arg(++marker) : QString(c);
        const std::string name = "bare" + std::to_string(m_names.size());
        PGresult* result = PQprepare(m_conn, name.c_str(), numbered.toUtf8().constData(), parameters, nullptr);
        if (PQresultStatus(result) != PGRES_COMMAND_OK)
            qFatal("PQprepare: %s\n%s", PQerrorMessage(m_conn), qPrintable(numbered));
        PQclear(result);
        return m_names.emplace(sql, name).first->second;
    }
    PGconn* m_conn = nullptr;
    std::map<QString, std::string> m_names;
};

// One counter's session on the demo company, in barcode mode, and the scans it replays.
struct Site
{
    QString label;
    QString workDir;
    std::unique_ptr<kvr::data::TDMConfig> config;
    std::unique_ptr<kvr::data::TDM> dm;
    std::unique_ptr<TDmProduct> product;
    std::unique_ptr<BareRunner> bare;
    std::vector<Scan> scans;
    std::vector<std::vector<BareStatement>> captured;
    int year = 0;
    QDateTime billDate;
    std::map<std::string, Figures> figures;
};
std::vector<std::unique_ptr<Site>> g_sites;

// What the sale screen asks for one scanned barcode.
void scanOnce(Site& site, const Scan& scan)
{
    TDmProduct& p = *site.product;
    if (!p.ExistsProduct(scan.barcode))
        qFatal("Barcode %s not found", qPrintable(scan.barcode));
    const int productId = p.QChkProduct().field(QStringLiteral("Id")).asInteger();
    const int unitId = p.QChkBarCode().field(QStringLiteral("Id")).asInteger();
    const int warehouse = p.QChkProduct().field(QStringLiteral("DefaultWh")).asInteger();
    benchmark::DoNotOptimize(p.GetFirstUnit(productId, kvr::products::UnitRole::Sale));
    benchmark::DoNotOptimize(
        p.GetPrice(scan.customer, productId, unitId, site.config->session().Pos1_PriceType, site.billDate));
    benchmark::DoNotOptimize(p.ProductQuantity(productId, site.year));
    benchmark::DoNotOptimize(p.ProductWHQuantity(productId, warehouse, site.year));
    benchmark::DoNotOptimize(p.ProductUnitsWHQuantity(productId, unitId, warehouse, site.year));
}

// The statements one scan ran, taken from a fresh module so that only they are open.
std::vector<BareStatement> capture(Site& site, const Scan& scan)
{
    std::unique_ptr<TDmProduct> fresh = std::make_unique<TDmProduct>(*site.dm);
    fresh->setUseBarCode(true);
    std::swap(fresh, site.product);
    scanOnce(site, scan);
    std::swap(fresh, site.product);
    std::vector<BareStatement> out;
    const kvr::data::Dialect& dialect = site.dm->DMdata().dialect();
    for (const Query* q : fresh->statements()) {
        if (!q->isOpen())
            continue;
        const kvr::data::TranslatedSql t = kvr::data::translateNamedParameters(q->sqlText());
        BareStatement s{t.sql, {}};
        for (const QString& name : t.placeholders)
            s.values << dialect.bindValue(q->param(name));
        out.push_back(std::move(s));
    }
    return out;
}

void prepareSite(const QString& label, const QString& workDir, const QString& server)
{
    kvr::bench::ensureDemoShop(workDir, server);
    auto site = std::make_unique<Site>();
    site->label = label;
    site->workDir = workDir;
    site->config = std::make_unique<kvr::data::TDMConfig>(workDir);
    site->config->CheckRight(101, 1);
    site->config->GetCompanyConfig(QStringLiteral("DEMO"));
    site->dm = std::make_unique<kvr::data::TDM>(*site->config, workDir);
    site->dm->setCompanyCode(QStringLiteral("DEMO"));
    site->product = std::make_unique<TDmProduct>(*site->dm);
    site->product->setUseBarCode(true);
    site->dm->DMdata().open();
    site->year = site->dm->QConfig().field(QStringLiteral("RunYear")).asInteger();
    site->billDate = QDateTime(QDate(site->year, 6, 15), QTime(10, 30));

    // Barcodes of sellable products spread over the whole catalogue, customers in turn.
    Query barcodes(site->dm->DMdata(),
                   QStringLiteral("SELECT U.BarCode FROM ProductUnits U INNER JOIN Product P On "
                                  "(P.Id = U.Product) WHERE U.BarCode Is Not Null And "
                                  "Coalesce(P.Blocked, 'N') <> 'Y' And Coalesce(P.MasterCode, 'N') <> 'Y' "
                                  "ORDER BY U.Id"));
    barcodes.open();
    Query customers(site->dm->DMdata(), QStringLiteral("SELECT Id FROM Customer ORDER BY Id"));
    customers.open();
    const int samples = std::min(2000, barcodes.recordCount());
    for (int i = 0; i < samples; ++i) {
        const int row = int(qint64(i) * barcodes.recordCount() / samples);
        const int customer = i % 3 == 0 || customers.isEmpty()
            ? 0
            : customers.fieldAt(i % customers.recordCount(), QStringLiteral("Id")).asInteger();
        site->scans.push_back({barcodes.fieldAt(row, QStringLiteral("BarCode")).asString(), customer});
    }
    for (const Scan& scan : site->scans)
        site->captured.push_back(capture(*site, scan));

    const kvr::data::ServerSpec spec = site->dm->DMdata().server();
    if (spec.backend == kvr::data::ServerSpec::Backend::Sqlite)
        site->bare =
            std::make_unique<SqliteRunner>(site->dm->DMdata().dialect().physicalName(spec, QStringLiteral("DEMO")));
    else
        site->bare = std::make_unique<PostgresRunner>(
            spec, site->dm->DMdata().dialect().physicalName(spec, QStringLiteral("DEMO")),
            kvr::data::Login::fromIni(workDir));
    // Warm both paths: statements prepared, pages cached.
    for (std::size_t i = 0; i < site->scans.size(); ++i) {
        scanOnce(*site, site->scans[i]);
        site->bare->run(site->captured[i]);
    }
    g_sites.push_back(std::move(site));
}

Figures percentiles(std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))]; };
    return {at(0.5), at(0.99)};
}

void scanBenchmark(benchmark::State& state, Site* site, bool bare)
{
    std::vector<double> ms;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ % site->scans.size();
        const auto start = std::chrono::steady_clock::now();
        if (bare)
            site->bare->run(site->captured[k]);
        else
            scanOnce(*site, site->scans[k]);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const Figures f = percentiles(ms);
    state.counters["median_ms"] = f.median;
    state.counters["p99_ms"] = f.p99;
    state.counters["statements"] = double(site->captured.front().size());
    site->figures[bare ? "bare" : "TDmProduct"] = f;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir sqliteTemp;
    const QString sqliteDir = qEnvironmentVariableIsSet("KVR_BENCH_SQLITE_WORKDIR")
        ? qEnvironmentVariable("KVR_BENCH_SQLITE_WORKDIR")
        : sqliteTemp.path();
    prepareSite(QStringLiteral("sqlite"), sqliteDir, QStringLiteral("sqlite:db"));
    QTemporaryDir pgTemp;
    if (qEnvironmentVariableIsSet("KVR_BENCH_PG")) {
        const QString pgDir = qEnvironmentVariableIsSet("KVR_BENCH_PG_WORKDIR")
            ? qEnvironmentVariable("KVR_BENCH_PG_WORKDIR")
            : pgTemp.path();
        prepareSite(QStringLiteral("postgres"), pgDir, QStringLiteral("pgsql:") + qEnvironmentVariable("KVR_BENCH_PG"));
    }
    for (const auto& site : g_sites) {
        for (const bool bare : {false, true}) {
            const std::string name = "BarcodeScan/" + site->label.toStdString() + (bare ? "/bare" : "/TDmProduct");
            benchmark::RegisterBenchmark(name.c_str(), scanBenchmark, site.get(), bare)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(2.0)
                ->UseRealTime();
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    for (const auto& site : g_sites) {
        const Figures layer = site->figures["TDmProduct"];
        const Figures bare = site->figures["bare"];
        if (bare.median <= 0 || bare.p99 <= 0)
            continue;
        std::printf("%-9s one scan: median %.3f ms, p99 %.3f ms; bare %.3f / %.3f ms; ratio median %.2f, p99 %.2f\n",
                    qPrintable(site->label), layer.median, layer.p99, bare.median, bare.p99, layer.median / bare.median,
                    layer.p99 / bare.p99);
    }
    g_sites.clear();
    benchmark::Shutdown();
    return 0;
}
