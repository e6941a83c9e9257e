// A cashier's whole sale through the real windows, offscreen: the shift dialog, three barcode
// scans, the receipt page, a card, cash and a transfer, F10 and Yes. The bill reaches the database, the receipt the
// printer and the kick the drawer, and the next bill is waiting.
#include "PosViewFixture.h"
#include "SaleShop.h"
#include "SaleWindow.h"

#include "admin/TFrPosShiftNoView.h"
#include "app/SaleScreen.h"
#include "pos/TFrCreditCardInfoView.h"
#include "pos/TFrPosView.h"
#include "products/TDmService.h"
#include "support/PtyPair.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Keys go where the focus is, as from a keyboard or a scanner.
void type(const QString& text, Qt::Key then = Qt::Key_Return)
{
    kvr::test::typeText(text);
    kvr::test::pressKey(then);
}

// The test shop with its list prices and the rice barcode; the windows are opened as start-up does.
using Cashier = kvr::test::PosViewFixture;

TEST_P(Cashier, ShiftThreeScansCashAndSaveEndToEnd)
{
    kvr::test::PtyPair drawer;
    ASSERT_TRUE(drawer.isOpen());
    const QString receiptFile = textReceiptsTo();
    // The machine names no salesman: the bill takes the customer's.
    exec(QStringLiteral("UPDATE PosMachineNo SET CashDrawer = '%1', BaudRate = 0, Salesman = NULL")
             .arg(drawer.slavePath()));
    kvr::test::seedCardTypes(dm->DMdata());
    exec(QStringLiteral("INSERT INTO CompanyBank (Id, BankCode, BankName, Blocked) VALUES (1, 'BK01', 'ทองไทย', 'N')"));
    setConfig(QStringLiteral("PosUseBarCode = 'Y'"));

    kvr::products::TDmService service(*dm);
    kvr::app::DataModules modules{*dm, *config, *product, service, prompter};
    const std::vector<QWidget*> windows = kvr::app::OpenSaleScreen(modules, {kvr::pos::PosMode::Goods, true});
    view.reset(qobject_cast<kvr::pos::TFrPosView*>(windows.at(0)));
    std::unique_ptr<kvr::admin::TFrPosShiftNoView> shift(qobject_cast<kvr::admin::TFrPosShiftNoView*>(windows.at(1)));
    ASSERT_TRUE(view && shift);

    // The shift dialog comes up, modally, as the sale window opens: the cashier takes the shift
    // of machine M01 already open that day and confirms its float with F10.
    ASSERT_TRUE(
        kvr::test::openWithShift(*view, *shift, QStringLiteral("m01"), QStringLiteral("1"), QDate(2026, 6, 15)));
    kvr::pos::TFrPos& pos = view->pos();

    // A new bill waits for its customer: going to the lines without one (and so without a
    // salesman) is refused and the cursor goes back to the customer.
    QWidget* customer = kvr::test::focusedWidget();
    ASSERT_NE(customer, nullptr);
    prompter.expectInformation();
    QTest::mouseClick(view->grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(kvr::test::waitUntil([&] { return !prompter.asked().empty(); }));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked().back().text, QStringLiteral("ท่านยังไม่ได้ป้อนรหัสลูกค้า"));
    ASSERT_TRUE(kvr::test::waitForFocusIn(customer));
    // The customer, then the product page and three scans.
    type(QStringLiteral("cash"));
    kvr::test::pressKey(Qt::Key_F7);
    QTest::mouseClick(view->grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(kvr::test::waitForFocusIn(view->grid()));
    int lines = pos.QDt().recordCount();
    for (const char* scan : {"8850001000011", "8850004000018", "8850002000010"}) {
        type(QString::fromLatin1(scan));
        // A scan completes its line and opens the next, with the cursor in its product code.
        ++lines;
        ASSERT_TRUE(kvr::test::waitUntil([&] { return kvr::test::cursorOnNewLine(*view, lines); })) << scan;
    }
    ASSERT_EQ(pos.QDt().recordCount(), 4) << "three lines and a fourth waiting";

    // The receipt page: 197 to pay, by card, cash and transfer; then F10 and Yes.
    kvr::test::pressKey(Qt::Key_F9);
    auto* cash = view->findChild<QLineEdit*>(QStringLiteral("cashLineEdit"));
    ASSERT_TRUE(kvr::test::waitForFocusIn(cash));
    // The proposed cash is selected, so that what is typed replaces it.
    ASSERT_TRUE(kvr::test::waitUntil([&] { return cash->hasSelectedText() && cash->selectedText() == cash->text(); }));
    EXPECT_EQ(pos.QHd().field(QStringLiteral("Cash")).asFloat(), 197) << "the total is proposed as cash";
    // Short of the bill first: the change shows 0.00 in red and the bill cannot be saved.
    auto* change = view->findChild<QLineEdit*>(QStringLiteral("changeLineEdit"));
    type(QStringLiteral("150"));
    EXPECT_EQ(change->text(), QStringLiteral("0.00"));
    EXPECT_TRUE(change->styleSheet().contains(QStringLiteral("red")));
    EXPECT_FALSE(pos.AcSave().isEnabled());
    // 100 by VISA card (2 % surcharge on top) through the card details, the rest in cash.
    bool cardDriven = false;
    kvr::test::whenModalOpens([&](QWidget* opened) {
        auto* dialog = qobject_cast<kvr::pos::TFrCreditCardInfoView*>(opened);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(kvr::test::waitForFocusIn(dialog));
        for (const char* cell : {"visa", "4111", "S1", "", "100"})
            type(QString::fromLatin1(cell));
        ASSERT_TRUE(kvr::test::waitUntil([&] { return dialog->amountTotal()->text() == QStringLiteral("102"); }))
            << dialog->amountTotal()->text().toStdString();
        cardDriven = true;
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("BCreditCard")), Qt::LeftButton);
    ASSERT_TRUE(kvr::test::waitUntil([&] { return cardDriven && !QApplication::activeModalWidget(); }));
    ASSERT_TRUE(kvr::test::waitForActiveWindow(view.get()));
    EXPECT_EQ(view->findChild<QLineEdit*>(QStringLiteral("cardamountLineEdit"))->text(), QStringLiteral("102.00"));
    cash->setFocus(Qt::MouseFocusReason);
    cash->selectAll();
    type(QStringLiteral("60"));
    EXPECT_EQ(change->text(), QStringLiteral("0.00"));
    // 40 came by transfer: its amount, then the account it went to.
    view->findChild<QLineEdit*>(QStringLiteral("bankamountLineEdit"))->setFocus(Qt::TabFocusReason);
    type(QStringLiteral("40"));
    view->findChild<QLineEdit*>(QStringLiteral("companyBankCodeLineEdit"))->setFocus(Qt::TabFocusReason);
    type(QStringLiteral("bk01"));
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("companyBankNameLabel"))->text(), QStringLiteral("ทองไทย"));
    EXPECT_EQ(change->text(), QStringLiteral("3.00"));
    EXPECT_FALSE(change->styleSheet().contains(QStringLiteral("red")));
    EXPECT_TRUE(pos.AcSave().isEnabled());
    // 10 in cash leaves the bill short: Save is off.
    cash->setFocus(Qt::TabFocusReason);
    type(QStringLiteral("10"));
    EXPECT_FALSE(pos.AcSave().isEnabled());
    // The customer hands over 70 after all: typed over the cash and F10 at once, without Enter.
    cash->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(cash, QStringLiteral("70"));
    prompter.answerConfirm(true);
    kvr::test::pressKey(Qt::Key_F10);
    // The receipt goes out from the machine's spool; the bill is marked once the printer took it.
    ASSERT_TRUE(kvr::test::waitUntil(
        [&] { return count(QStringLiteral("SELECT COUNT(*) FROM PosHd WHERE Printed = 'Y'")) == 1; }));

    {
        kvr::data::Query bill(
            dm->DMdata(),
            QStringLiteral(
                "SELECT H.PosNo, H.Total, H.Cash, H.Change, H.Printed, "
                "H.CardAmount, H.BankAmount, H.CompanyBank, (SELECT Count(*) FROM PosDt D WHERE D.PosHd = H.Id) "
                "AS Lines, (SELECT Sum(CardAmount) FROM CreditCardInfo C WHERE "
                "C.RcptType = 1 AND C.RcptDocId = H.Id) AS Cards FROM PosHd H"));
        bill.open();
        ASSERT_EQ(bill.recordCount(), 1);
        EXPECT_EQ(
            fieldsOf(bill, QStringLiteral("Total Cash Change CardAmount BankAmount Cards CompanyBank Lines Printed")),
            QStringLiteral("Total=197 Cash=70 Change=13 CardAmount=102 BankAmount=40 Cards=102 CompanyBank=1 "
                           "Lines=3 Printed=Y"));
        QFile receipt(receiptFile);
        ASSERT_TRUE(receipt.open(QIODevice::ReadOnly));
        EXPECT_TRUE(receipt.readAll().contains(bill.field(QStringLiteral("PosNo")).asString().trimmed().toLatin1()));
    }
    EXPECT_EQ(drawer.takeSent(2), QByteArray("^G"));
    EXPECT_TRUE(pos.isNewBill());
    EXPECT_EQ(pos.QDt().recordCount(), 1);
}

KVR_INSTANTIATE_BACKENDS(Cashier);

} // namespace
