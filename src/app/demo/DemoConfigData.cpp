#include "app/demo/BatchInserter.h"
#include "app/demo/DemoShop.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "util/ThaiTaxId.h"

#include <QDateTime>

namespace kvr::demo {

namespace {

struct MenuItem
{
    int id;
    const char* thai;
    const char* english;
};

// One menu item per program number (menu id = 100 + program number).
const MenuItem kMenu[] = {
    {ids::menuSale, "ขายสดสินค้า", "Cash Sale (Goods)"},
    {ids::menuMachines, "ทะเบียนเครื่องขายสด", "POS Machine Register"},
    {ids::menuCancel, "ยกเลิกขายสดใบกำกับภาษีอย่างย่อ", "Cancel POS Bill"},
    {ids::menuFullTax, "พิมพ์ใบกำกับภาษีอย่างเต็ม", "Full Tax Invoice"},
    {ids::menuFullTax2, "พิมพ์ใบกำกับภาษีอย่างเต็ม (อ้าง PosHeader)", "Full Tax Invoice (PosHeader)"},
    {ids::menuServiceSale, "ขายสดบริการ", "Cash Sale (Services)"},
    {ids::menuMiscSale, "ขายสด เบ็ดเตล็ด", "Cash Sale (Miscellaneous)"},
    {ids::menuSaleNoZero, "ขายสดสินค้า (ไม่รับราคา 0)", "Cash Sale (Goods, No Zero Price)"},
};

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

int writeUsers(data::Connection& config)
{
    const QStringList flagColumns = {
        QStringLiteral("EditSalePrice"),
        QStringLiteral("CanSeeCost"),
        QStringLiteral("CanSeeSalePrice"),
        QStringLiteral("CanModifyCusSale"),
        QStringLiteral("CanModifyCredit"),
        QStringLiteral("CanSetProductBlock"),
        QStringLiteral("CanSetProductMinus"),
        QStringLiteral("CanSaleCreditOnReturnCheque"),
        QStringLiteral("CanSetOtherUserPass"),
        QStringLiteral("Approve_Quo"),
        QStringLiteral("Approve_SO"),
        QStringLiteral("Approve_IV"),
        QStringLiteral("Approve_PO"),
        QStringLiteral("Approved_PORQ"),
        QStringLiteral("Approve_PreIs"),
        QStringLiteral("ApproveTranWH"),
        QStringLiteral("ApproveTranBranch"),
        QStringLiteral("ApproveWorkOrder"),
        QStringLiteral("ApproveCustomerDropUse"),
        QStringLiteral("ApproveCustomerDropCredit"),
        QStringLiteral("UserSeeImport"),
        QStringLiteral("UserSeeCost"),
    };
    struct User
    {
        int id;
        const char* code;
        const char* fullName;
        int language;
        int salesman;
        const char* flags;
    };
    const User users[] = {
        {ids::userThai, "SOMCHAI", "สมชาย ใจดี (ผู้จัดการร้าน)", 1, 1, "Y"},
        {ids::userEnglish, "DAVID", "David Turner (Store Supervisor)", 2, 2, "Y"},
        {ids::userNoAccess, "MANEE", "มานี รักเรียน (พนักงานฝึกหัด)", 1, 3, "N"},
    };
    QStringList columns = {QStringLiteral("Id"), QStringLiteral("Code"), QStringLiteral("FullName"),
                           QStringLiteral("LanguageNo"), QStringLiteral("Saleman")};
    columns += flagColumns;
    // Every user row has the same shape; the flags are all granted or all withheld.
    data::Query insert(config,
                       QStringLiteral("INSERT INTO UserName (%1) VALUES (:%2)")
                           .arg(columns.join(QStringLiteral(", ")), columns.join(QStringLiteral(", :"))));
    for (const User& user : users) {
        insert.setParam(QStringLiteral("Id"), user.id);
        insert.setParam(QStringLiteral("Code"), utf8(user.code));
        insert.setParam(QStringLiteral("FullName"), utf8(user.fullName));
        insert.setParam(QStringLiteral("LanguageNo"), user.language);
        insert.setParam(QStringLiteral("Saleman"), user.salesman);
        for (const QString& flag : flagColumns)
            insert.setParam(flag, utf8(user.flags));
        insert.execSql();
    }
    return int(std::size(users));
}

int writeMenuAndRights(data::Connection& config)
{
    BatchInserter menu(config, QStringLiteral("Menu"),
                       QStringLiteral("Id, Caption, CaptionEng, Command, MenuOption, Version"));
    BatchInserter rights(config, QStringLiteral("UserRight"),
                         QStringLiteral("UserId, MenuId, ACCESS_R, ADD_R, MODIFY_R, DELETE_R"));
    for (const MenuItem& item : kMenu) {
        menu.add({item.id, utf8(item.thai), utf8(item.english), QStringLiteral("kvrpos"),
                  QString::number(item.id - 100), 3});
        for (int user : {ids::userThai, ids::userEnglish}) {
            const QString y = QStringLiteral("Y");
            rights.add({user, item.id, y, y, y, y});
        }
        // Written out rather than left missing, so the refusal is visible in the rights screen too.
        const QString n = QStringLiteral("N");
        rights.add({ids::userNoAccess, item.id, n, n, n, n});
    }
    menu.finish();
    rights.finish();
    return int(rights.rowCount());
}

void writeFunctionList(data::Connection& config)
{
    BatchInserter functions(config, QStringLiteral("FunctionList"), QStringLiteral("Id, Description"));
    functions.add({1, QStringLiteral("บันทึกเอกสารใหม่")});
    functions.add({2, QStringLiteral("แก้ไขเอกสาร")});
    functions.add({3, QStringLiteral("ยกเลิกเอกสาร")});
    functions.add({4, QStringLiteral("เปิดกะทำงาน")});
    functions.add({5, QStringLiteral("พิมพ์เอกสาร")});
    functions.add({10, QStringLiteral("แสดงเอกสารบนจอภาพ")});
    functions.finish();
}

void writeCompany(data::Connection& config, const DemoShop& shop)
{
    BatchInserter company(
        config, QStringLiteral("Company"),
        QStringLiteral("Id, Code, Password, NameThai, NameEng, ShortName, Address1, Address2, Address3, Address4, "
                       "Province, Zip, Telephone, Fax, EMail, TaxNo, InstallDate, RunYear, LocalServer, FUNDNAME, "
                       "TaxBranchHead, TaxBranchCode, TaxBranchName"));
    company.add({ids::company,
                 QStringLiteral("DEMO"),
                 QString(),
                 QStringLiteral("บริษัท ร้านค้าสาธิต จำกัด"),
                 QStringLiteral("Demo Retail Co., Ltd."),
                 QStringLiteral("ร้านค้าสาธิต"),
                 QStringLiteral("เลขที่ 99/9 อาคารสาธิตพลาซ่า ชั้น 1"),
                 QStringLiteral("ถนนสุขุมวิท แขวงคลองเตยเหนือ"),
                 QStringLiteral("เขตวัฒนา"),
                 QString(),
                 QStringLiteral("กรุงเทพมหานคร"),
                 QStringLiteral("10110"),
                 QStringLiteral("02-123-4567"),
                 QStringLiteral("02-123-4568"),
                 QStringLiteral("contact@demo-shop.example"),
                 withThaiTaxCheckDigit(QStringLiteral("010556012345")),
                 QDate(shop.runYear - 1, 1, 2).startOfDay(),
                 shop.runYear,
                 config.server().name.trimmed(),
                 QString(),
                 QStringLiteral("Y"),
                 QStringLiteral("00000"),
                 QStringLiteral("สำนักงานใหญ่")});
    company.finish();

    BatchInserter companyConfig(
        config, QStringLiteral("CompanyConfig"),
        QStringLiteral("Id, Company, PicturePath, Public_Price_IE, DefaultWh, DefaultTax, POS1_Wh, POS1_TaxCode, "
                       "POS1_Price_IE, POS1_PriceType, POS1_SumDetail, DefaultPosComPort, DefaultPosMenuId"));
    companyConfig.add({1, ids::company, QString(), QStringLiteral("I"), ids::warehouseMain, ids::taxVat7,
                       ids::warehouseMain, ids::taxVat7, QStringLiteral("I"), ids::priceRetail, QStringLiteral("N"),
                       QStringLiteral("COM1:"), ids::menuSale});
    companyConfig.finish();

    BatchInserter databases(config, QStringLiteral("DatabaseList"),
                            QStringLiteral("Id, Company, DatabaseName, Description, YearNo"));
    databases.add({1, ids::company, QStringLiteral("DEMO"), QStringLiteral("ร้านค้าสาธิต (ข้อมูลตัวอย่าง)"), shop.runYear});
    databases.finish();
}

} // namespace

QString withThaiTaxCheckDigit(const QString& twelveDigits)
{
    return twelveDigits + util::thaiTaxIdCheckDigit(twelveDigits);
}

QString fillConfigDatabase(data::Connection& config, DemoShop& shop)
{
    const int users = writeUsers(config);
    const int rights = writeMenuAndRights(config);
    writeFunctionList(config);
    writeCompany(config, shop);
    syncIdentities(config,
                   {QStringLiteral("UserName"), QStringLiteral("Menu"), QStringLiteral("FunctionList"),
                    QStringLiteral("Company"), QStringLiteral("CompanyConfig"), QStringLiteral("DatabaseList")});
    return QStringLiteral("%1 users, %2 menu items, %3 rights, company DEMO")
        .arg(users)
        .arg(std::size(kMenu))
        .arg(rights);
}

void syncIdentities(data::Connection& connection, const QStringList& tables)
{
    for (const QString& table : tables) {
        const QString sql = connection.dialect().syncIdentitySql(table);
        if (!sql.isEmpty())
            data::Query(connection, sql).open();
    }
}

} // namespace kvr::demo
