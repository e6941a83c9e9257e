#pragma once

#include <QString>

namespace kvr::util {

// Formats value with a picture such as "#,##0.00", "##.#", "@##,##0.00" or "#,###.##;-#,###.##":
//   0  a digit that is always shown          #  a digit shown only when significant
//   .  the decimal point (left out when no decimals remain)
//   ,  anywhere in the integer part: group the integer digits by thousands
//   ;  separates the pictures for positive, negative (shown without a minus) and zero values
//   '...' or "..."  literal text; any other character is literal as well.
// Rounding is half away from zero on the decimal text, as RoundHalfUp. A value that rounds to zero
// has no minus sign, and a picture with only "#" still shows "0" rather than nothing. Literal text
// between integer placeholders is written after the integer digits. An empty picture gives the
// shortest decimal text of value.
QString FormatNumber(const QString& picture, double value);

// FormatNumber right-aligned with spaces to the length of the picture, for receipt columns. A result
// longer than the picture is returned whole: a cut amount would print a wrong figure. An empty
// picture gives a single space.
QString FormatRight(const QString& picture, double value);

} // namespace kvr::util
