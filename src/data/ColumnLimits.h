#pragma once

#include <QHash>
#include <QString>

namespace kvr::data {

class SchemaScript;

// How many characters each text column holds, read from the schema statements a session runs
// (CREATE TABLE, ALTER TABLE ... ADD). PostgreSQL enforces VARCHAR(n) and CHAR(n) with a raw
// error and stores code columns unbounded; SQLite enforces nothing. Checking against the
// declared lengths makes both backends refuse the same texts, with a message a cashier can read.
class ColumnLimits
{
public:
    void learn(const SchemaScript& script);
    void learn(const QString& statement);
    // 0 when the column is unbounded or unknown.
    int maxLength(const QString& table, const QString& column) const;
    bool isEmpty() const { return m_lengths.isEmpty(); }

private:
    void add(const QString& table, const QString& column, int length);

    QHash<QString, int> m_lengths; // by "TABLE.COLUMN", upper-cased
};

// Which column each parameter of an INSERT ... VALUES (of one row or several) or UPDATE ... SET
// statement is written into, for the parameters given straight as a value (":Name", not inside an expression).
struct StatementTarget
{
    QString table;
    QHash<QString, QString> columnOfParam; // by upper-cased parameter name

    static StatementTarget of(const QString& sql);
};

// Characters as the servers count them: a character outside the basic plane is one, not two.
int characterCount(const QString& text);

} // namespace kvr::data
