#include "util/Tis620.h"

#include <gtest/gtest.h>

#include <utility>

using namespace kvr::util;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Tis620, converts_thai_ascii_and_windows_punctuation)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"ก"_s, QByteArray("\xA1")},
        {u"๛"_s, QByteArray("\xFB")},
        {u"ราคา 10 บาท"_s, QByteArray("\xC3\xD2\xA4\xD2 10 \xBA\xD2\xB7")},
        {u"€…“”–"_s, QByteArray("\x80\x85\x93\x94\x96")},
        {u"\u00A0"_s, QByteArray("\xA0")},
    };
    for (const auto& [text, bytes] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(TisFromUnicode(text), bytes);
        EXPECT_EQ(UnicodeFromTis(bytes), text);
    }
}

TEST(Tis620, every_byte_reads_back_unchanged)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const QString text = UnicodeFromTis(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(TisFromUnicode(text), all);
}

TEST(Tis620, characters_without_a_byte_become_one_question_mark_each)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"é"_s, QByteArray("?")},      {u"a中b"_s, QByteArray("a?b")},
        {u"😀"_s, QByteArray("?")},      {QString(QChar(0xD800)), QByteArray("?")}, // a stray surrogate
        {u"\u0E00"_s, QByteArray("?")}, {u"\u0E60"_s, QByteArray("?")},
        {u"\u0080"_s, QByteArray("?")}, // its byte already stands for the euro sign
    };
    for (const auto& [text, bytes] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(TisFromUnicode(text), bytes);
    }
}

} // namespace
