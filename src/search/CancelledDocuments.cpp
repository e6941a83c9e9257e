#include "search/CancelledDocuments.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"

#include <QRegularExpression>
#include <vector>

namespace kvr::search {

namespace {

struct ChildRows
{
    const char* table;
    const char* condition; // on the document's :Id
};

// The rows that belong to a document and go with it; a document left without them would show up
// as orphan lines and card payments in stock and sales figures.
std::vector<ChildRows> childRowsOf(const QString& table)
{
    const QString t = table.trimmed().toUpper();
    if (t == QLatin1String("POSHD"))
        return {{"PosDt", "PosHd = :Id"}, {"CreditCardInfo", "RcptType = 1 AND RcptDocId = :Id"}};
    if (t == QLatin1String("POSHEADER"))
        return {{"PosDetail", "PosHeader = :Id"}};
    if (t == QLatin1String("SOHD"))
        return {{"SoShip", "SoHd = :Id"}, {"sodt", "SoHd = :Id"}};
    if (t == QLatin1String("IVHD"))
        return {{"IvShip", "IvHd = :Id"}};
    return {};
}

} // namespace

bool purgeCancelledDocument(data::Connection& connection, const QString& tableName, int id)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const QString table = tableName.trimmed();
    if (!identifier.match(table).hasMatch())
        throw data::DbError(QStringLiteral("No document table to purge from: \"%1\"").arg(table));
    data::Transaction transaction(connection);
    // The header goes first, and only while it is still cancelled; its rows follow it.
    data::Query header(connection, QStringLiteral("DELETE FROM %1 WHERE Id = :Id AND DelFlag = 'Y'").arg(table));
    header.setParam(QStringLiteral("Id"), id);
    if (header.execSql() != 1)
        return false;
    for (const ChildRows& child : childRowsOf(table)) {
        data::Query rows(
            connection,
            QStringLiteral("DELETE FROM %1 WHERE %2").arg(QLatin1String(child.table), QLatin1String(child.condition)));
        rows.setParam(QStringLiteral("Id"), id);
        rows.execSql();
    }
    transaction.commit();
    return true;
}

} // namespace kvr::search
