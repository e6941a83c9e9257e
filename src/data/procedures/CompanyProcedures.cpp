#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/StoredProc.h"
#include "data/procedures/Procedures.h"

namespace kvr::data {

namespace {

// Draws the next number of a document type and year. The counter row is updated and read in one
// statement, so the number belongs to the caller's transaction: a second counter waits for it to
// end, and a rollback gives the number back.
int newDocumentNo(Connection& connection, ProcParams& p)
{
    const QString code = p.get(QStringLiteral("@DocCode")).toString();
    const int year = p.get(QStringLiteral("@DocYear")).toInt();

    // A type that shares another's series (DocNoConvert) draws from that series' row. One
    // statement: a save on a distant server pays for each one with a round trip.
    Query& draw =
        connection.statement(QStringLiteral("UPDATE DocumentNo SET LastNo = COALESCE(LastNo, 0) + 1 "
                                            "WHERE Id = COALESCE((SELECT DocumentNo FROM DocNoConvert "
                                            "WHERE Code = :Code AND DocYear = :DocYear), "
                                            "(SELECT Id FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear)) "
                                            "RETURNING LastNo, Prefix, DocumentLength"));
    draw.setParam(QStringLiteral("Code"), code);
    draw.setParam(QStringLiteral("DocYear"), year);
    draw.open();
    if (draw.isEmpty())
        throw DbError(QStringLiteral("No document numbering for code %1 in year %2").arg(code, QString::number(year)));

    const QString prefix = draw.field(QStringLiteral("Prefix")).asString().trimmed();
    const int length = draw.field(QStringLiteral("DocumentLength")).asInteger();
    const qint64 running = draw.field(QStringLiteral("LastNo")).asLargeInt();
    const int digits = std::max<int>(1, length - int(prefix.size()));
    QString number = prefix + QStringLiteral("%1").arg(running, digits, 10, QLatin1Char('0'));
    if (length > 0 && number.size() > length)
        throw DbError(QStringLiteral("Document numbers of %1 in %2 have run out (%3 is longer than %4 characters)")
                          .arg(code, QString::number(year), number, QString::number(length)));
    // Numbers are right-aligned in their length, as typed numbers are.
    if (number.size() < length)
        number = number.rightJustified(length, QLatin1Char(' '));
    p.set(QStringLiteral("@NewNo"), number);
    return 0;
}

int serverTime(Connection& connection, ProcParams& p)
{
    Query now(connection, QStringLiteral("SELECT ") + connection.dialect().now() + QStringLiteral(" AS ServerTime"));
    now.open();
    p.set(QStringLiteral("@ServerTime"), now.field(QStringLiteral("ServerTime")).asDateTime());
    return 0;
}

int userAddLog(Connection& connection, ProcParams& p)
{
    Query& insert = connection.statement(
        QStringLiteral("INSERT INTO UserLog (LogDate, UserId, MenuId, FunctionListId, DocumentId, "
                       "Remark) VALUES (") +
        connection.dialect().now() + QStringLiteral(", :UserId, :MenuId, :FunctionListId, :DocumentId, :Remark)"));
    for (const char* name : {"UserId", "MenuId", "FunctionListId", "DocumentId", "Remark"})
        insert.setParam(QString::fromLatin1(name), p.get(QLatin1Char('@') + QString::fromLatin1(name)));
    insert.execSql();
    return 0;
}

} // namespace

void registerCompanyProcedures()
{
    registerProcedure(QStringLiteral("NewDocumentNo"), newDocumentNo);
    registerProcedure(QStringLiteral("ServerTime"), serverTime);
    registerProcedure(QStringLiteral("UserAddLog"), userAddLog);
}

} // namespace kvr::data
