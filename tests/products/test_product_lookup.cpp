#include "ProductFixture.h"

#include "products/TDmService.h"

#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::products::UnitRole;
using kvr::products::UnitRoles;

namespace {

class ProductLookupTest : public ProductFixture
{ };

QString field(const kvr::data::Query& query, const char* name)
{
    return query.field(QString::fromLatin1(name)).asString();
}

} // namespace

TEST_P(ProductLookupTest, products_are_found_by_code_or_only_by_barcode_in_barcode_mode)
{
    struct Case
    {
        bool barcodeMode;
        const char* typed;
        bool found;
        const char* productCode;
    };
    const Case cases[] = {
        {false, "P001", true, "P001"},
        {false, "p001", true, "P001"}, // codes compare without case, as on the original server
        {false, "P002", false, ""}, // blocked
        {false, "P003", true, "P003"}, // Blocked null is not blocked
        {false, "P004", false, ""}, // master product
        {false, "8850001000128", false, ""},
        {false, "P001' OR '1'='1", false, ""},
        {true, "P001", false, ""}, // a code typed in barcode mode
        {true, "8850001000128", true, "P001"},
        {true, "8850003000019", true, "P003"}, // null Blocked: sold by barcode as by code
        {true, "8850002000010", false, ""},
        {true, "8850004000018", false, ""}, // master product behind a barcode
        {true, "", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.barcodeMode ? " (barcode mode)" : ""));
        product->setUseBarCode(c.barcodeMode);
        EXPECT_EQ(product->ExistsProduct(QString::fromUtf8(c.typed)), c.found);
        EXPECT_EQ(field(product->QChkProduct(), "Code"), QString::fromLatin1(c.productCode));
    }
}

TEST_P(ProductLookupTest, a_barcode_hit_leaves_its_unit_and_the_product_row_readable)
{
    exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (1, 12, 19, 130), "
                        "(1, 12, 20, 120)"));
    product->setUseBarCode(true);
    ASSERT_TRUE(product->ExistsProduct(QStringLiteral("8850001000128")));
    const kvr::data::Query& unit = product->QChkBarCode();
    EXPECT_EQ(unit.field(QStringLiteral("Id")).asInteger(), shop::box);
    EXPECT_EQ(unit.field(QStringLiteral("ProductId")).asInteger(), shop::water);
    EXPECT_EQ(unit.field(QStringLiteral("Fraction")).asInteger(), 12);
    EXPECT_DOUBLE_EQ(unit.field(QStringLiteral("price")).asFloat(), 130);
    EXPECT_DOUBLE_EQ(unit.field(QStringLiteral("TaxRate")).asFloat(), 7);
    const kvr::data::Query& row = product->QChkProduct();
    EXPECT_EQ(field(row, "WhCode"), QStringLiteral("BACK"));
    EXPECT_EQ(field(row, "CheckSerialOnhand"), QStringLiteral("N"));
    EXPECT_EQ(field(row, "ProductFree"), QStringLiteral("N")); // null read as 'N'
    EXPECT_DOUBLE_EQ(row.field(QStringLiteral("PerDiscountOver")).asFloat(), 0);
}

TEST_P(ProductLookupTest, user_warehouse_restriction_hides_other_warehouses_but_not_their_products)
{
    struct Case
    {
        bool restricted;
        int user;
        const char* productWarehouse; // WhCode of P001, whose default warehouse is BACK
        bool mainFound;
        bool backFound;
    };
    const Case cases[] = {
        {false, 1, "BACK", true, true},
        {true, 1, "", true, false},
        {true, 2, "BACK", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("restricted %1, user %2").arg(c.restricted).arg(c.user).toStdString());
        setConfig(c.restricted ? QStringLiteral("CheckUserWarehouseFlag = 'Y'")
                               : QStringLiteral("CheckUserWarehouseFlag = 'N'"));
        switchUser(c.user);
        ASSERT_TRUE(product->ExistsProduct(QStringLiteral("P001")));
        EXPECT_EQ(field(product->QChkProduct(), "WhCode"), QString::fromLatin1(c.productWarehouse));
        EXPECT_EQ(field(product->QChkProduct(), "WhName").isEmpty(), QString::fromLatin1(c.productWarehouse).isEmpty());
        EXPECT_EQ(product->ExistsWarehouse(QStringLiteral("MAIN")), c.mainFound);
        EXPECT_EQ(product->ExistsWarehouse(QStringLiteral("back")), c.backFound);
    }
}

TEST_P(ProductLookupTest, the_special_name_comes_from_the_product_view_only_in_search_mode_2)
{
    exec(QStringLiteral("INSERT INTO ProductView (Code, ThaiName, Blocked) VALUES ('P001', '  น้ำดื่มตราช้าง  ', 'N'), "
                        "('P003', 'สบู่หอม', 'Y')"));
    struct Case
    {
        int searchProductNo;
        const char* code;
        const char* specialName;
    };
    const Case cases[] = {{2, "P001", "น้ำดื่มตราช้าง"}, {2, "P003", ""}, {2, "P009", ""}, {0, "P001", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        setConfig(QStringLiteral("SearchProductNo = %1").arg(c.searchProductNo));
        ASSERT_TRUE(product->ExistsProduct(QString::fromLatin1(c.code)));
        EXPECT_EQ(product->SpecialName(), QString::fromUtf8(c.specialName));
    }
    setConfig(QStringLiteral("SearchProductNo = 2"));
    product->ExistsProduct(QStringLiteral("P001"));
    EXPECT_FALSE(product->ExistsProduct(QStringLiteral("P002")));
    EXPECT_TRUE(product->SpecialName().isEmpty());
}

TEST_P(ProductLookupTest, units_match_by_role)
{
    // A flag written in lower case counts on both backends, as on the original server.
    exec(QStringLiteral("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, SaleFlag, PurcFlag, StockUnitFlag, "
                        "SmallUnitFlag) VALUES (14, 1, 'Crate', 24, 'y', NULL, 'N', 'N')"));
    struct UnitCase
    {
        const char* unit;
        UnitRoles roles;
        bool found;
    };
    const UnitCase units[] = {
        {"Pack", UnitRole::Sale, false},
        {"Pack", UnitRole::Purc, true},
        {"Pack", UnitRole::Sale | UnitRole::Purc, true},
        {"box", UnitRole::Sale, true},
        {"Pce", UnitRole::Stock, false},
        {"Pce", UnitRole::Small, true},
        {"Crate", UnitRole::Sale, true},
        {"Dozen", UnitRole::Sale, false},
    };
    for (const UnitCase& c : units) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(product->ExistsProductUnit(shop::water, QString::fromLatin1(c.unit), c.roles), c.found);
    }
    ASSERT_TRUE(product->ExistsProductUnit(shop::water, QStringLiteral("Box"), UnitRole::Sale));
    EXPECT_EQ(product->QProductUnit().field(QStringLiteral("Id")).asInteger(), shop::box);

    struct FirstCase
    {
        UnitRoles roles;
        const char* unit;
    };
    const FirstCase first[] = {
        {UnitRole::Sale, "Pce"},
        {UnitRole::Purc, "Pack"},
        {UnitRole::Sale | UnitRole::Stock, "Box"},
        {UnitRole::Sale | UnitRole::Purc | UnitRole::Small, ""},
    };
    for (const FirstCase& c : first) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(product->GetFirstUnit(shop::water, c.roles), QString::fromLatin1(c.unit));
    }
    // Crate plays the sale role but has no purchase flag at all: no role may be null.
    exec(QStringLiteral("UPDATE ProductUnits SET SaleFlag = 'N' WHERE Id IN (11, 12)"));
    EXPECT_EQ(product->GetFirstUnit(shop::water, UnitRole::Sale), QString());
    EXPECT_EQ(product->GetStockUnit(shop::water), QStringLiteral("Box"));
    EXPECT_EQ(product->QStockUnit().field(QStringLiteral("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->GetSmallUnit(shop::water), QStringLiteral("Pce"));
    EXPECT_EQ(product->GetStockUnit(shop::noStockUnit), QString());
}

TEST_P(ProductLookupTest, a_lot_expires_after_the_instant_of_its_expiry_date)
{
    exec(QStringLiteral(
        "INSERT INTO LotNo (Code, HasExpired, ExpiredDate) VALUES ('L-KEEP', 'N', '2020-01-01 00:00:00'), "
        "('L-DATE', 'Y', '2026-03-10 00:00:00'), ('L-NULL', 'Y', NULL)"));
    struct Case
    {
        const char* lot;
        QDateTime date;
        bool valid;
        bool told;
    };
    const QDate day(2026, 3, 10);
    const Case cases[] = {
        {"L-KEEP", QDateTime(day, QTime(12, 0)), true, false},
        {"L-DATE", QDateTime(day.addDays(-1), QTime(23, 59, 59)), true, false},
        {"L-DATE", QDateTime(day, QTime(0, 0)), true, false},
        {"L-DATE", QDateTime(day, QTime(0, 0, 1)), false, true},
        {"l-date", QDateTime(day.addDays(1), QTime(0, 0)), false, true},
        {"L-NULL", QDateTime(day, QTime(0, 0)), false, true},
        {"L-NONE", QDateTime(day, QTime(0, 0)), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lot) + " at " + c.date.toString(Qt::ISODate).toStdString());
        messages.clear();
        product->setCurrentShiftDate(c.date);
        EXPECT_EQ(product->ExistsLotNo(QString::fromLatin1(c.lot)), c.valid);
        EXPECT_EQ(messages, c.told ? QStringList{QStringLiteral("LotNo หมดอายุแล้ว")} : QStringList());
    }
}

TEST_P(ProductLookupTest, lot_on_hand_adds_every_balance_year_up_to_the_given_one)
{
    exec(QStringLiteral("INSERT INTO LotNo (Id, Code, HasExpired) VALUES (5, 'L5', 'N')"));
    exec(QStringLiteral("INSERT INTO LotOnHand (Product, LotNo, Warehouse, BalanceYear, Quantity) VALUES "
                        "(1, 5, 1, 2024, 10), (1, 5, 1, 2025, 2.5), (1, 5, 1, 2026, -4), (1, 5, 1, 2027, 100), "
                        "(1, 5, 2, 2026, 7), (9, 5, 1, 2026, 8)"));
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(5, shop::water, shop::mainWh, 2026), 8.5);
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(5, shop::water, shop::mainWh, 2024), 10);
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(5, shop::water, shop::mainWh, 2023), 0);
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(5, shop::water, shop::rmaWh, 2026), 0);
}

TEST_P(ProductLookupTest, serials_are_registered_only_where_they_need_not_be_in_stock)
{
    exec(QStringLiteral("INSERT INTO SerialNo (Product, Serial, OnHand) VALUES (5, 'SOLD-1', 'N'), (6, 'PH-1', 'Y'), "
                        "(6, 'PH-2', 'N')"));
    const auto count = [&](int productId) {
        kvr::data::Query q(dm->DMdata(), QStringLiteral("SELECT COUNT(*) AS N FROM SerialNo WHERE Product = :P"));
        q.setParam(QStringLiteral("P"), productId);
        q.open();
        return q.field(QStringLiteral("N")).asInteger();
    };
    struct Case
    {
        int productId;
        const char* serial;
        bool found;
        int serialsAfter;
    };
    const Case cases[] = {
        {shop::serialFree, "HP-777", true, 2}, // new: registered in stock
        {shop::serialFree, "hp-777", true, 2}, // the same serial, not a second row
        {shop::serialFree, "SOLD-1", false, 2}, // known and sold stays sold
        {shop::serialFree, "  ", false, 2}, // nothing to register
        {shop::serialOnHand, "PH-1", true, 2},  {shop::serialOnHand, "PH-2", false, 2},
        {shop::serialOnHand, "PH-9", false, 2}, // must already be in stock: never registered
        {shop::water, "W-1", false, 0}, // no serials at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(product->ExistsSerialNo(QString::fromLatin1(c.serial), c.productId), c.found);
        EXPECT_EQ(count(c.productId), c.serialsAfter);
    }
    // Read as 'N' by the product look-up, a null CheckSerialOnhand registers as 'N' does.
    exec(QStringLiteral("UPDATE Product SET CheckSerialOnhand = NULL WHERE Id = 5"));
    EXPECT_TRUE(product->ExistsSerialNo(QStringLiteral("HP-778"), shop::serialFree));
    EXPECT_EQ(product->QSerialNo().field(QStringLiteral("Serial")).asString(), QStringLiteral("HP-778"));
}

TEST_P(ProductLookupTest, purchase_and_project_codes_are_found_with_their_rows)
{
    exec(QStringLiteral("INSERT INTO ProdAttrCode (GroupId, Code, Description) VALUES (3, 'RED', 'แดง')"));
    exec(QStringLiteral("INSERT INTO projectitemhd (Project, Code, Description) VALUES (40, 'IT-01', 'งานเดินสาย')"));
    exec(QStringLiteral(
        "INSERT INTO PartSource (Product, Vendor, ProductUnits, Price, PurchaseCode, PurchaseName, DiscountStr) "
        "VALUES (1, 70, 12, 95, 'V-WATER', 'Water box', '2%')"));
    EXPECT_TRUE(product->ExistsProdAttrCode(3, QStringLiteral("red")));
    EXPECT_FALSE(product->ExistsProdAttrCode(4, QStringLiteral("RED")));
    EXPECT_TRUE(product->ExistsProjectItemCode(QStringLiteral("IT-01"), 40));
    EXPECT_FALSE(product->ExistsProjectItemCode(QStringLiteral("IT-01"), 41));
    ASSERT_TRUE(product->ExistsVendorPartCode(QStringLiteral("V-WATER"), 70));
    EXPECT_EQ(field(product->QVendorPartCode(), "Code"), QStringLiteral("P001"));
    EXPECT_EQ(field(product->QVendorPartCode(), "UnitName"), QStringLiteral("Box"));
    EXPECT_FALSE(product->ExistsVendorPartCode(QStringLiteral("V-WATER"), 71));
    ASSERT_TRUE(product->ExistsPartSource(shop::box, 70));
    EXPECT_EQ(field(product->QPartSource(), "DiscountStr"), QStringLiteral("2%"));
    EXPECT_FALSE(product->ExistsPartSource(shop::pce, 70));
}

TEST_P(ProductLookupTest, services_are_found_only_among_unblocked_services)
{
    kvr::products::TDmService services(*dm);
    exec(QStringLiteral("INSERT INTO Product (Id, Code, ProductType, TaxCode, DefaultWh, Blocked) VALUES "
                        "(20, 'S002', 'S', 1, 1, NULL), (21, 'S003', 'S', 1, 1, 'Y')"));
    struct Case
    {
        const char* code;
        bool found;
    };
    for (const Case& c :
         {Case{"S001", true}, Case{"s001", true}, Case{"S002", true}, Case{"S003", false}, Case{"P001", false}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(services.ExistsService(QString::fromLatin1(c.code)), c.found);
    }
    services.ExistsService(QStringLiteral("S001"));
    EXPECT_EQ(services.QService().field(QStringLiteral("PosName")).asString(), QStringLiteral("ติดตั้ง"));
}

KVR_INSTANTIATE_BACKENDS(ProductLookupTest);
