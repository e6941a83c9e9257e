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
    }

    void SetUp() override
    {
        ProductFixture::SetUp();
        if (!IsSkipped())
            texts = std::make_unique<QuantityTexts>(*dm);
    }

    static constexpr int noSuchId = 999999;
    int eggs = 0, egg = 0, dozen = 0, tray = 0, loose = 0, looseUnit = 0;
    std::unique_ptr<QuantityTexts> texts;
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
    QuantityTexts& t = *texts;
    const Case cases[] = {
        {"large and small", [&] { return t.OnhandQuantityText(dozen, 30); }, "2 Dozen 6 Pce"},
        {"unknown unit", [&] { return t.OnhandQuantityText(noSuchId, -5); }, "5 ERROR"},
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
    EXPECT_EQ(t.ProductQuantityText(eggs, 0), QStringLiteral("0 <Dozen>"));
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts->reportFunction(QString::fromLatin1(c.name), c.arguments), c.text);
    }
}

KVR_INSTANTIATE_BACKENDS(QuantityTextsTest);
