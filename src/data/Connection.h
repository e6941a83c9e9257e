#pragma once

#include "data/ColumnLimits.h"
#include "data/ServerName.h"
#include "data/dialect/Dialect.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace kvr::data {

class Query;
class ServerWait;

// The login every connection uses; "KVR.INI", section Database, may override it.
struct Login
{
    QString user = QStringLiteral("kvr");
    QString password = QStringLiteral("velvetox");

    static Login fromIni(const QString& workingDirectory);
};

// One named connection (DMDATA, DmCfg, DBHead). It opens lazily, on the first statement run
// against it: the owner's connect handler chooses server and database, the connected handler
// loads what the session needs. A failed connect raises; the next statement tries again.
class Connection
{
public:
    using Handler = std::function<void(Connection&)>;

    explicit Connection(const QString& name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& name() const { return m_name; }

    void setConnectHandler(Handler handler) { m_onConnect = std::move(handler); }
    void setConnectedHandler(Handler handler) { m_onConnected = std::move(handler); }
    // Called from the connect handler: where to connect.
    void setTarget(const ServerSpec& server, const QString& databaseName, const Login& login);

    void open();
    void close();
    bool isOpen() const;
    // Changes every time the connection opens; prepared statements of an older one are void.
    int generation() const { return m_generation; }
    QSqlDatabase database();
    const Dialect& dialect();
    // The text lengths of the database's columns, learnt from the schema statements of the session.
    ColumnLimits& columnLimits();
    const ServerSpec& server() const { return m_server; }
    const QString& databaseName() const { return m_databaseName; }
    const Login& login() const { return m_login; }

    // Explicit transactions; outside them every statement commits by itself.
    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // A statement without parameters or result (schema scripts, session settings).
    void execDirect(const QString& sql);
    // A statement failed: the error it raises, classified by the dialect. When the server is gone
    // the connection counts as closed, so the next statement connects again instead of failing
    // until the program restarts.
    [[noreturn]] void fail(const QSqlError& error, const QString& statement);

    // Statements prepared and run through Query since the connection was made: what a save costs
    // in round trips to a server.
    qint64 statementsPrepared() const { return m_prepared; }
    // A statement run again and again (the writes of a save), prepared once per connection and
    // kept: on a server each preparing costs round trips. Its parameters keep the values of the
    // last use, so a caller sets every one of them.
    Query& statement(const QString& sql);
    qint64 statementsRun() const { return m_run; }
    void notePrepared() { ++m_prepared; }
    void noteRun() { ++m_run; }

private:
    friend class ServerWait;

    // One statement of the dialect's session set-up, run again while the database is busy.
    void execSessionSetup(const QString& sql);
    // False when the server no longer answers (the connection is closed then).
    bool stillAnswers();

    QString m_name;
    QString m_qtName;
    Handler m_onConnect;
    Handler m_onConnected;
    ServerSpec m_server;
    QString m_databaseName;
    Login m_login;
    std::unique_ptr<Dialect> m_dialect;
    ColumnLimits m_columnLimits;
    bool m_open = false;
    bool m_inTransaction = false;
    // From the transaction's BEGIN to its COMMIT or ROLLBACK: statements wait as long as a save may.
    bool m_saving = false;
    // The innermost statement whose wait for the server is being watched.
    ServerWait* m_wait = nullptr;
    int m_generation = 0;
    qint64 m_prepared = 0;
    qint64 m_run = 0;
    std::map<QString, std::unique_ptr<Query>> m_statements;
};

// While it lives, a statement waits for the server's answer at most the dialect's answer limit:
// past it the connection is cut, the statement fails, and fail() says the server did not answer.
// Built after the connection is open, around the statement and the reading of its rows.
class ServerWait
{
public:
    explicit ServerWait(Connection& connection);
    ~ServerWait();
    ServerWait(const ServerWait&) = delete;
    ServerWait& operator=(const ServerWait&) = delete;

    // Ends the watch; true when the limit passed and the connection was cut.
    bool finish();
    int limitSeconds() const { return m_limitSeconds; }

private:
    Connection& m_connection;
    ServerWait* m_outer;
    std::uint64_t m_ticket = 0;
    int m_limitSeconds = 0;
    bool m_cut = false;
};

// Joins the transaction already running on the connection, or runs its own: commit() ends an own
// transaction; leaving the scope without commit() rolls it back.
class Transaction
{
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& m_connection;
    bool m_owner = false;
    bool m_done = false;
};

} // namespace kvr::data
