#include "data/CachedDataset.h"

#include "data/Connection.h"
#include "data/DbError.h"

namespace kvr::data {

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
    setRecNo(row);
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
    Query statement(connection());
    statement.setSqlLines(sql);
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

void CachedDataset::applyUpdates()
{
    post();
    if (!connection().inTransaction())
        throw DbError(QStringLiteral("Changes are written only inside a transaction"));
    for (const auto& row : m_deleted) {
        if (runUpdate(m_deleteSql, row, row) == 0)
            throw DbError(QStringLiteral("The record was changed or deleted by another user"));
    }
    for (size_t row = 0; row < m_rows.size(); ++row) {
        switch (m_status[row]) {
        case RowStatus::Inserted:
            runUpdate(m_insertSql, m_rows[row], m_original[row]);
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
