#pragma once

namespace kvr::util {

// Rounds half away from zero at `digits` decimals on the decimal text of value, never on binary
// arithmetic: 2.345 -> 2.35, -2.345 -> -2.35, 1.994999 -> 1.99. `precision` is the number of
// significant digits kept before rounding: 15 absorbs the noise of computed amounts (0.175 * 7 is
// 1.2249999999999999 in binary and rounds to 1.23), 18 keeps the value as it is. A zero result is
// +0.0; NaN and infinities come back unchanged.
double RoundHalfUp(double value, int precision, int digits);

} // namespace kvr::util
