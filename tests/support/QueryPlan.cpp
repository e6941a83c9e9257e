#include "support/QueryPlan.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "data/dialect/Dialect.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace kvr::test {

QStringList queryPlan(data::Connection& connection, const data::Query& statement)
{
    QStringList lines;
    if (connection.dialect().backend() == data::ServerSpec::Backend::Sqlite) {
        data::Query explain(connection, QStringLiteral("EXPLAIN QUERY PLAN ") + statement.sqlText());
        for (const QString& name : statement.paramNames())
            explain.setParam(name, statement.param(name));
        explain.open();
        for (int row = 0; row < explain.recordCount(); ++row)
            lines << explain.fieldAt(row, QStringLiteral("detail")).asString();
        return lines;
    }
    const data::TranslatedSql sql = data::translateNamedParameters(statement.sqlText());
    QString text;
    int marker = 0;
    for (const QChar c : sql.sql)
        text += c == QLatin1Char('?') ? QStringLiteral("$%1").arg(++marker) : QString(c);
    QStringList literals;
    for (const QString& name : sql.placeholders) {
        const QVariant value = connection.dialect().bindValue(statement.param(name));
        literals << (value.isNull() ? QStringLiteral("NULL")
                                    : QLatin1Char('\'') +
                             value.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''));
    }
    static int prepared = 0;
    const QString name = QStringLiteral("kvr_plan_%1").arg(++prepared);
    connection.execDirect(QStringLiteral("PREPARE ") + name + QStringLiteral(" AS ") + text);
    {
        // EXPLAIN EXECUTE cannot itself be prepared: it runs as plain text.
        QSqlQuery explain(connection.database());
        const QString args =
            literals.isEmpty() ? QString() : QLatin1Char('(') + literals.join(QLatin1Char(',')) + QLatin1Char(')');
        EXPECT_TRUE(explain.exec(QStringLiteral("EXPLAIN EXECUTE ") + name + args))
            << explain.lastError().text().toStdString();
        while (explain.next())
            lines << explain.value(0).toString();
    }
    connection.execDirect(QStringLiteral("DEALLOCATE ") + name);
    return lines;
}

} // namespace kvr::test
