// Every window of the program, opened as start-up opens it, offscreen: a button, tool-bar button
// or menu item that the cashier can see and press must be connected to something, and every key
// of the sale screen's key table in README.md must do what the table says.
#include "PosViewFixture.h"
#include "SaleShop.h"
#include "SaleWindow.h"

#include "admin/TFrPosShiftNoView.h"
#include "pos/PosHeaderPanel.h"
#include "pos/TFrPosView.h"
#include "printing/views/DocPrintRunner.h"
#include "search/SearchDialogView.h"
#include "search/TF_SearchCustomer.h"
#include "search/TF_SearchMisc.h"
#include "search/TF_SearchProduct.h"
#include "search/TF_SearchProductUnits.h"
#include "search/TF_SearchSalesman.h"
#include "search/TF_SearchWareHouse.h"
#include "search/TFrSearchBarCode.h"
#include "search/TFrSearchCompanyBank.h"
#include "search/TFrSearchCustomerPosHd.h"
#include "search/TFrSearchLotNo.h"
#include "search/TFrSearchLotNoIV.h"
#include "search/TFrSearchMachineNo.h"
#include "search/TFrSearchMisc.h"
#include "search/TFrSearchPos.h"
#include "search/TFrSearchPosHeader.h"
#include "search/TFrSearchProductServiceMulSelect.h"
#include "search/TFrSearchUnit.h"
#include "support/StartUp.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>

using kvr::pos::PosFocus;
using kvr::test::waitUntil;

namespace {

// How many slots a signal of a Qt object reaches (QObject::receivers is protected).
class ReceiverCount : public QObject
{
public:
    static int of(const QObject* object, const char* signal)
    {
        // Named through this class, the protected member may be called on any object; a cast to
        // this class would claim a type the object does not have.
        constexpr auto receivers = &ReceiverCount::receivers;
        return (object->*receivers)(signal);
    }
};

QString nameOf(const QObject* object)
{
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(object))
        text = button->text();
    else if (const auto* action = qobject_cast<const QAction*>(object))
        text = action->text();
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(object->objectName(), text, QString::fromLatin1(object->metaObject()->className()));
}

bool actionConnected(const QAction* action)
{
    return ReceiverCount::of(action, SIGNAL(triggered(bool))) + ReceiverCount::of(action, SIGNAL(triggered())) +
        ReceiverCount::of(action, SIGNAL(toggled(bool))) >
        0;
}

// The controls of a window the user can see and press and that are connected to nothing.
QStringList deadControls(QWidget* window)
{
    QStringList dead;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || !button->isEnabled())
            continue;
        if (auto* tool = qobject_cast<QToolButton*>(button); tool && (tool->menu() || tool->defaultAction())) {
            if (tool->defaultAction() && !actionConnected(tool->defaultAction()))
                dead << nameOf(tool->defaultAction());
            continue;
        }
        const int receivers = ReceiverCount::of(button, SIGNAL(clicked(bool))) +
            ReceiverCount::of(button, SIGNAL(clicked())) + ReceiverCount::of(button, SIGNAL(pressed())) +
            ReceiverCount::of(button, SIGNAL(released())) + ReceiverCount::of(button, SIGNAL(toggled(bool)));
        if (receivers == 0)
            dead << nameOf(button);
    }
    // Menu items and the actions of context menus.
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->isVisible() || !action->isEnabled() || action->isSeparator() || action->menu())
            continue;
        bool shown = false;
        for (QObject* owner : action->associatedObjects())
            if (auto* widget = qobject_cast<QWidget*>(owner))
                shown = shown || qobject_cast<QMenu*>(widget) || widget->contextMenuPolicy() == Qt::ActionsContextMenu;
        if (shown && !actionConnected(action))
            dead << nameOf(action);
    }
    return dead;
}

// Rows of the first table under the line holding `title`: its first cells.
QStringList keyTable(const QString& readme, const QString& title)
{
    QStringList keys;
    bool inTable = false;
    for (const QString& line : readme.split(QLatin1Char('\n'))) {
        if (!inTable) {
            inTable = line.startsWith(QLatin1Char('|')) && line.contains(title);
            continue;
        }
        if (!line.startsWith(QLatin1Char('|')))
            break;
        const QString cell = line.section(QLatin1Char('|'), 1, 1).trimmed();
        if (!cell.startsWith(QStringLiteral("---")))
            keys << cell;
    }
    return keys;
}

class DeadControls : public kvr::test::PosViewFixture
{
protected:
    void SetUp() override
    {
        PosViewFixture::SetUp();
        if (IsSkipped())
            return;
        kvr::test::seedCardTypes(dm->DMdata());
        // A saved bill to recall, print again and find.
        insertBill({"P", "     123", QDate(2026, 6, 15), "I", 1, 7, 0, 0, 20, 1.31, 18.69, 0, {{1, 11, 2, 10, "", 1}}});

        startUp = std::make_unique<kvr::test::StartUp>(*dm, *config, *product, prompter);
    }
    void TearDown() override
    {
        closeWindows();
        startUp.reset();
        PosViewFixture::TearDown();
    }

    // The windows of a program number, the first shown and active. A sale screen first runs its
    // shift dialog, which is checked and then takes the open shift of machine M01.
    QWidget* open(int programNo)
    {
        closeWindows();
        windows = startUp->open(programNo);
        if (windows.empty())
            return nullptr;
        QWidget* main = windows.front().get();
        if (auto* shift =
                windows.size() > 1 ? qobject_cast<kvr::admin::TFrPosShiftNoView*>(windows[1].get()) : nullptr) {
            EXPECT_TRUE(kvr::test::openWithShift(*main, *shift, QStringLiteral("m01"), QStringLiteral("1"),
                                                 QDate(2026, 6, 15), [shift] { expectAlive(shift, "shift dialog"); }))
                << programNo;
        } else {
            main->show();
            EXPECT_TRUE(kvr::test::waitForActiveWindow(main)) << programNo;
        }
        return main;
    }
    // The dialogs first: they work on parts the main window owns.
    void closeWindows()
    {
        while (!windows.empty())
            windows.pop_back();
    }
    static void expectAlive(QWidget* window, const char* what)
    {
        EXPECT_EQ(deadControls(window), QStringList()) << what;
    }
    // The modal dialog the action opens is checked and closed with Esc.
    void expectDialogAlive(const char* what, const std::function<void()>& opening)
    {
        bool opened = false;
        kvr::test::whenModalOpens([&](QWidget* dialog) {
            opened = true;
            expectAlive(dialog, what);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        opening();
        EXPECT_TRUE(waitUntil([&] { return opened && !QApplication::activeModalWidget(); })) << what;
        // Offscreen no window manager gives the window back its activation.
        if (!windows.empty() && windows.front()->isVisible()) {
            EXPECT_TRUE(kvr::test::waitForActiveWindow(windows.front().get()));
        }
    }

    // Each search dialog, run over the application as the screens run it, then closed.
    template <typename... Searches>
    void expectSearchesAlive()
    {
        const auto check = [this](kvr::search::SearchScreen&& search) {
            kvr::search::DialogSearchRunner runner;
            expectDialogAlive(search.metaObject()->className(), [&] { runner.run(search); });
        };
        (check(Searches(*dm, prompter)), ...);
    }

    std::unique_ptr<kvr::test::StartUp> startUp;
    std::vector<std::unique_ptr<QWidget>> windows;
};

TEST_P(DeadControls, EveryWindowOfEveryProgramHasOnlyLiveControls)
{
    for (const int program : {1, 22, 11, 21}) {
        SCOPED_TRACE(program);
        auto* view = qobject_cast<kvr::pos::TFrPosView*>(open(program));
        ASSERT_NE(view, nullptr);
        expectAlive(view, "new bill, lines");
        for (const auto page : {kvr::pos::PosPage::Discount, kvr::pos::PosPage::Receipt}) {
            view->pages()->setCurrentIndex(static_cast<int>(page));
            expectAlive(view, "new bill, other pages");
        }
        expectDialogAlive("ship-to dialog",
                          [view] { QTest::mouseClick(view->headerPanel()->shipToButton(), Qt::LeftButton); });
        expectDialogAlive("saved-bill search",
                          [view] { QTest::mouseClick(view->headerPanel()->posNoSearchButton(), Qt::LeftButton); });
        if (program == 1) {
            view->pages()->setCurrentIndex(static_cast<int>(kvr::pos::PosPage::Receipt));
            auto* card = view->findChild<QAbstractButton*>(QStringLiteral("BCreditCard"));
            ASSERT_NE(card, nullptr);
            expectDialogAlive("card details", [card] { QTest::mouseClick(card, Qt::LeftButton); });
            // A recalled bill shows Delete and Print.
            typeInto(view->headerEdit(PosFocus::PosNo), QStringLiteral("123"));
            ASSERT_FALSE(view->pos().isNewBill());
            expectAlive(view, "recalled bill");
        }
    }
    for (const int program : {2, 3, 4, 5}) {
        SCOPED_TRACE(program);
        QWidget* window = open(program);
        ASSERT_NE(window, nullptr);
        expectAlive(window, "program window");
    }
}

TEST_P(DeadControls, EverySearchDialogAndThePrintFormHaveOnlyLiveControls)
{
    using namespace kvr::search;
    expectSearchesAlive<TF_SearchCustomer, TF_SearchMisc, TF_SearchProduct, TF_SearchProductUnits, TF_SearchSalesman,
                        TF_SearchWareHouse, TFrSearchBarCode, TFrSearchCompanyBank, TFrSearchCustomerPosHd,
                        TFrSearchCustomerPosHeader, TFrSearchLotNo, TFrSearchLotNoIV, TFrSearchMachineNo, TFrSearchMisc,
                        TFrSearchPos, TFrSearchPosHeader, TFrSearchProductServiceMulSelect, TFrSearchUnit>();
    exec(QStringLiteral("INSERT INTO SystemForm (FormCode, FormOrderNo, FormDesc, FrfName, SpName, DocCode, "
                        "ShowPrintPreview) VALUES ('POS-P', 1, 'บิลขาย', 'forms/bill.kvl', '', 'POS-P', 'Y')"));
    kvr::printing::DocPrintRunner runner(prompter, *dm);
    expectDialogAlive("print form",
                      [&runner] { runner.printDocument(QStringLiteral("     123"), 2026, QStringLiteral("POS-P")); });
}

// What each key of the sale screen's table does, pressed on the window of program 1 as the
// cashier would. A key the README lists that neither this table nor another window test presses
// fails: it is unchecked.
TEST_P(DeadControls, EveryKeyOfTheSaleScreensTableDoesWhatTheReadmeSays)
{
    QFile readme(QStringLiteral(KVR_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QStringList documented = keyTable(QString::fromUtf8(readme.readAll()), QStringLiteral("on the sale screen"));
    ASSERT_FALSE(documented.isEmpty());
    // Receipts of machine M01 go to a file, and bills printed before may be printed again.
    const QString receiptFile = textReceiptsTo();
    setConfig(QStringLiteral("PrintOldDocument = 'Y'"));
    auto* view = qobject_cast<kvr::pos::TFrPosView*>(open(1));
    ASSERT_NE(view, nullptr);
    kvr::pos::TFrPos& pos = view->pos();
    // The saved bill 123 typed into the number, as the cashier recalls it.
    const auto recall = [&] {
        pos.AcNewExecute();
        typeInto(view->headerEdit(PosFocus::PosNo), QStringLiteral("123"));
        ASSERT_FALSE(pos.isNewBill());
    };
    const std::map<QString, std::function<void()>> checks{
        {QStringLiteral("Ctrl+Delete"),
         [&] {
             // A new bill of the cash customer with a line of water, the cursor in the grid.
             pos.AcNewExecute();
             typeInto(view->headerEdit(PosFocus::Customer), QStringLiteral("cash"));
             ASSERT_TRUE(pos.PosPageEnter());
             ASSERT_TRUE(kvr::test::waitForFocusIn(view->grid()));
             kvr::test::typeText(QStringLiteral("p001"));
             kvr::test::pressKey(Qt::Key_Return);
             ASSERT_TRUE(waitUntil([&] { return !pos.cellFlow().hasWaitingChecks(); }));
             ASSERT_GT(pos.bill().QDt().field(QStringLiteral("Product")).asInteger(), 0);
             ASSERT_EQ(pos.QDt().recordCount(), 1);
             kvr::test::pressKey(Qt::Key_Delete, Qt::ControlModifier);
             // The only line went; an empty one waits, and the bill is recomputed to nothing.
             EXPECT_TRUE(waitUntil([&] {
                 return pos.QDt().recordCount() == 1 && pos.QDt().fieldAt(0, QStringLiteral("Product")).isNull() &&
                     pos.bill().headerValue(QStringLiteral("Total")) == 0;
             }));
         }},
        {QStringLiteral("F3"),
         [&] {
             // A recalled bill is left without a question; a new one with lines asks first
             // (tests/app/test_counter and test_counter_boxes).
             recall();
             kvr::test::pressKey(Qt::Key_F3);
             EXPECT_TRUE(waitUntil([&] { return pos.isNewBill(); }));
         }},
        {QStringLiteral("Ctrl+P"),
         [&] {
             recall();
             QFile receipt(receiptFile);
             receipt.remove();
             kvr::test::pressKey(Qt::Key_P, Qt::ControlModifier);
             // The receipt goes out from the machine's spool, a moment after the key.
             EXPECT_TRUE(waitUntil([&] { return QFileInfo(receipt.fileName()).size() > 0; })) << "printed again";
         }},
        {QStringLiteral("Esc, Ctrl+X"),
         [&] {
             focus(view->headerEdit(PosFocus::Remark));
             // Escape, answered No and Yes, is pressed by tests/app/test_counter_boxes and tests/pos/test_pos_view.
             prompter.answerConfirm(false);
             kvr::test::pressKey(Qt::Key_X, Qt::ControlModifier);
             EXPECT_EQ(prompter.pending(), 0u) << "asked before leaving";
             EXPECT_TRUE(view->isVisible());
         }},
    };
    // Keys another window test already presses, with what they do.
    const QStringList pressedElsewhere{
        // tests/pos/test_pos_view PosView.PageKeysSwitchPagesFromTheGrid; F7 from the customer field
        // by tests/app/test_cashier.
        QStringLiteral("F7, F8, F9"),
        // tests/app/test_counter (startBill) from field to field; test_pos_view_lines in the last cell.
        QStringLiteral("Enter"),
        // tests/pos/test_pos_view_lines PosViewLines.TypedLinesAreAddedFromTheKeyboardAndChecked...
        QStringLiteral("Down on the last line"),
        // tests/pos/test_pos_view_controls PosViewControls.BillFoundByF5LoadsReprintsAndCancels.
        QStringLiteral("F5"),
        // Short of the bill: tests/app/test_counter Counter.ACashiersSessionLosesNoScanNoBillAndNoMoney,
        // the page it goes to by tests/pos/test_pos_save PosSave.BillNotPaidAsItNowStandsIsNotSaved.
        QStringLiteral("F10"),
    };
    for (const QString& key : documented) {
        SCOPED_TRACE(key.toStdString());
        if (pressedElsewhere.contains(key))
            continue;
        const auto check = checks.find(key);
        ASSERT_NE(check, checks.end()) << "README documents a key no check presses";
        check->second();
    }
}

KVR_INSTANTIATE_BACKENDS(DeadControls);

} // namespace
