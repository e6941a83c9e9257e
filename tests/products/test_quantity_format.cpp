#include "products/QuantityFormat.h"

#include <gtest/gtest.h>

using namespace kvr::products;

namespace {

const UnitPair boxOfTwelve{true, 12, QStringLiteral("Box"), QStringLiteral("Pce")};
const UnitPair kilogram{true, 1, QStringLiteral("Kg"), QStringLiteral("Kg")};
const UnitPair zeroFraction{true, 0, QStringLiteral("Set"), QStringLiteral("Pce")};
const UnitPair unknownUnit{};

} // namespace

TEST(QuantityFormat, onhand_text_writes_large_and_small_units)
{
    struct Case
    {
        double quantity;
        UnitPair unit;
        UnitDecoration decoration;
        const char* text;
    };
    const UnitDecoration plain;
    const Case cases[] = {
        {30, boxOfTwelve, plain, "2 Box 6 Pce"},
        {-30, boxOfTwelve, plain, "- 2 Box 6 Pce"},
        {12, boxOfTwelve, plain, "1 Box"},
        {5, boxOfTwelve, plain, "5 Pce"},
        {0, boxOfTwelve, plain, "0 Box"},
        {12005, boxOfTwelve, plain, "1,000 Box 5 Pce"},
        {30.5, boxOfTwelve, plain, "2 Box 6.5 Pce"},
        {7.5, kilogram, plain, "7.5 Kg"},
        {30, zeroFraction, plain, "30 Set 30 Pce"},
        {30, boxOfTwelve, {QStringLiteral("["), QStringLiteral("]"), 0}, "2 [Box] 6 [Pce]"},
        {0, boxOfTwelve, {QStringLiteral("("), QStringLiteral(")"), 0}, "0 (Box)"},
        {30, boxOfTwelve, {{}, {}, 2}, "2 Box 6.00 Pce"},
        {7.5, kilogram, {{}, {}, -1}, "8 Kg"},
        {-5, unknownUnit, plain, "5 ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(onhandQuantityText(c.quantity, c.unit, c.decoration), QString::fromLatin1(c.text));
    }
}

TEST(QuantityFormat, part_texts_keep_the_sign_prefix_and_their_blanks)
{
    struct Case
    {
        double quantity;
        UnitPair unit;
        int part;
        const char* text;
    };
    const Case cases[] = {
        {30, boxOfTwelve, 1, "2 Box"},
        {30, boxOfTwelve, 2, " 6 Pce"},
        {-30, boxOfTwelve, 2, "-  6 Pce"},
        {12, boxOfTwelve, 2, ""},
        {-12, boxOfTwelve, 2, "- "},
        {5, boxOfTwelve, 1, ""},
        {7.5, kilogram, 1, ""},
        {7.5, kilogram, 2, "7.5 Kg"},
        {-30, boxOfTwelve, 0, "30 IDERROR"},
        {4.25, unknownUnit, 1, "4.25 ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(onhandQuantityPartText(c.quantity, c.unit, c.part), QString::fromLatin1(c.text));
    }
}

TEST(QuantityFormat, stock_text_is_not_trimmed)
{
    struct Case
    {
        double quantity;
        int fraction;
        const char* stockUnit;
        const char* text;
    };
    const Case cases[] = {
        {30, 12, "Box", "2 Box 6 Pce"},    {12, 12, "Box", "1 Box"},  {5, 12, "Box", " 5 Pce"},
        {-30, 12, "Box", "- 2 Box 6 Pce"}, {0, 12, "Box", "0 Box"},   {7.5, 1, "Kg", "7.5 Kg"},
        {-0.25, 12, "Box", "-  .25 Pce"},  {30, 0, "", "30  30 Pce"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(stockQuantityText(c.quantity, c.fraction, QString::fromLatin1(c.stockUnit), QStringLiteral("Pce")),
                  QString::fromLatin1(c.text));
    }
}

TEST(QuantityFormat, fractions_of_a_stock_unit_are_reduced)
{
    struct Case
    {
        double quantity;
        int unitFraction;
        int stockFraction;
        const char* text;
    };
    const Case cases[] = {
        {30, 1, 12, "2;1/2  Dozen"},     {12, 1, 12, "1;Dozen"},     {0, 1, 12, ";0  Dozen"},
        {-30, 1, 12, "-2;-6/12  Dozen"}, {5, 1, 12, ";5/12  Dozen"}, {4, 1, 12, ";1/3  Dozen"},
        {2.5, 6, 12, "1;1/4  Dozen"}, // counted in half dozens: 15 pieces
        {0.9, 1, 12, ";0  Dozen"}, // less than a piece
        {14400, 1, 12, "1,200;Dozen"},   {30, 1, 0, "UnitError"}, // no stock unit, or one of fraction 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fracSmallByStockText(c.quantity, c.unitFraction, c.stockFraction, QStringLiteral("Dozen")),
                  QString::fromLatin1(c.text));
    }
}
