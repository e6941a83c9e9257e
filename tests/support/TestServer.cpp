#include "support/TestServer.h"

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace kvr::test {

namespace {

// The test run's server: KVR_TEST_PG ("host:port") when set by hand, else the address file
// the server's start-up wrote.
QString pgAddress()
{
    if (qEnvironmentVariableIsSet("KVR_TEST_PG"))
        return qEnvironmentVariable("KVR_TEST_PG");
    QFile file(qEnvironmentVariable("KVR_TEST_PG_ADDRESS_FILE"));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

// Runs statements as the program's login on the server's maintenance database.
void onMaster(const std::function<void(QSqlQuery&)>& fn)
{
    const QString name = QStringLiteral("testmaster-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        const data::ServerSpec spec = data::ServerSpec::parse(QStringLiteral("pgsql:") + pgAddress(), QString());
        const auto dialect = data::Dialect::forBackend(spec.backend);
        const data::Login login;
        QSqlDatabase db = QSqlDatabase::addDatabase(dialect->qtDriver(), name);
        dialect->configure(db, spec, QStringLiteral("postgres"), login.user, login.password);
        if (!db.open())
            throw std::runtime_error(("Test PostgreSQL server unreachable: " + db.lastError().text()).toStdString());
        QSqlQuery q(db);
        fn(q);
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

std::string backendName(const ::testing::TestParamInfo<BackendKind>& info)
{
    return info.param == BackendKind::Sqlite ? "Sqlite" : "Postgres";
}

bool TestServer::postgresAvailable()
{
    return !pgAddress().isEmpty();
}

TestServer::TestServer(BackendKind kind)
    : m_kind(kind)
{
    if (kind == BackendKind::Sqlite) {
        m_serverName = QStringLiteral("sqlite:db");
        QDir().mkpath(m_workDir.filePath(QStringLiteral("db")));
    } else {
        m_serverName = QStringLiteral("pgsql:") + pgAddress();
        dropAll();
    }
    writeServerDat(m_serverName);
}

TestServer::~TestServer()
{
    if (m_kind == BackendKind::Postgres) {
        try {
            dropAll();
        } catch (...) {
        }
    }
}

void TestServer::writeServerDat(const QString& firstLine) const
{
    if (!writeFile(m_workDir.filePath(QStringLiteral("Server.Dat")), firstLine.toUtf8() + "\r\n"))
        throw std::runtime_error("cannot write Server.Dat");
}

void TestServer::dropAll() const
{
    if (m_kind == BackendKind::Sqlite) {
        QDir dir(m_workDir.filePath(QStringLiteral("db")));
        for (const QString& f : dir.entryList(QDir::Files))
            dir.remove(f);
        return;
    }
    onMaster([](QSqlQuery& q) {
        QStringList names;
        q.exec(QStringLiteral("SELECT datname FROM pg_database WHERE NOT datistemplate AND datname <> 'postgres'"));
        while (q.next())
            names << q.value(0).toString();
        for (const QString& n : names) {
            if (!q.exec(QStringLiteral("DROP DATABASE \"%1\" WITH (FORCE)").arg(n)))
                throw std::runtime_error(q.lastError().text().toStdString());
        }
    });
}

void TestServer::createDatabase(const QString& name) const
{
    const data::Login login;
    data::Dialect::forBackend(m_kind)->createDatabase(spec(), name, login.user, login.password);
}

std::unique_ptr<data::Connection> TestServer::connection(const QString& databaseName) const
{
    auto c = std::make_unique<data::Connection>(databaseName);
    c->setTarget(spec(), databaseName, data::Login());
    return c;
}

void BackendTest::SetUp()
{
    if (GetParam() == BackendKind::Postgres && !TestServer::postgresAvailable())
        GTEST_SKIP() << "KVR_TEST_PG is not set: run through ctest, which starts the PostgreSQL test server";
    server = std::make_unique<TestServer>(GetParam());
}

} // namespace kvr::test
