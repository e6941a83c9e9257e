#include "util/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <tuple>

using kvr::util::RoundHalfUp;

namespace {

// The value, the precision it is written with, the decimals kept and the result.
using RoundingCase = std::tuple<double, int, int, double>;

TEST(RoundHalfUp, rounds_half_away_from_zero_on_the_decimal_text)
{
    const RoundingCase cases[] = {
        {2.345, 15, 2, 2.35},         {2.345, 18, 2, 2.35}, // the double below 2.345 still reads as 2.345
        {1.994999, 15, 2, 1.99},      {0.005, 15, 2, 0.01},
        {-0.005, 15, 2, -0.01},       {1.005, 15, 2, 1.01}, // binary rounding gives 1.00
        {0.995, 15, 2, 1.0},          {-9.995, 15, 2, -10.0},
        {99999.995, 15, 2, 100000.0}, {123456789.125, 15, 2, 123456789.13},
        {12.0, 15, 2, 12.0},          {0.0, 15, 2, 0.0},
        {1e20, 15, 2, 1e20},          {1.5e-7, 15, 2, 0.0},
        {5e-324, 18, 2, 0.0},         {2.5, 15, 0, 3.0},
        {-2.5, 15, 0, -3.0},          {0.12345, 15, 4, 0.1235},
    };
    for (const auto& [value, precision, digits, expected] : cases) {
        SCOPED_TRACE(testing::Message() << value << " precision " << precision << " digits " << digits);
        EXPECT_EQ(RoundHalfUp(value, precision, digits), expected);
    }
}

// The value is first written with digits + 5 decimals, so noise beyond them cannot turn a half
// into a value below it, whatever the precision: the suite's other programs round the same way.
TEST(RoundHalfUp, noise_beyond_five_more_decimals_never_keeps_a_half_from_rounding_up)
{
    const double computed = 0.175 * 7; // 1.2249999999999999 in binary
    ASSERT_LT(computed, 1.225);
    const RoundingCase cases[] = {
        {computed, 15, 2, 1.23},        {computed, 18, 2, 1.23},
        {2.34499999, 15, 2, 2.35}, // too few digits for the precision to absorb
        {-2.34499999, 18, 2, -2.35},    {0.00499999995, 15, 2, 0.01},
        {2.3449999, 15, 2, 2.34}, // within the five decimals: a real value below the half
        {0.12344999999, 15, 4, 0.1235},
    };
    for (const auto& [value, precision, digits, expected] : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << value << " precision " << precision);
        EXPECT_EQ(RoundHalfUp(value, precision, digits), expected);
    }
}

TEST(RoundHalfUp, vat_share_of_the_worked_bill_example_is_exact)
{
    EXPECT_EQ(RoundHalfUp(144.45 * 100 / (7 + 100), 18, 2), 135.0);
}

TEST(RoundHalfUp, extremes_come_back_as_they_are_and_zero_without_a_sign)
{
    const double rounded = RoundHalfUp(-0.004, 15, 2);
    EXPECT_EQ(rounded, 0.0);
    EXPECT_FALSE(std::signbit(rounded));

    const double largest = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfUp(largest, 15, 2), largest);
    EXPECT_EQ(RoundHalfUp(-largest, 15, 2), -largest);
    EXPECT_EQ(RoundHalfUp(infinity, 15, 2), infinity);
    EXPECT_TRUE(std::isnan(RoundHalfUp(std::nan(""), 15, 2)));
}

} // namespace
