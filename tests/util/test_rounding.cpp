#include "util/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using kvr::util::RoundHalfUp;

namespace {

struct RoundingCase
{
    double value;
    int precision;
    int digits;
    double expected;
};

TEST(RoundHalfUp, rounds_half_away_from_zero_on_the_decimal_text)
{
    const RoundingCase cases[] = {
        {2.345, 15, 2, 2.35},         {-2.345, 15, 2, -2.35},
        {2.345, 18, 2, 2.35}, // the double below 2.345 still reads as 2.345
        {1.994999, 15, 2, 1.99},      {2.3449, 15, 2, 2.34},
        {0.005, 15, 2, 0.01},         {-0.005, 15, 2, -0.01},
        {1.005, 15, 2, 1.01}, // binary rounding gives 1.00
        {2.675, 15, 2, 2.68}, // binary rounding gives 2.67
        {0.995, 15, 2, 1.0},          {-9.995, 15, 2, -10.0},
        {99999.995, 15, 2, 100000.0}, {123456789.125, 15, 2, 123456789.13},
        {12.0, 15, 2, 12.0},          {0.0, 15, 2, 0.0},
        {1e20, 15, 2, 1e20},          {1.5e-7, 15, 2, 0.0},
        {5e-324, 18, 2, 0.0},         {2.5, 15, 0, 3.0},
        {-2.5, 15, 0, -3.0},          {0.12345, 15, 4, 0.1235},
    };
    for (const RoundingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " precision " << c.precision << " digits " << c.digits);
        EXPECT_EQ(RoundHalfUp(c.value, c.precision, c.digits), c.expected);
    }
}

TEST(RoundHalfUp, precision_fifteen_absorbs_the_noise_of_computed_amounts)
{
    const double computed = 0.175 * 7; // 1.2249999999999999 in binary
    ASSERT_LT(computed, 1.225);
    EXPECT_EQ(RoundHalfUp(computed, 15, 2), 1.23);
    EXPECT_EQ(RoundHalfUp(computed, 18, 2), 1.22);
}

TEST(RoundHalfUp, vat_share_of_the_worked_bill_example_is_exact)
{
    const double total = 144.45;
    EXPECT_EQ(RoundHalfUp(total * 100 / (7 + 100), 18, 2), 135.0);
    EXPECT_EQ(total - RoundHalfUp(total * 100 / (7 + 100), 18, 2), 144.45 - 135.0);
}

TEST(RoundHalfUp, a_negative_amount_that_rounds_to_zero_gives_positive_zero)
{
    const double rounded = RoundHalfUp(-0.004, 15, 2);
    EXPECT_EQ(rounded, 0.0);
    EXPECT_FALSE(std::signbit(rounded));
}

TEST(RoundHalfUp, values_without_decimals_to_round_come_back_unchanged)
{
    const double largest = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfUp(largest, 15, 2), largest);
    EXPECT_EQ(RoundHalfUp(-largest, 15, 2), -largest);
    EXPECT_EQ(RoundHalfUp(infinity, 15, 2), infinity);
    EXPECT_TRUE(std::isnan(RoundHalfUp(std::nan(""), 15, 2)));
}

} // namespace
