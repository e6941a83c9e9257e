// The sale screen's window driven by keys and clicks, offscreen.
#include "PosViewFixture.h"

#include "SaleShop.h"
#include "pos/TFrCreditCardInfoView.h"
#include "search/LookupFrameView.h"
#include "support/ScriptedSearchRunner.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>

using kvr::pos::PosFocus;
using kvr::pos::PosPage;
using kvr::pos::TFrPosView;
using kvr::test::waitUntil;

namespace {

// A sale screen of mode "P" on the test shop, shown with its shift already chosen; KVR.INI is
// kept in the shop's working folder.
class PosView : public kvr::test::PosViewFixture
{
protected:
    void SetUp() override
    {
        PosViewFixture::SetUp();
        if (!IsSkipped())
            show();
    }
};

// The keys' only check in a window: the key table of tests/app/test_dead_controls counts on it. From
// the header the same filter runs without the focus moves.
TEST_P(PosView, PageKeysSwitchPagesFromTheGrid)
{
    struct Case
    {
        const char* name;
        Qt::Key key;
        PosPage page;
        bool deleteLine;
        const char* focusAfter; // object name
    };
    const Case cases[] = {
        {"F8: discount page, first discount, not delete", Qt::Key_F8, PosPage::Discount, false, "discRate1LineEdit"},
        {"F7: product page, grid keeps the cursor", Qt::Key_F7, PosPage::Product, true, "dgDtGrid"},
        {"F9: receipt page", Qt::Key_F9, PosPage::Receipt, false, "cashLineEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->pages()->setCurrentIndex(0);
        focus(view->grid());
        kvr::test::pressKey(c.key);
        EXPECT_EQ(view->pages()->currentIndex(), static_cast<int>(c.page));
        EXPECT_EQ(view->deleteLineButton()->isEnabled(), c.deleteLine);
        const QString wanted = QString::fromLatin1(c.focusAfter);
        EXPECT_TRUE(waitUntil(
            [&] { return QApplication::focusWidget() && QApplication::focusWidget()->objectName() == wanted; }));
    }
    // F8 is the delete shortcut elsewhere: here it never asked the delete question (the prompter
    // fails any question not answered beforehand).
}

TEST_P(PosView, ClickOnTheBareToolbarFlipsTheLanguage)
{
    QFrame* toolbar = view->toolbar();
    ASSERT_NE(toolbar, nullptr);
    const QString first = view->pages()->tabText(0);
    // Beside the last button: the bare tool bar.
    const QToolButton* exitButton = view->button(kvr::ui::TFrForm::Action::Exit);
    const QPoint bare(exitButton->geometry().right() + 30, toolbar->height() / 2);
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, bare);
    const QString flipped = view->pages()->tabText(0);
    EXPECT_NE(flipped, first);
    EXPECT_EQ(flipped, pos->captions().productPage);
    EXPECT_EQ(view->deleteLineButton()->text(), pos->captions().deleteLine);
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, bare);
    EXPECT_EQ(view->pages()->tabText(0), first);
}

TEST_P(PosView, NeverNarrowerThan800AndClosedByEscapeKeepsItsSizeForTheNextRun)
{
    view->resize(500, 600);
    EXPECT_GE(view->width(), TFrPosView::kMinimumWidth);
    // A size that fits the (800 x 600) screen of the test.
    view->resize(800, 560);
    ASSERT_TRUE(waitUntil([&] { return view->size() == QSize(800, 560); }));
    // Escape asks before leaving, and Yes closes.
    focus(view->headerEdit(PosFocus::Remark));
    prompter.answerConfirm(true);
    kvr::test::pressKey(Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return !view->isVisible(); }));
    EXPECT_TRUE(view->iniPath().startsWith(server->workingDirectory())) << "in the program's working folder";
    // Read from the disk: settings opened in this process would also see values never written.
    QFile ini(view->iniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString kept = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(kept.contains(QRegularExpression(QStringLiteral("\\[POSForm\\][^[]*\\nWidth=800\\n"))) &&
                kept.contains(QRegularExpression(QStringLiteral("\\[POSForm\\][^[]*\\nHeight=560\\n"))))
        << kept.toStdString();
    // The next run opens at the size kept.
    TFrPosView again(*pos);
    again.show();
    EXPECT_TRUE(waitUntil([&] { return again.isVisible() && again.size() == QSize(800, 560); }))
        << again.width() << "x" << again.height();
    prompter.answerConfirm(true);
    again.close();
    ASSERT_TRUE(waitUntil([&] { return !again.isVisible(); }));

    // A place kept on a wider screen opens inside this one, where the total and change are seen.
    {
        QSettings ini(view->iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("POSForm/Left"), 1500);
        ini.setValue(QStringLiteral("POSForm/Top"), 900);
    }
    TFrPosView moved(*pos);
    moved.show();
    ASSERT_TRUE(waitUntil([&] { return moved.isVisible(); }));
    const QRect screen = moved.screen()->availableGeometry();
    // The window is never narrower than 800, so only its left edge can be checked on this 800-wide
    // screen; its bottom edge, with the change, must be on it.
    EXPECT_TRUE(waitUntil([&] {
        const QRect frame = moved.frameGeometry();
        return frame.left() == screen.left() && frame.top() >= screen.top() && frame.bottom() <= screen.bottom();
    })) << "at "
        << moved.x() << "," << moved.y() << " on a screen of " << screen.width() << "x" << screen.height();
    prompter.answerConfirm(true);
    moved.close();
}

// A typed code is taken by tests/app/test_counter (startBill) and tests/app/test_cashier.
TEST_P(PosView, CustomerFieldSearchesOnF5)
{
    // The cashier's choice in the search dialog: the customer whose name holds "found".
    kvr::test::ScriptedSearchRunner runner;
    runner.setScript(runner.choosing({{QStringLiteral("Name"), QStringLiteral("found")}}, QStringLiteral("C002")));
    pos->setSearchRunner(runner);
    QLineEdit* code = view->headerEdit(PosFocus::Customer);
    QLineEdit* remark = view->headerEdit(PosFocus::Remark);
    QToolButton* button = view->customerFrame()->searchButton();
    focus(code);
    EXPECT_TRUE(button->isEnabled());
    QTest::keyClick(code, Qt::Key_F5);
    EXPECT_EQ(runner.ran, QStringList({QStringLiteral("Search Customer/Member")}));
    EXPECT_EQ(code->text(), QStringLiteral("C002"));
    EXPECT_TRUE(kvr::test::waitForFocusIn(code)) << "the chosen code waits in the field";
    focus(remark);
    EXPECT_FALSE(button->isEnabled()) << "the search is the focused field's";
    EXPECT_EQ(pos->QHd().field(QStringLiteral("Customer")).asInteger(), kvr::test::pos_shop::exemptCustomer);
    EXPECT_EQ(view->customerFrame()->nameLabel()->text(), QStringLiteral("Foundation"));
}

TEST_P(PosView, CardTypeIsPickedFromTheCardTypesWithTheirNames)
{
    kvr::test::seedCardTypes(dm->DMdata());
    kvr::pos::TFrCreditCardInfo& card = view->pos().cardInfo();
    // The types were added after the screen opened: read them again.
    card.QCard().close();
    card.QCard().open();
    card.FormShow();
    card.QCreditCard().append();
    kvr::pos::TFrCreditCardInfoView dialog(card, view.get());
    dialog.show();
    ASSERT_TRUE(kvr::test::waitForActiveWindow(&dialog));
    kvr::ui::DataGrid& grid = *dialog.grid();
    focus(&grid);
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("cardcode")));
    QTest::keyClick(&grid, Qt::Key_F2);
    QComboBox* box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = grid.findChild<QComboBox*>(QStringLiteral("cardcodeCellEditor"))); }));
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->model()->index(0, 0).data().toString(), QStringLiteral("CASHC"));
    EXPECT_EQ(box->model()->index(0, 1).data().toString(), QStringLiteral("Cash card"));
    box->setCurrentIndex(1);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return !card.QCreditCard().field(QStringLiteral("CreditCard")).isNull(); }))
        << "the type's exit rule ran";
    EXPECT_EQ(card.QCreditCard().field(QStringLiteral("cardcode")).asString(), QStringLiteral("VISA"));
    EXPECT_DOUBLE_EQ(card.QCreditCard().field(QStringLiteral("CardRate")).asFloat(), 2);

    // An amount typed and left with Down on the last row: its surcharge is worked out and the
    // next card row opens.
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("CardRcpt")));
    kvr::test::typeText(QStringLiteral("100"));
    kvr::test::pressKey(Qt::Key_Down);
    ASSERT_TRUE(waitUntil([&] { return card.QCreditCard().recordCount() == 2 && grid.currentRow() == 1; }));
    EXPECT_DOUBLE_EQ(card.QCreditCard().fieldAt(0, QStringLiteral("CardAmount")).asFloat(), 102);
    EXPECT_EQ(grid.selectedField(), QStringLiteral("cardcode"));

    // A type typed and left with Up goes up a row and keeps what was typed.
    kvr::test::typeText(QStringLiteral("cashc"));
    kvr::test::pressKey(Qt::Key_Up);
    EXPECT_TRUE(waitUntil([&] { return grid.currentRow() == 0; }));
    EXPECT_EQ(rowsOf(card.QCreditCard(), "cardcode"), QStringList({"cardcode=VISA", "cardcode=CASHC"}));
}

KVR_INSTANTIATE_BACKENDS(PosView);

} // namespace
