#include "ProductFixture.h"

#include "products/TDmService.h"
#include "support/QueryPlan.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::products::UnitRole;
using kvr::products::UnitRoles;

namespace {

using ProductLookupTest = ProductFixture;

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
        {false, "P001' OR '1'='1", false, ""},
        {true, "P001", false, ""}, // a code typed in barcode mode
        {true, "8850001000128", true, "P001"},
        {true, "8850003000019", true, "P003"}, // null Blocked: sold by barcode as by code
        {true, "8850002000010", false, ""},
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
    shop->price(water, box, 19, 130);
    shop->price(water, box, 20, 120);
    product->setUseBarCode(true);
    ASSERT_TRUE(product->ExistsProduct(QStringLiteral("8850001000128")));
    const kvr::data::Query& unit = product->QChkBarCode();
    EXPECT_EQ(unit.field(QStringLiteral("Id")).asInteger(), box);
    EXPECT_EQ(unit.field(QStringLiteral("ProductId")).asInteger(), water);
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
        setConfig({{"CheckUserWarehouseFlag", flag(c.restricted)}});
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
    shop->insert("ProductView", {{"Code", "P001"}, {"ThaiName", "  น้ำดื่มตราช้าง  "}, {"Blocked", flag(false)}});
    shop->insert("ProductView", {{"Code", "P003"}, {"ThaiName", "สบู่หอม"}, {"Blocked", flag(true)}});
    struct Case
    {
        int searchProductNo;
        const char* code;
        const char* specialName;
    };
    const Case cases[] = {{2, "P001", "น้ำดื่มตราช้าง"}, {2, "P003", ""}, {2, "P009", ""}, {0, "P001", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        setConfig({{"SearchProductNo", c.searchProductNo}});
        ASSERT_TRUE(product->ExistsProduct(QString::fromLatin1(c.code)));
        EXPECT_EQ(product->SpecialName(), QString::fromUtf8(c.specialName));
    }
    setConfig({{"SearchProductNo", 2}});
    product->ExistsProduct(QStringLiteral("P001"));
    EXPECT_FALSE(product->ExistsProduct(QStringLiteral("P002")));
    EXPECT_TRUE(product->SpecialName().isEmpty());
}

TEST_P(ProductLookupTest, units_match_by_role)
{
    // A flag written in lower case counts on both backends, as on the original server.
    shop->unit(water, {.name = "Crate", .fraction = 24, .extra = {{"SaleFlag", "y"}, {"PurcFlag", {}}}});
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
        {"Pce", UnitRole::Small, true},
        {"Crate", UnitRole::Sale, true},
        {"Dozen", UnitRole::Sale, false},
        {"box", UnitRole::Sale, true},
    };
    for (const UnitCase& c : units) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(product->ExistsProductUnit(water, QString::fromLatin1(c.unit), c.roles), c.found);
    }
    EXPECT_EQ(product->QProductUnit().field(QStringLiteral("Id")).asInteger(), box) << "the row of the last unit found";

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
        EXPECT_EQ(product->GetFirstUnit(water, c.roles), QString::fromLatin1(c.unit));
    }
    // Crate plays the sale role but has no purchase flag at all: no role may be null.
    for (const int unit : {pce, box})
        shop->update("ProductUnits", unit, {{"SaleFlag", flag(false)}});
    EXPECT_EQ(product->GetFirstUnit(water, UnitRole::Sale), QString());
    EXPECT_EQ(product->GetStockUnit(water), QStringLiteral("Box"));
    EXPECT_EQ(product->QStockUnit().field(QStringLiteral("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->GetSmallUnit(water), QStringLiteral("Pce"));
    EXPECT_EQ(product->GetStockUnit(noStockUnit), QString());
}

TEST_P(ProductLookupTest, a_lot_expires_after_the_instant_of_its_expiry_date)
{
    const QDate day(2026, 3, 10);
    shop->lot({.code = "L-KEEP", .expiry = QDate(2020, 1, 1).startOfDay()}); // a date, but it never expires
    shop->lot({.code = "L-DATE", .expires = true, .expiry = day.startOfDay()});
    shop->lot({.code = "L-NULL", .expires = true});
    struct Case
    {
        const char* lot;
        QDateTime date;
        bool valid;
        bool told;
    };
    const Case cases[] = {
        {"L-KEEP", QDateTime(day, QTime(12, 0)), true, false},
        {"L-DATE", QDateTime(day, QTime(0, 0)), true, false},
        {"L-DATE", QDateTime(day, QTime(0, 0, 1)), false, true},
        {"l-date", QDateTime(day.addDays(1), QTime(0, 0)), false, true},
        {"L-NULL", QDateTime(day, QTime(0, 0)), false, true},
        {"L-NONE", QDateTime(day, QTime(0, 0)), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lot) + " at " + c.date.toString(Qt::ISODate).toStdString());
        if (c.told)
            prompter.expectInformation();
        product->setCurrentShiftDate(c.date);
        EXPECT_EQ(product->ExistsLotNo(QString::fromLatin1(c.lot)), c.valid);
        if (c.told) {
            EXPECT_EQ(prompter.asked().back().text, QStringLiteral("LotNo หมดอายุแล้ว"));
        }
    }
}

TEST_P(ProductLookupTest, lot_on_hand_adds_every_balance_year_up_to_the_given_one)
{
    const int lot = shop->lot({.code = "L5"});
    const std::pair<int, double> years[] = {{2024, 10}, {2025, 2.5}, {2026, -4}, {2027, 100}};
    for (const auto& [year, quantity] : years)
        shop->lotStock(water, lot, mainWh, year, quantity);
    shop->lotStock(water, lot, backWh, 2026, 7); // another warehouse
    shop->lotStock(rice, lot, mainWh, 2026, 8); // another product
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(lot, water, mainWh, 2026), 8.5);
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(lot, water, mainWh, 2024), 10);
    EXPECT_DOUBLE_EQ(product->LotNoOnHand(lot, water, mainWh, 2023), 0);
}

TEST_P(ProductLookupTest, serials_are_registered_only_where_they_need_not_be_in_stock)
{
    shop->serial(serialFree, "SOLD-1", false);
    shop->serial(serialOnHand, "PH-1");
    shop->serial(serialOnHand, "PH-2", false);
    struct Case
    {
        int productId;
        const char* serial;
        bool found;
        int serialsAfter;
    };
    const Case cases[] = {
        {serialFree, "HP-777", true, 2}, // new: registered in stock
        {serialFree, "hp-777", true, 2}, // the same serial, not a second row
        {serialFree, "SOLD-1", false, 2}, // known and sold stays sold
        {serialFree, "  ", false, 2}, // nothing to register
        {serialOnHand, "PH-1", true, 2},  {serialOnHand, "PH-2", false, 2},
        {serialOnHand, "PH-9", false, 2}, // must already be in stock: never registered
        {water, "W-1", false, 0}, // no serials at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(product->ExistsSerialNo(QString::fromLatin1(c.serial), c.productId), c.found);
        EXPECT_EQ(count("SELECT COUNT(*) FROM SerialNo WHERE Product = :P", {{"P", c.productId}}), c.serialsAfter);
    }
    // Read as 'N' by the product look-up, a null CheckSerialOnhand registers as 'N' does.
    shop->update("Product", serialFree, {{"CheckSerialOnhand", {}}});
    EXPECT_TRUE(product->ExistsSerialNo(QStringLiteral("HP-778"), serialFree));
    EXPECT_EQ(product->QSerialNo().field(QStringLiteral("Serial")).asString(), QStringLiteral("HP-778"));
}

TEST_P(ProductLookupTest, purchase_and_project_codes_are_found_with_their_rows)
{
    shop->insert("ProdAttrCode", {{"GroupId", 3}, {"Code", "RED"}, {"Description", "แดง"}});
    shop->insert("projectitemhd", {{"Project", 40}, {"Code", "IT-01"}, {"Description", "งานเดินสาย"}});
    const int vendor = shop->vendor("V70", "น้ำดื่มไทย");
    const int otherVendor = shop->vendor("V71", "Other");
    shop->insert("PartSource",
                 {{"Product", water},
                  {"Vendor", vendor},
                  {"ProductUnits", box},
                  {"Price", 95},
                  {"PurchaseCode", "V-WATER"},
                  {"PurchaseName", "Water box"},
                  {"DiscountStr", "2%"}});
    EXPECT_TRUE(product->ExistsProdAttrCode(3, QStringLiteral("red")));
    EXPECT_FALSE(product->ExistsProdAttrCode(4, QStringLiteral("RED")));
    EXPECT_TRUE(product->ExistsProjectItemCode(QStringLiteral("IT-01"), 40));
    EXPECT_FALSE(product->ExistsProjectItemCode(QStringLiteral("IT-01"), 41));
    ASSERT_TRUE(product->ExistsVendorPartCode(QStringLiteral("V-WATER"), vendor));
    EXPECT_EQ(field(product->QVendorPartCode(), "Code"), QStringLiteral("P001"));
    EXPECT_EQ(field(product->QVendorPartCode(), "UnitName"), QStringLiteral("Box"));
    EXPECT_FALSE(product->ExistsVendorPartCode(QStringLiteral("V-WATER"), otherVendor));
    ASSERT_TRUE(product->ExistsPartSource(box, vendor));
    EXPECT_EQ(field(product->QPartSource(), "DiscountStr"), QStringLiteral("2%"));
    EXPECT_FALSE(product->ExistsPartSource(pce, vendor));
}

TEST_P(ProductLookupTest, services_are_found_only_among_unblocked_services)
{
    kvr::products::TDmService services(*dm);
    shop->product({.code = "S002", .tax = vat7, .warehouse = mainWh, .service = true, .extra = {{"Blocked", {}}}});
    shop->product({.code = "S003", .tax = vat7, .warehouse = mainWh, .service = true, .blocked = true});
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

// On the shop's catalogue a scan costs milliseconds per scanned barcode.
TEST_P(ProductLookupTest, every_statement_reads_through_an_index)
{
    if (GetParam() == BackendKind::Postgres)
        dm->DMdata().execDirect(QStringLiteral("SET enable_seqscan = off"));
    const QDateTime when(QDate(2026, 3, 1), QTime(10, 0));
    for (const bool restricted : {false, true}) {
        setConfig({{"CheckUserWarehouseFlag", flag(restricted)},
                   {"SearchProductNo", 2},
                   {"DisplayFraction", flag(restricted)}});
        product->setPrintFrac(true);
        product->setUseBarCode(true);
        product->ExistsProduct(QStringLiteral("8850001000128"));
        product->ExistsProductUnit(water, QStringLiteral("Box"), UnitRole::Sale);
        product->GetFirstUnit(water, UnitRole::Sale);
        product->GetStockUnit(water);
        product->GetSmallUnit(water);
        product->ExistsWarehouse(QStringLiteral("MAIN"));
        product->ExistsLotNo(QStringLiteral("L1"), when);
        product->LotNoOnHand(1, water, mainWh, 2026);
        product->ExistsSerialNo(QStringLiteral("S1"), serialOnHand);
        product->ExistsProdAttrCode(1, QStringLiteral("A"));
        product->ExistsProjectItemCode(QStringLiteral("A"), 1);
        product->ExistsVendorPartCode(QStringLiteral("A"), 1);
        product->ExistsPartSource(box, 1);
        product->GetPrice(1, water, pce, 19, when);
        product->GetProjectPrice(1, water, pce, 19, 1, when);
        product->SetPurchasePrice(water, 1, box, 0);
        product->ProductQuantity(water, 2026);
        product->ProductWHQuantity(water, mainWh, 2026);
        product->ProductUnitsWHQuantity(water, box, mainWh, 2026);
        product->ShowQuantity(water, 1);

        static const QRegularExpression scan(QStringLiteral("^SCAN (?!CONSTANT ROW)|Seq Scan"));
        for (const kvr::data::Query* statement : product->statements()) {
            SCOPED_TRACE(statement->sqlText().toStdString());
            const QStringList lines = queryPlan(dm->DMdata(), *statement);
            EXPECT_FALSE(lines.isEmpty());
            for (const QString& line : lines)
                EXPECT_FALSE(scan.match(line).hasMatch()) << line.toStdString();
        }
    }
}

KVR_INSTANTIATE_BACKENDS(ProductLookupTest);
