// The receipt spool on its own: receipts kept whole, handed to a printer that takes little or
// nothing, resumed where they stopped after the program ended, never sent twice.
#include "printing/PrinterError.h"
#include "printing/ReceiptSpool.h"
#include "support/PrinterPipe.h"
#include "support/WindowWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <thread>
#include <unistd.h>

namespace kvr::test {
namespace {

using printing::PrinterTarget;
using printing::ReceiptSpool;
using printing::TakenReceipt;

// A pipe standing in for the printer: open at both ends, read only when the test says so.
class SpoolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(printer.open(m_dir.filePath(QStringLiteral("lp.fifo"))));
    }
    // A spool printing to the pipe unless told otherwise, keeping the receipts reported taken and
    // the last backlog problem (empty once over).
    std::unique_ptr<ReceiptSpool> spool(std::vector<TakenReceipt>& taken, QString* problem = nullptr,
                                        std::optional<PrinterTarget> target = {})
    {
        ReceiptSpool::Handlers handlers;
        handlers.onTaken = [&taken](const TakenReceipt& receipt) { taken.push_back(receipt); };
        handlers.onBacklog = [problem](int, const QString& text) {
            if (problem)
                *problem = text;
        };
        return std::make_unique<ReceiptSpool>(m_dir.filePath(QStringLiteral("spool")),
                                              target.value_or(PrinterTarget{printer.path()}), handlers,
                                              ReceiptSpool::Timing{20, 200, 50});
    }
    // A spool whose printer has taken two receipts while the program was not yet back at its
    // queued calls; none when it did not take them in time. The printer reports a receipt
    // before it starts on the next, so the first one's report at least is queued.
    std::unique_ptr<ReceiptSpool> spoolWithTwoTaken(std::vector<TakenReceipt>& taken)
    {
        auto spooled = spool(taken);
        spooled->add("receipt one\r\n", QStringLiteral("1"), QStringLiteral("P"));
        spooled->add("receipt two\r\n", QStringLiteral("2"), QStringLiteral("P"));
        const auto takenFiles = [this] { return spoolFiles().filter(QStringLiteral(".taken")).size(); };
        for (QDeadlineTimer deadline(kWindowTimeoutMs); takenFiles() < 2 && !deadline.hasExpired();)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return takenFiles() == 2 ? std::move(spooled) : nullptr;
    }
    QStringList spoolFiles() const
    {
        return QDir(m_dir.filePath(QStringLiteral("spool")))
            .entryList({QStringLiteral("*.prn"), QStringLiteral("*.taken"), QStringLiteral("*.pos")}, QDir::Files);
    }

    QTemporaryDir m_dir;
    PrinterPipe printer;
};

TEST_F(SpoolTest, ReceiptCutOffByTheEndOfTheProgramGoesOnFromWhereItStopped)
{
    QByteArray receipt;
    for (int line = 0; line < 200; ++line)
        receipt += QByteArray::number(line).rightJustified(5, '0') + " ฿ line of the receipt\r\n";
    // A pipe frees room a page at a time: the printer takes one, as much as the receipt may start with.
    const qint64 filled = printer.fill();
    ASSERT_EQ(printer.read(4096).size(), 4096);
    std::vector<TakenReceipt> taken;
    {
        auto first = spool(taken);
        first->add(receipt, QStringLiteral("  PP-0001/9"), QStringLiteral("P"));
        // The printer took the first part, then nothing: the spool knows how far it got.
        ASSERT_TRUE(waitUntil([&] { return spoolFiles().join(u' ').contains(QStringLiteral(".pos")); }));
    }
    EXPECT_TRUE(taken.empty());
    auto second = spool(taken);
    ASSERT_TRUE(waitUntil([&] {
        printer.read();
        return taken.size() == 1;
    }));
    // The filler, then the receipt exactly once, not a byte repeated or lost.
    const QByteArray& printed = printer.read();
    EXPECT_EQ(printed.size(), filled + receipt.size());
    EXPECT_EQ(printed.right(receipt.size()), receipt);
    EXPECT_EQ(taken.front().billNumber, QStringLiteral("PP-0001/9"));
    EXPECT_EQ(taken.front().billType, QStringLiteral("P"));
    // Taken and reported, it waits for its bill to be marked; then it is gone.
    EXPECT_EQ(spoolFiles().size(), 1);
    second->forget(taken.front());
    EXPECT_TRUE(spoolFiles().isEmpty());
}

TEST_F(SpoolTest, TakenReceiptsWhoseBillWasNotMarkedAreReportedAgainAtTheNextStart)
{
    std::vector<TakenReceipt> taken;
    {
        auto first = spool(taken);
        first->add("receipt one\r\n", QStringLiteral("1"), QStringLiteral("P"));
        first->add("receipt two\r\n", QStringLiteral("2"), QStringLiteral("S"));
        ASSERT_TRUE(waitUntil([&] { return taken.size() == 2; }));
    }
    // The marks were never written (the program ended first).
    taken.clear();
    auto second = spool(taken);
    ASSERT_TRUE(waitUntil([&] { return taken.size() == 2; }));
    EXPECT_EQ(taken.at(0).billNumber, QStringLiteral("1"));
    EXPECT_EQ(taken.at(1).billType, QStringLiteral("S"));
    EXPECT_EQ(printer.read(), QByteArray("receipt one\r\nreceipt two\r\n")) << "printed twice";
}

// The start's report of receipts taken in an earlier run once listed whatever was taken when it
// ran: receipts the printer had just taken in this run were then reported twice.
TEST_F(SpoolTest, ReceiptsTakenInThisRunAreReportedOnceEvenBeforeTheStartsReport)
{
    std::vector<TakenReceipt> taken;
    const auto spooled = spoolWithTwoTaken(taken);
    ASSERT_TRUE(spooled);
    QCoreApplication::processEvents();
    EXPECT_EQ(taken.size(), 2u);
}

// After a mark that failed the screen asks for every taken receipt again; one whose own report
// was still queued then was reported a second time after its bill had been marked.
TEST_F(SpoolTest, AReceiptAskedForAgainBeforeItsOwnReportIsReportedOnce)
{
    std::vector<TakenReceipt> taken;
    const auto spooled = spoolWithTwoTaken(taken);
    ASSERT_TRUE(spooled);
    spooled->reportTaken();
    ASSERT_EQ(taken.size(), 2u);
    for (const TakenReceipt& receipt : std::vector<TakenReceipt>(taken))
        spooled->forget(receipt);
    QCoreApplication::processEvents();
    EXPECT_EQ(taken.size(), 2u);
}

TEST_F(SpoolTest, PrinterGoneOrSpoolFolderUnwritableIsSaidNotHidden)
{
    std::vector<TakenReceipt> taken;
    QString problem;
    auto printerSpool = spool(taken, &problem);
    // The reader goes away: the printer is not there any more, and the receipt waits for it.
    printer.close();
    printerSpool->add("receipt\r\n", QStringLiteral("1"), QStringLiteral("P"));
    const QString gone = QStringLiteral("the receipt printer %1 cannot be opened").arg(printer.path());
    ASSERT_TRUE(waitUntil([&] { return problem.startsWith(gone); })) << problem.toStdString();
    EXPECT_TRUE(taken.empty());
    EXPECT_EQ(printerSpool->waiting(), 1);
    // It comes back: the receipt goes out and the problem is over.
    ASSERT_TRUE(printer.reopen());
    ASSERT_TRUE(waitUntil([&] {
        printer.read();
        return taken.size() == 1 && problem.isEmpty();
    }));
    EXPECT_EQ(printer.read(), QByteArray("receipt\r\n"));

    // A spool that cannot keep a receipt raises, so that the bill stays unprinted.
    ReceiptSpool blocked(QStringLiteral("/proc/no-spool-here"), PrinterTarget{printer.path()}, {});
    EXPECT_THROW(blocked.add("receipt\r\n", QStringLiteral("2"), QStringLiteral("P")), printing::PrinterError);
}

TEST_F(SpoolTest, StandardOutputWhoseReaderStopsReadingHoldsNobodyAndGetsTheReceiptWhenItReadsAgain)
{
    // The program's standard output is a pipe whose reader stopped reading: it is full, and it
    // is given to the program blocking, as a shell would.
    const qint64 filled = printer.fill();
    const int writer = ::open(QFile::encodeName(printer.path()).constData(), O_WRONLY);
    ASSERT_GE(writer, 0);
    std::fflush(stdout);
    const int savedOut = ::dup(STDOUT_FILENO);
    ::dup2(writer, STDOUT_FILENO);
    ::close(writer);

    std::vector<TakenReceipt> taken;
    QString problem;
    bool stalled = false;
    {
        const auto toStandardOutput = spool(taken, &problem, PrinterTarget{});
        toStandardOutput->add("receipt to standard output\r\n", QStringLiteral("7"), QStringLiteral("P"));
        stalled = waitUntil([&] { return problem.contains(QStringLiteral("standard output")); }, 10000);
        waitUntil(
            [&] {
                printer.read();
                return taken.size() == 1;
            },
            10000);
    }
    std::fflush(stdout);
    ::dup2(savedOut, STDOUT_FILENO);
    ::close(savedOut);

    EXPECT_TRUE(stalled) << problem.toStdString();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(printer.read().size(), filled + 28) << "the receipt once, after what was waiting";
    EXPECT_TRUE(printer.read().endsWith("receipt to standard output\r\n"));
}

} // namespace
} // namespace kvr::test
