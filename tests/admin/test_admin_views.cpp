#include "AdminFixture.h"

#include "admin/CurrentShift.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "search/LookupFrameView.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/LookupEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using kvr::admin::TFrPosMachineNoView;
using kvr::admin::TFrPosShiftNo;
using kvr::admin::TFrPosShiftNoView;
using kvr::test::pressKey;
using kvr::test::waitForActiveWindow;
using kvr::test::waitForFocusIn;
using kvr::test::waitUntil;
using kvr::test::whenModalOpens;

namespace {

QString focusedName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("<none>");
}

class ShiftDialogView : public kvr::test::AdminFixture
{
protected:
    void openScreen() override
    {
        form = std::make_unique<TFrPosShiftNo>(prompter, *dm, current, runner);
        view = std::make_unique<TFrPosShiftNoView>(*form);
        view->show();
        ASSERT_TRUE(waitForActiveWindow(view.get()));
        // The dialog opens with the date field to fill.
        ASSERT_TRUE(waitForFocusIn(view->dateEdit())) << focusedName().toStdString();
    }
    void closeScreen() override
    {
        view.reset();
        form.reset();
    }

    void typeInto(QWidget* widget, const char* text)
    {
        widget->setFocus();
        ASSERT_TRUE(waitForFocusIn(widget));
        QTest::keyClicks(widget, QString::fromUtf8(text));
        QTest::keyClick(widget, Qt::Key_Return);
    }
    // The count cell of a row selected, as the grid shows it after every key.
    bool onCountOfRow(int row)
    {
        return waitUntil([&] {
            return form->QShiftMoney().recNo() == row && view->grid()->selectedField() == QStringLiteral("Quantity");
        });
    }
    int quantity(int row) { return form->QShiftMoney().fieldAt(row, QStringLiteral("Quantity")).asInteger(); }

    kvr::admin::CurrentShift current;
    std::unique_ptr<TFrPosShiftNo> form;
    std::unique_ptr<TFrPosShiftNoView> view;
};

} // namespace

TEST_P(ShiftDialogView, the_cashier_counts_the_float_with_the_keyboard)
{
    typeInto(view->machineEdit(), "pos01");
    EXPECT_EQ(view->machineEdit()->text(), QStringLiteral("POS01"));
    EXPECT_TRUE(waitForFocusIn(view->shiftNoEdit())) << focusedName().toStdString();
    EXPECT_FALSE(view->grid()->isEnabled());
    typeInto(view->shiftNoEdit(), "7");
    ASSERT_TRUE(waitForFocusIn(view->grid()));
    EXPECT_TRUE(view->okButton()->isEnabled()) << "entering the grid allows OK";
    ASSERT_TRUE(onCountOfRow(0));

    struct Step
    {
        const char* typed; // nothing typed: only the key
        Qt::Key key;
        int rowAfter;
    };
    const Step steps[] = {
        {"3", Qt::Key_Return, 1}, // 1000 x 3
        {"", Qt::Key_Down, 2},    {"", Qt::Key_Up, 1},    {"", Qt::Key_Left, 1}, {"2", Qt::Key_Return, 2}, // 100 x 2
        {"", Qt::Key_Up, 1},      {"4", Qt::Key_Down, 2}, // typed over: 100 x 4
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.typed) + " then key " + std::to_string(step.key));
        if (*step.typed)
            kvr::test::typeText(QString::fromLatin1(step.typed));
        kvr::test::pressKey(step.key);
        EXPECT_TRUE(onCountOfRow(step.rowAfter));
    }
    EXPECT_EQ(quantity(0), 3);
    EXPECT_EQ(quantity(1), 4);
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("totalLabel"))->text(), QStringLiteral("3,400.00"));
}

namespace {

class MachineRegisterView : public kvr::test::AdminFixture
{
protected:
    void openScreen() override { open(prompter); }
    void closeScreen() override { view.reset(); }
    // The window on a screen that asks through `asking`.
    void open(kvr::ui::Prompter& asking)
    {
        view.reset();
        auto* screen = new kvr::admin::TFrPosMachineNo(asking, *dm, runner);
        view = std::make_unique<TFrPosMachineNoView>(*screen);
        screen->setParent(view.get());
        view->show();
        ASSERT_TRUE(waitForActiveWindow(view.get()));
        // A new screen waits for a machine code.
        ASSERT_TRUE(waitForFocusIn(view->codeEdit())) << focusedName().toStdString();
    }
    template <typename W>
    W* child(const char* name)
    {
        W* w = view->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Thai letters as an input method gives them (the test keyboard knows only ASCII), then Enter.
    void typeInto(QLineEdit* edit, const char* text)
    {
        edit->setFocus();
        ASSERT_TRUE(waitForFocusIn(edit));
        edit->insert(QString::fromUtf8(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // A machine code typed and left with Enter: the record of that code is on screen then.
    void enterCode(const QString& code)
    {
        QTest::keyClicks(view->codeEdit(), code);
        QTest::keyClick(view->codeEdit(), Qt::Key_Return);
        ASSERT_TRUE(waitUntil([&] { return !view->codeEdit()->isEnabled(); }));
    }

    // The real message boxes, for a test that answers them by keys; outlives the window asking.
    kvr::ui::DialogPrompter boxes;
    std::unique_ptr<TFrPosMachineNoView> view;
};

} // namespace

TEST_P(MachineRegisterView, what_is_typed_goes_into_the_machine_and_f10_saves_it)
{
    enterCode(QStringLiteral("pos07"));
    EXPECT_EQ(child<QLineEdit>("BaudRateLineEdit")->text(), QStringLiteral("9600"));

    typeInto(child<QLineEdit>("LocationLineEdit"), "ชั้นลอย");
    child<QCheckBox>("blockedCheckBox")->click();
    typeInto(view->salesmanFrame()->codeEdit(), "s01");
    EXPECT_TRUE(waitUntil([&] { return view->salesmanFrame()->nameLabel()->text() == QStringLiteral("สมหญิง"); }));
    auto* drawer = child<QComboBox>("CashDrawerComboBox");
    drawer->setFocus();
    ASSERT_TRUE(waitForFocusIn(drawer));
    drawer->lineEdit()->selectAll();
    QTest::keyClicks(drawer->lineEdit(), QStringLiteral("/dev/ttyUSB0"));

    prompter.answerConfirm(true);
    kvr::test::pressKey(Qt::Key_F10);
    EXPECT_EQ(rows(QStringLiteral("SELECT Location, Blocked, Salesman, CashDrawer FROM PosMachineNo "
                                  "WHERE MachineCode = 'POS07'")),
              QStringList{QStringLiteral("ชั้นลอย/Y/%1//dev/ttyUSB0").arg(somying)});
    EXPECT_TRUE(view->codeEdit()->isEnabled());
    EXPECT_TRUE(view->codeEdit()->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("LocationLineEdit")->text().isEmpty());
}

TEST_P(MachineRegisterView, a_click_on_the_toolbar_switches_the_captions_to_english_and_back)
{
    auto* toolbar = child<QFrame>("toolbarFrame");
    auto* blocked = child<QCheckBox>("blockedCheckBox");
    for (const char* caption : {"Blocked", "ระงับการใช้งาน"}) {
        QTest::mouseClick(toolbar, Qt::LeftButton, {}, QPoint(toolbar->width() - 5, toolbar->height() / 2));
        EXPECT_TRUE(waitUntil([&] { return blocked->text() == QString::fromUtf8(caption); })) << caption;
    }
}

TEST_P(MachineRegisterView, enter_in_the_real_delete_and_exit_questions_keeps_the_machine_and_the_screen)
{
    // Enter, pressed by habit, answers No to deleting a machine and to leaving the screen.
    ASSERT_NO_FATAL_FAILURE(open(boxes));
    enterCode(QStringLiteral("pos04"));
    for (const Qt::Key key : {Qt::Key_F8, Qt::Key_Escape}) {
        SCOPED_TRACE(key == Qt::Key_F8 ? "F8" : "Escape");
        bool shown = false;
        whenModalOpens([&](QWidget* box) {
            shown = qobject_cast<QMessageBox*>(box) != nullptr;
            pressKey(Qt::Key_Return);
        });
        pressKey(key);
        ASSERT_TRUE(waitUntil([&] { return shown && !QApplication::activeModalWidget(); }))
            << "no question, or it stayed open";
        ASSERT_TRUE(waitForActiveWindow(view.get())) << "the window was closed";
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM PosMachineNo WHERE MachineCode = 'POS04'")).toInt(), 1);
        EXPECT_EQ(view->codeEdit()->text(), QStringLiteral("POS04")) << "the machine left the screen";
    }
    // Yes closes it.
    whenModalOpens([](QWidget* box) {
        QTest::mouseClick(static_cast<QMessageBox*>(box)->button(QMessageBox::Yes), Qt::LeftButton);
    });
    view->close();
    EXPECT_TRUE(waitUntil([&] { return !view->isVisible(); }));
}

KVR_INSTANTIATE_BACKENDS(ShiftDialogView);
KVR_INSTANTIATE_BACKENDS(MachineRegisterView);
