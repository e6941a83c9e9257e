// What the quantity and price cells take as a number, and the limits a workstation sets.
#include "pos/LineLimits.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using kvr::pos::LineLimits;
using kvr::pos::typedNumber;

TEST(TypedNumber, TakesPlainFiguresOnly)
{
    struct Case
    {
        const char* typed;
        std::optional<double> value;
    };
    // One a way through: no digit at all, not a plain figure, digits the C locale does not read.
    const Case cases[] = {
        {" 2.5 ", 2.5}, {"1,000", 1000}, {"-1", -1},  {".5", 0.5},   {"8850001000011", 8850001000011.0},
        {"", {}},       {"nan", {}},     {"1e3", {}}, {"12,34", {}}, {"๑๒", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(typedNumber(QString::fromUtf8(c.typed)), c.value);
    }
}

TEST(LineLimits, AmountsStopShortOfWhatTheColumnsHold)
{
    EXPECT_TRUE(LineLimits::storable(999999999999999.0 - 1));
    EXPECT_FALSE(LineLimits::storable(1e15));
    EXPECT_FALSE(LineLimits::storable(-1e15));
    EXPECT_FALSE(LineLimits::storable(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(LineLimits::storable(std::numeric_limits<double>::infinity()));
}

TEST(LineLimits, AWorkstationSetsItsOwnAndNonsenseKeepsTheDefaults)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("KVR.INI"));
    EXPECT_EQ(LineLimits::fromIni(ini).maxQuantity, LineLimits().maxQuantity) << "no file";
    ASSERT_TRUE(kvr::test::writeFile(ini, "[sale]\nMaxQuantity=250\nMaxPrice=abc\n"));
    const LineLimits limits = LineLimits::fromIni(ini);
    EXPECT_EQ(limits.maxQuantity, 250);
    EXPECT_EQ(limits.maxPrice, LineLimits().maxPrice);
}
