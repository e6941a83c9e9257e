#pragma once

#include "data/Connection.h"
#include "data/Query.h"

#include <functional>

namespace kvr::data {

class TDMConfig;

// The company database session (DMDATA): its connection and transactions, the company's
// Config row, currencies and accounting periods.
class TDM
{
public:
    TDM(TDMConfig& config, const QString& workingDirectory);

    Connection& DMdata() { return m_dmData; }
    TDMConfig& config() { return m_config; }

    // Command-line parameter 3; the connection uses it trimmed, case unchanged.
    void setCompanyCode(const QString& code) { m_companyCode = code; }
    const QString& companyDatabaseName() const { return m_companyDatabaseName; }
    // Runs once the company database is open and its shared datasets are loaded (closes the splash).
    void setAfterConnect(std::function<void()> handler) { m_afterConnect = std::move(handler); }

    void StartTransaction() { m_dmData.startTransaction(); }
    void Commit() { m_dmData.commit(); }
    void Rollback() { m_dmData.rollback(); }

    Query& QConfig() { return m_qConfig; }
    Query& QMiscCurrency() { return m_qMiscCurrency; }
    Query& QchkPeriod() { return m_qchkPeriod; }
    int MainCurrencyId() const { return m_mainCurrencyId; }
    const QString& MainCurrencyName() const { return m_mainCurrencyName; }

private:
    void connectCompany(Connection& connection);
    void companyConnected(Connection& connection);

    TDMConfig& m_config;
    QString m_workingDirectory;
    Connection m_dmData;
    QString m_companyCode;
    QString m_companyDatabaseName;
    std::function<void()> m_afterConnect;
    Query m_qConfig;
    Query m_qMiscCurrency;
    Query m_qchkPeriod;
    int m_mainCurrencyId = 0;
    QString m_mainCurrencyName;
};

} // namespace kvr::data
