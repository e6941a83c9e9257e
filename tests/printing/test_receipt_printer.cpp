#include "printing/PrinterError.h"
#include "printing/ReceiptLayout.h"
#include "printing/ReceiptPrinter.h"
#include "support/FailingDevice.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::printing;

namespace {

// Letter quality on TIS and on KU opens every golden receipt.
TEST(OpenReceiptPrinter, resets_selects_draft_and_prints_in_three_levels_again_until_closed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReceiptPrinter printer;
    printer.setThreeLevels(false);
    printer.OpenReceiptPrinter(buffer, QStringLiteral("TIS"), true);
    EXPECT_EQ(Escaped(buffer.data()), Escaped(Hex("1B40 1B7800")));
    EXPECT_TRUE(printer.threeLevels());
    printer.CloseReceiptPrinter();
    EXPECT_THROW(printer.WriteRaw(QStringLiteral("x")), PrinterError);
    EXPECT_NO_THROW(printer.CloseReceiptPrinter());
    EXPECT_TRUE(printer.threeLevels()); // the flag outlives the output
}

TEST(ReceiptPrinter, writes_every_line_with_cr_lf)
{
    // What is printed, and the line it sends after the opening.
    const std::tuple<const char*, std::function<void(ReceiptPrinter&)>, QByteArray> cases[] = {
        {"raw text", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("abc")); }, "abc\r\n"},
        {"raw Thai is neither raised nor split", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("ที่")); },
         Hex("B7 D5 E8 0D0A")},
        {"raw commands are not expanded", [](ReceiptPrinter& p) { p.WriteRaw(QStringLiteral("\x0A")); },
         Hex("0A 0D0A")},
        {"one pass when the flag is clear",
         [](ReceiptPrinter& p) {
             p.setThreeLevels(false);
             p.WriteThai(QStringLiteral("ที่"));
         },
         Hex("B7 0D0A")},
    };
    for (const auto& [name, print, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Escaped(kvr::test::PrintedReceipt::of(print).bytes), Escaped(Hex("1B40 1B7801") + expected));
    }
}

TEST(ReceiptPrinter, reports_a_device_that_stops_taking_bytes)
{
    const ReceiptSettings settings = kvr::test::DemoSettings(1);
    const Receipt receipt = kvr::test::DemoReceipt();
    const auto printReceipt = [&](ReceiptPrinter& p) {
        PrintReceiptLines(p, settings, receipt.lines);
        PrintReceiptTotals(p, settings, receipt.header);
    };
    const QByteArray whole = kvr::test::PrintedReceipt::of(printReceipt).bytes;
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

} // namespace
