#include "SearchFixture.h"

#include "support/SessionSeed.h"

namespace kvr::test {

bool ScriptedSearchRunner::run(search::SearchScreen& search)
{
    ran << search.caption();
    return m_script && m_script(search);
}

bool ScriptedSearchRunner::choose(search::SearchScreen& search,
                                  const std::vector<std::pair<QString, QString>>& criteria, const QString& key)
{
    search.FormShow();
    for (const auto& [name, text] : criteria)
        search.setCriterion(name, text);
    search.BtSearchClick();
    data::CachedDataset& result = search.QSearch();
    for (int row = 0; row < result.recordCount(); ++row) {
        if (result.fieldAt(row, search.keyColumn()).asString() == key) {
            result.setRecNo(row);
            return search.BtOkClick();
        }
    }
    return false;
}

void SearchFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    seedSession(*server);
    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(101, 1);
    config->GetCompanyConfig(QStringLiteral("SHOP"));
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(QStringLiteral("SHOP"));

    exec(QStringLiteral("INSERT INTO Config (RunYear, CheckUserWarehouseFlag) VALUES (2026, 'N')"));
    exec(QStringLiteral("INSERT INTO Tax (Id, Code, Description, Rate) VALUES (1, 'V7', 'ภาษี 7%', 7), "
                        "(2, 'V0', 'ยกเว้นภาษี', 0)"));
    exec(QStringLiteral("INSERT INTO Misc (Id, GroupCode, Code, Description) VALUES "
                        "(1, 'DEPARTMENT', 'SALE', 'ฝ่ายขายหน้าร้าน'), (2, 'DEPARTMENT', 'ACC', 'บัญชี'), "
                        "(3, 'CITY', 'BKK', 'กรุงเทพมหานคร'), (4, 'CITY', 'CNX', 'เชียงใหม่'), "
                        "(5, 'REM_SALE', 'R1', 'ลูกค้าประจำ'), (6, 'REM_SALE', 'R2', 'ส่งของทางไปรษณีย์')"));
    exec(QStringLiteral("INSERT INTO Salesman (Id, Code, Name, SurName, Status) VALUES "
                        "(1, 'S01', 'สมศรี', 'ใจดี', 'Y'), (2, 'S02', 'สมปอง', 'ลาออก', 'N'), "
                        "(3, 'S03', 'Somsak', 'Rakdee', 'Y')"));
    exec(QStringLiteral("INSERT INTO Warehouse (Id, Code, Name) VALUES (1, 'MAIN', 'หน้าร้าน'), "
                        "(2, 'BACK', 'หลังร้าน'), (3, 'RMA', 'สินค้ารับคืน')"));
    exec(QStringLiteral("INSERT INTO UserWarehouse (UserName, Warehouse) VALUES (1, 1), (1, 3), (2, 2)"));
    exec(QStringLiteral(
        "INSERT INTO Customer (Id, Code, Name, NameEng, Province, Salesman, PhoneNo, Blocked, StoreCode) "
        "VALUES (1, 'C001', 'ลูกค้าทั่วไป', 'Walk-in', 3, 1, '021234567', 'N', NULL), "
        "(2, 'C002', 'บริษัท ดีมาก จำกัด', 'Deemak Co.', 4, 3, '053111222', 'N', NULL), "
        "(3, 'C003', 'ร้านสาขาลาดพร้าว', 'Ladprao branch', 3, 1, NULL, 'N', 'B01'), "
        "(4, 'C004', 'ลูกค้าถูกระงับ', 'Blocked one', 3, 1, NULL, 'Y', NULL)"));
    exec(QStringLiteral("INSERT INTO CompanyBank (Id, BankCode, BankName, AccountNo, Blocked) VALUES "
                        "(1, 'KBANK', 'กสิกรไทย สาขาสีลม', '123-4-56789-0', 'N'), (2, 'SCB', 'ไทยพาณิชย์', '987', 'Y'), "
                        "(3, 'BBL', 'กรุงเทพ', '555', NULL)"));
    exec(QStringLiteral("INSERT INTO PosMachineNo (Id, MachineCode, Location, Remark) VALUES "
                        "(1, 'POS01', 'หน้าร้าน ชั้น 1', 'เครื่องหลัก'), (2, 'POS02', 'Counter 2', NULL), "
                        "(3, 'POS03', NULL, 'ยังไม่ติดตั้ง')"));
    exec(QStringLiteral(
        "INSERT INTO Product (Id, Code, ThaiName, EngName, PosName, ProductType, Blocked, MasterCode) VALUES "
        "(1, 'P001', 'น้ำดื่ม 600 มล.', 'Drinking water', 'น้ำดื่ม', 'P', 'N', 'N'), "
        "(2, 'P002', 'สบู่เหลว', 'Liquid soap', 'สบู่', 'P', 'Y', 'N'), "
        "(3, 'P003', 'เสื้อ (แม่แบบ)', 'Shirt master', 'เสื้อ', 'P', 'N', 'Y'), "
        "(4, 'S001', 'ค่าติดตั้ง', 'Installation', 'ติดตั้ง', 'S', 'N', 'N'), "
        "(5, 'P005', 'ข้าวหอมมะลิ 5 กก.', 'Jasmine rice 5 kg', 'ข้าว', NULL, NULL, NULL)"));
    exec(QStringLiteral(
        "INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, BarCode, SaleFlag, PurcFlag, StockUnitFlag, "
        "SmallUnitFlag) VALUES (11, 1, 'ขวด', 1, '8850001000011', 'Y', 'N', 'N', 'Y'), "
        "(12, 1, 'แพ็ค', 12, '8850001000128', 'Y', 'Y', 'Y', 'N'), (13, 1, 'ลัง', 24, NULL, 'N', 'Y', 'N', 'N'), "
        "(21, 2, 'ขวด', 1, '8850002000010', 'Y', 'N', 'Y', 'Y'), (41, 4, 'งาน', 1, NULL, 'Y', 'N', 'Y', 'Y'), "
        "(51, 5, 'ถุง', 1, '8850005000015', 'Y', 'Y', 'Y', 'Y')"));
    exec(QStringLiteral("INSERT INTO ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity) VALUES "
                        "(1, 11, 1, 2025, 100), (1, 11, 1, 2026, 44), (5, 51, 2, 2026, 7)"));
    exec(QStringLiteral("INSERT INTO LotNo (Id, Code, Description) VALUES (1, 'L2601', 'รับเข้า ม.ค.'), "
                        "(2, 'L2602', 'รับเข้า ก.พ.'), (3, 'M2601', 'ผลิตเอง')"));
    exec(QStringLiteral("INSERT INTO mrdt (MrHd, Product, LotNo) VALUES (1, 1, 1), (1, 5, 2)"));
    exec(QStringLiteral("INSERT INTO MFGFinishDt (MFGFinishHd, Product, LotNo) VALUES (1, 1, 3)"));
    // Bills: numbers right-aligned to 10; bill 3 is cancelled; bill 5 is a service bill.
    const QString bills = QStringLiteral("INSERT INTO PosHd (Id, PosNo, PosType, PosDate, Customer, Salesman, Total, "
                                         "DelFlag, DelRemark, Printed) VALUES "
                                         "(1, '  P2600001', 'P', :D1, 1, 1, 107, 'N', NULL, 'Y'), "
                                         "(2, '  P2600002', 'P', :D2, 2, 3, 2500.5, 'N', NULL, 'Y'), "
                                         "(3, '  P2600003', 'P', :D3, 1, 1, 64.2, 'Y', 'ลูกค้าเปลี่ยนใจ', 'Y'), "
                                         "(4, '  P2600004', 'P', :D4, NULL, 1, 15, 'N', NULL, 'N'), "
                                         "(5, '  S2600001', 'S', :D5, 1, 1, 500, 'N', NULL, 'Y')");
    data::Query insert(dm->DMdata(), bills);
    const int days[] = {3, 5, 4, 6, 5};
    for (int i = 0; i < 5; ++i)
        insert.setParam(QStringLiteral("D%1").arg(i + 1), QDateTime(QDate(2026, 1, days[i]), QTime(10, i)));
    insert.execSql();
    exec(QStringLiteral(
        "INSERT INTO PosDt (PosHd, PosRecNo, Product, Quantity) VALUES "
        "(1, 1, 1, 1), (2, 1, 1, 2), (2, 2, 5, 1), (3, 1, 1, 3), (3, 2, 5, 1), (4, 1, 1, 1), (5, 1, 4, 1)"));
    exec(QStringLiteral(
        "INSERT INTO CreditCardInfo (RcptType, RcptDocId, CardRcpt) VALUES (1, 2, 2500.5), (1, 3, 64.2)"));
    for (const char* table : {"Tax", "Misc", "Salesman", "Warehouse", "Customer", "CompanyBank", "PosMachineNo",
                              "Product", "ProductUnits", "LotNo", "PosHd"}) {
        const QString sync = dm->DMdata().dialect().syncIdentitySql(QString::fromLatin1(table));
        if (!sync.isEmpty())
            data::Query(dm->DMdata(), sync).open();
    }
    dm->QConfig().open();
}

void SearchFixture::TearDown()
{
    dm.reset();
    config.reset();
    BackendTest::TearDown();
}

void SearchFixture::exec(const QString& sql)
{
    data::Query(dm->DMdata(), sql).execSql();
}

int SearchFixture::count(const QString& sql)
{
    data::Query query(dm->DMdata(), sql);
    query.open();
    return query.field(query.fieldNames().value(0)).asInteger();
}

void SearchFixture::setConfig(const QString& assignments)
{
    exec(QStringLiteral("UPDATE Config SET ") + assignments);
    dm->QConfig().open();
}

QStringList SearchFixture::keys(search::SearchScreen& search, const QString& column)
{
    const QString name = column.isEmpty() ? search.keyColumn() : column;
    QStringList out;
    for (int row = 0; row < search.QSearch().recordCount(); ++row)
        out << search.QSearch().fieldAt(row, name).asString().trimmed();
    return out;
}

} // namespace kvr::test
