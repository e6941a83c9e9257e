// A receipt printer that is on but takes nothing (out of paper, a full buffer): sales go on, the
// cashier is told that receipts wait, and every receipt comes out once when the printer reads again.
#include "SaleFixture.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr::test {
namespace {

using namespace pos_shop;

class ReceiptSpoolSale : public SaleFixture
{
protected:
    void SetUp() override
    {
        SaleFixture::SetUp();
        if (IsSkipped())
            return;
        m_fifo = QDir(server->workingDirectory()).filePath(QStringLiteral("printer.fifo"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(m_fifo).constData(), 0600), 0);
        textReceiptsTo(m_fifo);
        // The printer is there (its device opens) and its buffer is full: it takes nothing.
        m_reader = ::open(QFile::encodeName(m_fifo).constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(m_reader, 0);
        const int filler = ::open(QFile::encodeName(m_fifo).constData(), O_WRONLY | O_NONBLOCK);
        ASSERT_GE(filler, 0);
        const QByteArray block(512, '=');
        while (::write(filler, block.constData(), block.size()) > 0) {
            m_backlog += block.size();
        }
        ::close(filler);
    }
    void TearDown() override
    {
        SaleFixture::TearDown();
        if (m_reader >= 0)
            ::close(m_reader);
    }
    // The printer reads again: what it has received so far.
    QByteArray readPrinter()
    {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(m_reader, buffer, sizeof buffer)) > 0)
            m_printed.append(buffer, got);
        return m_printed;
    }
    // Sales of one bottle each, paid in cash, one after another on the same screen.
    QStringList sell(pos::TFrPos& screen, int bills)
    {
        QStringList numbers;
        for (int n = 0; n < bills; ++n) {
            if (n > 0)
                ringUp(screen, {{water, 1, 10.0 + n}});
            pay(screen, 10.0 + n);
            prompter.answerConfirm(true);
            screen.AcSaveExecute();
            // The save came back with the next bill open, whatever the printer does.
            EXPECT_TRUE(screen.isNewBill() && screen.bill().hasHeaderRow()) << "sale " << n;
            numbers << scalar(QStringLiteral("SELECT PosNo FROM PosHd ORDER BY Id DESC")).toString().trimmed();
        }
        return numbers;
    }
    int printedBills() { return count(QStringLiteral("SELECT Count(*) AS N FROM PosHd WHERE Printed = 'Y'")); }
    // Each receipt's totals carry "# " and its number once.
    void expectEachPrintedOnce(const QStringList& numbers)
    {
        for (const QString& number : numbers)
            EXPECT_EQ(m_printed.count(("# " + number + " ").toLatin1()), 1) << number.toStdString();
    }
    QStringList spoolFiles(pos::TFrPos& screen)
    {
        return QDir(screen.saver().receiptSpool()->folder())
            .entryList({QStringLiteral("*.prn"), QStringLiteral("*.taken"), QStringLiteral("*.pos")}, QDir::Files);
    }

    QString m_fifo;
    int m_reader = -1;
    qint64 m_backlog = 0;
    QByteArray m_printed;
};

TEST_P(ReceiptSpoolSale, PrinterTakingNothingHoldsNoSaleAndEveryReceiptComesOutOnceLater)
{
    ASSERT_GT(m_backlog, 0);
    pos::TFrPos& screen = billWith({{water, 1, 10}});
    const QStringList numbers = sell(screen, 10);
    ASSERT_EQ(numbers.size(), 10);

    // Told once, on the status bar, that the receipts wait, not by a message per bill.
    ASSERT_TRUE(waitFor([&] { return screen.statusText(2).contains(QStringLiteral("10")); }))
        << screen.statusText(2).toStdString();
    EXPECT_TRUE(screen.statusText(2).contains(m_fifo)) << screen.statusText(2).toStdString();
    EXPECT_EQ(printedBills(), 0) << "marked printed before the printer took anything";

    // The printer reads again: every receipt arrives and each bill is marked.
    ASSERT_TRUE(waitFor([&] {
        readPrinter();
        return printedBills() == 10 && screen.statusText(2).isEmpty();
    })) << printedBills()
        << " marked; " << screen.statusText(2).toStdString();
    // In order, after what the printer held: the spool's own test.
    readPrinter();
    expectEachPrintedOnce(numbers);
    EXPECT_TRUE(spoolFiles(screen).isEmpty()) << spoolFiles(screen).join(u' ').toStdString();
}

TEST_P(ReceiptSpoolSale, ReceiptsLeftWaitingWhenTheProgramEndsPrintAtTheNextStart)
{
    pos::TFrPos& screen = billWith({{water, 1, 10}});
    const QStringList numbers = sell(screen, 3);
    ASSERT_TRUE(waitFor([&] { return screen.saver().receiptSpool()->waiting() == 3; }));
    const QString folder = screen.saver().receiptSpool()->folder();
    // The program ends with the receipts still waiting; they stay in its spool.
    pos.reset();
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.prn")}, QDir::Files).size(), 3);
    readPrinter();
    EXPECT_EQ(m_printed.size(), m_backlog) << "printed after the program ended";

    // The next start on the machine prints them before any new sale, and marks their bills.
    pos::TFrPos& next = newBill();
    ASSERT_TRUE(waitFor([&] {
        readPrinter();
        return printedBills() == 3;
    }));
    readPrinter();
    expectEachPrintedOnce(numbers);
    EXPECT_TRUE(spoolFiles(next).isEmpty()) << spoolFiles(next).join(u' ').toStdString();
}

KVR_INSTANTIATE_BACKENDS(ReceiptSpoolSale);

} // namespace
} // namespace kvr::test
