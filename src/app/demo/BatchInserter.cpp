#include "app/demo/BatchInserter.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QSqlError>
#include <algorithm>

namespace kvr::demo {

namespace {

// About 4,000 values per statement: far below the bound-value limits of both backends, and
// beyond a few hundred rows a longer statement no longer saves time.
constexpr int kValuesPerStatement = 4000;
constexpr int kMaxRowsPerStatement = 500;

} // namespace

BatchInserter::BatchInserter(data::Connection& connection, const QString& table, const QStringList& columns)
    : m_connection(connection)
    , m_dialect(connection.dialect())
    , m_table(table)
    , m_columns(columns)
    , m_rowsPerStatement(std::clamp(kValuesPerStatement / int(columns.size()), 1, kMaxRowsPerStatement))
{
    Q_ASSERT(!columns.isEmpty());
    m_pending.reserve(m_rowsPerStatement * columns.size());
}

BatchInserter::BatchInserter(data::Connection& connection, const QString& table, const QString& columns)
    : BatchInserter(connection, table, columns.split(QLatin1Char(','), Qt::SkipEmptyParts))
{
    for (QString& column : m_columns)
        column = column.trimmed();
}

QString BatchInserter::insertSql(int rows) const
{
    QString marks = QStringLiteral("(?");
    for (qsizetype i = 1; i < m_columns.size(); ++i)
        marks += QStringLiteral(", ?");
    marks += QLatin1Char(')');
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(m_table, m_columns.join(QStringLiteral(", ")));
    sql.reserve(sql.size() + rows * (marks.size() + 2));
    for (int row = 0; row < rows; ++row) {
        if (row > 0)
            sql += QStringLiteral(", ");
        sql += marks;
    }
    return sql;
}

void BatchInserter::add(std::initializer_list<QVariant> values)
{
    Q_ASSERT(qsizetype(values.size()) == m_columns.size());
    for (const QVariant& value : values)
        m_pending.append(value);
    writeWhenFull();
}

void BatchInserter::addRow(const QVariantList& values)
{
    Q_ASSERT(values.size() == m_columns.size());
    m_pending.append(values);
    writeWhenFull();
}

void BatchInserter::writeWhenFull()
{
    if (m_pending.size() < m_rowsPerStatement * m_columns.size())
        return;
    if (!m_fullBatchPrepared) {
        m_fullBatch = QSqlQuery(m_connection.database());
        if (!m_fullBatch.prepare(insertSql(m_rowsPerStatement)))
            throw data::DbError(
                QStringLiteral("Cannot prepare the insert into %1: %2").arg(m_table, m_fullBatch.lastError().text()));
        m_fullBatchPrepared = true;
    }
    write(m_fullBatch, m_rowsPerStatement);
}

void BatchInserter::finish()
{
    const int rows = int(m_pending.size() / m_columns.size());
    if (rows == 0)
        return;
    QSqlQuery rest(m_connection.database());
    if (!rest.prepare(insertSql(rows)))
        throw data::DbError(
            QStringLiteral("Cannot prepare the insert into %1: %2").arg(m_table, rest.lastError().text()));
    write(rest, rows);
}

void BatchInserter::write(QSqlQuery& query, int rows)
{
    for (qsizetype i = 0; i < m_pending.size(); ++i)
        query.bindValue(int(i), m_dialect.bindValue(m_pending.at(i)));
    if (!query.exec())
        throw data::DbError(QStringLiteral("Cannot insert into %1: %2").arg(m_table, query.lastError().text()));
    m_written += rows;
    m_pending.clear();
}

} // namespace kvr::demo
