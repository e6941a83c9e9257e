#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace kvr::data {

class Connection;

// Where a lookup resolves its codes: a table with its id, code and description columns. Names
// come from the program, never from what the user types.
struct LookupSource
{
    QString table;
    QString idColumn = QStringLiteral("Id");
    QString codeColumn = QStringLiteral("Code");
    QString descriptionColumn = QStringLiteral("Name");
};

// One row a code resolved to.
struct CodeRow
{
    int id = 0;
    QString code;
    QString description;
};

// A condition on the rows of a lookup's table ("Blocked='N'"), written by the program, with the
// values of its ":Name" parameters.
struct LookupFilter
{
    QString condition;
    QVariantMap params;
};

// The rows of a code table as the lookup edits read them.
class CodeTable
{
public:
    CodeTable(Connection& connection, LookupSource source);

    const LookupSource& source() const { return m_source; }
    void setDescriptionColumn(const QString& column) { m_source.descriptionColumn = column; }

    // The row of the code among those the filter lets through.
    std::optional<CodeRow> findByCode(const QString& code, const LookupFilter& filter) const;
    // The row of the id, whatever the filter (a saved document shows what it refers to).
    std::optional<CodeRow> findById(int id) const;

private:
    std::optional<CodeRow> find(const QString& column, const QVariant& value, const LookupFilter* filter) const;

    Connection& m_connection;
    LookupSource m_source;
};

} // namespace kvr::data
