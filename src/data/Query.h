#pragma once

#include "data/ColumnLimits.h"

#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kvr::data {

class Connection;

// One column of the current row, read the way the screens read fields: null reads as
// empty text, zero or an invalid date.
class Field
{
public:
    explicit Field(QVariant value = {})
        : m_value(std::move(value))
    { }
    bool isNull() const { return m_value.isNull() || !m_value.isValid(); }
    const QVariant& value() const { return m_value; }
    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    QDateTime asDateTime() const;
    QDate asDate() const { return asDateTime().date(); }

private:
    QVariant m_value;
};

// A statement with named parameters (":GetCode") whose rows are fetched at once and kept, so the
// row found stays readable until the query runs again. The text is a list of lines, and a line
// can be replaced by its index before opening.
class Query
{
public:
    explicit Query(Connection& connection, const QString& sql = {});
    virtual ~Query() = default;
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Connection& connection() const { return m_connection; }
    void setSql(const QString& sql);
    // A line reading "{Name}" (slotLine()) is a named slot: empty until setSlot() fills it.
    void setSqlLines(const QStringList& lines);
    const QStringList& sqlLines() const { return m_lines; }
    void setLine(int index, const QString& line);
    static QString slotLine(const QString& name) { return QLatin1Char('{') + name + QLatin1Char('}'); }
    // Fills a named slot of the statement (a condition, an order); a name the statement does not
    // have is a mistake of the program.
    void setSlot(const QString& name, const QString& text);
    // What a named slot holds now.
    QString slotText(const QString& name) const;
    QString sqlText() const { return m_lines.join(QLatin1Char('\n')); }

    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;
    // The parameters in order of first appearance in the text.
    QStringList paramNames() const;

    // Runs a statement that returns rows; close() forgets them.
    virtual void open();
    // Opens with no rows, without asking the server, for a key no row can have (a bill not yet
    // numbered). The statement runs all the same the first time, to learn its columns.
    virtual void openEmpty();
    virtual void close();
    bool isOpen() const { return m_open; }
    // Runs a statement that returns no rows; the number of rows it touched.
    int execSql();

    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    int recNo() const { return m_current; }
    bool eof() const { return m_current >= recordCount(); }
    void first() { setRecNo(0); }
    void next()
    {
        if (m_current < recordCount())
            setRecNo(m_current + 1);
    }
    void setRecNo(int row)
    {
        if (row == m_current)
            return;
        leavingRow();
        m_current = row;
        currentChanged();
    }

    const QStringList& fieldNames() const { return m_fieldNames; }
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    Field field(const QString& name) const;
    Field fieldAt(int row, const QString& name) const;

protected:
    // The cursor is about to leave the current row.
    virtual void leavingRow() { }
    // The current row moved (grids follow it).
    virtual void currentChanged() { }
    int fieldIndex(const QString& name) const;
    int requireField(const QString& name) const;
    void addFieldName(const QString& name);
    void bindAndExec(QSqlQuery& query);

    std::vector<QVector<QVariant>> m_rows;
    int m_current = 0;

private:
    void prepare();
    // The columns learnt at the statement's last run still hold for its text.
    bool columnsKnown() const;
    // The field names back to the statement's own columns.
    void useStatementColumns();
    void applyLines(const QStringList& lines);
    // Refuses a text no backend can store alike: a NUL character, or more than its column holds.
    void checkText(const QString& param, const QString& text);

    Connection& m_connection;
    QStringList m_lines;
    QHash<QString, int> m_slots; // line of each named slot
    QHash<QString, QVariant> m_params; // by upper-cased name
    QStringList m_paramOrder; // as written
    QStringList m_placeholders; // one per '?', upper-cased
    QString m_translated;
    StatementTarget m_target; // the columns written, for the length check
    QStringList m_fieldNames;
    QHash<QString, int> m_fieldIndex; // by upper-cased name
    mutable QHash<QString, int> m_exactIndex; // by name as looked up
    // The statement's own columns, read once per prepared statement.
    QStringList m_columnNames;
    QHash<QString, int> m_columnIndex;
    bool m_columnsKnown = false;
    QSqlQuery m_query;
    QString m_preparedFor;
    int m_preparedGeneration = -1;
    bool m_open = false;
};

// Turns ":Name" parameters into positional '?' markers, outside quoted text and "::" casts.
struct TranslatedSql
{
    QString sql;
    QStringList placeholders; // parameter name for each marker, as written
};
TranslatedSql translateNamedParameters(const QString& sql);

} // namespace kvr::data
