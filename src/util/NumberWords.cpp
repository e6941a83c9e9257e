#include "util/NumberWords.h"

#include "util/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace kvr::util {

namespace {

using namespace Qt::Literals::StringLiterals;

// Satang are hundredths, so baht amounts are never read to more than two decimals.
constexpr int SatangDigits = 2;
constexpr int WordPrecision = 15;

const QString ThaiDigits[] = {u"ศูนย์"_s, u"หนึ่ง"_s, u"สอง"_s, u"สาม"_s, u"สี่"_s,
                              u"ห้า"_s,  u"หก"_s,  u"เจ็ด"_s, u"แปด"_s, u"เก้า"_s};

const QString EnglishWords[] = {
    u"ZERO "_s,     u"ONE "_s,     u"TWO "_s,     u"THREE "_s,     u"FOUR "_s,     u"FIVE "_s,     u"SIX "_s,
    u"SEVEN "_s,    u"EIGHT "_s,   u"NINE "_s,    u"TEN "_s,       u"ELEVEN "_s,   u"TWELVE "_s,   u"THIRTEEN "_s,
    u"FOURTEEN "_s, u"FIFTEEN "_s, u"SIXTEEN "_s, u"SEVENTEEN "_s, u"EIGHTEEN "_s, u"NINETEEN "_s, u"TWENTY "_s};

const QString EnglishTens[] = {QString(),   QString(),   u"TWENTY "_s,  u"THIRTY "_s, u"FOURTY "_s,
                               u"FIFTY "_s, u"SIXTY "_s, u"SEVENTY "_s, u"EIGHTY "_s, u"NINETY "_s};

int DigitValue(char c)
{
    return c - '0';
}

std::string_view WithoutLeadingZeros(std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

// Splits off the millions, which are read by the same rules and followed by the million word.
std::string_view BelowMillion(std::string_view digits, std::string_view& millions)
{
    millions = digits.size() > 6 ? digits.substr(0, digits.size() - 6) : std::string_view();
    return digits.size() > 6 ? digits.substr(digits.size() - 6) : digits;
}

QString ThaiWords(std::string_view digits)
{
    digits = WithoutLeadingZeros(digits);
    if (digits.empty())
        return {};
    std::string_view millions;
    std::string rest(BelowMillion(digits, millions));
    rest.insert(0, 6 - rest.size(), '0');
    QString text;
    if (!WithoutLeadingZeros(millions).empty())
        text = ThaiWords(millions) + u"ล้าน"_s;

    static const QString places[] = {u"แสน"_s, u"หมื่น"_s, u"พัน"_s, u"ร้อย"_s};
    for (int i = 0; i < 4; ++i) {
        if (const int d = DigitValue(rest[i]))
            text += ThaiDigits[d] + places[i];
    }
    const int tens = DigitValue(rest[4]);
    const int units = DigitValue(rest[5]);
    if (tens == 1)
        text += u"สิบ"_s;
    else if (tens == 2)
        text += u"ยี่สิบ"_s;
    else if (tens > 2)
        text += ThaiDigits[tens] + u"สิบ"_s;
    // One after a tens word is read "เอ็ด"; alone or after a place word it is "หนึ่ง".
    if (units == 1 && tens > 0)
        text += u"เอ็ด"_s;
    else if (units > 0)
        text += ThaiDigits[units];
    return text;
}

QString EnglishWordsOf(std::string_view digits)
{
    digits = WithoutLeadingZeros(digits);
    if (digits.empty())
        return {};
    std::string_view millions;
    const std::string_view low = BelowMillion(digits, millions);
    const int rest = std::stoi(std::string(low));
    QString text;
    if (!WithoutLeadingZeros(millions).empty())
        text = EnglishWordsOf(millions) + u" MILLION "_s;
    // A zero thousands group adds nothing, as a zero millions or hundreds group does.
    if (const int thousands = rest / 1000)
        text += EnglishWordsOf(std::to_string(thousands)) + u" THOUSAND "_s;
    if (const int hundreds = rest / 100 % 10)
        text += EnglishWords[hundreds] + u" HUNDRED "_s;
    const int lastTwo = rest % 100;
    if (lastTwo >= 1 && lastTwo <= 20) {
        text += EnglishWords[lastTwo];
    } else if (lastTwo > 20) {
        text += EnglishTens[lastTwo / 10];
        if (lastTwo % 10)
            text += EnglishWords[lastTwo % 10];
    }
    return text;
}

std::string TrailingZerosRemoved(std::string digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits;
}

// The amount rounded for reading, or nothing when there is nothing to read.
bool Rounded(double amount, int decimals, FixedDecimal& number)
{
    if (!std::isfinite(amount))
        return false;
    number = ToFixedDecimal(amount, WordPrecision, decimals);
    return !number.isZero();
}

// Satang as two digits: with one decimal, .5 is fifty satang.
std::string Satang(const FixedDecimal& number)
{
    std::string satang = number.fractionDigits;
    satang.resize(SatangDigits, '0');
    return satang;
}

} // namespace

QString ThaiNumberWords(qint64 n)
{
    return n > 0 ? ThaiWords(std::to_string(n)) : QString();
}

QString EnglishNumberWords(qint64 n)
{
    return n > 0 ? EnglishWordsOf(std::to_string(n)) : QString();
}

QString ThaiBahtText(int digits, double amount)
{
    FixedDecimal number;
    if (!Rounded(amount, std::clamp(digits, 0, SatangDigits), number))
        return {};
    QString text = number.negative ? u"ลบ"_s : QString();
    text += ThaiWords(number.integerDigits) + u"บาท"_s;
    const std::string satang = Satang(number);
    if (WithoutLeadingZeros(satang).empty())
        return text + u"ถ้วน"_s;
    return text + ThaiWords(satang) + u"สตางค์"_s;
}

QString ThaiDecimalText(int digits, double amount)
{
    FixedDecimal number;
    if (!Rounded(amount, digits, number))
        return {};
    QString text = number.negative ? u"ลบ"_s : QString();
    text += ThaiWords(number.integerDigits);
    const std::string decimals = TrailingZerosRemoved(number.fractionDigits);
    if (decimals.empty())
        return text + u"ถ้วน"_s;
    text += u"จุด"_s;
    for (const char c : decimals)
        text += ThaiDigits[DigitValue(c)];
    return text;
}

QString EnglishBahtText(int digits, double amount)
{
    FixedDecimal number;
    if (!Rounded(amount, std::clamp(digits, 0, SatangDigits), number))
        return {};
    QString text = number.negative ? u"MINUS "_s : QString();
    text += EnglishWordsOf(number.integerDigits) + u" BAHT "_s;
    const std::string satang = Satang(number);
    if (WithoutLeadingZeros(satang).empty())
        return text + u" ONLY"_s;
    return text + u" AND "_s + EnglishWordsOf(satang) + u" SATANG"_s;
}

QString EnglishDecimalText(int digits, double amount)
{
    FixedDecimal number;
    if (!Rounded(amount, digits, number))
        return {};
    QString text = number.negative ? u"MINUS "_s : QString();
    text += EnglishWordsOf(number.integerDigits) + u" "_s;
    const std::string decimals = TrailingZerosRemoved(number.fractionDigits);
    if (decimals.empty())
        return text + u" ONLY"_s;
    text += u" POINT "_s;
    for (const char c : decimals)
        text += EnglishWords[DigitValue(c)];
    return text + u" "_s;
}

} // namespace kvr::util
