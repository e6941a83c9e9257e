#pragma once

namespace kvr::util {

// Rounds half away from zero at `digits` decimals on the decimal text of value, never on binary
// arithmetic: 2.345 -> 2.35, -2.345 -> -2.35, 1.994999 -> 1.99. The text first keeps `precision`
// significant digits and digits + 5 decimals, which absorbs the noise of computed amounts: 0.175 * 7
// is 1.2249999999999999 in binary and rounds to 1.23 at either precision the callers pass (15 or
// 18), and 2.34499999 rounds to 2.35. A zero result is +0.0; NaN and infinities come back unchanged.
double RoundHalfUp(double value, int precision, int digits);

} // namespace kvr::util
