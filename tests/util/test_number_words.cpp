#include "util/NumberWords.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvr::util;
using namespace Qt::Literals::StringLiterals;

namespace {

struct WholeCase
{
    qint64 n;
    QString words;
};

TEST(ThaiNumberWords, reads_places_with_yi_and_et_where_thai_uses_them)
{
    const WholeCase cases[] = {
        {0, u""_s},
        {-5, u""_s},
        {1, u"หนึ่ง"_s},
        {2, u"สอง"_s},
        {10, u"สิบ"_s},
        {11, u"สิบเอ็ด"_s},
        {20, u"ยี่สิบ"_s},
        {21, u"ยี่สิบเอ็ด"_s},
        {45, u"สี่สิบห้า"_s},
        {100, u"หนึ่งร้อย"_s},
        {101, u"หนึ่งร้อยหนึ่ง"_s},
        {111, u"หนึ่งร้อยสิบเอ็ด"_s},
        {1001, u"หนึ่งพันหนึ่ง"_s},
        {10001, u"หนึ่งหมื่นหนึ่ง"_s},
        {120500, u"หนึ่งแสนสองหมื่นห้าร้อย"_s},
        {1000000, u"หนึ่งล้าน"_s},
        {1000001, u"หนึ่งล้านหนึ่ง"_s},
        {11000000, u"สิบเอ็ดล้าน"_s},
        {21000021, u"ยี่สิบเอ็ดล้านยี่สิบเอ็ด"_s},
        {2147483647, u"สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบเจ็ด"_s},
        {1000000000000, u"หนึ่งล้านล้าน"_s},
    };
    for (const WholeCase& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(ThaiNumberWords(c.n), c.words);
    }
}

TEST(EnglishNumberWords, keeps_the_spacing_of_the_printed_forms)
{
    const WholeCase cases[] = {
        {0, u""_s},
        {-1, u""_s},
        {1, u"ONE "_s},
        {11, u"ELEVEN "_s},
        {20, u"TWENTY "_s},
        {21, u"TWENTY ONE "_s},
        {40, u"FOURTY "_s},
        {99, u"NINETY NINE "_s},
        {101, u"ONE  HUNDRED ONE "_s},
        {1000, u"ONE  THOUSAND "_s},
        {1250, u"ONE  THOUSAND TWO  HUNDRED FIFTY "_s},
        {40000, u"FOURTY  THOUSAND "_s},
        {100000, u"ONE  HUNDRED  THOUSAND "_s},
        {121040, u"ONE  HUNDRED TWENTY ONE  THOUSAND FOURTY "_s},
        {1000001, u"ONE  MILLION ONE "_s},
        {2000040, u"TWO  MILLION FOURTY "_s},
        {11000000, u"ELEVEN  MILLION "_s},
        {1000000000, u"ONE  THOUSAND  MILLION "_s},
    };
    for (const WholeCase& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(EnglishNumberWords(c.n), c.words);
    }
}

struct AmountCase
{
    int digits;
    double amount;
    QString words;
};

void ExpectWords(QString (*function)(int, double), const AmountCase& c)
{
    SCOPED_TRACE(testing::Message() << c.amount << " with " << c.digits << " decimals");
    EXPECT_EQ(function(c.digits, c.amount), c.words);
}

TEST(ThaiBahtText, reads_baht_and_satang)
{
    const AmountCase cases[] = {
        {2, 0, u""_s},
        {2, 0.004, u""_s},
        {2, 1, u"หนึ่งบาทถ้วน"_s},
        {2, 21.01, u"ยี่สิบเอ็ดบาทหนึ่งสตางค์"_s},
        {2, 120.50, u"หนึ่งร้อยยี่สิบบาทห้าสิบสตางค์"_s},
        {2, 120, u"หนึ่งร้อยยี่สิบบาทถ้วน"_s},
        {2, 12.05, u"สิบสองบาทห้าสตางค์"_s},
        {2, 0.5, u"บาทห้าสิบสตางค์"_s},
        {2, 2.345, u"สองบาทสามสิบห้าสตางค์"_s},
        {2, 0.995, u"หนึ่งบาทถ้วน"_s},
        {2, 0.175 * 7, u"หนึ่งบาทยี่สิบสามสตางค์"_s}, // as FormatNumber prints it
        {1, 1.46, u"หนึ่งบาทห้าสิบสตางค์"_s}, // one decimal is tenths of a baht
        {3, 1.505, u"หนึ่งบาทห้าสิบเอ็ดสตางค์"_s}, // satang are the finest unit
        {0, 1.5, u"สองบาทถ้วน"_s},
        {2, 11000000.21, u"สิบเอ็ดล้านบาทยี่สิบเอ็ดสตางค์"_s},
        {2, -5, u"ลบห้าบาทถ้วน"_s},
    };
    for (const AmountCase& c : cases)
        ExpectWords(ThaiBahtText, c);
}

TEST(ThaiDecimalText, reads_the_decimals_digit_by_digit)
{
    const AmountCase cases[] = {
        {2, 0, u""_s},
        {2, 12, u"สิบสองถ้วน"_s},
        {2, 12.05, u"สิบสองจุดศูนย์ห้า"_s},
        {2, 12.5, u"สิบสองจุดห้า"_s},
        {3, 3.142, u"สามจุดหนึ่งสี่สอง"_s},
        {2, 21.01, u"ยี่สิบเอ็ดจุดศูนย์หนึ่ง"_s},
        {1, 0.25, u"จุดสาม"_s},
        {2, -1.5, u"ลบหนึ่งจุดห้า"_s},
    };
    for (const AmountCase& c : cases)
        ExpectWords(ThaiDecimalText, c);
}

TEST(EnglishBahtText, reads_baht_and_satang_with_the_printed_spacing)
{
    const AmountCase cases[] = {
        {2, 0, u""_s},
        {2, 1, u"ONE  BAHT  ONLY"_s},
        {2, 120.50, u"ONE  HUNDRED TWENTY  BAHT  AND FIFTY  SATANG"_s},
        {2, 21.01, u"TWENTY ONE  BAHT  AND ONE  SATANG"_s},
        {2, 40.40, u"FOURTY  BAHT  AND FOURTY  SATANG"_s},
        {2, 1040, u"ONE  THOUSAND FOURTY  BAHT  ONLY"_s},
        {1, 2.5, u"TWO  BAHT  AND FIFTY  SATANG"_s},
        {2, -1, u"MINUS ONE  BAHT  ONLY"_s},
    };
    for (const AmountCase& c : cases)
        ExpectWords(EnglishBahtText, c);
}

TEST(EnglishDecimalText, reads_the_decimals_digit_by_digit)
{
    const AmountCase cases[] = {
        {2, 0, u""_s},
        {2, 12, u"TWELVE   ONLY"_s},
        {2, 12.05, u"TWELVE   POINT ZERO FIVE  "_s},
        {2, 12.5, u"TWELVE   POINT FIVE  "_s},
        {2, 40.25, u"FOURTY   POINT TWO FIVE  "_s},
    };
    for (const AmountCase& c : cases)
        ExpectWords(EnglishDecimalText, c);
}

} // namespace
