#include "data/dialect/SqliteDialect.h"

#include "data/DbError.h"
#include "data/ServerName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>

namespace kvr::data {

namespace {
const QString kSuffix = QStringLiteral(".db");
// How long a statement waits for another counter's write before it fails.
constexpr int kBusyTimeoutMs = 15000;
} // namespace

void SqliteDialect::configure(QSqlDatabase& db, const ServerSpec& server, const QString& databaseName, const QString&,
                              const QString&) const
{
    const QString file = physicalName(server, databaseName);
    // The original server refuses a database it does not have; SQLite would make an empty file.
    if (!QFileInfo::exists(file))
        throw DbError(QStringLiteral("Cannot open database \"%1\" on server \"%2\": %3 does not exist")
                          .arg(databaseName, server.name, file));
    db.setDatabaseName(file);
}

QStringList SqliteDialect::sessionSetup() const
{
    // The busy time-out is set here, the one place, and first: switching a new database to WAL
    // needs a moment alone with the file, and a second counter starting at the same moment must
    // wait for it rather than fail with "database is locked".
    return {QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyTimeoutMs), QStringLiteral("PRAGMA journal_mode=WAL"),
            QStringLiteral("PRAGMA foreign_keys=ON")};
}

int SqliteDialect::sessionSetupRetryMs() const
{
    // The switch to WAL reads the file's header, then takes the write lock. A connection that
    // holds a read lock is refused the write lock at once, without the busy wait, when another
    // has it: two counters switching a new database together, one of them fails with
    // "database is locked". The refused statement keeps no lock, so it can simply run again.
    return kBusyTimeoutMs;
}

QString SqliteDialect::physicalName(const ServerSpec& server, const QString& databaseName) const
{
    // Database names are case-insensitive on the suite's servers; file names here are not.
    const QDir dir(server.directory);
    const QStringList files = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& f : files) {
        if (f.compare(databaseName + kSuffix, Qt::CaseInsensitive) == 0)
            return dir.filePath(f);
    }
    return dir.filePath(databaseName + kSuffix);
}

bool SqliteDialect::databaseExists(const ServerSpec& server, const QString& databaseName, const QString&,
                                   const QString&) const
{
    return QFileInfo::exists(physicalName(server, databaseName));
}

void SqliteDialect::createDatabase(const ServerSpec& server, const QString& databaseName, const QString&,
                                   const QString&) const
{
    if (!QDir().mkpath(server.directory))
        throw DbError(QStringLiteral("Cannot create the database folder %1").arg(server.directory));
    QFile file(physicalName(server, databaseName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw DbError(QStringLiteral("Cannot create database %1: %2").arg(file.fileName(), file.errorString()));
}

void SqliteDialect::dropDatabase(const ServerSpec& server, const QString& databaseName, const QString&,
                                 const QString&) const
{
    // The write-ahead log and its index belong to the database as much as the main file does.
    const QString file = physicalName(server, databaseName);
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        QFile part(file + suffix);
        if (part.exists() && !part.remove())
            throw DbError(QStringLiteral("Cannot remove database %1: %2").arg(part.fileName(), part.errorString()));
    }
}

QString SqliteDialect::expandTypes(const QString& ddl) const
{
    QString out = ddl;
    out.replace(QStringLiteral("%IDENTITY%"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"));
    static const QRegularExpression code(QStringLiteral("%CODE\\((\\d+)\\)%"));
    out.replace(code, QStringLiteral("VARCHAR(\\1) COLLATE NOCASE"));
    out.replace(QStringLiteral("%DATETIME%"), QStringLiteral("DATETIME"));
    out.replace(QStringLiteral("%TEXT%"), QStringLiteral("TEXT"));
    out.replace(QStringLiteral("%BLOB%"), QStringLiteral("BLOB"));
    return expandIndexes(out);
}

// SQLite has no reverse(): the characters of the trimmed text picked from the 20th to the first;
// positions past its end add nothing. The index and the statements spell it identically.
QString SqliteDialect::reversedTrimmed(const QString& column) const
{
    QStringList characters;
    for (int at = 20; at >= 1; --at)
        characters << QStringLiteral("substr(trim(%1), %2, 1)").arg(column).arg(at);
    return QLatin1Char('(') + characters.join(QStringLiteral(" || ")) + QLatin1Char(')');
}

QString SqliteDialect::lastIdentitySql() const
{
    return QStringLiteral("SELECT last_insert_rowid() AS New_Id");
}

// Date-times are stored as "yyyy-MM-dd HH:mm:ss" text, so every expression yields that form.
QString SqliteDialect::now() const
{
    return QStringLiteral("datetime('now', 'localtime')");
}

QString SqliteDialect::today() const
{
    return QStringLiteral("datetime(date('now', 'localtime'))");
}

QString SqliteDialect::dateOnly(const QString& expression) const
{
    return QStringLiteral("datetime(date(%1))").arg(expression);
}

QString SqliteDialect::tableExistsSql() const
{
    return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :TableName COLLATE NOCASE");
}

QString SqliteDialect::columnExistsSql() const
{
    return QStringLiteral("SELECT 1 FROM pragma_table_info(:TableName) WHERE name = :ColumnName COLLATE NOCASE");
}

QString SqliteDialect::indexExistsSql() const
{
    return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = :IndexName COLLATE NOCASE");
}

DbFailureClass SqliteDialect::classify(const QSqlError& error, const QString& statement) const
{
    // The driver reports SQLite's result code, primary or extended; the primary code is its low byte.
    enum : int { Busy = 5, Locked = 6, IoError = 10, CantOpen = 14, Constraint = 19 };
    bool known = false;
    const int code = error.nativeErrorCode().toInt(&known) & 0xff;
    if (!known)
        return {};
    switch (code) {
    case Busy:
    case Locked:
        return {DbFailure::TimedOut, {}};
    case IoError:
    case CantOpen:
        // The folder of the database files is gone (a share that went away).
        return {DbFailure::ConnectionLost, {}};
    case Constraint:
        break;
    default:
        return {};
    }
    // Which constraint only the message tells; SQLite's own wording, fixed in its source:
    // "NOT NULL constraint failed: Table.Column", "UNIQUE constraint failed: ...",
    // "FOREIGN KEY constraint failed".
    const QString text = error.databaseText();
    static const QRegularExpression notNull(QStringLiteral("NOT NULL constraint failed: (?:\\w+\\.)?(\\w+)"));
    if (const QRegularExpressionMatch match = notNull.match(text); match.hasMatch())
        return {DbFailure::NotNull, match.captured(1)};
    if (text.contains(QLatin1String("UNIQUE constraint failed")) ||
        text.contains(QLatin1String("PRIMARY KEY constraint failed")))
        return {DbFailure::Duplicate, {}};
    if (text.contains(QLatin1String("FOREIGN KEY constraint failed")))
        return {brokenReference(statement), {}};
    return {};
}

bool SqliteDialect::transactionAlreadyEnded(const QSqlError& error) const
{
    // SQLite rolls the transaction back by itself after some failures (a full disk, an I/O
    // error, out of memory); the ROLLBACK that follows then finds none. Its wording is fixed in
    // SQLite's source.
    return error.databaseText().contains(QLatin1String("no transaction is active"));
}

} // namespace kvr::data
