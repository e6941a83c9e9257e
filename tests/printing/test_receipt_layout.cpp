#include "printing/ReceiptLayout.h"
#include "util/NumberFormat.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::printing;
using kvr::test::PrintedReceipt;

namespace {

ReceiptLine Line(const QString& name, double quantity, double price, double total, double discount = 0)
{
    return {QStringLiteral("P1"), QStringLiteral("885"), name, QStringLiteral("ชิ้น"), quantity, price, discount, total};
}

PrintedReceipt LinesOf(int formNo, const std::vector<ReceiptLine>& lines)
{
    const ReceiptSettings settings = kvr::test::DemoSettings(formNo);
    return PrintedReceipt::of([&](ReceiptPrinter& p) { PrintReceiptLines(p, settings, lines); });
}

PrintedReceipt TotalsOf(int formNo, const ReceiptHeader& header)
{
    const ReceiptSettings settings = kvr::test::DemoSettings(formNo);
    return PrintedReceipt::of([&](ReceiptPrinter& p) { PrintReceiptTotals(p, settings, header); });
}

TEST(PrintReceiptLines, adds_the_unit_price_when_more_than_one_was_sold)
{
    // Only the whole part of the quantity counts.
    EXPECT_EQ(LinesOf(1, {Line(QStringLiteral("ที่ตักน้ำแข็ง"), 1.5, 12.5, 37.5)}).texts(),
              QStringList{QStringLiteral("ที่ตักน้ำแข็ง               1.5 ชิ้น      37.50")});
    EXPECT_EQ(LinesOf(1, {Line(QStringLiteral("ที่ตักน้ำแข็ง"), 2, 1234.5, 37.5)}).texts(),
              (QStringList{QStringLiteral("ที่ตักน้ำแข็ง                 2 ชิ้น      37.50"), QStringLiteral("@1,234.50")}));
}

TEST(PrintReceiptLines, keeps_every_line_within_forty_columns_and_figures_whole)
{
    const std::tuple<const char*, ReceiptLine, QString> cases[] = {
        {"a total wider than its column takes the unit's spare column",
         Line(QStringLiteral("โทรทัศน์ 55 นิ้ว"), 1, 12345.67, 12345.67),
         QStringLiteral("โทรทัศน์ 55 นิ้ว             1 ชิ้น  12,345.67")},
        {"a much wider total cuts the name", Line(QStringLiteral("เครื่องปรับอากาศ 24000 BTU"), 1, 1234567.89, 1234567.89),
         QStringLiteral("เครื่องปรับอากาศ 24000    1 ชิ้น 1,234,567.89")},
        {"a control character in a name is printed as a space",
         Line(QStringLiteral("AB\x0A") + QStringLiteral("CD"), 1, 5, 5),
         QStringLiteral("AB CD                    1 ชิ้น       5.00")},
    };
    for (const auto& [name, line, expected] : cases) {
        SCOPED_TRACE(name);
        const PrintedReceipt printed = LinesOf(1, {line});
        ASSERT_EQ(printed.texts(), QStringList{expected});
        EXPECT_EQ(printed.lines[0].cells.size(), 40u);
        EXPECT_FALSE(printed.bytes.contains(Hex("1B45"))) << "a name switched bold on";
    }
}

// Tax included is on the golden receipt of layout 1.
TEST(PrintReceiptTotals, names_the_tax_mode_after_the_user)
{
    ReceiptHeader header = kvr::test::DemoReceipt().header;
    header.Price_IE = QStringLiteral("E");
    EXPECT_TRUE(TotalsOf(1, header).bytes.contains("User U1 -=Tax Excluded=-\r\n"));
}

TEST(PrintReceiptTotals, layout_one_amount_lines_fill_exactly_forty_columns)
{
    // Amounts that fit are on the golden receipt; wider ones take the labels' spare blanks, then cut a label.
    for (const auto& [total, cash] : {std::pair{98765.43, 100000.0}, {1234567.89, 1300000.0}}) {
        SCOPED_TRACE(total);
        ReceiptHeader header = kvr::test::DemoReceipt().header;
        header.Total = header.TaxAmt = total;
        header.Cash = cash;
        header.Change = cash - total;
        const PrintedReceipt printed = TotalsOf(1, header);
        // Separator, words and total, the two tax lines, separator, money received.
        for (std::size_t i = 0; i < 6; ++i) {
            SCOPED_TRACE(printed.lines[i].text().toStdString());
            EXPECT_EQ(printed.lines[i].cells.size(), 40u);
        }
        const QString money = printed.lines[5].text();
        EXPECT_TRUE(money.contains(kvr::util::FormatNumber(QStringLiteral("#,##0.00"), cash)));
        EXPECT_TRUE(money.endsWith(kvr::util::FormatNumber(QStringLiteral("#,##0.00"), cash - total)));
    }
}

TEST(PrintReceiptTotals, counts_every_kind_of_payment_as_money_received)
{
    ReceiptHeader header = kvr::test::DemoReceipt().header;
    header.Cash = 50;
    header.Coupon = 100;
    header.BankAmount = 200;
    header.CardAmount = 60;
    header.Change = 10;
    const QStringList layout1 = TotalsOf(1, header).texts();
    EXPECT_EQ(layout1[5], QStringLiteral("- ขอบคุณ - เงินรับ   410.00 เงินทอน    10.00"));
    const QStringList layout2 = TotalsOf(2, header).texts();
    // The change line is the golden receipt's.
    EXPECT_EQ(layout2[2], QStringLiteral("BANK CARD/CASH                    410.00"));
}

TEST(PrintReceiptTotals, layout_two_prints_the_bills_vat_rate)
{
    // VAT 7 % is on the golden receipt of layout 2.
    for (const auto& [rate, label] : {std::pair{0.0, "VAT 0 %"}, std::pair{7.5, "VAT 7.5 %"}}) {
        SCOPED_TRACE(label);
        ReceiptHeader header = kvr::test::DemoReceipt().header;
        header.TaxRate = rate;
        const QStringList texts = TotalsOf(2, header).texts();
        EXPECT_TRUE(texts.contains(QString::fromUtf8(label).leftJustified(32) + QStringLiteral("   26.17")))
            << texts.join(u'\n').toStdString();
    }
}

// The first print, unmarked, is the golden receipt.
TEST(PrintReceiptTotals, a_reprint_says_it_is_a_copy)
{
    for (const int formNo : {1, 2}) {
        SCOPED_TRACE(formNo);
        ReceiptHeader header = kvr::test::DemoReceipt().header;
        const QStringList first = TotalsOf(formNo, header).texts();
        header.Copy = true;
        const QStringList again = TotalsOf(formNo, header).texts();
        EXPECT_TRUE(again.join(u'\n').contains(QStringLiteral("สำเนา")));
        // The mark is one line more; the receipt itself is the same paper.
        EXPECT_EQ(again.size(), first.size() + 1);
    }
}

TEST(PrintReceiptHeading, leaves_out_a_missing_tax_number)
{
    // With the number, layouts 1 and 2 are pinned by the golden receipts.
    const QString dashes(40, u'-');
    const QString cut = QStringLiteral("✂") + QStringLiteral(" -").repeated(19);
    const std::tuple<int, const char*, QStringList> cases[] = {
        {1,
         "  ",
         {QStringLiteral("ร้านสมใจมินิมาร์ท"), dashes, QStringLiteral("Description             Qnty.     Amount"), dashes,
          cut}},
        {2,
         "",
         {QStringLiteral("              ร้านสมใจมินิมาร์ท"), QStringLiteral("     TAX INVOICE (ABB.) VAT Included"),
          QStringLiteral("          TAX Rd E051234567890"), dashes, cut}},
        {3, "0105561234567", {dashes, cut}},
    };
    for (const auto& [formNo, taxNo, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << formNo << " tax number '" << taxNo << "'");
        ReceiptSettings settings = kvr::test::DemoSettings(formNo);
        settings.Company.TaxNo = QString::fromUtf8(taxNo);
        const PrintedReceipt printed =
            PrintedReceipt::of([&](ReceiptPrinter& p) { PrintReceiptHeading(p, settings, true); });
        EXPECT_EQ(printed.texts(), expected);
        for (const PreviewLine& line : printed.lines)
            EXPECT_TRUE(line.cut || line.cells.size() == 40u) << line.text().toStdString();
    }
}

TEST(PrintReceiptLayouts, other_form_numbers_print_only_the_common_parts)
{
    const ReceiptSettings settings = kvr::test::DemoSettings(0);
    const Receipt receipt = kvr::test::DemoReceipt();
    const PrintedReceipt printed = PrintedReceipt::of([&](ReceiptPrinter& p) {
        PrintReceiptLines(p, settings, receipt.lines);
        PrintReceiptTotals(p, settings, receipt.header);
    });
    EXPECT_EQ(Escaped(printed.bytes), Escaped(Hex("1B40 1B7801") + QByteArray(40, '-') + "\r\n"));
}

} // namespace
