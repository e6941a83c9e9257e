#pragma once

#include "data/Connection.h"
#include "data/Query.h"
#include "data/SessionContext.h"
#include "data/StoredProc.h"

#include <stdexcept>

namespace kvr::data {

// The company code names no database of the suite; start-up shows the message and ends.
class CompanyNotFound : public std::runtime_error
{
public:
    explicit CompanyNotFound(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The configuration database session (DmCfg) and the session context: user, menu rights,
// language and company.
class TDMConfig
{
public:
    explicit TDMConfig(const QString& workingDirectory);

    Connection& DmCfg() { return m_dmCfg; }
    const SessionContext& session() const { return m_session; }
    SessionContext& mutableSession() { return m_session; }
    const QString& workingDirectory() const { return m_workingDirectory; }

    void CheckRight(int menuId, int userId);
    // Raises CompanyNotFound with "Not Found Database : " + the upper-cased name.
    void GetCompanyConfig(const QString& companyCode);

    // The company's row, left open for the receipts.
    Query& QCompany() { return m_qCompany; }
    Query& QCompanyConfig() { return m_qCompanyConfig; }

    // Writes the error, exactly as raised, into the suite's error log with the workstation, the
    // login, the user and the menu item. Raises when the log cannot be written.
    void AddErrorLog(const QString& message);

    // The configuration database this server holds: KVR_CONFIG_MTW when present, else KVR_CONFIG.
    static QString configDatabaseName(const ServerSpec& server, const Login& login);

private:
    void connectConfig(Connection& connection);
    void configConnected(Connection& connection);

    QString m_workingDirectory;
    Connection m_dmCfg;
    SessionContext m_session;
    StoredProc m_spMenuCaption;
    Query m_qUser;
    Query m_qCompanyConfig;
    Query m_qCompany;
};

} // namespace kvr::data
