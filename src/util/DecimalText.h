#pragma once

#include <string>

namespace kvr::util {

// A double written out as decimal digits and rounded half away from zero on that text. Money is
// rounded, printed and read out in words from this one form, so 2.345 is 2.35 everywhere.
struct FixedDecimal
{
    bool negative = false; // never set when every digit is zero
    std::string integerDigits; // no leading zeros; "0" for a zero integer part
    std::string fractionDigits; // exactly as many digits as were asked for

    bool isZero() const;
    std::string toString() const; // "-1234.50"
};

// Starts from the shortest text that reads back as the same double (2.345, not 2.34499999...),
// cuts it to `precision` significant digits when longer, so that binary noise such as
// 1.2249999999999999 counts as 1.225 (below 1 keeps every digit), then rounds to `decimals`
// places (below 0 counts as 0, at most 330). The value must be finite.
FixedDecimal ToFixedDecimal(double value, int precision, int decimals);

// The same number with fewer decimals, rounded half away from zero on its digits.
FixedDecimal RoundDecimals(const FixedDecimal& number, int decimals);

} // namespace kvr::util
