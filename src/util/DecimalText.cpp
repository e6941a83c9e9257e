#include "util/DecimalText.h"

#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvr::util {

namespace {

// Digits d0 d1 d2 ... standing for 0.d0d1d2... × 10^pointPosition, without sign.
struct Digits
{
    std::string digits;
    int pointPosition = 0;
};

Digits ShortestDigits(double magnitude, bool& negative)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    Q_ASSERT(error == std::errc{});
    const char* p = buffer;
    negative = (*p == '-');
    if (negative)
        ++p;
    Digits result;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            result.digits += *p;
    }
    // p is at 'e', followed by a sign and at least two exponent digits.
    const bool negativeExponent = (p[1] == '-');
    int exponent = 0;
    std::from_chars(p + 2, end, exponent);
    result.pointPosition = (negativeExponent ? -exponent : exponent) + 1;
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the first dropped one.
void RoundAt(Digits& number, int keep)
{
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    if (keep >= static_cast<int>(number.digits.size()))
        return;
    const bool up = number.digits[keep] >= '5';
    number.digits.resize(keep);
    if (!up)
        return;
    for (int i = keep - 1; i >= 0; --i) {
        if (number.digits[i] != '9') {
            ++number.digits[i];
            return;
        }
        number.digits[i] = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.pointPosition;
}

FixedDecimal FromDigits(const Digits& number, bool negative, int decimals)
{
    FixedDecimal result;
    result.negative = negative;
    const int count = static_cast<int>(number.digits.size());
    const auto digitAt = [&](int index) { return index >= 0 && index < count ? number.digits[index] : '0'; };
    for (int i = 0; i < number.pointPosition; ++i) {
        const char digit = digitAt(i);
        if (digit != '0' || !result.integerDigits.empty())
            result.integerDigits += digit;
    }
    if (result.integerDigits.empty())
        result.integerDigits.push_back('0');
    for (int i = 0; i < decimals; ++i)
        result.fractionDigits += digitAt(number.pointPosition + i);

    if (result.isZero())
        result.negative = false;
    return result;
}

} // namespace

bool FixedDecimal::isZero() const
{
    const auto zero = [](char c) { return c == '0'; };
    return std::all_of(integerDigits.begin(), integerDigits.end(), zero) &&
        std::all_of(fractionDigits.begin(), fractionDigits.end(), zero);
}

std::string FixedDecimal::toString() const
{
    std::string text = negative ? "-" : "";
    text += integerDigits;
    if (!fractionDigits.empty()) {
        text += '.';
        text += fractionDigits;
    }
    return text;
}

FixedDecimal ToFixedDecimal(double value, int precision, int decimals)
{
    Q_ASSERT(std::isfinite(value));
    // No double has a digit past the 324th decimal, so a longer fraction would only add zeros.
    decimals = std::clamp(decimals, 0, 330);

    bool negative = false;
    Digits number = ShortestDigits(value, negative);
    if (precision >= 1)
        RoundAt(number, precision);
    RoundAt(number, number.pointPosition + decimals);
    return FromDigits(number, negative, decimals);
}

FixedDecimal RoundDecimals(const FixedDecimal& number, int decimals)
{
    decimals = std::max(decimals, 0);
    Digits digits{number.integerDigits + number.fractionDigits, static_cast<int>(number.integerDigits.size())};
    RoundAt(digits, digits.pointPosition + decimals);
    return FromDigits(digits, number.negative, decimals);
}

} // namespace kvr::util
