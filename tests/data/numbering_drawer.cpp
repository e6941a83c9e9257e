// One counter drawing document numbers: each draw in its own transaction, every n-th rolled
// back on purpose. Prints the numbers it committed, one per line.
//   numbering_drawer WORKDIR COMPANY CODE YEAR COUNT ROLLBACK_EVERY
#include "data/TDM.h"
#include "data/TDMConfig.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 7) {
        std::fprintf(stderr, "usage: numbering_drawer WORKDIR COMPANY CODE YEAR COUNT ROLLBACK_EVERY\n");
        return 2;
    }
    kvr::data::TDMConfig config(a[1]);
    kvr::data::TDM dm(config, a[1]);
    dm.setCompanyCode(a[2]);
    const QDate date(a[4].toInt(), 6, 1);
    const int count = a[5].toInt();
    const int rollbackEvery = a[6].toInt();
    QTextStream out(stdout);
    try {
        for (int i = 1; i <= count; ++i) {
            dm.StartTransaction();
            const QString number = dm.DrawDocumentNo(a[3], date);
            if (rollbackEvery > 0 && i % rollbackEvery == 0) {
                dm.Rollback();
                continue;
            }
            dm.Commit();
            out << number.trimmed() << '\n';
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
