#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/StoredProc.h"

#include <QDate>

namespace kvr::data {

namespace {

// Run by the print form before a POS bill's layout (SystemForm.SpName): the bill must exist, or
// the layout would print an empty form the caller then marks printed. @DocCode is the bill's
// document code ("POS-P"), whose letter is its type; @NewDocNo returns the number as stored.
int posBillForPrint(Connection& connection, ProcParams& p)
{
    const QString number = p.get(QStringLiteral("@No")).toString().trimmed();
    const int year = p.get(QStringLiteral("@DocYear")).toInt();
    const QString code = p.get(QStringLiteral("@DocCode")).toString().trimmed();
    Query bill(connection,
               QStringLiteral("SELECT PosNo FROM PosHd WHERE LTrim(RTrim(PosNo)) = :PosNo "
                              "AND PosType = :PosType AND PosDate >= :YearStart AND PosDate < :YearEnd"));
    bill.setParam(QStringLiteral("PosNo"), number);
    bill.setParam(QStringLiteral("PosType"), code.mid(code.indexOf(QLatin1Char('-')) + 1).left(1));
    bill.setParam(QStringLiteral("YearStart"), QDate(year, 1, 1));
    bill.setParam(QStringLiteral("YearEnd"), QDate(year + 1, 1, 1));
    bill.open();
    if (bill.isEmpty())
        throw DbError(QStringLiteral("ไม่พบบิลขายสด %1 เลขที่ %2 ปี %3: nothing to print").arg(code, number).arg(year));
    p.set(QStringLiteral("@NewDocNo"), bill.field(QStringLiteral("PosNo")).asString());
    return 0;
}

} // namespace

void registerPrintProcedures()
{
    registerProcedure(QStringLiteral("PosBillForPrint"), posBillForPrint);
}

} // namespace kvr::data
