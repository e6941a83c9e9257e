#include "ProductFixture.h"

#include "support/SessionSeed.h"

namespace kvr::test {

void ProductFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    seedSession(*server);
    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(101, 1);
    config->GetCompanyConfig(QStringLiteral("SHOP")); // the POS price level 3
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(QStringLiteral("SHOP"));
    product = std::make_unique<products::TDmProduct>(*dm);
    product->setMessageHandler([this](const QString& text) { messages << text; });

    exec(QStringLiteral("INSERT INTO Config (RunYear, CheckUserWarehouseFlag, SearchProductNo) VALUES (2026, 'N', 0)"));
    exec(QStringLiteral("INSERT INTO Tax (Id, Code, Description, Rate) VALUES (1, 'V7', 'VAT 7%', 7)"));
    exec(QStringLiteral("INSERT INTO Warehouse (Id, Code, Name, islocation) VALUES (1, 'MAIN', 'หน้าร้าน', 'N'), "
                        "(2, 'BACK', 'หลังร้าน', 'N'), (3, 'RMA', 'สินค้ารับคืน', 'N'), (4, 'SHELF', 'ชั้นวาง A', 'Y')"));
    exec(QStringLiteral("INSERT INTO UserWarehouse (UserName, Warehouse) VALUES (1, 1), (1, 3), (2, 2)"));
    exec(QStringLiteral("INSERT INTO Product (Id, Code, ThaiName, PosName, ProductType, TaxCode, DefaultWh, UseSerial, "
                        "CheckSerialOnhand, "
                        "MasterCode, Blocked, PrintFrac) VALUES "
                        "(1, 'P001', 'น้ำดื่ม 600 มล.', 'น้ำดื่ม', 'P', 1, 2, 'N', 'N', 'N', 'N', 'Y'), "
                        "(2, 'P002', 'เลิกขาย', 'เลิกขาย', 'P', 1, 1, 'N', 'N', 'N', 'Y', 'N'), "
                        "(3, 'P003', 'สบู่', 'สบู่', 'P', 1, 1, 'N', NULL, NULL, NULL, 'N'), "
                        "(4, 'P004', 'เสื้อ (แม่แบบ)', 'เสื้อ', 'P', 1, 1, 'N', 'N', 'Y', 'N', 'N'), "
                        "(5, 'P005', 'หูฟัง', 'หูฟัง', 'P', 1, 1, 'Y', 'N', 'N', 'N', 'N'), "
                        "(6, 'P006', 'โทรศัพท์', 'โทรศัพท์', 'P', 1, 1, 'Y', 'Y', 'N', 'N', 'N'), "
                        "(7, 'S001', 'ค่าติดตั้ง', 'ติดตั้ง', 'S', 1, 1, 'N', 'N', 'N', 'N', 'N'), "
                        "(8, 'P008', 'ถุงผ้า', 'ถุงผ้า', 'P', 1, 1, 'N', 'N', 'N', 'N', 'N'), "
                        "(9, 'P009', 'ข้าวสาร', 'ข้าวสาร', 'P', 1, 1, 'N', 'N', 'N', 'N', 'N')"));
    exec(QStringLiteral("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, BarCode, SaleFlag, PurcFlag, "
                        "StockUnitFlag, SmallUnitFlag) VALUES "
                        "(11, 1, 'Pce', 1, '8850001000011', 'Y', 'N', 'N', 'Y'), "
                        "(12, 1, 'Box', 12, '8850001000128', 'Y', 'Y', 'Y', 'N'), "
                        "(13, 1, 'Pack', 6, NULL, 'N', 'Y', 'N', 'N'), "
                        "(21, 2, 'Pce', 1, '8850002000010', 'Y', 'N', 'Y', 'Y'), "
                        "(31, 3, 'Bar', 1, '8850003000019', 'Y', 'N', 'Y', 'Y'), "
                        "(41, 4, 'Pce', 1, '8850004000018', 'Y', 'N', 'Y', 'Y'), "
                        "(51, 5, 'Pce', 1, NULL, 'Y', 'N', 'Y', 'Y'), "
                        "(61, 6, 'Pce', 1, NULL, 'Y', 'N', 'Y', 'Y'), "
                        "(71, 7, 'Job', 1, NULL, 'Y', 'N', 'Y', 'Y'), "
                        "(81, 8, 'Bag', 1, NULL, 'Y', 'N', 'N', 'Y'), "
                        "(91, 9, 'Kg', 1, NULL, 'Y', 'N', 'Y', 'Y')"));
    dm->QConfig().open();
}

void ProductFixture::TearDown()
{
    product.reset();
    dm.reset();
    config.reset();
    BackendTest::TearDown();
}

void ProductFixture::exec(const QString& sql)
{
    data::Query(dm->DMdata(), sql).execSql();
}

void ProductFixture::setConfig(const QString& assignments)
{
    exec(QStringLiteral("UPDATE Config SET ") + assignments);
    dm->QConfig().open();
}

void ProductFixture::switchUser(int userId)
{
    config->mutableSession().UserId = userId;
}

} // namespace kvr::test
