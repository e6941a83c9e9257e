#pragma once

#include "data/DbError.h"
#include "data/ServerName.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QSqlError;

namespace kvr::data {

// Everything that differs between the database backends, in one place. Statements are written
// once; where the backends disagree they call one of these instead of spelling it out.
//
// Constructs covered, with what they replace in the suite's original server dialect:
//   limit()             "Select Top n ..."
//   concat()            '+' between strings
//   lastIdentitySql()   "SELECT @@IDENTITY"
//   now(), today()      GetDate(), Convert(DateTime, Convert(Char(8), GetDate(), 112))
//   dateOnly()          Convert(DateTime, Convert(Char(8), x, 112))
//   roundTo()           Cast(x As Decimal(30, n)), which rounds on the original server
//   likeNoCase()        LIKE under the original server's case-insensitive collation
//   tableExists(), columnExists(), indexExists(), databaseExists()
//                       catalogue tests on SysObjects / SysColumns / SysIndexes / SysDatabases,
//                       which guard the "If ... Begin ... End" schema statements (see SchemaScript)
//   expandTypes()       column types: identity, case-insensitive codes, date-time, long text, binary;
//                       %REVERSED(Column)% in an index definition stands for reversedTrimmed(Column)
//   reversedTrimmed()   a text trimmed and read backwards, the same expression in indexes and
//                       statements, so that "ends with" becomes an indexable "starts with"
//   substringIndexSql() %SUBSTRING_INDEX(Index, Table, Column; Listed, ...)%, a statement of its own:
//                       where the backend needs one, an index in which '%part%' is tested on the
//                       trimmed text without reading the rows, carrying the columns a search lists
//   beginTransactionSql(), forUpdate()
//                       locking: SQLite takes the write lock at the start of a saving transaction
//   bindValue()         the storage edge for amounts (4 decimal places) and date-times
// RANK()/ROW_NUMBER() Over (...) runs unchanged on both backends; code columns compare
// case-insensitively through their column type, as the original server's collation did.
class Dialect
{
public:
    virtual ~Dialect() = default;

    // Refuses driver names it does not know, so a new backend is one more class, never a silent default.
    static std::unique_ptr<Dialect> forDriver(const QString& qtDriverName);
    // The dialect of a server named in "Server.Dat"; refuses the backends this build cannot reach.
    static std::unique_ptr<Dialect> forBackend(ServerSpec::Backend backend);

    virtual ServerSpec::Backend backend() const = 0;
    virtual QString qtDriver() const = 0;

    // Connection set-up: where the server is, the database name, the login.
    virtual void configure(QSqlDatabase& db, const ServerSpec& server, const QString& databaseName, const QString& user,
                           const QString& password) const = 0;
    // Statements run right after a connection opens (time-outs, journal mode, extensions).
    virtual QStringList sessionSetup() const = 0;
    // How long a set-up statement refused because the database was busy is tried again, for a
    // backend that may refuse one at once instead of waiting its own time-out; 0: never tried again.
    virtual int sessionSetupRetryMs() const { return 0; }
    // The name a database has on this backend (case rules differ).
    virtual QString physicalName(const ServerSpec& server, const QString& databaseName) const = 0;
    // "master": which databases exist; answered without needing the database itself.
    virtual bool databaseExists(const ServerSpec& server, const QString& databaseName, const QString& user,
                                const QString& password) const = 0;
    virtual void createDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                                const QString& password) const = 0;
    // Removes the database and everything in it, ending other sessions on it; a database that
    // does not exist is no error. For rebuilding demonstration and test databases only.
    virtual void dropDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                              const QString& password) const = 0;
    // Statements run once in a new, empty database.
    virtual QStringList databaseSetup() const { return {}; }

    virtual QString expandTypes(const QString& ddl) const = 0;
    virtual QString limit(const QString& select, int rows) const;
    virtual QString concat(const QStringList& parts) const;
    virtual QString lastIdentitySql() const = 0;
    virtual QString now() const = 0;
    virtual QString today() const = 0;
    virtual QString dateOnly(const QString& expression) const = 0;
    // x rounded half away from zero to the given decimal places.
    virtual QString roundTo(const QString& expression, int places) const;
    // expression LIKE pattern, ignoring the case of ASCII letters.
    virtual QString likeNoCase(const QString& expression, const QString& pattern) const;
    // The column's text without surrounding blanks, last character first; compares by code point
    // on every backend, so that a range from a prefix to the prefix with its last character
    // advanced finds exactly the texts starting with it. Columns of at most 20 characters.
    virtual QString reversedTrimmed(const QString& column) const = 0;
    // A statement creating an index over the rows where the trimmed column is not blank, holding
    // that column and the listed ones, in which likeNoCase() with '%part%' is tested without
    // reading a row; empty where the backend does that with its plain index of the trimmed
    // column, and the statement is then left out.
    virtual QString substringIndexSql(const QString& index, const QString& table, const QString& column,
                                      const QStringList& listed) const
    {
        Q_UNUSED(index);
        Q_UNUSED(table);
        Q_UNUSED(column);
        Q_UNUSED(listed);
        return {};
    }
    // After rows were inserted with explicit ids: the next generated id follows the largest one.
    virtual QString syncIdentitySql(const QString& table) const
    {
        Q_UNUSED(table);
        return {};
    }
    // After many rows were loaded at once, outside a transaction: statements that bring the
    // planner's statistics of the tables up to date and let their indexes answer without reading
    // rows; none where the backend needs neither.
    virtual QStringList afterBulkLoadSql(const QStringList& tables) const
    {
        Q_UNUSED(tables);
        return {};
    }
    virtual QString beginTransactionSql() const { return QStringLiteral("BEGIN"); }
    // Statements run right after a transaction began: the limit on how long one of its statements
    // may run, so that a save never waits on the server without end.
    virtual QStringList transactionSetup(const ServerSpec& server) const
    {
        Q_UNUSED(server);
        return {};
    }
    virtual QString forUpdate() const { return {}; }
    // Seconds a statement may wait for the server's answer before the client cuts the connection:
    // longer than the server's own limit, so that its time-out, which keeps the connection, comes
    // first. 0: no limit of the client's own (a local file answers or fails by itself).
    virtual int answerLimit(const ServerSpec& server, bool saving) const
    {
        Q_UNUSED(server);
        Q_UNUSED(saving);
        return 0;
    }
    // The socket the connection's statements wait on; -1 when there is none.
    virtual int socketOf(const QSqlDatabase& db) const
    {
        Q_UNUSED(db);
        return -1;
    }

    // Catalogue tests: each a SELECT with one row when the object exists; parameters :TableName,
    // :ColumnName, :IndexName.
    virtual QString tableExistsSql() const = 0;
    virtual QString columnExistsSql() const = 0;
    virtual QString indexExistsSql() const = 0;

    // The storage edge: amounts leave memory with 4 decimal places; date-times in the backend's form.
    virtual QVariant bindValue(const QVariant& value) const;

    // What a failure of the statement means, from the backend's error code: a missing value (with
    // its column), a duplicate key, a reference, a lost connection, a time-out.
    virtual DbFailureClass classify(const QSqlError& error, const QString& statement) const = 0;
    // A rollback failed because the backend had already ended the transaction by itself.
    virtual bool transactionAlreadyEnded(const QSqlError& error) const
    {
        Q_UNUSED(error);
        return false;
    }

protected:
    // Replaces every %REVERSED(Column)% and %SUBSTRING_INDEX(...)% of a schema statement.
    QString expandIndexes(const QString& ddl) const;
    // A reference broken by a DELETE is a row still referred to; by an INSERT or UPDATE, a
    // reference to a row that does not exist.
    static DbFailure brokenReference(const QString& statement);
};

} // namespace kvr::data
