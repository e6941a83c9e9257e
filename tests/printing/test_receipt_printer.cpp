#include "printing/PrinterError.h"
#include "printing/ReceiptLayout.h"
#include "printing/ReceiptPrinter.h"
#include "support/FailingDevice.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace kvr::printing;

namespace {

const QByteArray kOpening = Hex("1B40 1B7801");

QByteArray Printed(const std::function<void(ReceiptPrinter&)>& print, CharCode code = CharCode::Tis)
{
    return kvr::test::PrintedReceipt::of(print, code).bytes;
}

TEST(OpenReceiptPrinter, resets_and_selects_the_print_quality)
{
    struct Case
    {
        const char* code;
        bool draft;
        QByteArray sent;
        CharCode charCode;
    };
    const Case cases[] = {
        {"TIS", false, Hex("1B40 1B7801"), CharCode::Tis},
        {"TIS", true, Hex("1B40 1B7800"), CharCode::Tis},
        {"KU", false, Hex("1B40 1B7801"), CharCode::Ku},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << (c.draft ? " draft" : " letter quality"));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ReceiptPrinter printer;
        printer.setThreeLevels(false);
        printer.OpenReceiptPrinter(buffer, QString::fromUtf8(c.code), c.draft);
        EXPECT_EQ(Escaped(buffer.data()), Escaped(c.sent));
        EXPECT_EQ(printer.PrinterCharCode(), c.charCode);
        EXPECT_TRUE(printer.threeLevels());
        printer.CloseReceiptPrinter();
        EXPECT_FALSE(printer.isOpen());
        EXPECT_TRUE(printer.threeLevels()); // the flag outlives the output
    }
}

TEST(ReceiptPrinter, writes_every_line_with_cr_lf)
{
    struct Case
    {
        const char* name;
        std::function<void(ReceiptPrinter&)> print;
        CharCode code;
        QByteArray expected;
    };
    const Case cases[] = {
        {"raw text", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("abc")); }, CharCode::Tis, "abc\r\n"},
        {"raw Thai is neither raised nor split", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("ที่")); },
         CharCode::Tis, Hex("B7 D5 E8 0D0A")},
        {"raw commands are not expanded", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("\x0A")); }, CharCode::Tis,
         Hex("0A 0D0A")},
        {"Thai on TIS", [](ReceiptPrinter& p) { p.WriteThai(QStringLiteral("ที่")); }, CharCode::Tis,
         Hex("1B330F08 9B 0D0A B7 0D0A 20 1B330508 0D0A")},
        {"Thai on KU", [](ReceiptPrinter& p) { p.WriteThai(QStringLiteral("ก ข ฆ")); }, CharCode::Ku,
         Hex("1B330F08 2020202020 0D0A A120A220A4 0D0A 2020202020 1B330508 0D0A")},
        {"one pass when the flag is clear",
         [](ReceiptPrinter& p) {
             p.setThreeLevels(false);
             p.WriteThai(QStringLiteral("ที่"));
         },
         CharCode::Tis, Hex("B7 0D0A")},
        {"bold inside a Thai line",
         [](ReceiptPrinter& p) { p.WriteThai(QStringLiteral("\x0A") + QStringLiteral("ก") + QStringLiteral("\x0B")); },
         CharCode::Tis, Hex("1B330F08 1B45 20 1B46 0D0A 1B45 A1 1B46 0D0A 1B45 20 1B46 1B330508 0D0A")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Escaped(Printed(c.print, c.code)), Escaped(kOpening + c.expected));
    }
}

TEST(RepeatText, repeats_or_gives_nothing)
{
    EXPECT_EQ(ReceiptPrinter::RepeatText(QStringLiteral("-"), 40), QString(40, u'-'));
    EXPECT_EQ(ReceiptPrinter::RepeatText(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    EXPECT_EQ(ReceiptPrinter::RepeatText(QStringLiteral("ab"), 0), QString());
    EXPECT_EQ(ReceiptPrinter::RepeatText(QStringLiteral("ab"), -2), QString());
}

TEST(ReceiptPrinter, reports_a_device_that_stops_taking_bytes)
{
    const ReceiptSettings settings = kvr::test::DemoSettings(1);
    const Receipt receipt = kvr::test::DemoReceipt();
    const auto printReceipt = [&](ReceiptPrinter& p) {
        PrintReceiptLines(p, settings, receipt.lines);
        PrintReceiptTotals(p, settings, receipt.header);
    };
    const QByteArray whole = Printed(printReceipt);
    for (const qint64 capacity : {qint64(0), qint64(1), qint64(3), qint64(100), whole.size() - 1}) {
        SCOPED_TRACE(capacity);
        kvr::test::FailingDevice device(capacity);
        ReceiptPrinter printer;
        try {
            printer.OpenReceiptPrinter(device, QStringLiteral("TIS"), false);
            printReceipt(printer);
            ADD_FAILURE() << "no error raised";
        } catch (const PrinterError& e) {
            EXPECT_EQ(e.kind(), PrinterError::Kind::WriteFailed);
            EXPECT_TRUE(e.message().contains(QStringLiteral("off line"))) << e.what();
        }
        // Everything up to the failure went out in order, nothing was skipped or repeated.
        EXPECT_EQ(Escaped(device.taken()), Escaped(whole.left(capacity)));
    }
}

TEST(ReceiptPrinter, refuses_to_write_while_closed)
{
    ReceiptPrinter printer;
    EXPECT_THROW(printer.WriteRaw(QStringLiteral("x")), PrinterError);
    EXPECT_NO_THROW(printer.CloseReceiptPrinter());
}

} // namespace
