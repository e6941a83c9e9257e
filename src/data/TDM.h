#pragma once

#include "data/Connection.h"
#include "data/Query.h"
#include "data/StoredProc.h"

#include <QDateTime>

#include <functional>

namespace kvr::data {

class CachedDataset;
class TDMConfig;

// Usage-log function identifiers of the suite's function list.
enum UsageFunction {
    UsageNewDocument = 1,
    UsageDocumentChanged = 2,
    UsageCancelled = 3,
    UsageShiftCreated = 4,
    UsagePrinted = 5,
    UsagePreviewed = 10
};

// The company database session (DMDATA): its connection and transactions, the company's
// Config row, currencies and accounting periods, document numbering and the usage log.
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

    // Where the few messages of this module go (the screens pass their message box).
    void setMessageHandler(std::function<void(const QString&)> handler) { m_message = std::move(handler); }

    // Numbering: the length of a document type's numbers (0 when unknown) and whether they are
    // drawn at save time (AutoNumbering).
    int GetDocumentLength(const QString& code);
    bool AutoNumbering() const { return m_autoNumbering; }
    QString DrawDocumentNo(const QString& code, const QDate& date);
    // Writes the header's pending insert or edit, drawing a number for an insert; the saved
    // header's id. Runs inside the caller's transaction.
    int PostWithNewNumber(CachedDataset& header, const QDate& date, const QString& code, const QString& numberField,
                          const QString& keyParam);
    int PostWithGivenNumber(CachedDataset& header, const QString& number, const QString& numberField,
                            const QString& keyParam);

    void AddUsageLog(int function, int documentId, const QString& remark);
    int LastIdentity();
    QDateTime ServerNow();
    bool IsWithinRunYear(const QDate& date);
    // False, with the message, when the accounting period of the date is locked.
    bool IsPeriodOpen(const QDateTime& date);

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
    int postHeader(CachedDataset& header, const QString& number, bool drawn, const QDate& date, const QString& code,
                   const QString& numberField, const QString& keyParam);
    void showMessage(const QString& text);
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
    std::function<void(const QString&)> m_message;
    bool m_autoNumbering = false;
    StoredProc m_spNextDocNo;
    StoredProc m_spAddLog;
    StoredProc m_spServerTime;
    // A type's own numbering and the one it shares, the shared first: one round trip for both.
    Query m_qDocumentLength;
    int m_mainCurrencyId = 0;
    QString m_mainCurrencyName;
};

} // namespace kvr::data
