#include "printing/PrinterStream.h"
#include "printing/ReceiptLayout.h"
#include "printing/TextReceipt.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"
#include "support/Files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::printing;

namespace {

const ReceiptSettings kSettings = kvr::test::DemoSettings(1);
const Receipt kReceipt = kvr::test::DemoReceipt();

TEST(PrinterTarget, is_chosen_by_the_workstation_then_by_the_machine)
{
    // KVR.INI (nullptr: none), the machine, its printer name, and the path chosen: relative to
    // the working folder when not absolute, empty for standard output.
    const std::tuple<const char*, const char*, const char*, const char*, QString> cases[] = {
        {"a print queue name", nullptr, "M01", "EPSON LX-300", {}},
        {"a device as printer name", nullptr, "M01", " /dev/usb/lp0 ", QStringLiteral("/dev/usb/lp0")},
        {"the machine's key wins", "[ReceiptPrinter]\nM01=/dev/usb/lp3\nDevice=/dev/usb/lp2\n", "M01", "/dev/usb/lp0",
         QStringLiteral("/dev/usb/lp3")},
        {"another machine's key is not ours", "[ReceiptPrinter]\nM01=/dev/usb/lp3\n", "M02", "/dev/usb/lp1",
         QStringLiteral("/dev/usb/lp1")},
        {"the workstation's device", "[ReceiptPrinter]\nDevice=/dev/usb/lp2\n", "M02", "",
         QStringLiteral("/dev/usb/lp2")},
        {"a dash is standard output", "[ReceiptPrinter]\nM01=-\n", "M01", "/dev/usb/lp0", {}},
        {"a relative file", "[ReceiptPrinter]\nM01=receipts/m01.prn\n", "M01", "", QStringLiteral("receipts/m01.prn")},
    };
    for (const auto& [name, ini, machine, printerName, path] : cases) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        if (ini) {
            ASSERT_TRUE(kvr::test::writeFile(dir.filePath(QStringLiteral("KVR.INI")), ini));
        }
        const PrinterTarget target =
            PrinterTarget::resolve(dir.path(), QString::fromUtf8(machine), QString::fromUtf8(printerName));
        EXPECT_EQ(target.path, path.isEmpty() || path.startsWith(u'/') ? path : dir.filePath(path));
        EXPECT_EQ(target.isStandardOutput(), path.isEmpty());
    }
}

// The whole receipt is the golden one (ReceiptGolden.the_demo_bill_prints_as_its_golden_receipt).
TEST(RenderTextReceipt, leaves_out_the_lines_printed_as_they_were_entered)
{
    const auto totalsAndHeading = [](ReceiptPrinter& printer) {
        PrintReceiptTotals(printer, kSettings, kReceipt.header);
        PrintReceiptHeading(printer, kSettings, true);
    };
    const ReceiptJob job{.printerCode = QStringLiteral("KU"), .printLines = false};
    EXPECT_EQ(Escaped(RenderTextReceipt(kSettings, kReceipt, job)),
              Escaped(kvr::test::PrintedReceipt::of(totalsAndHeading, CharCode::Ku).bytes));
}

TEST(PrinterStream, appends_to_a_file_and_never_makes_one_for_a_missing_device)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("receipts.prn"));
    for (const char* receipt : {"one\r\n", "two\r\n"}) {
        QString failure;
        const std::unique_ptr<PrinterStream> stream = PrinterStream::open(PrinterTarget{file}, failure);
        ASSERT_NE(stream, nullptr) << failure.toStdString();
        EXPECT_EQ(stream->write(receipt, 5, std::chrono::milliseconds(100), failure), 5);
    }
    EXPECT_EQ(FileContents(file), QByteArray("one\r\ntwo\r\n"));

    // A device not plugged in.
    const QString device = QStringLiteral("/dev/kvrpos-test-no-such-printer");
    QString failure;
    EXPECT_EQ(PrinterStream::open(PrinterTarget{device}, failure), nullptr);
    EXPECT_TRUE(failure.contains(QStringLiteral("No such file"))) << failure.toStdString();
    EXPECT_FALSE(QFileInfo::exists(device));
}

} // namespace
