#include "ProductFixture.h"

#include "products/QuantityTexts.h"

#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::products::QuantityTexts;

namespace {

class QuantityTextsTest : public ProductFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        ProductFixture::buildShop(shop);
        // Eggs: Pce (small), Dozen (stock, 12), Tray (30); loose goods without a stock unit.
        eggs = shop.product({.code = "EGG", .tax = vat7, .warehouse = mainWh});
        egg = shop.unit(eggs, {.name = "Pce", .small = true});
        dozen = shop.unit(eggs, {.name = "Dozen", .fraction = 12, .stock = true});
        tray = shop.unit(eggs, {.name = "Tray", .fraction = 30});
        loose = shop.product({.code = "LOOSE", .tax = vat7, .warehouse = mainWh});
        looseUnit = shop.unit(loose, {.name = "Pce", .small = true});
        // Water in Pce (smallest units): 30 in MAIN, 6 in BACK split over two unit rows, 12 returned
        // in RMA, and older and newer years that do not count.
        shop.stock(water, pce, mainWh, 2026, 18);
        shop.stock(water, box, mainWh, 2026, 12);
        shop.stock(water, pce, backWh, 2026, 2);
        shop.stock(water, box, backWh, 2026, 4);
        shop.stock(water, box, rmaWh, 2026, 12);
        shop.stock(water, pce, mainWh, 2025, 500);
        shop.stock(water, pce, mainWh, 2027, 500);
        for (int row = 0; row < 3; ++row)
            shop.stock(rice, kg, mainWh, 2026, 0.125);
    }

    int eggs = 0, egg = 0, dozen = 0, tray = 0, loose = 0, looseUnit = 0;
};

} // namespace

TEST_P(QuantityTextsTest, texts_follow_the_unit_rows_and_the_company_settings)
{
    struct Case
    {
        const char* what;
        std::function<QString()> call;
        const char* text;
    };
    QuantityTexts t(*dm);
    const Case cases[] = {
        {"large and small", [&] { return t.OnhandQuantityText(dozen, 30); }, "2 Dozen 6 Pce"},
        {"unknown unit", [&] { return t.OnhandQuantityText(999999, -5); }, "5 ERROR"},
        {"part 2", [&] { return t.OnhandQuantityPartText(dozen, 2, -30); }, "-  6 Pce"},
        {"product's stock unit", [&] { return t.ProductQuantityText(eggs, 30); }, "2 Dozen 6 Pce"},
        {"no stock unit", [&] { return t.ProductQuantityText(loose, 30); }, "UnitError"},
        {"counted in trays", [&] { return t.FracSmallByStockText(tray, 1); }, "2;1/2  Dozen"},
        {"product without stock unit", [&] { return t.FracSmallByStockText(looseUnit, 3); }, "UnitError"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), QString::fromLatin1(c.text));
    }
    setConfig({{"UnitLeft", "<"}, {"UnitRight", ">"}, {"OnhandDecimal", 1}});
    EXPECT_EQ(t.OnhandQuantityText(dozen, 30), QStringLiteral("2 <Dozen> 6.0 <Pce>"));
}

// Which function a layout's call reaches, with its arguments in order, is proven through a real
// layout by the report engine's tests; here what only the look-up does.
TEST_P(QuantityTextsTest, layout_functions_read_text_arguments_and_decline_what_they_cannot_answer)
{
    struct Case
    {
        const char* name;
        QVariantList arguments;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {"ONHANDQUANTITY", {QStringLiteral("1,230.0"), QString::number(dozen)}, QStringLiteral("102 Dozen 6 Pce")},
        {"FRACSMALLBYSTOCK", {5}, std::nullopt},
        {"SUM", {5, egg}, std::nullopt},
    };
    QuantityTexts texts(*dm);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts.reportFunction(QString::fromLatin1(c.name), c.arguments), c.text);
    }
}

// The stock texts of TDmProduct read the balance rows of a year.
TEST_P(QuantityTextsTest, balances_are_written_in_stock_and_small_units)
{
    struct Case
    {
        const char* what;
        std::function<QString()> call;
        const char* text;
        double onHand; // -99: OnHandQuantity not set by this call
    };
    auto& p = *product;
    const Case cases[] = {
        {"all warehouses of the year", [&] { return p.ProductQuantity(water, 2026); }, "4 Box", -99},
        {"one warehouse", [&] { return p.ProductWHQuantity(water, mainWh, 2026); }, "2 Box 6 Pce", 30},
        {"one unit row in one warehouse", [&] { return p.ProductUnitsWHQuantity(water, pce, backWh, 2026); }, " 2 Pce",
         2},
        {"RMA counts for its warehouse", [&] { return p.ProductWHQuantity(water, rmaWh, 2026); }, "1 Box", 12},
        {"but not per unit", [&] { return p.ProductUnitsWHQuantity(water, box, rmaWh, 2026); }, "0 Box", 0},
        {"no rows in the year", [&] { return p.ProductWHQuantity(water, mainWh, 2030); }, "0 Box", 0},
        {"rows rounded to two decimals before the sum", [&] { return p.ProductWHQuantity(rice, mainWh, 2026); },
         "0.39 Kg", 0.39},
        {"raw rows in the per-unit sum", [&] { return p.ProductUnitsWHQuantity(rice, kg, mainWh, 2026); }, "0.375 Kg",
         0.375},
        {"a given quantity", [&] { return p.ShowQuantity(water, 5); }, " 5 Pce", -99},
        {"an unknown product", [&] { return p.ShowQuantity(999, 5); }, "Error", -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double before = product->OnHandQuantity();
        EXPECT_EQ(c.call(), QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(product->OnHandQuantity(), c.onHand == -99 ? before : c.onHand);
    }
}

KVR_INSTANTIATE_BACKENDS(QuantityTextsTest);
