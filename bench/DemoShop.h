#pragma once

// The large demo shop the look-up benchmarks run on, built once by the demo generator
// (KVR_DEMO_BIN, or the one built beside the benchmark) and reused while it has the size asked:
// KVR_BENCH_PRODUCTS products and KVR_BENCH_STOCK_ROWS stock balances (100,000 and 1,000,000).
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>

namespace kvr::bench {

inline int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

// `server` as the generator takes it: sqlite:FOLDER or pgsql:HOST[:PORT].
inline void ensureDemoShop(const QString& workDir, const QString& server)
{
    const int products = envInt("KVR_BENCH_PRODUCTS", 100000);
    const int stockRows = envInt("KVR_BENCH_STOCK_ROWS", 1000000);
    QDir().mkpath(workDir);
    if (QFile::exists(QDir(workDir).filePath(QStringLiteral("Server.Dat")))) {
        try {
            data::TDMConfig config(workDir);
            data::TDM dm(config, workDir);
            dm.setCompanyCode(QStringLiteral("DEMO"));
            data::Query count(dm.DMdata(),
                              QStringLiteral("SELECT (SELECT COUNT(*) FROM Product) AS P, "
                                             "(SELECT COUNT(*) FROM ProductOnHand) AS S"));
            count.open();
            if (count.field(QStringLiteral("P")).asInteger() == products &&
                count.field(QStringLiteral("S")).asInteger() == stockRows)
                return;
        } catch (const std::exception&) {
        }
    }
    QString demo = qEnvironmentVariable("KVR_DEMO_BIN");
#ifdef KVR_DEMO_BIN
    if (demo.isEmpty())
        demo = QStringLiteral(KVR_DEMO_BIN);
#endif
    if (demo.isEmpty())
        qFatal("No demo generator: build kvrpos-demo or set KVR_DEMO_BIN");
    std::fprintf(stderr, "Building the demo shop (%d products, %d balances) on %s ...\n", products, stockRows,
                 qPrintable(server));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(demo,
                  {QStringLiteral("--server"), server, QStringLiteral("--workdir"), workDir,
                   QStringLiteral("--products"), QString::number(products), QStringLiteral("--stock-rows"),
                   QString::number(stockRows), QStringLiteral("--force")});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(demo), process.readAllStandardOutput().constData());
}

} // namespace kvr::bench
