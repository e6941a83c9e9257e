#include "util/ThaiTaxId.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr::util;

TEST(ThaiTaxId, the_check_digit_is_eleven_less_the_weighted_sum_modulo_eleven_then_modulo_ten)
{
    // Weighted sums giving each end of the rule: remainder 0 (digit 1), 1 (digit 0), 10 (digit 1).
    const std::pair<const char*, char> cases[] = {
        {"010555801234", '9'}, {"020354400987", '9'}, {"010555123456", '7'},
        {"000000000000", '1'}, {"000000000006", '0'}, {"000000000005", '1'},
    };
    for (const auto& [twelve, check] : cases) {
        SCOPED_TRACE(twelve);
        EXPECT_EQ(thaiTaxIdCheckDigit(QString::fromLatin1(twelve)), QLatin1Char(check));
    }
}

TEST(ThaiTaxId, only_thirteen_digits_ending_in_their_check_digit_are_a_tax_id)
{
    EXPECT_TRUE(isThaiTaxId(QStringLiteral("0105558012349")));
    for (const char* text : {"0105558012348", "010555801234", "01055580123490", "0-1055-58012-34-9", " 0105558012349",
                             "010555801234X", "๐๑๐๕๕๕๘๐๑๒๓๔๙", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(isThaiTaxId(QString::fromUtf8(text)));
    }
}

TEST(ThaiTaxId, a_branch_code_is_five_digits)
{
    EXPECT_TRUE(isBranchCode(QStringLiteral("00000")));
    EXPECT_TRUE(isBranchCode(QStringLiteral("00012")));
    for (const char* text : {"12", "000001", "0001 ", "สาขา1", ""})
        EXPECT_FALSE(isBranchCode(QString::fromUtf8(text))) << text;
}

} // namespace
