#include "search/TFrSearch.h"

#include "data/TDM.h"
#include "search/CancelledDocuments.h"
#include "search/SearchStatements.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

#include <algorithm>

namespace kvr::search {

QString TFrSearch::s_lastSortField;
bool TFrSearch::s_descending = false;

namespace {

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
        util::isFlagSet(result.field(QStringLiteral("DelFlag")).asString())) {
        prompter().information(thai() ? QStringLiteral("เอกสารถูกยกเลิกแล้ว") : QStringLiteral("Document Was Deleted"));
        if (result.hasField(QStringLiteral("DelRemark")))
            prompter().information(QStringLiteral("สาเหตุยกเลิก : ") +
                                   result.field(QStringLiteral("DelRemark")).asString());
        return false;
    }
    return SearchScreen::BtOkClick();
}

TFrSearch::RowColour TFrSearch::rowColour(int row) const
{
    auto& result = const_cast<TFrSearch*>(this)->QSearch();
    if (row < 0 || row >= result.recordCount())
        return RowColour::Plain;
    // The first of these columns that the result has decides.
    if (result.hasField(QStringLiteral("DelFlag")))
        return util::isFlagSet(flag(result, row, "DelFlag")) ? RowColour::Red : RowColour::Plain;
    if (result.hasField(QStringLiteral("Clear")))
        return util::isFlagSet(flag(result, row, "Clear")) ? RowColour::Blue : RowColour::Plain;
    if (result.hasField(QStringLiteral("Active")))
        return flag(result, row, "Active") == QLatin1String("N") ? RowColour::Red : RowColour::Plain;
    return RowColour::Plain;
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
    const bool descending = upper == s_lastSortField.toUpper() && s_descending;
    s_descending = !descending;
    s_lastSortField = field.trimmed();
    const QStringList lines = result.sqlLines();
    const QStringList sorted = statements::sortedByColumn(lines, ordinal, descending);
    for (int i = 0; i < lines.size(); ++i) {
        if (sorted.at(i) != lines.at(i))
            result.setLine(i, sorted.at(i));
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
    if (id <= 0 || !util::isFlagSet(flag(result, row, "Delflag")))
        return;
    if (!prompter().confirm(QStringLiteral("Confirm Delete #1/2 ?"), ui::ConfirmColour::Plain) ||
        !prompter().confirm(QStringLiteral("Confirm Delete #2/2 ?"), ui::ConfirmColour::Plain))
        return;
    purge(id);
    result.open();
}

bool TFrSearch::purge(int id)
{
    return purgeCancelledDocument(dm().DMdata(), m_tableName, id);
}

} // namespace kvr::search
