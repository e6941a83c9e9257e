#include "util/Rounding.h"

#include "util/DecimalText.h"

#include <charconv>
#include <cmath>

namespace kvr::util {

double RoundHalfUp(double value, int precision, int digits)
{
    if (!std::isfinite(value))
        return value;
    // Written first with five decimals more than kept, so that noise beyond them (2.34499999 for
    // 2.345) cannot keep a half from rounding up; then rounded at `digits` on that text.
    const std::string text = RoundDecimals(ToFixedDecimal(value, precision, digits + 5), digits).toString();
    double rounded = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), rounded);
    // Cutting the largest doubles to 15 digits can step past the double range; they have no
    // decimals to round anyway.
    if (parsed.ec != std::errc{})
        return value;
    return rounded;
}

} // namespace kvr::util
