#include "data/Connection.h"
#include "data/AnswerWatchdog.h"
#include "data/Query.h"

#include "data/DbError.h"
#include "util/IniFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <algorithm>
#include <mutex>

namespace kvr::data {

Login Login::fromIni(const QString& workingDirectory)
{
    Login login;
    const QString path = QDir(workingDirectory).filePath(QStringLiteral("KVR.INI"));
    if (!QFileInfo::exists(path))
        return login;
    const auto section = util::ReadIniSection(path, QStringLiteral("Database"));
    login.user = section.value(QStringLiteral("user"), login.user);
    login.password = section.value(QStringLiteral("password"), login.password);
    return login;
}

Connection::Connection(const QString& name)
    : m_name(name)
{
    // Qt's connection names are process-wide; tests and benchmarks run several sessions in one process.
    static std::mutex naming;
    static QSet<QString> taken;
    const std::lock_guard lock(naming);
    m_qtName = name;
    for (int n = 2; taken.contains(m_qtName) || QSqlDatabase::contains(m_qtName); ++n)
        m_qtName = name + QLatin1Char('#') + QString::number(n);
    taken.insert(m_qtName);
}

Connection::~Connection()
{
    // Kept statements go before the connection they were prepared on. A connection closed and
    // opened again prepares them anew (Query follows the generation).
    m_statements.clear();
    close();
    // The name stays taken: a Qt connection of the same name may linger until its last query dies.
}

void Connection::setTarget(const ServerSpec& server, const QString& databaseName, const Login& login)
{
    m_server = server;
    m_databaseName = databaseName;
    m_login = login;
}

void Connection::open()
{
    if (m_open)
        return;
    if (m_onConnect)
        m_onConnect(*this);
    if (m_server.backend == ServerSpec::Backend::SqlServer)
        throw DbError(QStringLiteral("Cannot connect to server \"%1\": Microsoft SQL Server is not supported by this "
                                     "build; name the server in Server.Dat as sqlite:FOLDER or pgsql:HOST[:PORT]")
                          .arg(m_server.name));
    auto dialect = Dialect::forBackend(m_server.backend);
    {
        QSqlDatabase db = QSqlDatabase::contains(m_qtName) ? QSqlDatabase::database(m_qtName, false)
                                                           : QSqlDatabase::addDatabase(dialect->qtDriver(), m_qtName);
        if (db.driverName() != dialect->qtDriver()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_qtName);
            db = QSqlDatabase::addDatabase(dialect->qtDriver(), m_qtName);
        }
        dialect->configure(db, m_server, m_databaseName, m_login.user, m_login.password);
        if (!db.open())
            throw DbError(QStringLiteral("Cannot connect to database \"%1\" on server \"%2\": %3")
                              .arg(m_databaseName, m_server.name, db.lastError().text()),
                          dialect->classify(db.lastError(), QString()));
    }
    m_dialect = std::move(dialect);
    m_open = true;
    ++m_generation;
    m_inTransaction = false;
    try {
        for (const QString& sql : m_dialect->sessionSetup())
            execSessionSetup(sql);
    } catch (const DbError& error) {
        // A file that is no database (truncated, overwritten) opens and fails here: the connection
        // must not count as open, and the message must say which database it is.
        close();
        throw DbError(QStringLiteral("Cannot open database \"%1\" on server \"%2\": %3")
                          .arg(m_databaseName, m_server.name, error.message()),
                      {error.kind(), error.column()});
    }
    if (m_onConnected)
        m_onConnected(*this);
}

void Connection::execSessionSetup(const QString& sql)
{
    const QDeadlineTimer deadline(m_dialect->sessionSetupRetryMs());
    for (int attempt = 1;; ++attempt) {
        try {
            execDirect(sql);
            return;
        } catch (const DbError& error) {
            if (error.kind() != DbFailure::TimedOut || deadline.hasExpired())
                throw;
        }
        // Counters that collided retry at different moments, so they do not collide again.
        QThread::msleep(std::min(100, 5 * attempt + QRandomGenerator::global()->bounded(10)));
    }
}

Query& Connection::statement(const QString& sql)
{
    // Statements whose text varies (multi-row inserts of each row count) stay few; should they
    // not, the kept ones start afresh.
    constexpr std::size_t kMostKept = 64;
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        if (m_statements.size() >= kMostKept)
            m_statements.clear();
        it = m_statements.emplace(sql, std::make_unique<Query>(*this, sql)).first;
    }
    return *it->second;
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_qtName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_qtName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_qtName);
    m_open = false;
    m_inTransaction = false;
    m_saving = false;
}

bool Connection::isOpen() const
{
    return m_open;
}

QSqlDatabase Connection::database()
{
    open();
    return QSqlDatabase::database(m_qtName, false);
}

const Dialect& Connection::dialect()
{
    open();
    return *m_dialect;
}

ColumnLimits& Connection::columnLimits()
{
    open();
    return m_columnLimits;
}

void Connection::execDirect(const QString& sql)
{
    open();
    const ServerWait wait(*this);
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_qtName, false));
        if (query.exec(sql))
            return;
        error = query.lastError();
    }
    fail(error, sql);
}

void Connection::fail(const QSqlError& error, const QString& statement)
{
    const int unansweredFor = m_wait && m_wait->finish() ? m_wait->limitSeconds() : 0;
    // Read before the probe below, which closes a connection found dead.
    const bool saving = m_saving;
    DbFailureClass failure = m_dialect ? m_dialect->classify(error, statement) : DbFailureClass{};
    if (!stillAnswers())
        failure = {DbFailure::ConnectionLost, {}};
    QString text = error.text();
    if (unansweredFor > 0) {
        // The driver only saw its socket closed; what happened is that the server stood still.
        failure = {DbFailure::ConnectionLost, {}};
        text = QStringLiteral("The database server \"%1\" did not answer within %2 s")
                   .arg(m_server.name)
                   .arg(unansweredFor);
        if (statement == QLatin1String("COMMIT"))
            text += QStringLiteral("; whether this save was stored is known once it answers again: look the document "
                                   "up before saving it anew");
        else if (saving)
            text += QStringLiteral("; nothing of this save was stored");
    } else if (failure.kind == DbFailure::TimedOut && m_inTransaction) {
        text = QStringLiteral("The database did not answer in time; nothing of this save was stored (%1)").arg(text);
    }
    throw DbError(text + QStringLiteral("\n") + statement, failure);
}

bool Connection::stillAnswers()
{
    // Inside a transaction a failed statement may leave the server refusing everything but a
    // rollback, so the probe waits until the transaction is over.
    if (!m_open || m_inTransaction)
        return true;
    bool alive = false;
    {
        QSqlDatabase db = QSqlDatabase::database(m_qtName, false);
        if (db.isOpen()) {
            const ServerWait wait(*this);
            QSqlQuery probe(db);
            alive = probe.exec(QStringLiteral("SELECT 1"));
        }
    }
    if (!alive)
        close();
    return alive;
}

void Connection::startTransaction()
{
    if (m_inTransaction)
        throw DbError(QStringLiteral("A transaction is already running on %1").arg(m_name));
    m_saving = true;
    try {
        execDirect(dialect().beginTransactionSql());
    } catch (...) {
        m_saving = false;
        throw;
    }
    m_inTransaction = true;
    try {
        for (const QString& sql : m_dialect->transactionSetup(m_server))
            execDirect(sql);
    } catch (const DbError&) {
        // No guard owns the transaction yet: end it here.
        try {
            rollback();
        } catch (const DbError&) {
        }
        throw;
    }
}

void Connection::commit()
{
    if (!m_inTransaction)
        throw DbError(QStringLiteral("No transaction to commit on %1").arg(m_name));
    execDirect(QStringLiteral("COMMIT"));
    m_inTransaction = false;
    m_saving = false;
}

void Connection::rollback()
{
    struct EndSaving
    {
        bool& saving;
        ~EndSaving() { saving = false; }
    } endSaving{m_saving};
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    // A connection already lost took its transaction along: the server has rolled it back.
    if (!m_open)
        return;
    const ServerWait wait(*this);
    const QString statement = QStringLiteral("ROLLBACK");
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_qtName, false));
        if (query.exec(statement))
            return;
        error = query.lastError();
    }
    // The backend may have ended the transaction itself (SQLite on a full disk), or the server
    // went away meanwhile: either way nothing of it remains, which is what a rollback is for.
    if (m_dialect->transactionAlreadyEnded(error) || !stillAnswers())
        return;
    fail(error, statement);
}

ServerWait::ServerWait(Connection& connection)
    : m_connection(connection)
    , m_outer(connection.m_wait)
{
    m_connection.m_wait = this;
    if (!connection.m_open || !connection.m_dialect)
        return;
    m_limitSeconds = connection.m_dialect->answerLimit(connection.m_server, connection.m_saving);
    if (m_limitSeconds <= 0)
        return;
    const int socket = connection.m_dialect->socketOf(QSqlDatabase::database(connection.m_qtName, false));
    m_ticket =
        AnswerWatchdog::instance().arm(socket, AnswerWatchdog::Clock::now() + std::chrono::seconds(m_limitSeconds));
}

ServerWait::~ServerWait()
{
    finish();
    m_connection.m_wait = m_outer;
}

bool ServerWait::finish()
{
    if (m_ticket != 0) {
        m_cut = AnswerWatchdog::instance().disarm(m_ticket);
        m_ticket = 0;
    }
    return m_cut;
}

Transaction::Transaction(Connection& connection)
    : m_connection(connection)
{
    if (!connection.inTransaction()) {
        connection.startTransaction();
        m_owner = true;
    }
}

Transaction::~Transaction()
{
    if (m_owner && !m_done) {
        try {
            m_connection.rollback();
        } catch (const DbError& error) {
            // The original error is what the user needs to see; a failed rollback ends the
            // transaction on the server anyway. It is only written down.
            qWarning("Rollback on %s failed: %s", qPrintable(m_connection.name()), qPrintable(error.message()));
        } catch (...) {
            qWarning("Rollback on %s failed", qPrintable(m_connection.name()));
        }
    }
}

void Transaction::commit()
{
    if (m_owner && !m_done)
        m_connection.commit();
    m_done = true;
}

} // namespace kvr::data
