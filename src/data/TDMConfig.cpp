#include "data/TDMConfig.h"

#include "data/ErrorLogText.h"
#include "data/SchemaScript.h"
#include "util/Flags.h"
#include "util/Workstation.h"

namespace kvr::data {

namespace {

// Kept in the form the suite's menu program also runs: each guarded, harmless to repeat.
const char* const kConfigUpgrade = R"(IF NOT EXISTS COLUMN Menu.Version
Alter Table Menu Add Version Integer
/
Update Menu Set Version = 3 Where Version Is Null And Command Is Not Null
/
IF NOT EXISTS COLUMN UserName.UserSeeImport
Alter Table UserName Add UserSeeImport Char(1)
/
IF NOT EXISTS COLUMN UserName.UserSeeCost
Alter Table UserName Add UserSeeCost Char(1)
/
)";

constexpr int kConfigSchemaVersion = 1;

} // namespace

TDMConfig::TDMConfig(const QString& workingDirectory)
    : m_workingDirectory(workingDirectory)
    , m_dmCfg(QStringLiteral("DmCfg"))
    , m_spMenuCaption(m_dmCfg, QStringLiteral("MENUCAPTION"))
    , m_qUser(
          m_dmCfg,
          QStringLiteral("select Code, fullname,languageno,EditSalePrice,Approve_Quo,Approve_SO,Approve_IV,Approve_PO, "
                         "Approved_PORQ, ApproveTranWH,ApproveTranBranch,ApproveWorkOrder,CanSeeCost,CanSeeSalePrice,"
                         "CanModifyCusSale, Approve_PreIs, CanModifyCusSale, ApproveCustomerDropUse, "
                         "ApproveCustomerDropCredit, Saleman, CanModifyCredit, CanSetProductBlock, CanSetProductMinus, "
                         "CanSaleCreditOnReturnCheque, UserSeeImport, UserSeeCost,CanSetOtherUserPass from username "
                         "where id=:uid"))
    , m_qCompanyConfig(m_dmCfg,
                       QStringLiteral("SELECT C.Company, C.PicturePath, C.Public_Price_IE, C.DefaultWh, C.POS1_Wh, "
                                      "C.POS1_TaxCode, C.POS1_Price_IE, C.POS1_PriceType, C.POS1_SumDetail, "
                                      "C.DefaultPosComPort,C.DefaultTax, C.DefaultPosMenuId,M.Command,M.MenuOption, "
                                      "O.Description, O.YearNo, P.Id, P.Code, P.Password, P.NameThai, P.NameEng, "
                                      "P.ShortName, P.Address1, P.Address2, P.Address3, P.Address4, P.Province, P.Zip, "
                                      "P.Telephone, P.Fax, P.EMail, P.Logo, P.TaxNo, P.InstallDate, P.RunYear, "
                                      "P.LocalServer,P.FUNDNAME, P.TaxBranchHead, P.TaxBranchCode, P.TaxBranchName "
                                      "FROM CompanyConfig C Inner Join DatabaseList O On (O.Company = C.Company) "
                                      "Inner Join Company P On (P.Id = O.Company) Left Outer Join Menu M On "
                                      "(M.Id = C.DefaultPosMenuId) Where (O.DatabaseName = :GetName)"))
    , m_qCompany(
          m_dmCfg,
          QStringLiteral("SELECT ID,CODE, PASSWORD, NAMETHAI, NAMEENG, SHORTNAME, ADDRESS1, ADDRESS2, ADDRESS3, "
                         "ADDRESS4, PROVINCE, ZIP, TELEPHONE, FAX, EMAIL, LOGO, TAXNO, RUNYEAR,FUNDNAME, "
                         "Coalesce(TaxBranchHead, 'N') TaxBranchHead, Coalesce(TaxBranchCode, '') TaxBranchCode, "
                         "TaxBranchName FROM COMPANY Where (Id = (Select Distinct Company From DatabaseList "
                         "Where DatabaseName = :GetName))"))
{
    m_dmCfg.setConnectHandler([this](Connection& c) { connectConfig(c); });
    m_dmCfg.setConnectedHandler([this](Connection& c) { configConnected(c); });
}

QString TDMConfig::configDatabaseName(const ServerSpec& server, const Login& login)
{
    const auto dialect = Dialect::forBackend(server.backend);
    return dialect->databaseExists(server, QStringLiteral("KVR_Config_MTW"), login.user, login.password)
        ? QStringLiteral("KVR_CONFIG_MTW")
        : QStringLiteral("KVR_CONFIG");
}

void TDMConfig::connectConfig(Connection& connection)
{
    const ServerSpec server = ServerSpec::ofWorkingDirectory(m_workingDirectory);
    const Login login = Login::fromIni(m_workingDirectory);
    const QString database = server.backend == ServerSpec::Backend::SqlServer ? QStringLiteral("KVR_CONFIG")
                                                                              : configDatabaseName(server, login);
    connection.setTarget(server, database, login);
}

void TDMConfig::configConnected(Connection& connection)
{
    upgradeSchema(connection, QStringLiteral("config"), kConfigSchemaVersion,
                  SchemaScript::fromResource(QStringLiteral(":/schema/config.sql")));
    SchemaScript::fromText(QString::fromUtf8(kConfigUpgrade)).run(connection);
}

void TDMConfig::CheckRight(int menuId, int userId)
{
    m_spMenuCaption.clearParams();
    m_spMenuCaption.setParam(QStringLiteral("@MENUID"), menuId);
    m_spMenuCaption.setParam(QStringLiteral("@USERID"), userId);
    m_spMenuCaption.execProc();
    const auto out = [this](const char* name) { return m_spMenuCaption.param(QString::fromLatin1(name)).toString(); };
    m_session.MenuId = menuId;
    m_session.UserId = userId;
    m_session.MenuCaption = out("@CAPTION").trimmed();
    m_session.UserCode = out("@USERCODE");
    m_session.ACCESS_R = util::isFlagSet(out("@ACCESS_R"));
    m_session.ADD_R = util::isFlagSet(out("@ADD_R"));
    m_session.MODIFY_R = util::isFlagSet(out("@MODIFY_R"));
    m_session.DELETE_R = util::isFlagSet(out("@DELETE_R"));

    m_qUser.close();
    m_qUser.setParam(QStringLiteral("uid"), userId);
    m_qUser.open();
    m_session.ThaiLanguage = !m_qUser.isEmpty() && !m_qUser.field(QStringLiteral("languageno")).isNull() &&
        m_qUser.field(QStringLiteral("languageno")).asInteger() == 1;
    m_session.EditSalePrice = util::isFlagSet(m_qUser.field(QStringLiteral("EditSalePrice")).asString());
    m_session.CanModifyCusSale = util::isFlagSet(m_qUser.field(QStringLiteral("CanModifyCusSale")).asString());
    m_qUser.close();

    const bool thai = m_session.ThaiLanguage;
    m_session.SaveQuestion = thai ? QStringLiteral("จัดเก็บข้อมูล ?") : QStringLiteral("Save Data ?");
    m_session.DeleteQuestion = thai ? QStringLiteral("ลบข้อมูล ?") : QStringLiteral("Delete Data ?");
    m_session.ExitQuestion = thai ? QStringLiteral("ออกจากโปรแกรม ?") : QStringLiteral("Exit Program ?");
}

void TDMConfig::GetCompanyConfig(const QString& companyCode)
{
    const QString name = companyCode.toUpper();
    m_session.QdwSite = name.left(3).toUpper() == QLatin1String("QDW");
    m_qCompanyConfig.close();
    m_qCompanyConfig.setParam(QStringLiteral("GetName"), name);
    m_qCompanyConfig.open();
    if (m_qCompanyConfig.isEmpty())
        throw CompanyNotFound(QStringLiteral("Not Found Database : ") + name);
    m_session.CompanyId = m_qCompanyConfig.field(QStringLiteral("Id")).asInteger();
    m_session.CompanyNameThai = m_qCompanyConfig.field(QStringLiteral("NameThai")).asString();
    m_session.CompanyDbName = name;
    m_session.Pos1_PriceType = m_qCompanyConfig.field(QStringLiteral("Pos1_PriceType")).asInteger();

    m_qCompany.close();
    m_qCompany.setParam(QStringLiteral("GetName"), name);
    m_qCompany.open();
}

void TDMConfig::AddErrorLog(const QString& message)
{
    StoredProc spErrorLog(m_dmCfg, QStringLiteral("AddErrorLog"));
    spErrorLog.setParam(QStringLiteral("@CompName"), util::ComputerName());
    spErrorLog.setParam(QStringLiteral("@LogName"), util::LoginUserName().toUpper());
    spErrorLog.setParam(QStringLiteral("@UserId"), m_session.UserId);
    spErrorLog.setParam(QStringLiteral("@MenuId"), m_session.MenuId);
    // The log is read by many; a card number typed into a field must not reach it whole.
    spErrorLog.setParam(QStringLiteral("@ErrorMsg"), errorLogText(message));
    spErrorLog.execProc();
}

} // namespace kvr::data
