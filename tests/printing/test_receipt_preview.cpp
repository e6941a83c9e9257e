#include "printing/ReceiptPreview.h"
#include "printing/ReceiptPrinter.h"

#include "ByteText.h"
#include "PrintedReceipt.h"

#include <QImage>
#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::printing;

namespace {

// Raised and merged tone marks, cuts and blank lines are read back from every golden receipt.
TEST(ReceiptPreview, merges_the_three_passes_into_thai_text)
{
    // What is sent, in which code, and the one line read back as "text|columns".
    const std::tuple<const char*, QByteArray, CharCode, QString> cases[] = {
        {"KU ambiguous byte reads as a tone", Hex("1B330F08 EE20 0D0A C7A5 0D0A 2020 1B330508 0D0A"), CharCode::Ku,
         QStringLiteral("สิ่ง|2")},
        {"one-pass line", Hex("B7D5E8 41 0D0A"), CharCode::Tis, QStringLiteral("ที่A|2")},
        {"commands take no column", Hex("1B45 41 1B46 1B2D01 42 1B2D00 0F 12 0D0A"), CharCode::Tis,
         QStringLiteral("AB|2")},
        {"an unfinished line prints nothing", Hex("41 0D0A 1B40"), CharCode::Tis, QStringLiteral("A|1")},
    };
    for (const auto& [name, stream, code, expected] : cases) {
        SCOPED_TRACE(name);
        const std::vector<PreviewLine> lines = ReceiptPreview::decode(stream, code).lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text() + u'|' + QString::number(lines[0].cells.size()), expected);
    }
}

TEST(ReceiptPreview, follows_bold_italic_and_reset)
{
    const ReceiptPreview preview =
        ReceiptPreview::decode(Hex("41 1B45 42 1B34 43 0D0A 44 1B40 45 0D0A 1B2D01 46 1B2D00 47 0D0A"), CharCode::Tis);
    // Each cell as its styles, B(old) I(talic) U(nderline), or "-" for none.
    QStringList styles;
    for (const PreviewLine& line : preview.lines()) {
        QStringList cells;
        for (const PreviewCell& cell : line.cells) {
            const QString style =
                QStringLiteral("%1%2%3").arg(QLatin1String(cell.bold ? "B" : ""), QLatin1String(cell.italic ? "I" : ""),
                                             QLatin1String(cell.underline ? "U" : ""));
            cells << (style.isEmpty() ? QStringLiteral("-") : style);
        }
        styles << cells.join(u' ');
    }
    EXPECT_EQ(styles, (QStringList{QStringLiteral("- B BI"), QStringLiteral("BI -"), QStringLiteral("U -")}));
}

// The demo bill's names, its heading and plain ASCII are read back from the golden receipts.
TEST(ReceiptPreview, reads_back_what_was_printed_in_either_code)
{
    const QStringList texts = {QStringLiteral("ข้าวหอมมะลิ ๕ กก."), QStringLiteral("กุ้งแห้ง ปั้นสิ้นซึ่งดื้อ"),
                               QStringLiteral("ฆ้องใหญ่ ฤๅษี ฮ่องกง")};
    for (const CharCode code : {CharCode::Tis, CharCode::Ku}) {
        SCOPED_TRACE(code == CharCode::Ku ? "KU" : "TIS");
        QStringList read;
        for (const QString& text : texts)
            read << kvr::test::PrintedReceipt::of([&](ReceiptPrinter& p) { p.WriteThai(text); }, code)
                        .texts()
                        .join(u'\n');
        EXPECT_EQ(read, texts);
    }
}

QImage Render(const QString& text)
{
    const QByteArray bytes = kvr::test::PrintedReceipt::of([&](ReceiptPrinter& p) { p.WriteThai(text); }).bytes;
    return ReceiptPreview::decode(bytes, CharCode::Tis).image();
}

// Rows (top to bottom) holding any dark pixel.
std::vector<int> InkedRows(const QImage& image)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 30; x < image.width() - 30; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

TEST(ReceiptPreviewImage, draws_the_marks_above_the_letter_on_paper_forty_columns_wide)
{
    const QImage letter = Render(QStringLiteral("ท"));
    const QImage marked = Render(QStringLiteral("ที่"));
    const QImage wide = Render(QString(40, u'x'));
    ASSERT_FALSE(letter.isNull());
    EXPECT_EQ(letter.size(), marked.size());
    EXPECT_EQ(letter.width(), wide.width()); // the paper does not grow with the text
    const std::vector<int> letterRows = InkedRows(letter);
    const std::vector<int> markedRows = InkedRows(marked);
    ASSERT_FALSE(letterRows.empty());
    ASSERT_FALSE(markedRows.empty());
    // The vowel and the tone mark are drawn above the letter.
    EXPECT_LT(markedRows.front(), letterRows.front() - 3);
    EXPECT_EQ(markedRows.back(), letterRows.back());
}

TEST(ReceiptPreviewImage, draws_bold_heavier)
{
    const auto ink = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    const QImage plain = Render(QStringLiteral("ABCDEF"));
    const QImage bold = Render(QStringLiteral("\x0A") + QStringLiteral("ABCDEF"));
    EXPECT_GT(ink(bold), ink(plain));
}

} // namespace
