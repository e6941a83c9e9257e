// The sale screen at a counter of the demo shop, driven through its windows by keys and the
// scanner's Enter: what the cashier sees is right at once, a bill is never lost by one key, scans
// are never lost, and no figure the bill cannot hold gets onto it.
#include "CounterFixture.h"
#include "PosFixture.h"

#include "data/Query.h"
#include "search/LookupFrameView.h"
#include "support/StartUp.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"
#include "ui/base/LookupEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

namespace kvr::test {
namespace {

class Counter : public CounterFixture
{
protected:
    QLineEdit* cash() const { return view->findChild<QLineEdit*>(QStringLiteral("cashLineEdit")); }
    QLineEdit* change() const { return view->findChild<QLineEdit*>(QStringLiteral("changeLineEdit")); }
    double total() { return pos().bill().headerValue(QStringLiteral("Total")); }
    static QString money(double value) { return QLocale::c().toString(value, 'f', 2); }

    // The line totals add up to the bill's total, which the large display shows: nothing stale.
    void expectTotalsCurrent(const char* after)
    {
        SCOPED_TRACE(after);
        const data::CachedDataset& lines = pos().QDt();
        double sum = 0;
        for (int row = 0; row < lines.recordCount(); ++row) {
            if (lines.fieldAt(row, QStringLiteral("Product")).asInteger() <= 0)
                continue;
            const double line = lines.fieldAt(row, QStringLiteral("Total")).asFloat();
            EXPECT_GT(line, 0) << "line " << row + 1 << " has no total";
            sum += line;
        }
        EXPECT_NEAR(total(), sum, 0.005);
        EXPECT_EQ(view->totalLabel()->text().trimmed(), pos::PosTotals::totalText(total()).trimmed());
    }

    // Types into the current cell and leaves it with Enter; the cell's check has run after.
    void typeIntoCell(const QString& text)
    {
        typeText(text);
        pressKey(Qt::Key_Return);
        ASSERT_TRUE(waitUntil([&] { return !pos().cellFlow().hasWaitingChecks(); }));
    }
    // The same, refused with a message: its text.
    QString refusal(const QString& text)
    {
        prompter.expectInformation();
        typeIntoCell(text);
        EXPECT_TRUE(waitUntil([&] { return prompter.pending() == 0; })) << "nothing was said";
        return prompter.asked().empty() ? QString() : prompter.asked().back().text;
    }
    double quantity() { return pos().QDt().fieldAt(0, QStringLiteral("Quantity")).asFloat(); }

    // F9 to the receipt page, `paid` typed over the proposed cash and Enter.
    void pay(double paid)
    {
        pressKey(Qt::Key_F9);
        ASSERT_TRUE(waitForFocusIn(cash()));
        ASSERT_TRUE(waitUntil([&] { return cash()->selectedText() == cash()->text(); }));
        typeText(money(paid));
        pressKey(Qt::Key_Return);
    }
};

// The sale screen once looked products up through a product module of its own, whose messages
// reached nobody: an expired lot was emptied without a word.
TEST_P(Counter, QuantityAndLotCellsTakeOnlyWhatTheBillCanHold)
{
    const QString barcode =
        scalar(QStringLiteral("SELECT MIN(U.BarCode) FROM ProductUnits U INNER JOIN Product P ON P.Id = U.Product "
                              "WHERE U.BarCode IS NOT NULL AND P.Blocked = 'N' AND P.ProductType = 'P' AND "
                              "P.LotControl = 'Y' AND P.UseSerial = 'N' AND EXISTS (SELECT 1 "
                              "FROM ProductPrice R WHERE R.ProductUnits = U.Id AND R.Price >= 1)"))
            .toString()
            .trimmed();
    const QString expired = scalar(QStringLiteral("SELECT MIN(Code) FROM LotNo WHERE HasExpired = 'Y' AND "
                                                  "ExpiredDate < :Today"),
                                   {{"Today", QDate::currentDate().startOfDay()}})
                                .toString()
                                .trimmed();
    ASSERT_FALSE(barcode.isEmpty() || expired.isEmpty()) << "the demo shop sells goods by lot and has an expired lot";
    // A shop that sells in tonnes: at the most one line may sell, the amount outgrows the bill.
    ASSERT_TRUE(addToIni("[Sale]\nMaxQuantity=1000000000000000\n"));
    openSaleScreen();
    startBill();
    ASSERT_TRUE(scan(barcode, 2));
    // One figure per refusal, with the start of its message: what reads as a number is decided by
    // tests/pos/test_line_limits.
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "จำนวนต้องเป็นตัวเลข"},
        {"0", "จำนวนต้องมากกว่า 0"},
        {"1000000000000001", "จำนวนเกินกว่าที่ขายได้ในหนึ่งรายการ\rสูงสุดไม่เกิน 1000000000000000"},
        {"1000000000000000", "ยอดเงินของรายการเกินกว่าที่บิลจัดเก็บได้"},
    };
    for (const auto& [typed, start] : refused) {
        SCOPED_TRACE(typed);
        clickCell(0, "Quantity");
        const QString told = refusal(QString::fromLatin1(typed));
        EXPECT_TRUE(told.startsWith(QString::fromUtf8(start))) << told.toStdString();
        EXPECT_DOUBLE_EQ(quantity(), 1) << "set back";
        expectTotalsCurrent(typed);
    }
    // A plain quantity is taken in the cashier's session below.

    clickCell(0, "LotNoCode");
    EXPECT_EQ(refusal(expired), QStringLiteral("LotNo หมดอายุแล้ว"));
    EXPECT_TRUE(pos().QDt().fieldAt(0, QStringLiteral("LotNoCode")).asString().trimmed().isEmpty());
}

// On the smallest screen a shop uses, as bills are rung up there: the total, cash and change stay
// whole on the receipt page, and F3 answered Yes throws the bill away (No is answered in
// tests/app/test_counter_boxes).
TEST_P(Counter, TheFiguresShowWholeOnA800By600ScreenAndF3WithYesDropsTheBill)
{
    openSaleScreen();
    view->resize(800, 600);
    ASSERT_TRUE(waitUntil([&] { return view->size() == QSize(800, 600); }));
    startBill();
    ASSERT_TRUE(scan(scannableBarcodes(1).at(0), 2));
    pay(total() + 1000);
    for (QWidget* figure : std::initializer_list<QWidget*>{view->totalLabel(), cash(), change()}) {
        SCOPED_TRACE(figure->objectName().toStdString());
        EXPECT_EQ(figure->visibleRegion().boundingRect().size(), figure->size()) << "cut off";
        EXPECT_GE(figure->height(), figure->sizeHint().height()) << "squeezed";
    }
    EXPECT_EQ(change()->text(), QStringLiteral("1,000.00"));

    prompter.answerConfirm(true);
    pressKey(Qt::Key_F3);
    ASSERT_TRUE(waitUntil([&] { return !pos().bill().hasHeaderRow(); }));
    EXPECT_EQ(prompter.pending(), 0u) << "not asked";
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("0.00"));
}

TEST_P(Counter, EscapeInTheShiftDialogEndsTheProgram)
{
    createSaleScreen();
    whenModalOpens([&](QWidget*) { pressKey(Qt::Key_Escape); });
    view->show();
    // The program ends when its last window closes: none may stay mapped, not even behind a
    // hidden widget.
    EXPECT_TRUE(waitUntil([] {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        return std::none_of(windows.begin(), windows.end(), [](QWindow* w) { return w->isVisible(); });
    })) << "a window stays open: the program would keep running";
}

// A cashier's session on a first run: five scans with an unknown code among them (told without a
// box, which would take the scanner's next Enter), a line deleted, a product by F5, a quantity
// typed, the exact amount paid and saved; the next bill started again by Enter in the empty
// number, F10 while it is short, paid over and saved with the machine's defaults. The bill's total
// and the large display follow every change at once.
TEST_P(Counter, ACashiersSessionLosesNoScanNoBillAndNoMoney)
{
    openSaleScreen();
    EXPECT_TRUE(view->isMaximized()) << "a first run fills the screen";
    startBill();
    const QStringList codes = scannableBarcodes(6);
    int lines = 1;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(scan(codes[i], ++lines)) << i;
        if (i == 2) {
            ASSERT_TRUE(scan(QStringLiteral("0000000000017"), lines)) << "unknown";
            // Told in the status bar, and still there once the grid has settled.
            EXPECT_EQ(view->statusPanel(1)->text(), QStringLiteral("ไม่พบรหัสสินค้า 0000000000017"));
        }
    }
    expectTotalsCurrent("scans");
    clickCell(1, "ProductCode");
    QTest::mouseClick(view->deleteLineButton(), Qt::LeftButton);
    --lines;
    ASSERT_TRUE(waitUntil([&] { return pos().QDt().recordCount() == lines; }));
    // The line under the cursor went; the cursor stays in the grid, in the code of the line now there.
    EXPECT_EQ(pos().QDt().fieldAt(1, QStringLiteral("ProductCode")).asString().trimmed(), codes[2]);
    EXPECT_TRUE(waitUntil([&] {
        return QApplication::focusWidget() == view->grid() &&
            view->grid()->selectedField() == QStringLiteral("ProductCode");
    }));
    expectTotalsCurrent("a line deleted");
    // F5 in the product code: the barcode search, a code typed into its first criterion, Enter
    // to search and Enter to choose.
    clickCell(lines - 1, "ProductCode");
    bool picked = false;
    whenModalOpens([&](QWidget* dialog) {
        chooseFirstFound(dialog, codes[5]);
        picked = true;
    });
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(waitUntil([&] { return picked && !QApplication::activeModalWidget(); }));
    ASSERT_TRUE(waitForActiveWindow(view.get()));
    ASSERT_TRUE(waitUntil([&] { return pos().QDt().recordCount() == lines + 1; }));
    expectTotalsCurrent("a product picked by F5");
    clickCell(0, "Quantity");
    typeIntoCell(QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(quantity(), 2);
    expectTotalsCurrent("a quantity typed");
    const double first = total();
    pay(first);
    prompter.answerConfirm(true);
    pressKey(Qt::Key_F10);
    ASSERT_TRUE(waitUntil([&] { return savedBills() == 1; }));

    startBill();
    ASSERT_TRUE(scan(codes[0], 2));
    const double second = total();
    // F10 with less than the total says what is still owed.
    pay(1);
    pressKey(Qt::Key_F10);
    EXPECT_EQ(pos().statusText(1), QStringLiteral("ยังค้างชำระอีก %1 บาท").arg(money(second - 1)));
    pay(second + 50);
    EXPECT_EQ(change()->text(), QStringLiteral("50.00"));
    prompter.answerConfirm(true);
    pressKey(Qt::Key_F10);
    ASSERT_TRUE(waitUntil([&] { return savedBills() == 2; }));
    const QString number = scalar(QStringLiteral("SELECT PosNo FROM PosHd ORDER BY Id DESC")).toString().trimmed();
    EXPECT_EQ(pos().statusText(1), QStringLiteral("จัดเก็บบิลเลขที่ %1 แล้ว").arg(number));
    // The waiting bill shows nothing of the last one.
    EXPECT_TRUE(view->customerFrame()->codeEdit()->text().isEmpty());
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("0.00"));

    // Five scans, one deleted and one by F5 on the first; the machine's warehouse and department
    // and a salesman on each; payments not used stored as 0, never left empty.
    data::Query bills(dm->DMdata(),
                      QStringLiteral("SELECT H.Total, H.Change, (SELECT COUNT(*) FROM PosDt D WHERE D.PosHd = H.Id) "
                                     "AS Lines, CASE WHEN COALESCE(H.Warehouse, 0) = COALESCE(M.WareHouse, 0) AND "
                                     "COALESCE(H.Department, 0) = COALESCE(M.Department, 0) AND H.Salesman > 0 "
                                     "THEN 'Y' ELSE 'N' END AS MachineDefaults, CASE WHEN H.CardAmount + "
                                     "H.BankAmount + H.Coupon = 0 THEN 'none' ELSE 'some' END AS OtherPayments "
                                     "FROM PosHd H INNER JOIN PosShiftNo S ON S.Id = H.PosShiftNo "
                                     "INNER JOIN PosMachineNo M ON M.Id = S.PosMachineNo "
                                     "WHERE S.ShiftNo = 77 ORDER BY H.Id"));
    bills.open();
    ASSERT_EQ(bills.recordCount(), 2);
    for (const auto& [row, paid, change, lines] : {std::tuple{0, first, "0", "5"}, {1, second, "50", "1"}}) {
        EXPECT_EQ(PosFixture::fieldsOf(bills, QStringLiteral("Total Change Lines MachineDefaults OtherPayments"), row),
                  QStringLiteral("Total=%1 Change=%2 Lines=%3 MachineDefaults=Y OtherPayments=none")
                      .arg(QString::number(paid, 'g', 15), QLatin1String(change), QLatin1String(lines)));
    }
}

KVR_INSTANTIATE_BACKENDS(Counter);

} // namespace
} // namespace kvr::test
