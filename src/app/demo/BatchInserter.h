#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <initializer_list>

namespace kvr::data {
class Connection;
class Dialect;
} // namespace kvr::data

namespace kvr::demo {

// Writes the rows of one table as multi-row "INSERT ... VALUES (...), (...)" statements. The
// statement for a full batch is prepared once and reused, so a million rows cost a few thousand
// round trips instead of a million. Values are bound, never pasted, and cross the same storage
// edge as every other statement (Dialect::bindValue). finish() writes the last, shorter batch.
class BatchInserter
{
public:
    BatchInserter(data::Connection& connection, const QString& table, const QStringList& columns);
    // The columns as they are written in SQL: "Id, Code, Name".
    BatchInserter(data::Connection& connection, const QString& table, const QString& columns);
    BatchInserter(const BatchInserter&) = delete;
    BatchInserter& operator=(const BatchInserter&) = delete;

    // One row, its values in the order of the columns.
    void add(std::initializer_list<QVariant> values);
    void addRow(const QVariantList& values);
    void finish();

    qint64 rowCount() const { return m_written + m_pending.size() / m_columns.size(); }
    int rowsPerStatement() const { return m_rowsPerStatement; }

private:
    QString insertSql(int rows) const;
    void writeWhenFull();
    void write(QSqlQuery& query, int rows);

    data::Connection& m_connection;
    const data::Dialect& m_dialect;
    QString m_table;
    QStringList m_columns;
    int m_rowsPerStatement = 1;
    QVector<QVariant> m_pending;
    QSqlQuery m_fullBatch;
    bool m_fullBatchPrepared = false;
    qint64 m_written = 0;
};

} // namespace kvr::demo
