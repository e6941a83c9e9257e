// A receipt printer that is on but takes nothing (out of paper, a full buffer): sales go on, the
// cashier is told that receipts wait, and every receipt comes out once when the printer reads again.
#include "SaleFixture.h"

#include "support/PrinterPipe.h"

#include <QDir>

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
        ASSERT_TRUE(printer.open(QDir(server->workingDirectory()).filePath(QStringLiteral("printer.fifo"))));
        textReceiptsTo(printer.path());
        // The printer is there (its device opens) and its buffer is full: it takes nothing.
        m_backlog = printer.fill();
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
    // Each receipt's totals carry "# " and its number once, when the printer has read all it was sent.
    void expectEachPrintedOnce(const QStringList& numbers)
    {
        for (const QString& number : numbers)
            EXPECT_EQ(printer.read().count(("# " + number + " ").toLatin1()), 1) << number.toStdString();
    }
    QStringList spoolFiles(pos::TFrPos& screen)
    {
        return QDir(screen.saver().receiptSpool()->folder())
            .entryList({QStringLiteral("*.prn"), QStringLiteral("*.taken"), QStringLiteral("*.pos")}, QDir::Files);
    }

    PrinterPipe printer;
    qint64 m_backlog = 0;
};

TEST_P(ReceiptSpoolSale, PrinterTakingNothingHoldsNoSaleAndEveryReceiptComesOutOnceLater)
{
    ASSERT_GT(m_backlog, 0);
    pos::TFrPos& screen = billWith({{water, 1, 10}});
    const QStringList numbers = sell(screen, 10);

    // Told once, on the status bar, that the receipts wait, not by a message per bill.
    ASSERT_TRUE(waitFor([&] { return screen.statusText(2).contains(QStringLiteral("10")); }))
        << screen.statusText(2).toStdString();
    EXPECT_TRUE(screen.statusText(2).contains(printer.path())) << screen.statusText(2).toStdString();
    EXPECT_EQ(printedBills(), 0) << "marked printed before the printer took anything";

    // The printer reads again: every receipt arrives and each bill is marked.
    ASSERT_TRUE(waitFor([&] {
        printer.read();
        return printedBills() == 10 && screen.statusText(2).isEmpty();
    })) << printedBills()
        << " marked; " << screen.statusText(2).toStdString();
    // In order, after what the printer held: the spool's own test.
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
    EXPECT_EQ(printer.read().size(), m_backlog) << "printed after the program ended";

    // The next start on the machine prints them before any new sale, and marks their bills.
    pos::TFrPos& next = newBill();
    ASSERT_TRUE(waitFor([&] {
        printer.read();
        return printedBills() == 3;
    }));
    expectEachPrintedOnce(numbers);
    EXPECT_TRUE(spoolFiles(next).isEmpty()) << spoolFiles(next).join(u' ').toStdString();
}

KVR_INSTANTIATE_BACKENDS(ReceiptSpoolSale);

} // namespace
} // namespace kvr::test
