#include "util/ThaiText.h"

#include "util/Tis620.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using namespace kvr::util;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ThaiTextWidth, counts_only_letters_that_take_a_column)
{
    const std::pair<QString, int> cases[] = {
        {u""_s, 0},     {u"abc"_s, 3},    {u"ที่"_s, 1}, // sara ii and mai ek sit on tho thahan
        {u"กี่บาท"_s, 4}, {u"น้ำ"_s, 2}, // sara am takes its own column
        {u"สวัสดี"_s, 4}, {u"ปั๊ม"_s, 2},     {u"กุ้ง"_s, 2}, // a below vowel and a tone mark on the same letter
        {u"เก็บ"_s, 3},  {u"ทั้งนี้ A1"_s, 6}, {u"\x12tax\x13"_s, 5}, // printer control codes take a column
        {u"a😀b"_s, 3}, // one character beyond the basic plane is one column
    };
    for (const auto& [text, width] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ThaiTextWidth(text), width);
    }
}

// Every byte of code page 874 the printers overstrike: 0xD1, 0xD4 to 0xDB and 0xE7 to 0xED.
TEST(ThaiTextWidth, takes_no_column_for_any_byte_of_the_zero_width_set)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const bool zeroWidth = byte == 0xD1 || (byte >= 0xD4 && byte <= 0xDB) || (byte >= 0xE7 && byte <= 0xED);
        SCOPED_TRACE(testing::Message() << std::hex << byte);
        EXPECT_EQ(ThaiTextWidth(UnicodeFromTis(QByteArray("\xA1") + char(byte))), zeroWidth ? 1 : 2);
    }
}

TEST(ThaiTextWidth, counts_texts_longer_than_255_characters)
{
    EXPECT_EQ(ThaiTextWidth(QString(300, u'x') + u"ที่"_s), 301);
}

// Text, width, what comes out.
using LayoutCase = std::tuple<QString, int, QString>;

TEST(PadRightThai, pads_with_spaces_or_cuts_letters_with_their_marks)
{
    const LayoutCase cases[] = {
        {u"abc"_s, 5, u"abc  "_s}, {u"ที่"_s, 3, u"ที่  "_s}, {u"กี่บาท"_s, 2, u"กี่บ"_s}, {u"กี่บาท"_s, 4, u"กี่บาท"_s},
        {u"ที่ก"_s, 1, u"ที่"_s}, // the marks of the letter that stays are kept
        {u"กที่"_s, 1, u"ก"_s}, // the marks of a cut letter go with it
        {u"a😀b"_s, 2, u"a😀"_s},    {u"abc"_s, 0, u""_s},  {u"abc"_s, -1, u""_s},   {u""_s, 3, u"   "_s},
    };
    for (const auto& [text, width, expected] : cases) {
        SCOPED_TRACE(testing::Message() << text.toStdString() << " to " << width);
        EXPECT_EQ(PadRightThai(text, width), expected);
    }
}

TEST(CenterThai, centres_the_text_in_exactly_the_width)
{
    const LayoutCase cases[] = {
        {u"abc"_s, 7, u"  abc  "_s}, {u"ab"_s, 7, u"   ab  "_s}, {u"abc"_s, 8, u"   abc  "_s}, {u"ที่"_s, 5, u"  ที่  "_s},
        {u"abcd"_s, 4, u"abcd"_s},   {u"abc"_s, 4, u" abc"_s},   {u"กี่บาท"_s, 2, u"กี่บ"_s},      {u""_s, 2, u"  "_s},
    };
    for (const auto& [text, width, expected] : cases) {
        SCOPED_TRACE(testing::Message() << text.toStdString() << " in " << width);
        EXPECT_EQ(CenterThai(text, width), expected);
    }
}

TEST(PadLeft, right_aligns_text_trimmed_of_spaces_and_cuts_longer_text)
{
    // The text, the width, the fill and the result.
    const std::tuple<QString, int, QChar, QString> cases[] = {
        {u"  12 "_s, 5, u' ', u"   12"_s},
        {u"7"_s, 3, u'0', u"007"_s},
        {u"123456"_s, 4, u' ', u"1234"_s},
        {u"1234"_s, 4, u' ', u"1234"_s},
        {u"12"_s, -3, u' ', u""_s},
        // Only spaces are trimmed: a tab or a line break is part of the number.
        {u"\t12 "_s, 5, u' ', u"  \t12"_s},
        {u"12\n"_s, 4, u' ', u" 12\n"_s},
    };
    for (const auto& [text, width, fill, expected] : cases) {
        SCOPED_TRACE(testing::Message() << '"' << text.toStdString() << "\" to " << width);
        EXPECT_EQ(PadLeft(text, width, fill), expected);
    }
}

TEST(TrimLeadingSpaces, removes_only_spaces_and_only_at_the_start)
{
    EXPECT_EQ(TrimLeadingSpaces(u"   a b  "_s), u"a b  "_s);
    EXPECT_EQ(TrimLeadingSpaces(u"    "_s), u""_s);
    EXPECT_EQ(TrimLeadingSpaces(u" \t a"_s), u"\t a"_s);
}

} // namespace
