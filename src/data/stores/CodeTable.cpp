#include "data/stores/CodeTable.h"

#include "data/Connection.h"
#include "data/Query.h"

namespace kvr::data {

CodeTable::CodeTable(Connection& connection, LookupSource source)
    : m_connection(connection)
    , m_source(std::move(source))
{ }

std::optional<CodeRow> CodeTable::findByCode(const QString& code, const LookupFilter& filter) const
{
    return find(m_source.codeColumn, code, &filter);
}

std::optional<CodeRow> CodeTable::findById(int id) const
{
    return find(m_source.idColumn, id, nullptr);
}

std::optional<CodeRow> CodeTable::find(const QString& column, const QVariant& value, const LookupFilter* filter) const
{
    QString sql =
        QStringLiteral("SELECT %1 AS LookupId, %2 AS LookupCode, %3 AS LookupName FROM %4 WHERE %5 = :LookupValue")
            .arg(m_source.idColumn, m_source.codeColumn, m_source.descriptionColumn, m_source.table, column);
    const QString condition = filter ? filter->condition.trimmed() : QString();
    if (!condition.isEmpty())
        sql += QStringLiteral(" AND (") + condition + QLatin1Char(')');
    // Looked up with every bill: prepared once per connection, not at every look-up.
    Query& query = m_connection.statement(sql);
    query.setParam(QStringLiteral("LookupValue"), value);
    if (filter) {
        for (auto it = filter->params.cbegin(); it != filter->params.cend(); ++it)
            query.setParam(it.key(), it.value());
    }
    query.open();
    if (query.isEmpty())
        return std::nullopt;
    return CodeRow{query.field(QStringLiteral("LookupId")).asInteger(),
                   query.field(QStringLiteral("LookupCode")).asString(),
                   query.field(QStringLiteral("LookupName")).asString()};
}

} // namespace kvr::data
