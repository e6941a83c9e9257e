#include "printing/ReceiptLayout.h"
#include "printing/TextReceipt.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kvr::printing;

namespace {

const ReceiptSettings kSettings = kvr::test::DemoSettings(1);
const Receipt kReceipt = kvr::test::DemoReceipt();

ReceiptJob JobFor(const QString& path)
{
    ReceiptJob job;
    job.target.path = path;
    job.retry.interval = std::chrono::milliseconds(0);
    return job;
}

// The receipt as the sale screen prints it, written into memory.
QByteArray Expected(bool withLines = true, CharCode code = CharCode::Tis)
{
    const auto print = [withLines](ReceiptPrinter& printer) {
        if (withLines)
            PrintReceiptLines(printer, kSettings, kReceipt.lines);
        PrintReceiptTotals(printer, kSettings, kReceipt.header);
        PrintReceiptHeading(printer, kSettings, true);
    };
    return kvr::test::PrintedReceipt::of(print, code).bytes;
}

QByteArray Drain(int fd)
{
    QByteArray out;
    char chunk[4096];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;)
        out.append(chunk, n);
    return out;
}

void WriteIni(const QString& dir, const char* text)
{
    QFile ini(dir + QStringLiteral("/KVR.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(text);
}

TEST(PrinterTarget, is_chosen_by_the_workstation_then_by_the_machine)
{
    struct Case
    {
        const char* name;
        const char* ini; // nullptr: no KVR.INI
        const char* machine;
        const char* printerName;
        QString expected; // relative to the working folder when not absolute; empty: standard output
    };
    const Case cases[] = {
        {"a print queue name", nullptr, "M01", "EPSON LX-300", {}},
        {"nothing set", nullptr, "M01", "", {}},
        {"a device as printer name", nullptr, "M01", " /dev/usb/lp0 ", QStringLiteral("/dev/usb/lp0")},
        {"the machine's key wins", "[ReceiptPrinter]\nM01=/dev/usb/lp3\nDevice=/dev/usb/lp2\n", "M01", "/dev/usb/lp0",
         QStringLiteral("/dev/usb/lp3")},
        {"another machine's key is not ours", "[ReceiptPrinter]\nM01=/dev/usb/lp3\n", "M02", "/dev/usb/lp1",
         QStringLiteral("/dev/usb/lp1")},
        {"the workstation's device", "[ReceiptPrinter]\nDevice=/dev/usb/lp2\n", "M02", "",
         QStringLiteral("/dev/usb/lp2")},
        {"a dash is standard output", "[ReceiptPrinter]\nM01=-\n", "M01", "/dev/usb/lp0", {}},
        {"a relative file", "[ReceiptPrinter]\nM01=receipts/m01.prn\n", "M01", "", QStringLiteral("receipts/m01.prn")},
        {"other sections are ignored", "[Database]\nUser=kvr\n", "M01", "EPSON", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        if (c.ini)
            WriteIni(dir.path(), c.ini);
        const PrinterTarget target =
            PrinterTarget::resolve(dir.path(), QString::fromUtf8(c.machine), QString::fromUtf8(c.printerName));
        const QString expected =
            c.expected.isEmpty() || c.expected.startsWith(u'/') ? c.expected : dir.filePath(c.expected);
        EXPECT_EQ(target.path, expected);
        EXPECT_EQ(target.isStandardOutput(), c.expected.isEmpty());
    }
}

TEST(PrintTextReceipt, appends_each_receipt_to_the_file_of_the_settings)
{
    QTemporaryDir dir;
    WriteIni(dir.path(), "[ReceiptPrinter]\nM01=receipts.prn\n");
    ReceiptJob job;
    job.target = PrinterTarget::resolve(dir.path(), QStringLiteral("M01"), QString());
    ReceiptPrinter printer;
    EXPECT_FALSE(PrintTextReceipt(printer, kSettings, kReceipt, job).has_value());
    EXPECT_FALSE(PrintTextReceipt(printer, kSettings, kReceipt, job).has_value());
    EXPECT_FALSE(printer.isOpen());
    EXPECT_EQ(Escaped(FileContents(dir.filePath(QStringLiteral("receipts.prn")))), Escaped(Expected() + Expected()));
}

TEST(PrintTextReceipt, prints_totals_and_heading_only_when_the_lines_went_out_already)
{
    QTemporaryDir dir;
    ReceiptJob job = JobFor(dir.filePath(QStringLiteral("r.prn")));
    job.printLines = false;
    job.printerCode = QStringLiteral("KU");
    ReceiptPrinter printer;
    EXPECT_FALSE(PrintTextReceipt(printer, kSettings, kReceipt, job).has_value());
    EXPECT_EQ(Escaped(FileContents(job.target.path)), Escaped(Expected(false, CharCode::Ku)));
}

TEST(PrintTextReceipt, reports_a_printer_that_cannot_be_opened_and_stays_usable)
{
    QTemporaryDir dir;
    const QString missing[] = {
        QStringLiteral("/dev/kvrpos-test-no-such-printer"), // a device not plugged in: no file is made for it
        dir.filePath(QStringLiteral("no-such-folder/r.prn")), // a folder that is not there
    };
    ReceiptPrinter printer;
    for (const QString& path : missing) {
        SCOPED_TRACE(path.toStdString());
        const std::optional<PrinterError> error = PrintTextReceipt(printer, kSettings, kReceipt, JobFor(path));
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind(), PrinterError::Kind::OpenFailed);
        EXPECT_TRUE(error->message().contains(path)) << error->what();
        EXPECT_TRUE(error->message().contains(QStringLiteral("No such file"))) << error->what();
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_FALSE(printer.isOpen());
    }
    const QString good = dir.filePath(QStringLiteral("good.prn"));
    EXPECT_FALSE(PrintTextReceipt(printer, kSettings, kReceipt, JobFor(good)).has_value());
    EXPECT_EQ(FileContents(good), Expected());
}

TEST(PrintTextReceipt, writes_into_a_pipe_and_never_waits_for_a_missing_reader)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("printer.fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ReceiptPrinter printer;

    // Nobody reads: opening fails at once instead of hanging the counter.
    const std::optional<PrinterError> error = PrintTextReceipt(printer, kSettings, kReceipt, JobFor(fifo));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), PrinterError::Kind::OpenFailed);

    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(PrintTextReceipt(printer, kSettings, kReceipt, JobFor(fifo)).has_value());
    EXPECT_EQ(Escaped(Drain(reader)), Escaped(Expected()));
    ::close(reader);
}

TEST(PrintTextReceipt, goes_to_standard_output_when_nothing_names_a_device)
{
    int pipeFds[2];
    ASSERT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
    std::fflush(stdout);
    const int savedStdout = ::dup(STDOUT_FILENO);
    ::dup2(pipeFds[1], STDOUT_FILENO);
    ::close(pipeFds[1]);

    ReceiptPrinter printer;
    ReceiptJob job;
    job.target = PrinterTarget::resolve(QStringLiteral("/nonexistent"), QStringLiteral("M01"), QStringLiteral("EPSON"));
    const std::optional<PrinterError> error = PrintTextReceipt(printer, kSettings, kReceipt, job);

    ::dup2(savedStdout, STDOUT_FILENO);
    ::close(savedStdout);
    const QByteArray sent = Drain(pipeFds[0]);
    ::close(pipeFds[0]);
    EXPECT_FALSE(error.has_value());
    EXPECT_EQ(Escaped(sent), Escaped(Expected()));
}

} // namespace
