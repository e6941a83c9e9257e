#include "printing/ThaiPrinterCode.h"
#include "util/Tis620.h"

#include "ByteText.h"

#include <gtest/gtest.h>

#include <utility>

using namespace kvr::printing;

namespace {

TEST(KuFromTis, moves_every_byte_by_its_range)
{
    const std::pair<unsigned char, unsigned char> cases[] = {
        {0x20, 0x20}, // ASCII stays
        {0xA3, 0xA3}, {0xA4, 0xA3}, {0xA5, 0xA5}, {0xA6, 0xA4}, // ฃ ค ฅ ฆ
        {0xC5, 0xC3}, {0xC6, 0xC6}, {0xC7, 0xC4}, {0xCE, 0xCB}, // ล ฦ ว ฮ
        {0xCF, 0xD6}, {0xD0, 0xCC}, {0xD1, 0xDD}, {0xD2, 0xCE}, {0xD3, 0xCF}, // ฯ ะ ั า ำ
        {0xD4, 0xD9}, {0xD7, 0xDC}, {0xD8, 0xD7}, {0xD9, 0xD8}, {0xDA, 0xDE}, // ิ ื ุ ู ฺ
        {0xDF, 0xDF}, {0xE0, 0xD0}, {0xE6, 0xD6}, // ฿ เ ๆ
        {0xE7, 0xDF}, {0xEC, 0xE4}, {0xED, 0xED}, // ็ ์ ํ
        {0xF0, 0x90}, {0xF9, 0x99}, // ๐ ๙
    };
    for (const auto& [tis, ku] : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(tis));
        EXPECT_EQ(KuFromTis(QByteArray(1, char(tis))), QByteArray(1, char(ku)));
    }
}

TEST(KuFromTis, merges_a_tone_mark_into_the_upper_vowel_before_it)
{
    const std::pair<const char*, const char*> cases[] = {
        // text, expected bytes in hex
        {"ที่", "B5 F3"}, // sara ii + mai ek
        {"ปั้น", "B9 EB B7"}, // mai han-akat + mai tho
        {"สิ่ง", "C7 EE A5"}, // sara i + mai ek
        {"ซึ่ง", "A9 F7 A5"}, // sara ue + mai ek
        {"ดื้อ", "B2 FC CA"}, // sara uee + mai tho
        {"ไก่", "D4 A1 E0"}, // after a letter or a lower vowel the tone mark stays apart
        {"ที่่", "B5 F3 E0"}, // a second tone mark has no vowel left to merge with
        {"่ก", "E0 A1"}, // a tone mark first is sent first, as it is
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Escaped(KuFromTis(kvr::util::TisFromUnicode(QString::fromUtf8(text)))), Escaped(Hex(expected)));
    }
}

TEST(RaiseToneMarks, replaces_a_tone_mark_after_an_upper_vowel_by_its_raised_glyph)
{
    const std::pair<const char*, const char*> cases[] = {
        // text, expected bytes in hex
        {"ที่", "B7 D5 9B"},
        {"ตั้ง", "B5 D1 93 A7"},
        {"สิ้น", "CA D4 97 B9"},
        {"ซึ่ง", "AB D6 DB A7"},
        {"ดื่ม", "B4 D7 FB C1"},
        {"ปี๊", "BB D5 9D"},
        {"ไก่", "E4 A1 E8"}, // no upper vowel: unchanged
        {"ที่่", "B7 D5 9B E8"}, // only the mark right after the vowel
        {"่", "E8"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Escaped(RaiseToneMarks(kvr::util::TisFromUnicode(QString::fromUtf8(text)))), Escaped(Hex(expected)));
    }
}

TEST(CharCodeFromPrinterCode, only_ku_selects_the_ku_code)
{
    const std::pair<const char*, CharCode> cases[] = {
        {"KU", CharCode::Ku}, {" ku ", CharCode::Ku}, {"TIS", CharCode::Tis}, {"KUX", CharCode::Tis}};
    for (const auto& [code, expected] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(CharCodeFromPrinterCode(QString::fromUtf8(code)), expected);
    }
}

} // namespace
