// The sale screen's window driven by keys and clicks, offscreen.
#include "PosFixture.h"

#include "SaleShop.h"
#include "pos/TFrCreditCardInfoView.h"
#include "pos/TFrPosView.h"
#include "search/LookupFrameView.h"
#include "search/SearchScreen.h"
#include "ui/base/Application.h"
#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using kvr::pos::PosFocus;
using kvr::pos::PosPage;
using kvr::pos::TFrPosView;

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A sale screen of mode "P" on the test shop, shown with its shift already chosen, in a working
// folder of its own (where KVR.INI is kept).
class PosView : public kvr::test::PosFixture
{
protected:
    void SetUp() override
    {
        PosFixture::SetUp();
        if (IsSkipped())
            return;
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(server->workingDirectory());
        kvr::pos::TFrPos& form = screen();
        form.setShiftDialog([] { return true; });
        view = std::make_unique<TFrPosView>(form);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        settle();
    }
    void TearDown() override
    {
        if (view && view->isVisible()) {
            prompter.answerConfirm(true);
            view->close();
        }
        view.reset();
        if (!m_previousDir.isEmpty())
            QDir::setCurrent(m_previousDir);
        PosFixture::TearDown();
    }

    std::unique_ptr<TFrPosView> view;

private:
    QString m_previousDir;
};

TEST_P(PosView, PageKeysSwitchPagesFromTheHeaderAndFromTheGrid)
{
    struct Case
    {
        const char* name;
        bool fromGrid;
        Qt::Key key;
        PosPage page;
        bool deleteLine;
        const char* focusAfter; // object name, or null when the key moves no focus
    };
    const Case cases[] = {
        {"F8 in the header: discount page, not delete", false, Qt::Key_F8, PosPage::Discount, false, nullptr},
        {"F9 in the header: receipt page", false, Qt::Key_F9, PosPage::Receipt, false, "cashLineEdit"},
        {"F7 in the header: product page", false, Qt::Key_F7, PosPage::Product, true, nullptr},
        {"F8 in the grid: discount page, first discount", true, Qt::Key_F8, PosPage::Discount, false,
         "discRate1LineEdit"},
        {"F7 in the grid: product page, grid keeps the cursor", true, Qt::Key_F7, PosPage::Product, true, "dgDtGrid"},
        {"F9 in the grid: receipt page", true, Qt::Key_F9, PosPage::Receipt, false, "cashLineEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->pages()->setCurrentIndex(0);
        settle();
        QWidget* start = c.fromGrid ? static_cast<QWidget*>(view->grid()) : view->headerEdit(PosFocus::Remark);
        start->setFocus();
        settle();
        QTest::keyClick(QApplication::focusWidget(), c.key);
        settle();
        EXPECT_EQ(view->pages()->currentIndex(), static_cast<int>(c.page));
        EXPECT_EQ(pos->controls().page, c.page);
        EXPECT_EQ(view->deleteLineButton()->isEnabled(), c.deleteLine);
        if (c.focusAfter) {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.focusAfter));
        }
    }
    // F8 is the delete shortcut elsewhere: here it never asked the delete question.
    EXPECT_TRUE(prompter.asked(kvr::test::ScriptedPrompter::Kind::Confirm).empty());
}

TEST_P(PosView, ClickOnTheBareToolbarFlipsTheLanguage)
{
    QFrame* toolbar = view->toolbar();
    ASSERT_NE(toolbar, nullptr);
    const QString first = view->pages()->tabText(0);
    ASSERT_EQ(first, pos->captions().productPage);
    // Beside the last button: the bare tool bar.
    const QToolButton* exitButton = view->button(kvr::ui::TFrForm::Action::Exit);
    const QPoint bare(exitButton->geometry().right() + 30, toolbar->height() / 2);
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, bare);
    settle();
    const QString flipped = view->pages()->tabText(0);
    EXPECT_NE(flipped, first);
    EXPECT_EQ(flipped, pos->captions().productPage);
    EXPECT_EQ(view->deleteLineButton()->text(), pos->captions().deleteLine);
    QTest::mouseClick(toolbar, Qt::LeftButton, {}, bare);
    settle();
    EXPECT_EQ(view->pages()->tabText(0), first);
}

TEST_P(PosView, EscapeAsksBeforeLeavingAndNoKeepsTheScreen)
{
    const auto escape = [this] {
        view->headerEdit(PosFocus::Remark)->setFocus();
        settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    prompter.answerConfirm(false);
    escape();
    settle();
    EXPECT_TRUE(view->isVisible());
    ASSERT_EQ(prompter.asked(kvr::test::ScriptedPrompter::Kind::Confirm).size(), 1u);
    prompter.answerConfirm(true);
    escape();
    settle();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(prompter.asked(kvr::test::ScriptedPrompter::Kind::Confirm).size(), 2u);
}

TEST_P(PosView, NeverNarrowerThan800AndItsSizeIsKeptForTheNextRun)
{
    view->resize(500, 600);
    settle();
    EXPECT_GE(view->width(), TFrPosView::kMinimumWidth);
    view->resize(930, 610);
    settle();
    prompter.answerConfirm(true);
    view->close();
    settle();
    {
        QSettings ini(view->iniPath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("POSForm/Width")).toInt(), 930);
        EXPECT_EQ(ini.value(QStringLiteral("POSForm/Height")).toInt(), 610);
    }
    TFrPosView again(*pos);
    again.show();
    settle();
    EXPECT_EQ(again.size(), QSize(930, 610));
    prompter.answerConfirm(true);
    again.close();
}

TEST_P(PosView, CancellingTheShiftDialogClosesWithoutTheExitQuestion)
{
    prompter.answerConfirm(true);
    view->close();
    settle();
    view.reset();
    pos->setShiftDialog([] { return false; });
    TFrPosView cancelled(*pos);
    cancelled.show();
    settle();
    EXPECT_FALSE(cancelled.isVisible());
    // The one confirmation is the closing of the first window above.
    EXPECT_EQ(prompter.asked(kvr::test::ScriptedPrompter::Kind::Confirm).size(), 1u);
}

TEST_P(PosView, CustomerFieldTakesATypedCodeAndSearchesOnF5)
{
    // The cashier's choice in the search dialog: the first customer whose name holds "found".
    QStringList ran;
    struct Runner : kvr::search::SearchRunner
    {
        QStringList* ran;
        bool run(kvr::search::SearchScreen& search) override
        {
            *ran << search.caption();
            search.FormShow();
            search.setCriterion(QStringLiteral("Name"), QStringLiteral("found"));
            search.BtSearchClick();
            return search.BtOkClick();
        }
    } runner;
    runner.ran = &ran;
    pos->setSearchRunner(runner);
    QLineEdit* code = view->headerEdit(PosFocus::Customer);
    QLineEdit* remark = view->headerEdit(PosFocus::Remark);
    QToolButton* button = view->customerFrame()->searchButton();
    const auto leave = [&] {
        remark->setFocus();
        settle();
    };
    code->setFocus();
    settle();
    EXPECT_TRUE(button->isEnabled());
    QTest::keyClicks(code, QStringLiteral("cash"));
    leave();
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(pos->QHd().field(QStringLiteral("Customer")).asInteger(), kvr::test::pos_shop::cashCustomer);
    EXPECT_EQ(view->customerFrame()->nameLabel()->text(), QStringLiteral("Cash customer"));
    EXPECT_EQ(view->headerEdit(PosFocus::Salesman)->text(), QStringLiteral("S02"));

    code->setFocus();
    settle();
    QTest::keyClick(code, Qt::Key_F5);
    settle();
    EXPECT_EQ(ran, QStringList({QStringLiteral("Search Customer/Member")}));
    EXPECT_EQ(code->text(), QStringLiteral("C002"));
    EXPECT_EQ(QApplication::focusWidget(), code) << "the chosen code waits in the field";
    leave();
    EXPECT_EQ(pos->QHd().field(QStringLiteral("Customer")).asInteger(), kvr::test::pos_shop::exemptCustomer);
    EXPECT_EQ(pos->QHd().field(QStringLiteral("TaxCode")).asInteger(), kvr::test::pos_shop::vat0);
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
    settle();
    kvr::ui::DataGrid& grid = *dialog.grid();
    grid.setFocus();
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("cardcode")));
    QTest::keyClick(&grid, Qt::Key_F2);
    settle();
    auto* box = grid.findChild<QComboBox*>(QStringLiteral("cardcodeCellEditor"));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->model()->index(0, 0).data().toString(), QStringLiteral("CASHC"));
    EXPECT_EQ(box->model()->index(0, 1).data().toString(), QStringLiteral("Cash card"));
    box->setCurrentIndex(1);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    settle();
    EXPECT_EQ(card.QCreditCard().field(QStringLiteral("cardcode")).asString(), QStringLiteral("VISA"));
    EXPECT_DOUBLE_EQ(card.QCreditCard().field(QStringLiteral("CardRate")).asFloat(), 2);
    EXPECT_FALSE(card.QCreditCard().field(QStringLiteral("CreditCard")).isNull()) << "the type's exit rule ran";

    // An amount typed and left with Down on the last row: its surcharge is worked out and the
    // next card row opens.
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("CardRcpt")));
    for (const char* k : {"1", "0", "0"})
        QTest::keyClick(QApplication::focusWidget(), k[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    settle();
    ASSERT_EQ(card.QCreditCard().recordCount(), 2);
    EXPECT_DOUBLE_EQ(card.QCreditCard().fieldAt(0, QStringLiteral("CardAmount")).asFloat(), 102);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.selectedField(), QStringLiteral("cardcode"));

    // A type typed and left with Up goes up a row and keeps what was typed.
    for (const char* k : {"c", "a", "s", "h", "c"})
        QTest::keyClick(QApplication::focusWidget(), k[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    settle();
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(card.QCreditCard().fieldAt(1, QStringLiteral("cardcode")).asString(), QStringLiteral("CASHC"));
    EXPECT_EQ(card.QCreditCard().fieldAt(0, QStringLiteral("cardcode")).asString(), QStringLiteral("VISA"));
}

KVR_INSTANTIATE_BACKENDS(PosView);

} // namespace
