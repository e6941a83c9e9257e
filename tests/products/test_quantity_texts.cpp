#include "ProductFixture.h"

#include "products/QuantityTexts.h"

#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::products::QuantityTexts;

namespace {

class QuantityTextsTest : public ProductFixture
{
protected:
    void SetUp() override
    {
        ProductFixture::SetUp();
        if (IsSkipped())
            return;
        // Eggs: Pce (small), Dozen (stock, 12), Tray (30); loose goods without a stock unit; a stock
        // unit of fraction 0 beside the bag.
        exec(QStringLiteral(
            "INSERT INTO Product (Id, Code, TaxCode, DefaultWh) VALUES (30, 'EGG', 1, 1), (31, 'LOOSE', 1, 1)"));
        exec(QStringLiteral(
            "INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, StockUnitFlag, SmallUnitFlag) VALUES "
            "(301, 30, 'Pce', 1, 'N', 'Y'), (302, 30, 'Dozen', 12, 'Y', 'N'), (303, 30, 'Tray', 30, 'N', 'N'), "
            "(311, 31, 'Pce', 1, 'N', 'Y'), (82, 8, 'Sack', 0, 'Y', 'N')"));
        texts = std::make_unique<QuantityTexts>(*dm);
    }
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
        {"large and small", [&] { return t.OnhandQuantityText(302, 30); }, "2 Dozen 6 Pce"},
        {"another large unit", [&] { return t.OnhandQuantityText(303, -65); }, "- 2 Tray 5 Pce"},
        {"unknown unit", [&] { return t.OnhandQuantityText(999, -5); }, "5 ERROR"},
        {"part 2", [&] { return t.OnhandQuantityPartText(302, 2, -30); }, "-  6 Pce"},
        {"part 3", [&] { return t.OnhandQuantityPartText(302, 3, 30); }, "30 IDERROR"},
        {"product's stock unit", [&] { return t.ProductQuantityText(30, 30); }, "2 Dozen 6 Pce"},
        {"no stock unit", [&] { return t.ProductQuantityText(31, 30); }, "UnitError"},
        {"unknown product", [&] { return t.ProductQuantityText(999, 30); }, "UnitError"},
        {"stock unit of fraction 0: the count twice", [&] { return t.ProductQuantityText(shop::noStockUnit, 30); },
         "30 Sack 30 Bag"},
        {"counted in pieces", [&] { return t.FracSmallByStockText(301, 30); }, "2;1/2  Dozen"},
        {"counted in trays", [&] { return t.FracSmallByStockText(303, 1); }, "2;1/2  Dozen"},
        {"stock unit of fraction 0", [&] { return t.FracSmallByStockText(81, 3); }, "UnitError"},
        {"product without stock unit", [&] { return t.FracSmallByStockText(311, 3); }, "UnitError"},
        {"unknown unit", [&] { return t.FracSmallByStockText(999, 3); }, "UnitError"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), QString::fromLatin1(c.text));
    }
    setConfig(QStringLiteral("UnitLeft = '<', UnitRight = '>', OnhandDecimal = 1"));
    EXPECT_EQ(t.OnhandQuantityText(302, 30), QStringLiteral("2 <Dozen> 6.0 <Pce>"));
    EXPECT_EQ(t.ProductQuantityText(30, 0), QStringLiteral("0 <Dozen>"));
}

TEST_P(QuantityTextsTest, layout_functions_are_matched_by_upper_cased_name)
{
    struct Case
    {
        const char* name;
        QVariantList arguments;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {"OnhandQuantity", {30, 302}, QStringLiteral("2 Dozen 6 Pce")},
        {"ONHANDQUANTITY", {QStringLiteral("1,230.0"), QStringLiteral("302")}, QStringLiteral("102 Dozen 6 Pce")},
        {"onhandquantitylsunit", {30, 302, 1}, QStringLiteral("2 Dozen")},
        {"ONHANDQUANTITYLSUNIT", {30, 302, 2.0}, QStringLiteral(" 6 Pce")},
        {"FracSmallByStock", {5, 301}, QStringLiteral(";5/12  Dozen")},
        {"FRACSMALLBYSTOCK", {5}, std::nullopt},
        {"SUM", {5, 301}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts->reportFunction(QString::fromLatin1(c.name), c.arguments), c.text);
    }
}

KVR_INSTANTIATE_BACKENDS(QuantityTextsTest);
