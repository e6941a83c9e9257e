#include "search/TFrSearch.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/TDM.h"
#include "ui/base/Prompter.h"

#include <QRegularExpression>
#include <algorithm>

namespace kvr::search {

QString TFrSearch::s_lastSortField;
bool TFrSearch::s_descending = false;

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

QString flag(const data::CachedDataset& result, int row, const char* column)
{
    return result.fieldAt(row, QLatin1String(column)).asString();
}

} // namespace

TFrSearch::TFrSearch(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส"), QStringLiteral("Code"), true);
}

void TFrSearch::resetSortState()
{
    s_lastSortField.clear();
    s_descending = false;
}

QString TFrSearch::gridHint() const
{
    return QStringLiteral("สีแดง : เอกสารยกเลิก\nสีน้ำเงิน : เอกสารรับ/จ่ายแล้ว");
}

bool TFrSearch::BtOkClick()
{
    data::CachedDataset& result = QSearch();
    if (result.isOpen() && !result.isEmpty() && !result.eof() && result.hasField(QStringLiteral("DelFlag")) &&
        data::isFlagSet(result.field(QStringLiteral("DelFlag")).asString())) {
        prompter().information(thai() ? QStringLiteral("เอกสารถูกยกเลิกแล้ว") : QStringLiteral("Document Was Deleted"));
        if (result.hasField(QStringLiteral("DelRemark")))
            prompter().information(QStringLiteral("สาเหตุยกเลิก : ") +
                                   result.field(QStringLiteral("DelRemark")).asString());
        return false;
    }
    return SearchScreen::BtOkClick();
}

QColor TFrSearch::rowColour(int row) const
{
    auto& result = const_cast<TFrSearch*>(this)->QSearch();
    if (row < 0 || row >= result.recordCount())
        return {};
    // The first of these columns that the result has decides.
    if (result.hasField(QStringLiteral("DelFlag")))
        return data::isFlagSet(flag(result, row, "DelFlag")) ? QColor(Qt::red) : QColor();
    if (result.hasField(QStringLiteral("Clear")))
        return data::isFlagSet(flag(result, row, "Clear")) ? QColor(Qt::blue) : QColor();
    if (result.hasField(QStringLiteral("Active")))
        return flag(result, row, "Active") == QLatin1String("N") ? QColor(Qt::red) : QColor();
    return {};
}

void TFrSearch::titleClick(const QString& field)
{
    const QString upper = field.trimmed().toUpper();
    if (upper.isEmpty() || upper == QLatin1String("REMARK") || upper == QLatin1String("MEMO"))
        return;
    ensureStatement();
    data::CachedDataset& result = QSearch();
    if (!result.isOpen())
        return;
    const int ordinal = int(std::find_if(result.fieldNames().begin(), result.fieldNames().end(),
                                         [&](const QString& name) { return name.toUpper() == upper; }) -
                            result.fieldNames().begin()) +
        1;
    if (ordinal > result.fieldNames().size())
        return;
    // Only the column's ordinal goes into the statement, never its name.
    QString order = QStringLiteral("Order By %1").arg(ordinal);
    if (upper == s_lastSortField.toUpper() && s_descending) {
        order += QStringLiteral(" Desc");
        s_descending = false;
    } else {
        s_descending = true;
    }
    s_lastSortField = field.trimmed();
    const QStringList lines = result.sqlLines();
    for (int i = 0; i < lines.size(); ++i) {
        const int at = int(lines[i].toUpper().indexOf(QLatin1String("ORDER BY ")));
        if (at >= 0)
            result.setLine(i, lines[i].left(at) + order);
    }
    result.open();
}

void TFrSearch::gridMouseDown(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    if (button != Qt::RightButton || (modifiers & both) != both)
        return;
    data::CachedDataset& result = QSearch();
    if (!result.isOpen() || row < 0 || row >= result.recordCount() || !result.hasField(QStringLiteral("Id")) ||
        !result.hasField(QStringLiteral("Delflag")))
        return;
    const int id = result.fieldAt(row, QStringLiteral("Id")).asInteger();
    if (id <= 0 || !data::isFlagSet(flag(result, row, "Delflag")))
        return;
    if (!prompter().confirm(QStringLiteral("Confirm Delete #1/2 ?"), ui::ConfirmColour::Plain) ||
        !prompter().confirm(QStringLiteral("Confirm Delete #2/2 ?"), ui::ConfirmColour::Plain))
        return;
    purge(id);
    result.open();
}

bool TFrSearch::purge(int id)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const QString table = m_tableName.trimmed();
    if (!identifier.match(table).hasMatch())
        throw data::DbError(QStringLiteral("No document table to purge from: \"%1\"").arg(table));
    data::Connection& connection = dm().DMdata();
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
