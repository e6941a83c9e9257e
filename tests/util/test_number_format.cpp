#include "util/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

using namespace kvr::util;
using namespace Qt::Literals::StringLiterals;

namespace {

// The pictures of receipts and quantity texts; FormatRight right-aligns to the picture's length.
TEST(FormatNumber, follows_the_pictures_of_receipts_and_quantity_texts_and_right_aligns_to_them)
{
    // The function, the picture, the value and its text.
    const std::tuple<QString (*)(const QString&, double), QString, double, QString> cases[] = {
        {FormatNumber, u"#,##0.00"_s, 1234.5, u"1,234.50"_s},
        {FormatNumber, u"#,##0.00"_s, 0, u"0.00"_s},
        {FormatNumber, u"#,##0.00"_s, -1234.567, u"-1,234.57"_s},
        {FormatNumber, u"#,##0.00"_s, 0.175 * 7, u"1.23"_s}, // 1.2249999999999999 in binary
        {FormatNumber, u"#,##0.00"_s, -0.004, u"0.00"_s},
        {FormatNumber, u"#,##0.00"_s, 999.995, u"1,000.00"_s},
        {FormatNumber, u"###,###,##0.00"_s, 1234567.891, u"1,234,567.89"_s},
        {FormatNumber, u"###0.00"_s, 1234.5, u"1234.50"_s},
        {FormatNumber, u"##.#"_s, 2, u"2"_s},
        {FormatNumber, u"##.#"_s, 0.5, u".5"_s},
        {FormatNumber, u"##.#"_s, 0, u"0"_s},
        {FormatNumber, u"@##,##0.00"_s, 12, u"@12.00"_s},
        {FormatNumber, u"###,###,##0.###### "_s, 1.5, u"1.5 "_s},
        {FormatNumber, u"#,###.##;-#,###.##"_s, -3, u"-3"_s},
        {FormatNumber, u"0.00;(0.00);'nil'"_s, -1.5, u"(1.50)"_s},
        {FormatNumber, u"0.00;(0.00);'nil'"_s, 0.001, u"nil"_s},
        {FormatNumber, u"0.00;;'nil'"_s, -1.5, u"-1.50"_s},
        {FormatNumber, u"000"_s, 7, u"007"_s},
        {FormatNumber, u"0"_s, 2.5, u"3"_s},
        {FormatNumber, u".00"_s, 12.5, u"12.50"_s},
        {FormatNumber, u"0.0#"_s, 1, u"1.0"_s},
        {FormatNumber, u"'Total;' 0.00"_s, 3, u"Total; 3.00"_s},
        {FormatNumber, u"#,##0.00"_s, std::nan(""), u"NAN"_s}, // not a number: in words
        {FormatNumber, u"#,##0.00"_s, -std::numeric_limits<double>::infinity(), u"-INF"_s},
        {FormatNumber, u""_s, 2.345, u"2.345"_s}, // no picture: the shortest text
        {FormatRight, u"#,##0.00"_s, 12.5, u"   12.50"_s},
        {FormatRight, u"#,##0.00"_s, 1234.5, u"1,234.50"_s},
        {FormatRight, u"#,##0.00"_s, 12345.67, u"12,345.67"_s}, // longer than the picture: every digit stays
        {FormatRight, u"###,###,##0.###### "_s, 1.5, u"                1.5"_s},
        {FormatRight, u""_s, 12.5, u" "_s},
    };
    for (const auto& [format, picture, value, expected] : cases) {
        SCOPED_TRACE(testing::Message() << picture.toStdString() << " with " << value);
        EXPECT_EQ(format(picture, value), expected);
    }
}

} // namespace
