#include "util/NumberWords.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::util;
using namespace Qt::Literals::StringLiterals;

namespace {

// Thai reads places with yi and et where Thai uses them; English keeps the spacing of the
// printed forms.
TEST(NumberWords, read_whole_numbers_in_thai_and_in_english_as_the_printed_forms_space_them)
{
    // The reading, the number and its words.
    const std::tuple<QString (*)(qint64), qint64, QString> cases[] = {
        {ThaiNumberWords, 0, u""_s},
        {ThaiNumberWords, 1, u"หนึ่ง"_s},
        {ThaiNumberWords, 10, u"สิบ"_s},
        {ThaiNumberWords, 11, u"สิบเอ็ด"_s},
        {ThaiNumberWords, 20, u"ยี่สิบ"_s},
        {ThaiNumberWords, 21, u"ยี่สิบเอ็ด"_s},
        {ThaiNumberWords, 45, u"สี่สิบห้า"_s},
        {ThaiNumberWords, 100, u"หนึ่งร้อย"_s},
        {ThaiNumberWords, 101, u"หนึ่งร้อยหนึ่ง"_s},
        {ThaiNumberWords, 111, u"หนึ่งร้อยสิบเอ็ด"_s},
        {ThaiNumberWords, 120500, u"หนึ่งแสนสองหมื่นห้าร้อย"_s},
        {ThaiNumberWords, 1000000, u"หนึ่งล้าน"_s},
        {ThaiNumberWords, 21000021, u"ยี่สิบเอ็ดล้านยี่สิบเอ็ด"_s},
        {ThaiNumberWords, 1000000000000, u"หนึ่งล้านล้าน"_s},
        {EnglishNumberWords, 0, u""_s},
        {EnglishNumberWords, 1, u"ONE "_s},
        {EnglishNumberWords, 11, u"ELEVEN "_s},
        {EnglishNumberWords, 21, u"TWENTY ONE "_s},
        {EnglishNumberWords, 40, u"FOURTY "_s},
        {EnglishNumberWords, 101, u"ONE  HUNDRED ONE "_s},
        {EnglishNumberWords, 1000, u"ONE  THOUSAND "_s},
        {EnglishNumberWords, 100000, u"ONE  HUNDRED  THOUSAND "_s},
        {EnglishNumberWords, 121040, u"ONE  HUNDRED TWENTY ONE  THOUSAND FOURTY "_s},
        {EnglishNumberWords, 1000001, u"ONE  MILLION ONE "_s},
        {EnglishNumberWords, 1000000000, u"ONE  THOUSAND  MILLION "_s},
    };
    for (const auto& [words, n, expected] : cases) {
        SCOPED_TRACE(n);
        EXPECT_EQ(words(n), expected);
    }
}

// Baht and satang, or the decimals digit by digit, in Thai and in English with the printed spacing.
TEST(NumberWords, read_amounts_as_baht_and_satang_or_as_decimals_digit_by_digit)
{
    // The reading, the decimals, the amount and its words.
    const std::tuple<QString (*)(int, double), int, double, QString> cases[] = {
        {ThaiBahtText, 2, 0.004, u""_s},
        {ThaiBahtText, 2, 1, u"หนึ่งบาทถ้วน"_s},
        {ThaiBahtText, 2, 21.01, u"ยี่สิบเอ็ดบาทหนึ่งสตางค์"_s},
        {ThaiBahtText, 2, 120.50, u"หนึ่งร้อยยี่สิบบาทห้าสิบสตางค์"_s},
        {ThaiBahtText, 2, 0.5, u"บาทห้าสิบสตางค์"_s},
        {ThaiBahtText, 2, 0.175 * 7, u"หนึ่งบาทยี่สิบสามสตางค์"_s}, // as FormatNumber prints it
        {ThaiBahtText, 1, 1.46, u"หนึ่งบาทห้าสิบสตางค์"_s}, // one decimal is tenths of a baht
        {ThaiBahtText, 3, 1.505, u"หนึ่งบาทห้าสิบเอ็ดสตางค์"_s}, // satang are the finest unit
        {ThaiBahtText, 0, 1.5, u"สองบาทถ้วน"_s},
        {ThaiBahtText, 2, 11000000.21, u"สิบเอ็ดล้านบาทยี่สิบเอ็ดสตางค์"_s},
        {ThaiBahtText, 2, -5, u"ลบห้าบาทถ้วน"_s},
        {ThaiDecimalText, 2, 0, u""_s},
        {ThaiDecimalText, 2, 12, u"สิบสองถ้วน"_s},
        {ThaiDecimalText, 2, 12.05, u"สิบสองจุดศูนย์ห้า"_s},
        {ThaiDecimalText, 1, 0.25, u"จุดสาม"_s},
        {ThaiDecimalText, 2, -1.5, u"ลบหนึ่งจุดห้า"_s},
        {EnglishBahtText, 2, 0, u""_s},
        {EnglishBahtText, 2, 1, u"ONE  BAHT  ONLY"_s},
        {EnglishBahtText, 2, 120.50, u"ONE  HUNDRED TWENTY  BAHT  AND FIFTY  SATANG"_s},
        {EnglishBahtText, 1, 2.5, u"TWO  BAHT  AND FIFTY  SATANG"_s},
        {EnglishBahtText, 2, -1, u"MINUS ONE  BAHT  ONLY"_s},
        {EnglishDecimalText, 2, 0, u""_s},
        {EnglishDecimalText, 2, 12, u"TWELVE   ONLY"_s},
        {EnglishDecimalText, 2, 12.05, u"TWELVE   POINT ZERO FIVE  "_s},
    };
    for (const auto& [words, digits, amount, expected] : cases) {
        SCOPED_TRACE(testing::Message() << amount << " with " << digits << " decimals");
        EXPECT_EQ(words(digits, amount), expected);
    }
}

} // namespace
