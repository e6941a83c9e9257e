#include "data/TDM.h"

#include "data/SchemaScript.h"
#include "data/TDMConfig.h"

namespace kvr::data {

namespace {

constexpr int kCompanySchemaVersion = 5;

// Each currency with its own latest exchange row dated on or before today. Ranking all
// currencies together, as the suite once did, blanked every currency but the one with the
// newest date.
QString miscCurrencySql(const Dialect& dialect)
{
    return QStringLiteral(
               "Select M.*, C.PurcScrap, C.PurcPart, C.PurcRate, C.SaleScrap, C.SalePart, C.SaleRate From Misc M "
               "Left Join (Select Currency, PurcScrap, PurcPart, PurcRate, SaleScrap, SalePart, SaleRate From "
               "(Select ROW_NUMBER() Over (Partition By C.Currency Order By C.ExchangeDate Desc, C.Id Desc) AS "
               "RowNumber, "
               "C.Currency, C.PurcScrap, C.PurcPart, C.PurcRate, C.SaleScrap, C.SalePart, C.SaleRate From CurrencyEx C "
               "Where %1 <= %2) As C Where RowNumber = 1) As C On (C.Currency = M.Id) "
               "Where M.GroupCode = 'CURRENCY' Order by M.OrderNo")
        .arg(dialect.dateOnly(QStringLiteral("C.ExchangeDate")), dialect.today());
}

} // namespace

TDM::TDM(TDMConfig& config, const QString& workingDirectory)
    : m_config(config)
    , m_workingDirectory(workingDirectory)
    , m_dmData(QStringLiteral("DMDATA"))
    , m_qConfig(m_dmData,
                QStringLiteral("SELECT * ,(Select M.Code From Misc M Where M.Id = MainCurrencyId) "
                               "MainCurrencyCode ,(Select M.Description From Misc M Where M.Id = "
                               "MainCurrencyId) MainCurrencyName FROM Config"))
    , m_qMiscCurrency(m_dmData)
    , m_qchkPeriod(m_dmData, QStringLiteral("select * from accountperiod order by accountyear desc"))
    , m_spNextDocNo(m_dmData, QStringLiteral("NewDocumentNo"))
    , m_spAddLog(m_dmData, QStringLiteral("UserAddLog"))
    , m_spServerTime(m_dmData, QStringLiteral("ServerTime"))
    , m_qDocumentLength(m_dmData,
                        QStringLiteral("SELECT 1 AS Shared, D.DocumentLength, D.AutoRun FROM DocNoConvert V "
                                       "Inner Join DocumentNo D On (V.DocumentNo = D.Id) "
                                       "WHERE (V.Code = :GetCode) And (V.DocYear = :GetYear) "
                                       "UNION ALL SELECT 0, D.DocumentLength, D.AutoRun FROM DocumentNo D "
                                       "WHERE (D.Code = :GetCode) And (D.DocYear = :GetYear) ORDER BY 1 DESC"))
{
    m_dmData.setConnectHandler([this](Connection& c) { connectCompany(c); });
    m_dmData.setConnectedHandler([this](Connection& c) { companyConnected(c); });
}

void TDM::connectCompany(Connection& connection)
{
    m_companyDatabaseName = m_companyCode.trimmed();
    const ServerSpec server = ServerSpec::ofWorkingDirectory(m_workingDirectory);
    connection.setTarget(server, m_companyDatabaseName, Login::fromIni(m_workingDirectory));
}

void TDM::companyConnected(Connection& connection)
{
    upgradeSchema(connection, QStringLiteral("company"), kCompanySchemaVersion,
                  SchemaScript::fromResource(QStringLiteral(":/schema/company.sql")));
    m_qConfig.open();
    m_qchkPeriod.open();
    m_mainCurrencyId = m_qConfig.field(QStringLiteral("MainCurrencyId")).asInteger();
    m_mainCurrencyName = m_qConfig.field(QStringLiteral("MainCurrencyName")).asString();
    if (m_afterConnect)
        m_afterConnect();
    m_qMiscCurrency.setSql(miscCurrencySql(connection.dialect()));
    m_qMiscCurrency.open();
}

} // namespace kvr::data
