#include "printing/ThaiPrinterCode.h"
#include "printing/ThreeLevelText.h"
#include "util/Tis620.h"

#include "ByteText.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::printing;

namespace {

QByteArray Thai(const char* utf8, CharCode code)
{
    return ConvertForPrinter(kvr::util::TisFromUnicode(QString::fromUtf8(utf8)), code);
}

// Which level a byte belongs to is LevelOf's, below; here, where each level's bytes go.
TEST(SplitThreeLevels, puts_each_mark_over_or_under_its_letter)
{
    // The text, already in the printer's code, and the bytes of the upper, base and lower levels.
    const std::tuple<const char*, QByteArray, CharCode, QByteArray, QByteArray, QByteArray> cases[] = {
        {"lower vowel and tone", Thai("กุ้ง", CharCode::Tis), CharCode::Tis, Hex("E9 20"), Hex("A1 A7"), Hex("D8 20")},
        {"mark first is dropped", Thai("่ก", CharCode::Tis), CharCode::Tis, " ", Hex("A1"), " "},
        {"bold in all three",
         QByteArray("\x0A"
                    "A\x0B"),
         CharCode::Tis, Hex("1B45 20 1B46"), Hex("1B45 41 1B46"), Hex("1B45 20 1B46")},
        {"underline in the letters only",
         QByteArray("\x10"
                    "A\x11"),
         CharCode::Tis, " ", Hex("1B2D01 41 1B2D00"), " "},
        {"condensed",
         QByteArray("\x0C"
                    "A"),
         CharCode::Ku, Hex("0F1B0F 20"), Hex("0F1B0F 41"), Hex("0F1B0F 20")},
        {"mark after a command keeps to its letter", Thai("ก", CharCode::Tis) + "\x0B" + Hex("E8"), CharCode::Tis,
         Hex("E8 1B46"), Hex("A1 1B46"), Hex("20 1B46")},
    };
    for (const auto& [name, text, code, upper, base, lower] : cases) {
        SCOPED_TRACE(name);
        const ThreeLevelText t = SplitThreeLevels(text, code);
        EXPECT_EQ(Escaped(t.upper), Escaped(upper));
        EXPECT_EQ(Escaped(t.base), Escaped(base));
        EXPECT_EQ(Escaped(t.lower), Escaped(lower));
    }
}

TEST(LevelOf, sorts_bytes_by_the_classes_of_each_code)
{
    const std::tuple<unsigned char, CharCode, MarkLevel> cases[] = {
        {0x92, CharCode::Tis, MarkLevel::Upper},  {0x9E, CharCode::Tis, MarkLevel::Upper},
        {0x9F, CharCode::Tis, MarkLevel::Letter}, {0xD1, CharCode::Tis, MarkLevel::Upper},
        {0xD2, CharCode::Tis, MarkLevel::Letter}, {0xD3, CharCode::Tis, MarkLevel::Letter},
        {0xD8, CharCode::Tis, MarkLevel::Lower},  {0xDA, CharCode::Tis, MarkLevel::Letter},
        {0xDB, CharCode::Tis, MarkLevel::Upper},  {0xDF, CharCode::Tis, MarkLevel::Letter},
        {0xE7, CharCode::Tis, MarkLevel::Upper},  {0xED, CharCode::Tis, MarkLevel::Upper},
        {0xEE, CharCode::Tis, MarkLevel::Letter}, {0xFE, CharCode::Tis, MarkLevel::Upper},
        {0x19, CharCode::Ku, MarkLevel::Letter},  {0xD6, CharCode::Ku, MarkLevel::Letter},
        {0xD7, CharCode::Ku, MarkLevel::Lower},   {0xD8, CharCode::Ku, MarkLevel::Lower},
        {0xD9, CharCode::Ku, MarkLevel::Upper},   {0xFF, CharCode::Ku, MarkLevel::Upper},
        {0x00, CharCode::Ku, MarkLevel::Upper},
    };
    for (const auto& [byte, code, level] : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(byte) << (code == CharCode::Ku ? " KU" : " TIS"));
        EXPECT_EQ(LevelOf(byte, code), level);
    }
}

} // namespace
