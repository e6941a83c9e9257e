#include "data/dialect/PostgresDialect.h"

#include "data/DbError.h"
#include "data/ServerName.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <libpq-fe.h>

namespace kvr::data {

namespace {

// The server's limit on one statement outside a saving transaction (reports may run for minutes).
constexpr int kSessionStatementSeconds = 600;
// How much longer than the server's own limit the client waits: the server's time-out reports in
// milliseconds, so the client's cut only comes when the server process itself stands still.
constexpr int kAnswerMarginSeconds = 5;

// Runs one statement on the server's maintenance database ("master" of the suite's original server).
template <typename Fn>
auto withMaster(const PostgresDialect& dialect, const ServerSpec& server, const QString& user, const QString& password,
                Fn&& fn)
{
    const QString name = QStringLiteral("DBMaster-") + QUuid::createUuid().toString(QUuid::Id128);
    struct Remover
    {
        QString name;
        ~Remover() { QSqlDatabase::removeDatabase(name); }
    } remover{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect.qtDriver(), name);
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(QStringLiteral("postgres"));
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(server.connectTimeout));
    if (!db.open())
        throw DbError(QStringLiteral("Cannot connect to server \"%1\": %2").arg(server.name, db.lastError().text()));
    // The query must be gone before its connection closes, or the driver complains on stderr.
    auto result = [&] {
        QSqlQuery query(db);
        return fn(query);
    }();
    db.close();
    return result;
}

// A database name cannot be a bound value: accept plain identifiers only.
void requirePlainName(const QString& databaseName)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,62}$"));
    if (!plain.match(databaseName).hasMatch())
        throw DbError(QStringLiteral("Invalid database name \"%1\"").arg(databaseName));
}

} // namespace

void PostgresDialect::configure(QSqlDatabase& db, const ServerSpec& server, const QString& databaseName,
                                const QString& user, const QString& password) const
{
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(physicalName(server, databaseName));
    db.setUserName(user);
    db.setPassword(password);
    // Keepalives notice a server or network gone quiet while a statement waits for its answer,
    // instead of waiting as long as the operating system's default (hours).
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;keepalives=1;keepalives_idle=10;keepalives_interval=5;"
                                        "keepalives_count=3")
                             .arg(server.connectTimeout));
}

QStringList PostgresDialect::sessionSetup() const
{
    return {QStringLiteral("SET statement_timeout = %1").arg(kSessionStatementSeconds * 1000),
            QStringLiteral("SET client_min_messages = warning")};
}

QStringList PostgresDialect::transactionSetup(const ServerSpec& server) const
{
    // Outside transactions a report may run for minutes; a save whose statement waits longer on
    // a lock or a stalled server is abandoned and rolled back instead.
    return {QStringLiteral("SET LOCAL statement_timeout = %1").arg(qint64(server.saveTimeout) * 1000)};
}

int PostgresDialect::answerLimit(const ServerSpec& server, bool saving) const
{
    return (saving ? server.saveTimeout : kSessionStatementSeconds) + kAnswerMarginSeconds;
}

int PostgresDialect::socketOf(const QSqlDatabase& db) const
{
    const QSqlDriver* driver = db.driver();
    if (!driver)
        return -1;
    const QVariant handle = driver->handle();
    // Qt names the handle's type by the structure behind libpq's typedef.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return -1;
    PGconn* connection = *static_cast<PGconn* const*>(handle.constData());
    return connection ? PQsocket(connection) : -1;
}

QString PostgresDialect::physicalName(const ServerSpec&, const QString& databaseName) const
{
    // Unquoted names fold to lower case, so that "DEMO" and "demo" are one database, as on the suite's server.
    return databaseName.toLower();
}

bool PostgresDialect::databaseExists(const ServerSpec& server, const QString& databaseName, const QString& user,
                                     const QString& password) const
{
    return withMaster(*this, server, user, password, [&](QSqlQuery& q) {
        q.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"));
        q.addBindValue(physicalName(server, databaseName));
        if (!q.exec())
            throw DbError(q.lastError().text());
        return q.next();
    });
}

void PostgresDialect::createDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                                     const QString& password) const
{
    requirePlainName(databaseName);
    withMaster(*this, server, user, password, [&](QSqlQuery& q) {
        if (!q.exec(QStringLiteral("CREATE DATABASE ") + physicalName(server, databaseName)))
            throw DbError(QStringLiteral("Cannot create database %1: %2").arg(databaseName, q.lastError().text()));
        return true;
    });
}

void PostgresDialect::dropDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                                   const QString& password) const
{
    requirePlainName(databaseName);
    withMaster(*this, server, user, password, [&](QSqlQuery& q) {
        if (!q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(physicalName(server, databaseName))))
            throw DbError(QStringLiteral("Cannot drop database %1: %2").arg(databaseName, q.lastError().text()));
        return true;
    });
}

QStringList PostgresDialect::databaseSetup() const
{
    return {QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext")};
}

QString PostgresDialect::expandTypes(const QString& ddl) const
{
    QString out = ddl;
    out.replace(QStringLiteral("%IDENTITY%"), QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    static const QRegularExpression code(QStringLiteral("%CODE\\((\\d+)\\)%"));
    out.replace(code, QStringLiteral("CITEXT"));
    out.replace(QStringLiteral("%DATETIME%"), QStringLiteral("TIMESTAMP(3)"));
    out.replace(QStringLiteral("%TEXT%"), QStringLiteral("TEXT"));
    out.replace(QStringLiteral("%BLOB%"), QStringLiteral("BYTEA"));
    return expandIndexes(out);
}

// Compared in code-point order whatever the database's collation: a prefix range must hold
// exactly the texts starting with the prefix.
QString PostgresDialect::reversedTrimmed(const QString& column) const
{
    return QStringLiteral("(reverse(btrim(%1)) COLLATE \"C\")").arg(column);
}

// Until autovacuum gets to them, tables loaded in bulk are planned as if nearly empty, and their
// index-only reads still visit every row to learn whether it is visible.
QStringList PostgresDialect::afterBulkLoadSql(const QStringList& tables) const
{
    QStringList statements;
    for (const QString& table : tables)
        statements << QStringLiteral("VACUUM (ANALYZE) ") + table;
    return statements;
}

// PostgreSQL reads a row for every index entry whose condition it tests, unless the index holds
// every column the statement uses: with them included, '%part%' is tested on the index alone.
QString PostgresDialect::substringIndexSql(const QString& index, const QString& table, const QString& column,
                                           const QStringList& listed) const
{
    const QString trimmed = QStringLiteral("ltrim(rtrim(%1))").arg(column);
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3) INCLUDE (%4) WHERE %3 > ''")
        .arg(index, table, trimmed, (QStringList{column} + listed).join(QStringLiteral(", ")));
}

QString PostgresDialect::syncIdentitySql(const QString& table) const
{
    return QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), COALESCE(MAX(Id), 0) + 1, false) FROM %1")
        .arg(table.toLower());
}

QString PostgresDialect::lastIdentitySql() const
{
    return QStringLiteral("SELECT lastval() AS New_Id");
}

QString PostgresDialect::now() const
{
    return QStringLiteral("LOCALTIMESTAMP(0)");
}

QString PostgresDialect::today() const
{
    return QStringLiteral("CAST(CURRENT_DATE AS TIMESTAMP)");
}

QString PostgresDialect::dateOnly(const QString& expression) const
{
    return QStringLiteral("CAST(CAST(%1 AS DATE) AS TIMESTAMP)").arg(expression);
}

QString PostgresDialect::roundTo(const QString& expression, int places) const
{
    return QStringLiteral("round(CAST(%1 AS NUMERIC), %2)").arg(expression).arg(places);
}

QString PostgresDialect::likeNoCase(const QString& expression, const QString& pattern) const
{
    return QStringLiteral("%1 ILIKE %2").arg(expression, pattern);
}

QString PostgresDialect::tableExistsSql() const
{
    return QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() "
                          "AND table_name = lower(:TableName)");
}

QString PostgresDialect::columnExistsSql() const
{
    return QStringLiteral("SELECT 1 FROM information_schema.columns WHERE table_schema = current_schema() "
                          "AND table_name = lower(:TableName) AND column_name = lower(:ColumnName)");
}

QString PostgresDialect::indexExistsSql() const
{
    return QStringLiteral(
        "SELECT 1 FROM pg_indexes WHERE schemaname = current_schema() AND indexname = lower(:IndexName)");
}

DbFailureClass PostgresDialect::classify(const QSqlError& error, const QString& statement) const
{
    // SQLSTATE codes; the message is read only for the column's name.
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("23502")) {
        static const QRegularExpression column(QStringLiteral("column \"([^\"]+)\""));
        return {DbFailure::NotNull, column.match(error.databaseText()).captured(1)};
    }
    if (state == QLatin1String("23505"))
        return {DbFailure::Duplicate, {}};
    if (state == QLatin1String("23503"))
        return {brokenReference(statement), {}};
    // lock_not_available (lock_timeout), query_canceled (statement_timeout)
    if (state == QLatin1String("55P03") || state == QLatin1String("57014"))
        return {DbFailure::TimedOut, {}};
    // connection_exception class; the server shutting down or ending the session
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01") || state == QLatin1String("57P02") ||
        state == QLatin1String("57P03"))
        return {DbFailure::ConnectionLost, {}};
    // Without a result there is no code: the connection itself failed.
    if (state.isEmpty() && error.type() == QSqlError::ConnectionError)
        return {DbFailure::ConnectionLost, {}};
    return {};
}

} // namespace kvr::data
