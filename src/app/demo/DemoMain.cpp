// kvrpos-demo: creates a believable Thai shop to try the counter with, on SQLite or PostgreSQL.
#include "app/demo/DemoDatabases.h"
#include "app/demo/DemoForms.h"
#include "app/demo/DemoFullTax.h"
#include "app/demo/DemoShop.h"

#include "data/DbError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <optional>

using namespace kvr::demo;

namespace {

enum ExitCode { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// Bill ids are 32-bit; fifty million bills are some seventy years of a busy shop.
constexpr qint64 kMostHistoryBills = 50'000'000;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void fail(const QString& message)
{
    QTextStream err(stderr);
    err << "kvrpos-demo: " << message << Qt::endl;
}

// Runs one phase and prints what it wrote and how long it took.
void phase(const char* name, const std::function<QString()>& work)
{
    out() << QStringLiteral("  %1").arg(QString::fromLatin1(name), -10) << Qt::flush;
    QElapsedTimer timer;
    timer.start();
    QString summary;
    try {
        summary = work();
    } catch (...) {
        out() << "failed" << Qt::endl;
        throw;
    }
    out() << QStringLiteral("%1 s  %2").arg(timer.elapsed() / 1000.0, 7, 'f', 2).arg(summary) << Qt::endl;
}

std::optional<DemoOptions> parseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Creates the configuration database and the company database DEMO of a sample Thai shop, "
                       "and writes Server.Dat naming the server."));
    parser.addHelpOption();
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("Where the databases go: sqlite:FOLDER or pgsql:HOST[:PORT]."),
                                    QStringLiteral("SERVERNAME"));
    const QCommandLineOption products(QStringLiteral("products"), QStringLiteral("Number of products (default 300)."),
                                      QStringLiteral("N"), QStringLiteral("300"));
    const QCommandLineOption stockRows(QStringLiteral("stock-rows"),
                                       QStringLiteral("Number of stock balances (default four per stocked product)."),
                                       QStringLiteral("M"));
    const QCommandLineOption bills(
        QStringLiteral("bills"),
        QStringLiteral("Saved bills of the years before the demo's days, about 2,000 a day (default 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption workdir(
        QStringLiteral("workdir"),
        QStringLiteral("Working folder for Server.Dat and SQLite folders (default: current)."), QStringLiteral("DIR"),
        QDir::currentPath());
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Drop and rebuild databases that already hold data."));
    parser.addOptions({server, products, stockRows, bills, workdir, force});
    parser.process(app);

    DemoOptions options;
    options.serverName = parser.value(server);
    options.workingDirectory = QDir(parser.value(workdir)).absolutePath();
    options.force = parser.isSet(force);
    bool ok = false;
    options.products = parser.value(products).toInt(&ok);
    if (options.serverName.isEmpty()) {
        fail(QStringLiteral("--server is required, for example --server sqlite:db or --server pgsql:localhost"));
        return std::nullopt;
    }
    if (!ok || options.products < minimumProducts()) {
        fail(QStringLiteral("--products must be a number of at least %1").arg(minimumProducts()));
        return std::nullopt;
    }
    options.historyBills = parser.value(bills).toLongLong(&ok);
    if (!ok || options.historyBills < 0 || options.historyBills > kMostHistoryBills) {
        fail(QStringLiteral("--bills must be a number from 0 to %1").arg(kMostHistoryBills));
        return std::nullopt;
    }
    if (parser.isSet(stockRows)) {
        options.stockRows = parser.value(stockRows).toLongLong(&ok);
        const qint64 most = maxStockRows(options.products);
        if (!ok || options.stockRows < 0 || options.stockRows > most) {
            fail(QStringLiteral("--stock-rows must be a number from 0 to %1 for %2 products (one balance per "
                                "product, unit, warehouse and year)")
                     .arg(most)
                     .arg(options.products));
            return std::nullopt;
        }
    }
    return options;
}

int run(const DemoOptions& options)
{
    QElapsedTimer total;
    total.start();
    if (!QDir().mkpath(options.workingDirectory)) {
        fail(QStringLiteral("Cannot create the working folder %1").arg(options.workingDirectory));
        return ExitFailed;
    }
    DemoDatabases databases(options.serverName, options.workingDirectory);
    const QString names = databases.configDatabase() + QStringLiteral(" and ") + DemoDatabases::kCompanyDatabase;
    out() << "Demo shop on " << options.serverName << " (working folder " << options.workingDirectory << ")"
          << Qt::endl;
    databases.writeServerDat();

    bool existing = false;
    phase("check", [&] {
        existing = databases.holdData();
        return existing ? names + QStringLiteral(" already hold data") : QStringLiteral("nothing there yet");
    });
    if (existing && !options.force) {
        out() << "The databases " << names << " already hold data and were left as they are; run with --force "
              << "to drop and rebuild them." << Qt::endl;
        return ExitOk;
    }
    if (existing) {
        phase("drop", [&] {
            databases.drop();
            return names + QStringLiteral(" dropped");
        });
    }
    phase("create", [&] {
        const QStringList created = databases.createMissing();
        return created.isEmpty() ? QStringLiteral("both databases exist, empty")
                                 : created.join(QStringLiteral(", ")) + QStringLiteral(" created");
    });
    phase("schema", [&] {
        databases.connect();
        return QStringLiteral("tables of both databases");
    });

    // Each database is filled in one transaction: a failure leaves them as empty as they were.
    kvr::data::Transaction configTransaction(databases.config());
    kvr::data::Transaction companyTransaction(databases.company());
    DemoShop shop;
    shop.today = QDate::currentDate();
    shop.runYear = shop.today.year();
    phase("users", [&] { return fillConfigDatabase(databases.config(), shop); });
    phase("settings", [&] { return fillCompanySettings(databases.company(), shop); });
    phase("masters", [&] { return fillCompanyMasters(databases.company(), shop); });
    phase("products", [&] { return fillProducts(databases.company(), shop, options.products); });
    phase("stock", [&] { return fillStock(databases.company(), shop, options.stockRows); });
    phase("bills", [&] { return fillBills(databases.company(), shop); });
    phase("fulltax", [&] { return fillFullTaxInvoices(databases.company(), shop); });
    if (options.historyBills > 0)
        phase("history", [&] { return fillHistory(databases.company(), shop, options.historyBills); });
    phase("forms", [&] { return fillPrintForms(databases.company(), options.workingDirectory); });
    phase("commit", [&] {
        companyTransaction.commit();
        configTransaction.commit();
        return names;
    });
    if (options.historyBills > 0) {
        phase("statistics", [&] {
            const QStringList tables = {QStringLiteral("PosHd"),          QStringLiteral("PosDt"),
                                        QStringLiteral("CreditCardInfo"), QStringLiteral("PosShiftNo"),
                                        QStringLiteral("PosShiftMoney"),  QStringLiteral("SerialNo")};
            const QStringList statements = databases.company().dialect().afterBulkLoadSql(tables);
            for (const QString& sql : statements)
                databases.company().execDirect(sql);
            return statements.isEmpty() ? QStringLiteral("none needed on this backend")
                                        : QStringLiteral("the history's tables vacuumed and analysed");
        });
    }
    out() << QStringLiteral("Done in %1 s. Server.Dat names %2; start the counter from %3 with, for example:")
                 .arg(total.elapsed() / 1000.0, 0, 'f', 2)
                 .arg(options.serverName, options.workingDirectory)
          << Qt::endl;
    out() << QStringLiteral("  kvrpos %1 %2 DEMO 0 1 %3")
                 .arg(ids::menuSale)
                 .arg(ids::userThai)
                 .arg(shop.today.toString(QStringLiteral("dd/MM/yyyy")))
          << Qt::endl;
    return ExitOk;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvrpos-demo"));
    const std::optional<DemoOptions> options = parseOptions(app);
    if (!options)
        return ExitUsage;
    try {
        return run(*options);
    } catch (const kvr::data::DbError& error) {
        fail(error.message());
    } catch (const std::exception& error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
    return ExitFailed;
}
