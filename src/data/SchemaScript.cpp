#include "data/SchemaScript.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"

#include <QFile>
#include <QRegularExpression>

namespace kvr::data {

SchemaScript::SchemaScript(const QStringList& lines)
{
    QStringList current;
    const auto flush = [&] {
        const QString statement = current.join(QLatin1Char('\n'));
        if (!statement.trimmed().isEmpty())
            m_statements << statement;
        current.clear();
    };
    for (const QString& line : lines) {
        if (line.trimmed() == QLatin1String("/"))
            flush();
        else if (!line.trimmed().startsWith(QLatin1String("--")))
            current << line;
    }
    flush();
}

SchemaScript SchemaScript::fromText(const QString& text)
{
    return SchemaScript(text.split(QLatin1Char('\n')));
}

SchemaScript SchemaScript::fromResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Schema script %1 is missing from the program").arg(path));
    return fromText(QString::fromUtf8(file.readAll()));
}

namespace {

// True when the guard allows the statement to run.
bool guardPasses(Connection& connection, const QString& guard)
{
    static const QRegularExpression form(
        QStringLiteral("^IF\\s+NOT\\s+EXISTS\\s+(TABLE|COLUMN|INDEX)\\s+(\\w+)(?:\\.(\\w+))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = form.match(guard.trimmed());
    if (!match.hasMatch())
        throw DbError(QStringLiteral("Unreadable schema guard: %1").arg(guard));
    const QString kind = match.captured(1).toUpper();
    const Dialect& dialect = connection.dialect();
    Query probe(connection);
    if (kind == QLatin1String("TABLE")) {
        probe.setSql(dialect.tableExistsSql());
        probe.setParam(QStringLiteral("TableName"), match.captured(2));
    } else if (kind == QLatin1String("COLUMN")) {
        if (match.captured(3).isEmpty())
            throw DbError(QStringLiteral("A column guard names Table.Column: %1").arg(guard));
        probe.setSql(dialect.columnExistsSql());
        probe.setParam(QStringLiteral("TableName"), match.captured(2));
        probe.setParam(QStringLiteral("ColumnName"), match.captured(3));
    } else {
        probe.setSql(dialect.indexExistsSql());
        probe.setParam(QStringLiteral("IndexName"), match.captured(2));
    }
    probe.open();
    return probe.isEmpty();
}

} // namespace

void SchemaScript::run(Connection& connection) const
{
    const Dialect& dialect = connection.dialect();
    // A statement skipped by its guard still describes the table as it is.
    connection.columnLimits().learn(*this);
    for (const QString& statement : m_statements) {
        QString body = statement.trimmed();
        if (body.startsWith(QLatin1String("IF "), Qt::CaseInsensitive)) {
            const qsizetype lineEnd = body.indexOf(QLatin1Char('\n'));
            const QString guard = lineEnd < 0 ? body : body.left(lineEnd);
            if (!guardPasses(connection, guard))
                continue;
            body = lineEnd < 0 ? QString() : body.mid(lineEnd + 1);
        }
        // A statement may expand to nothing: an index this backend has no kind for.
        const QString sql = dialect.expandTypes(body);
        if (!sql.trimmed().isEmpty())
            connection.execDirect(sql);
    }
}

void upgradeSchema(Connection& connection, const QString& schemaName, int version, const SchemaScript& script)
{
    const auto storedVersion = [&] {
        Query q(connection, QStringLiteral("SELECT Version FROM SchemaInfo WHERE Name = :Name"));
        q.setParam(QStringLiteral("Name"), schemaName);
        q.open();
        return q.isEmpty() ? 0 : q.field(QStringLiteral("Version")).asInteger();
    };
    const QString createInfo = QStringLiteral("CREATE TABLE IF NOT EXISTS SchemaInfo (Name VARCHAR(50) NOT NULL "
                                              "PRIMARY KEY, Version INTEGER NOT NULL)");
    try {
        connection.execDirect(createInfo);
    } catch (const DbError&) {
        // Two counters starting together on a new server: the other one created it first.
        connection.execDirect(createInfo);
    }
    // The lengths are needed whether the script runs this time or ran at an earlier start.
    connection.columnLimits().learn(script);
    if (storedVersion() >= version)
        return;
    Transaction transaction(connection);
    Query claim(connection,
                QStringLiteral("INSERT INTO SchemaInfo (Name, Version) VALUES (:Name, 0) "
                               "ON CONFLICT (Name) DO NOTHING"));
    claim.setParam(QStringLiteral("Name"), schemaName);
    claim.execSql();
    // The row lock makes a second counter wait here and then find the work done.
    Query lock(connection,
               QStringLiteral("SELECT Version FROM SchemaInfo WHERE Name = :Name") + connection.dialect().forUpdate());
    lock.setParam(QStringLiteral("Name"), schemaName);
    lock.open();
    if (lock.field(QStringLiteral("Version")).asInteger() >= version)
        return;
    for (const QString& sql : connection.dialect().databaseSetup())
        connection.execDirect(sql);
    script.run(connection);
    Query done(connection, QStringLiteral("UPDATE SchemaInfo SET Version = :Version WHERE Name = :Name"));
    done.setParam(QStringLiteral("Version"), version);
    done.setParam(QStringLiteral("Name"), schemaName);
    done.execSql();
    transaction.commit();
}

} // namespace kvr::data
