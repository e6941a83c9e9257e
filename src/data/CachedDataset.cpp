#include "data/CachedDataset.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QRegularExpression>
#include <algorithm>

namespace kvr::data {

namespace {

// Bound values per multi-row insert: far below both backends' limits.
constexpr size_t kValuesPerInsert = 2000;

} // namespace

std::optional<CachedDataset::InsertShape> CachedDataset::insertShape(const QString& sql)
{
    // Only the plain form "INSERT INTO T (columns) VALUES (:a, :b, ...)" is written several rows at
    // a time; anything else (expressions, a SELECT, RETURNING) goes row by row as written.
    static const QRegularExpression plain(
        QStringLiteral("^\\s*(insert\\s+into\\s+\\w+\\s*\\([\\w\\s,]+\\)\\s*values)\\s*"
                       "\\(\\s*(:\\w+(?:\\s*,\\s*:\\w+)*)\\s*\\)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = plain.match(sql);
    if (!m.hasMatch())
        return std::nullopt;
    InsertShape shape;
    shape.head = m.captured(1);
    for (const QString& mark : m.captured(2).split(QLatin1Char(','))) {
        const QString name = mark.trimmed().mid(1);
        // A value as read is no value of a new row.
        if (name.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive))
            return std::nullopt;
        shape.parameters << name;
    }
    return shape;
}

CachedDataset::CachedDataset(Connection& connection, const QString& sql)
    : Query(connection, sql)
{ }

void CachedDataset::addCalculatedField(const QString& name)
{
    if (!m_calculated.contains(name, Qt::CaseInsensitive))
        m_calculated << name;
}

void CachedDataset::open()
{
    Query::open();
    startBrowsing();
}

void CachedDataset::openEmpty()
{
    Query::openEmpty();
    startBrowsing();
}

void CachedDataset::startBrowsing()
{
    for (const QString& name : m_calculated) {
        if (!hasField(name))
            addFieldName(name);
    }
    const int width = int(fieldNames().size());
    for (auto& row : m_rows)
        row.resize(width);
    m_status.assign(m_rows.size(), RowStatus::Unmodified);
    m_original = m_rows;
    m_deleted.clear();
    m_state = State::Browse;
    for (int row = 0; row < recordCount(); ++row) {
        m_current = row;
        calculate();
    }
    m_current = 0;
    notify([](DatasetObserver& o) { o.datasetReset(); });
}

void CachedDataset::close()
{
    Query::close();
    m_status.clear();
    m_original.clear();
    m_deleted.clear();
    m_state = State::Browse;
    notify([](DatasetObserver& o) { o.datasetReset(); });
}

void CachedDataset::leavingRow()
{
    // A row being typed is kept when the cursor leaves it, so that what comes next (a cancel, a
    // delete) acts on the row the cursor is on.
    post();
}

void CachedDataset::currentChanged()
{
    notify([this](DatasetObserver& o) { o.currentRowChanged(recNo()); });
}

void CachedDataset::calculate()
{
    if (m_calcFields && !eof())
        m_calcFields(*this);
}

void CachedDataset::append()
{
    if (!isOpen())
        throw DbError(QStringLiteral("Cannot append to a closed dataset"));
    post();
    m_rows.emplace_back(fieldNames().size());
    m_original.emplace_back(fieldNames().size());
    m_status.push_back(RowStatus::Inserted);
    m_state = State::Insert;
    const int row = recordCount() - 1;
    notify([row](DatasetObserver& o) { o.rowInserted(row); });
    // The row left was posted above; moving must not post the new one.
    if (m_current != row) {
        m_current = row;
        currentChanged();
    }
}

void CachedDataset::edit()
{
    if (m_state != State::Browse)
        return;
    if (eof())
        throw DbError(QStringLiteral("No row to edit"));
    m_beforeEdit = m_rows[size_t(recNo())];
    m_state = State::Edit;
}

void CachedDataset::setValue(const QString& name, const QVariant& value)
{
    const int index = requireField(name);
    if (m_calculated.contains(name, Qt::CaseInsensitive)) {
        // Derived values change with the row; they are no edit of their own.
        if (!eof())
            m_rows[size_t(recNo())][index] = value;
        return;
    }
    if (m_state == State::Browse)
        edit();
    QVariant& cell = m_rows[size_t(recNo())][index];
    if (cell == value && cell.isNull() == value.isNull())
        return;
    cell = value;
    if (m_status[size_t(recNo())] == RowStatus::Unmodified)
        m_status[size_t(recNo())] = RowStatus::Modified;
    const int row = recNo();
    notify([row](DatasetObserver& o) { o.rowChanged(row); });
    if (m_fieldChanged)
        m_fieldChanged(name);
}

void CachedDataset::post()
{
    if (m_state == State::Browse)
        return;
    m_state = State::Browse;
    calculate();
    const int row = recNo();
    notify([row](DatasetObserver& o) { o.rowChanged(row); });
}

void CachedDataset::cancel()
{
    if (m_state == State::Insert) {
        const auto row = size_t(recNo());
        m_rows.erase(m_rows.begin() + row);
        m_original.erase(m_original.begin() + row);
        m_status.erase(m_status.begin() + row);
        m_state = State::Browse;
        notify([row](DatasetObserver& o) { o.rowRemoved(int(row)); });
        if (recNo() > 0 && eof())
            setRecNo(recNo() - 1);
        else
            currentChanged();
        return;
    }
    if (m_state == State::Edit) {
        m_rows[size_t(recNo())] = m_beforeEdit;
        if (m_rows[size_t(recNo())] == m_original[size_t(recNo())])
            m_status[size_t(recNo())] = RowStatus::Unmodified;
        const int row = recNo();
        notify([row](DatasetObserver& o) { o.rowChanged(row); });
    }
    m_state = State::Browse;
}

void CachedDataset::remove()
{
    if (eof())
        return;
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    m_state = State::Browse;
    const auto row = size_t(recNo());
    if (m_status[row] != RowStatus::Inserted)
        m_deleted.push_back(m_original[row]);
    m_rows.erase(m_rows.begin() + row);
    m_original.erase(m_original.begin() + row);
    m_status.erase(m_status.begin() + row);
    notify([row](DatasetObserver& o) { o.rowRemoved(int(row)); });
    if (recNo() > 0 && eof())
        setRecNo(recNo() - 1);
    else
        currentChanged();
}

bool CachedDataset::updatesPending() const
{
    if (!m_deleted.empty() || m_state != State::Browse)
        return true;
    for (RowStatus s : m_status) {
        if (s != RowStatus::Unmodified)
            return true;
    }
    return false;
}

int CachedDataset::runUpdate(const QStringList& sql, const QVector<QVariant>& current,
                             const QVector<QVariant>& original)
{
    Query& statement = connection().statement(sql.join(QLatin1Char('\n')));
    for (const QString& name : statement.paramNames()) {
        const bool old = name.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive);
        const QString fieldName = old ? name.mid(4) : name;
        const int index = fieldIndex(fieldName);
        if (index < 0)
            throw DbError(QStringLiteral("Update statement parameter '%1' names no field").arg(name));
        statement.setParam(name, (old ? original : current).value(index));
    }
    return statement.execSql();
}

int CachedDataset::insertRows(const std::vector<size_t>& rows)
{
    if (rows.empty())
        return 0;
    const std::optional<InsertShape> shape = insertShape(m_insertSql.join(QLatin1Char('\n')));
    if (!shape || rows.size() == 1) {
        for (const size_t row : rows)
            runUpdate(m_insertSql, m_rows[row], m_original[row]);
        return int(rows.size());
    }
    // A server far away answers each statement after a round trip: the rows go in a few
    // multi-row statements instead of one statement each.
    std::vector<int> columns;
    for (const QString& name : shape->parameters) {
        const int index = fieldIndex(name);
        if (index < 0)
            throw DbError(QStringLiteral("Update statement parameter '%1' names no field").arg(name));
        columns.push_back(index);
    }
    const size_t perStatement = std::max<size_t>(1, kValuesPerInsert / std::max<size_t>(1, columns.size()));
    for (size_t first = 0; first < rows.size(); first += perStatement) {
        const size_t count = std::min(perStatement, rows.size() - first);
        QStringList tuples;
        for (size_t n = 0; n < count; ++n) {
            QStringList marks;
            for (size_t c = 0; c < columns.size(); ++c)
                marks << QStringLiteral(":R%1C%2").arg(n).arg(c);
            tuples << QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        Query& statement = connection().statement(shape->head + QLatin1Char('\n') + tuples.join(QStringLiteral(",\n")));
        for (size_t n = 0; n < count; ++n) {
            const QVector<QVariant>& values = m_rows[rows[first + n]];
            for (size_t c = 0; c < columns.size(); ++c)
                statement.setParam(QStringLiteral("R%1C%2").arg(n).arg(c), values.value(columns[c]));
        }
        statement.execSql();
    }
    return int(rows.size());
}

void CachedDataset::applyUpdates()
{
    post();
    if (!connection().inTransaction())
        throw DbError(QStringLiteral("Changes are written only inside a transaction"));
    for (const auto& row : m_deleted) {
        if (runUpdate(m_deleteSql, row, row) == 0)
            throw DbError(QStringLiteral("The record was changed or deleted by another user"));
    }
    // New rows are written together; a changed row between them keeps its place in the order.
    std::vector<size_t> inserted;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_status[row] != RowStatus::Inserted) {
            insertRows(inserted);
            inserted.clear();
        }
        switch (m_status[row]) {
        case RowStatus::Inserted:
            inserted.push_back(row);
            break;
        case RowStatus::Modified:
            // An edit that reaches no row would vanish without a word: refuse it instead.
            if (runUpdate(m_modifySql, m_rows[row], m_original[row]) == 0)
                throw DbError(QStringLiteral("The record was changed or deleted by another user"));
            break;
        case RowStatus::Unmodified:
            break;
        }
    }
    insertRows(inserted);
}

void CachedDataset::commitUpdates()
{
    post();
    m_deleted.clear();
    m_original = m_rows;
    m_status.assign(m_rows.size(), RowStatus::Unmodified);
}

void CachedDataset::cancelUpdates()
{
    cancel();
    std::vector<QVector<QVariant>> rows;
    std::vector<QVector<QVariant>> originals;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_status[row] == RowStatus::Inserted)
            continue;
        rows.push_back(m_original[row]);
        originals.push_back(m_original[row]);
    }
    // Deleted rows come back at the end; their first place is not remembered.
    for (auto& row : m_deleted) {
        rows.push_back(row);
        originals.push_back(row);
    }
    m_rows = std::move(rows);
    m_original = std::move(originals);
    m_deleted.clear();
    m_status.assign(m_rows.size(), RowStatus::Unmodified);
    m_current = 0;
    notify([](DatasetObserver& o) { o.datasetReset(); });
}

} // namespace kvr::data
