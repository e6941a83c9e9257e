#pragma once

#include "data/Connection.h"
#include "data/ServerName.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"

#include <QString>
#include <memory>

namespace kvr::demo {

// The configuration database and the company database DEMO on the server named by the options.
// They are created empty and then connected the way the program connects them, so that the
// sessions' own connect handlers lay down the schema.
class DemoDatabases
{
public:
    static const QString kCompanyDatabase;

    DemoDatabases(const QString& serverName, const QString& workingDirectory);

    const data::ServerSpec& server() const { return m_server; }
    const QString& configDatabase() const { return m_configDatabase; }

    // "Server.Dat": the server name on the first line, as the program reads it.
    void writeServerDat() const;
    // True when either database exists and already holds users, products or settings.
    bool holdData() const;
    void drop() const;
    // Creates the databases that do not exist; the names of those created.
    QStringList createMissing() const;
    // Opens both sessions; their connect handlers bring the schema up to date.
    void connect();

    data::Connection& config() { return m_config->DmCfg(); }
    data::Connection& company() { return m_company->DMdata(); }

private:
    bool holdsData(const QString& database, const QStringList& tables) const;

    QString m_serverName;
    QString m_workingDirectory;
    data::ServerSpec m_server;
    data::Login m_login;
    QString m_configDatabase;
    std::unique_ptr<data::TDMConfig> m_config;
    std::unique_ptr<data::TDM> m_company;
};

} // namespace kvr::demo
