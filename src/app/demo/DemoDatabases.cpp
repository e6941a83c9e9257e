#include "app/demo/DemoDatabases.h"

#include "data/DbError.h"
#include "data/Query.h"

#include <QDir>
#include <QFile>

namespace kvr::demo {

namespace {

std::unique_ptr<data::Dialect> dialectFor(const data::ServerSpec& server)
{
    return data::Dialect::forDriver(server.backend == data::ServerSpec::Backend::Sqlite ? QStringLiteral("QSQLITE")
                                                                                        : QStringLiteral("QPSQL"));
}

} // namespace

const QString DemoDatabases::kCompanyDatabase = QStringLiteral("DEMO");

DemoDatabases::DemoDatabases(const QString& serverName, const QString& workingDirectory)
    : m_serverName(serverName)
    , m_workingDirectory(workingDirectory)
    , m_server(data::ServerSpec::parse(serverName, workingDirectory))
    , m_login(data::Login::fromIni(workingDirectory))
{
    if (m_server.backend == data::ServerSpec::Backend::SqlServer)
        throw data::DbError(
            QStringLiteral("The server \"%1\" is neither sqlite:FOLDER nor pgsql:HOST[:PORT]").arg(serverName));
    // The program picks KVR_CONFIG_MTW where a server has it; the demo fills the one it will pick.
    m_configDatabase = data::TDMConfig::configDatabaseName(m_server, m_login);
}

void DemoDatabases::writeServerDat() const
{
    QFile file(QDir(m_workingDirectory).filePath(QStringLiteral("Server.Dat")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_serverName.toUtf8() + "\r\n") < 0)
        throw data::DbError(QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()));
}

bool DemoDatabases::holdsData(const QString& database, const QStringList& tables) const
{
    if (!dialectFor(m_server)->databaseExists(m_server, database, m_login.user, m_login.password))
        return false;
    data::Connection probe(QStringLiteral("DemoProbe"));
    probe.setTarget(m_server, database, m_login);
    for (const QString& table : tables) {
        data::Query exists(probe, probe.dialect().tableExistsSql());
        exists.setParam(QStringLiteral("TableName"), table);
        exists.open();
        if (exists.isEmpty())
            continue;
        data::Query rows(probe, probe.dialect().limit(QStringLiteral("SELECT 1 AS Found FROM ") + table, 1));
        rows.open();
        if (!rows.isEmpty())
            return true;
    }
    return false;
}

bool DemoDatabases::holdData() const
{
    return holdsData(m_configDatabase,
                     {QStringLiteral("UserName"), QStringLiteral("Menu"), QStringLiteral("DatabaseList")}) ||
        holdsData(kCompanyDatabase, {QStringLiteral("Config"), QStringLiteral("Product"), QStringLiteral("PosHd")});
}

void DemoDatabases::drop() const
{
    const auto dialect = dialectFor(m_server);
    for (const QString& database : {m_configDatabase, kCompanyDatabase})
        dialect->dropDatabase(m_server, database, m_login.user, m_login.password);
}

QStringList DemoDatabases::createMissing() const
{
    const auto dialect = dialectFor(m_server);
    QStringList created;
    for (const QString& database : {m_configDatabase, kCompanyDatabase}) {
        if (!dialect->databaseExists(m_server, database, m_login.user, m_login.password)) {
            dialect->createDatabase(m_server, database, m_login.user, m_login.password);
            created << database;
        }
    }
    return created;
}

void DemoDatabases::connect()
{
    m_config = std::make_unique<data::TDMConfig>(m_workingDirectory);
    m_company = std::make_unique<data::TDM>(*m_config, m_workingDirectory);
    m_company->setCompanyCode(kCompanyDatabase);
    m_config->DmCfg().open();
    m_company->DMdata().open();
}

} // namespace kvr::demo
