// The sale window's controls pressed as a cashier does, offscreen: finding a saved
// bill, reprinting and cancelling it, the VAT code, currency and ship-to address of the header,
// the end-of-bill discounts and a typed price.
#include "PosViewFixture.h"

#include "pos/PosHeaderPanel.h"
#include "pos/PosShipToDialog.h"
#include "search/LookupFrameView.h"
#include "search/SearchScreen.h"
#include "support/ScriptedSearchRunner.h"
#include "ui/base/LookupEdit.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using kvr::pos::PosFocus;
using kvr::test::waitForFocusIn;
using kvr::test::waitUntil;
using namespace kvr::test::pos_shop;

namespace {

using PosViewControls = kvr::test::PosViewFixture;

TEST_P(PosViewControls, BillFoundByF5LoadsReprintsAndCancels)
{
    QFile receipt(textReceiptsTo());
    setConfig(QStringLiteral("PrintOldDocument = 'Y'"));
    const int id = insertBill(waterBill(QStringLiteral("     123"), 2, 10, QDate(2026, 6, 15)));
    show();
    // The cashier's pick in the saved-bill search: the bill whose number ends in 123, as listed first.
    kvr::test::ScriptedSearchRunner pick;
    pick.setScript([](kvr::search::SearchScreen& search) {
        search.FormShow();
        search.setCriterion(QStringLiteral("Code"), QStringLiteral("123"));
        search.BtSearchClick();
        return search.BtOkClick();
    });
    view->pos().setSearchRunner(pick);
    QLineEdit* number = view->headerEdit(PosFocus::PosNo);

    focus(number);
    QTest::keyClick(number, Qt::Key_F5);
    ASSERT_EQ(pick.ran, QStringList{QStringLiteral("Search Cash Sale")});
    EXPECT_EQ(view->pos().bill().headerId(QStringLiteral("ID")), id);
    EXPECT_EQ(number->text().trimmed(), QStringLiteral("123"));
    EXPECT_EQ(totalShown(), QStringLiteral("20.00"));
    EXPECT_FALSE(view->headerPanel()->posNoSearchButton()->isEnabled()) << "a recalled bill keeps its number";

    // The Print button prints it again (Ctrl+P is pressed by tests/app/test_dead_controls).
    QToolButton* print = view->button(kvr::ui::TFrForm::Action::Print);
    // Receipts reach the printer from the spool, off the counter's thread: wait for their bytes.
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_TRUE(kvr::test::waitUntil([&] { return QFileInfo(receipt).size() > 0; }));

    // Delete, No: the bill stays on screen. What No, a blank reason and the log leave in the
    // database is the cancellation's own, checked by tests/admin/test_cancel_pos.
    QToolButton* del = view->button(kvr::ui::TFrForm::Action::Del);
    prompter.answerConfirm(false);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_FALSE(view->pos().isNewBill());
    // Delete, Yes, and a reason: cancelled, and a new bill waits.
    prompter.answerConfirm(true).answerInput(QStringLiteral("ลูกค้าคืนสินค้า"));
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(selectRows("DelFlag DelRemark", QStringLiteral("PosHd WHERE Id = %1").arg(id)),
              QStringList{"DelFlag=Y DelRemark=ลูกค้าคืนสินค้า"});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosDt WHERE PosHd = %1").arg(id)), 1) << "nothing is deleted";
    EXPECT_TRUE(view->pos().isNewBill());
    EXPECT_TRUE(number->text().isEmpty());
    EXPECT_FALSE(del->isEnabled());
    EXPECT_FALSE(print->isVisible());
}

TEST_P(PosViewControls, TaxCodeAndCurrencyDropDownsOnANewBill)
{
    show();
    kvr::pos::TFrPos& form = view->pos();
    newBillWithLines(form, {{1, 107, QString(), 7}});
    form.CalculateAll();
    QComboBox* tax = view->headerPanel()->taxList();
    ASSERT_TRUE(tax->currentText().startsWith(QStringLiteral("V7"))) << tax->currentText().toStdString();
    // Up to the code without VAT: the bill follows (how it is recomputed is checked by
    // tests/pos/test_pos_calculation).
    focus(tax);
    QTest::keyClick(tax, Qt::Key_Up);
    ASSERT_TRUE(waitUntil([&] { return form.bill().headerId(QStringLiteral("TaxCode")) == vat0; }));
    EXPECT_EQ(form.totals().taxTotalText(), QStringLiteral("0.00"));

    // Another currency: its rate is typed; the main one again: rate 1 and closed.
    QComboBox* currency = view->headerPanel()->currencyList();
    QLineEdit* rate = view->headerEdit(PosFocus::Rate);
    focus(currency);
    QTest::keyClick(currency, Qt::Key_Down);
    ASSERT_TRUE(waitForFocusIn(rate)) << "the rate waits to be typed";
    EXPECT_EQ(form.bill().headerId(QStringLiteral("CurrencyId")), usd);
    // Letters cannot be typed; a rate of 0 is refused and the rate stays.
    rate->selectAll();
    typeText(QStringLiteral("a0"));
    EXPECT_EQ(rate->text(), QStringLiteral("0"));
    EXPECT_EQ(toldBy(true, [] { kvr::test::pressKey(Qt::Key_Tab); }),
              QStringLiteral("The exchange rate must be a number above 0"));
    EXPECT_EQ(rate->text(), QStringLiteral("1.00"));
    typeInto(rate, QStringLiteral("35.25"));
    EXPECT_DOUBLE_EQ(form.bill().headerValue(QStringLiteral("Rate")), 35.25);
    EXPECT_EQ(totalShown(), QStringLiteral("107.00")) << "the rate takes no part in the amounts";
    focus(currency);
    QTest::keyClick(currency, Qt::Key_Up);
    ASSERT_TRUE(waitUntil([&] { return !rate->isEnabled(); }));
    EXPECT_DOUBLE_EQ(form.bill().headerValue(QStringLiteral("Rate")), 1);

    // With the tax locked by the company, the drop-down is closed to the cashier.
    setConfig(QStringLiteral("PosLockTax = 'Y'"));
    form.AcNewExecute();
    EXPECT_FALSE(tax->isEnabled());
}

TEST_P(PosViewControls, ShipToAddressTypedInItsDialogIsSavedWithTheBill)
{
    exec(QStringLiteral("INSERT INTO Misc (GroupCode, Code, Description, Blocked) VALUES ('CITY', '10', "
                        "'กรุงเทพมหานคร', 'N')"));
    showBill();
    kvr::pos::TFrPos& form = view->pos();
    // A bill of the cash customer with a line of water.
    typeLine(QStringLiteral("p001"));
    QPushButton* shipTo = view->headerPanel()->shipToButton();

    // Cancel keeps the bill as it was.
    kvr::test::whenModalOpens([](QWidget* dialog) {
        typeText(QStringLiteral("somewhere"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(shipTo, Qt::LeftButton);
    EXPECT_TRUE(form.bill().headerText(QStringLiteral("ShipAddr1")).isEmpty());

    kvr::test::whenModalOpens([this](QWidget*) {
        kvr::pos::PosShipToDialog* dialog = view->shipToDialog();
        typeText(QStringLiteral("99/1 ถนนสุขุมวิท"));
        kvr::test::pressKey(Qt::Key_Tab);
        typeText(QStringLiteral("แขวงคลองเตย"));
        focus(dialog->provinceFrame()->codeEdit());
        kvr::test::typeText(QStringLiteral("10"));
        focus(dialog->zipCodeEdit());
        kvr::test::typeText(QStringLiteral("10110"));
        focus(dialog->phoneEdit());
        kvr::test::typeText(QStringLiteral("02-555-0100"));
        kvr::test::pressKey(Qt::Key_Return);
    });
    QTest::mouseClick(shipTo, Qt::LeftButton);
    // Offscreen no window manager gives the window back its activation when the dialog closes.
    ASSERT_TRUE(kvr::test::waitForActiveWindow(view.get()));
    ASSERT_TRUE(waitForFocusIn(view->headerEdit(PosFocus::Customer))) << "back to the customer";

    // Paid in cash (F9 proposes the total) and saved with F10 and Yes.
    kvr::test::pressKey(Qt::Key_F9);
    ASSERT_TRUE(waitForFocusIn(view->headerEdit(PosFocus::Cash)));
    prompter.answerConfirm(true);
    kvr::test::pressKey(Qt::Key_F10);
    const QString saved = QStringLiteral("PosHd WHERE Id = (SELECT Max(Id) FROM PosHd)");
    EXPECT_EQ(selectRows("ShipAddr1 ShipAddr2 ShipAddr3 ShipZipCode ShipPhone", saved),
              QStringList{
                  "ShipAddr1=99/1 ถนนสุขุมวิท ShipAddr2=แขวงคลองเตย ShipAddr3= ShipZipCode=10110 ShipPhone=02-555-0100"});
    EXPECT_EQ(selectRows("Code", "Misc WHERE Id = (SELECT ShipProvince FROM " + saved + ")"), QStringList{"Code=10"});
}

TEST_P(PosViewControls, RemarkIsTypedOrPickedFromTheSaleRemarksWithF5)
{
    exec(QStringLiteral("INSERT INTO Misc (GroupCode, Code, Description, Blocked) VALUES ('REM_SALE', 'R1', "
                        "'ส่งของทางไปรษณีย์', 'N'), ('REM_PURC', 'R2', 'ซื้อเงินสด', 'N')"));
    show();
    const QString byPost = QStringLiteral("ส่งของทางไปรษณีย์");
    kvr::test::ScriptedSearchRunner runner; // lists the remarks by their text and takes that one
    runner.setScript(runner.choosing({}, byPost));
    view->pos().setSearchRunner(runner);
    QLineEdit* remark = view->headerEdit(PosFocus::Remark);
    typeInto(remark, QStringLiteral("no bag"));
    EXPECT_EQ(view->pos().bill().headerText(QStringLiteral("Remark")), QStringLiteral("no bag"));
    focus(remark);
    QTest::keyClick(remark, Qt::Key_F5);
    EXPECT_EQ(runner.listed, QStringList{byPost}) << "the sale remarks only";
    EXPECT_EQ(remark->text(), byPost);
    EXPECT_EQ(view->pos().bill().headerText(QStringLiteral("Remark")), byPost);
}

TEST_P(PosViewControls, EndOfBillDiscountsAsRateAndAsBahtGiveTheirSumAndTheTotal)
{
    setConfig(QStringLiteral("SalePercentDisc = 'Y'"));
    show();
    kvr::pos::TFrPos& form = view->pos();
    // Two lines of 150.00 with VAT; the second has the customer's baht discount "10".
    newBillWithLines(form, {{1, 150, QString(), 7}, {1, 160, QStringLiteral("10"), 7}});
    form.CalculateAll();
    view->pages()->setCurrentIndex(static_cast<int>(kvr::pos::PosPage::Discount));
    auto edit = [this](const char* name) { return view->findChild<QLineEdit*>(QString::fromLatin1(name)); };

    typeInto(edit("discName1LineEdit"), QStringLiteral("สมาชิก"));
    typeInto(edit("discRate1LineEdit"), QStringLiteral("10"));
    EXPECT_EQ(edit("discAmt1LineEdit")->text(), QStringLiteral("30.00"));
    EXPECT_EQ(form.QDt().field(QStringLiteral("Discount")).asString(), QStringLiteral("10"))
        << "leaving a discount rate leaves the line's baht discount alone";
    typeInto(edit("discAmt2LineEdit"), QStringLiteral("20"));
    EXPECT_EQ(edit("discRate2LineEdit")->text(), QStringLiteral("0.00"));
    EXPECT_EQ(edit("sumDiscountLineEdit")->text(), QStringLiteral("50.00"));
    EXPECT_EQ(totalShown(), QStringLiteral("250.00"));

    // A typed amount replaces a rate; nonsense is refused and the discount stays.
    typeInto(edit("discAmt1LineEdit"), QStringLiteral("5"));
    EXPECT_EQ(edit("discRate1LineEdit")->text(), QStringLiteral("0.00"));
    EXPECT_EQ(edit("sumDiscountLineEdit")->text(), QStringLiteral("25.00"));
    EXPECT_EQ(toldBy(true, [&] { typeInto(edit("discRate3LineEdit"), QStringLiteral("150")); }),
              QStringLiteral("A discount rate is a number from 0 to 100"));
    EXPECT_EQ(edit("discRate3LineEdit")->text(), QStringLiteral("0.00"));
    EXPECT_EQ(totalShown(), QStringLiteral("275.00"));
    // The name typed first stays the bill's, and on screen, through every recompute.
    EXPECT_EQ(form.bill().headerText(QStringLiteral("DiscName1")), QStringLiteral("สมาชิก"));
    EXPECT_EQ(edit("discName1LineEdit")->text(), QStringLiteral("สมาชิก"));
}

// Without the right the price column is read-only (tests/pos/test_line_grid_columns
// LineGridColumns.ReadOnlyRulesOnTheRow, the user's right handed over in tests/pos/test_pos_header
// PosHeader.ColumnLayoutFollowsTheCurrentLineAndTheUser) and the grid refuses edits there
// (tests/ui/base/test_data_grid DataGridTest.read_only_columns_and_rows_refuse_edits_and_leave_the_dataset_alone).
TEST_P(PosViewControls, PriceCellTakesATypedPriceWithTheRight)
{
    switchUser(1);
    show();
    kvr::pos::TFrPos& form = view->pos();
    newBillWithLines(form, {{1, 10, QString(), 7}});
    form.CalculateAll();
    ASSERT_TRUE(form.PosPageEnter());
    kvr::ui::DataGrid* grid = view->grid();
    ASSERT_TRUE(waitForFocusIn(grid));
    form.SetDgDtColumn();
    ASSERT_TRUE(grid->setSelectedField(QStringLiteral("Price")));
    kvr::test::typeText(QStringLiteral("12.5"));
    kvr::test::pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !form.cellFlow().hasWaitingChecks(); }));
    EXPECT_DOUBLE_EQ(form.QDt().fieldAt(0, QStringLiteral("Price")).asFloat(), 12.5);
    EXPECT_EQ(totalShown(), QStringLiteral("12.50"));
}

KVR_INSTANTIATE_BACKENDS(PosViewControls);

} // namespace
