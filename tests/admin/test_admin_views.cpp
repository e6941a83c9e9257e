#include "AdminFixture.h"

#include "admin/CurrentShift.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "search/LookupFrameView.h"
#include "ui/base/Application.h"
#include "ui/base/DataGrid.h"
#include "ui/base/LookupEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using kvr::admin::CurrentShift;
using kvr::admin::ShiftResult;
using kvr::admin::TFrPosMachineNo;
using kvr::admin::TFrPosMachineNoView;
using kvr::admin::TFrPosShiftNo;
using kvr::admin::TFrPosShiftNoView;

namespace {

// The program's own application object, as the windows need one.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QString focusedName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("<none>");
}

class ShiftDialogView : public kvr::test::AdminFixture
{
protected:
    void SetUp() override
    {
        AdminFixture::SetUp();
        if (IsSkipped())
            return;
        form = std::make_unique<TFrPosShiftNo>(prompter, *dm, current, runner);
        view = std::make_unique<TFrPosShiftNoView>(*form);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        settle();
    }
    void TearDown() override
    {
        view.reset();
        form.reset();
        AdminFixture::TearDown();
    }

    void typeInto(QWidget* widget, const char* text)
    {
        widget->setFocus();
        QTest::keyClicks(widget, QString::fromUtf8(text));
        QTest::keyClick(widget, Qt::Key_Return);
        settle();
    }
    // A key as the cashier presses it: to whatever has the focus.
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        settle();
    }
    int quantity(int row) { return form->QShiftMoney().fieldAt(row, QStringLiteral("Quantity")).asInteger(); }

    CurrentShift current;
    std::unique_ptr<TFrPosShiftNo> form;
    std::unique_ptr<TFrPosShiftNoView> view;
};

} // namespace

TEST_P(ShiftDialogView, the_cashier_counts_the_float_with_the_keyboard_and_f10_saves_it)
{
    EXPECT_EQ(focusedName(), QStringLiteral("shiftDateEdit"));
    typeInto(view->machineEdit(), "pos01");
    EXPECT_EQ(view->machineEdit()->text(), QStringLiteral("POS01"));
    EXPECT_EQ(focusedName(), QStringLiteral("posShiftNoLineEdit"));
    EXPECT_FALSE(view->grid()->isEnabled());
    typeInto(view->shiftNoEdit(), "7");
    ASSERT_TRUE(view->grid()->isEnabled());
    EXPECT_EQ(view->grid(), QApplication::focusWidget());
    EXPECT_TRUE(view->okButton()->isEnabled()) << "entering the grid allows OK";
    EXPECT_EQ(view->grid()->selectedField(), QStringLiteral("Quantity"));

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
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(step.typed));
        press(step.key);
        EXPECT_EQ(form->QShiftMoney().recNo(), step.rowAfter);
        EXPECT_EQ(view->grid()->selectedField(), QStringLiteral("Quantity"));
    }
    EXPECT_EQ(quantity(0), 3);
    EXPECT_EQ(quantity(1), 4);
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("totalLabel"))->text(), QStringLiteral("3,400.00"));

    press(Qt::Key_F10);
    EXPECT_EQ(view->result(), QDialog::Accepted);
    EXPECT_FALSE(view->isVisible());
    ASSERT_TRUE(current.isChosen());
    EXPECT_DOUBLE_EQ(
        scalar(QStringLiteral("SELECT OpenMoney FROM PosShiftNo WHERE Id = :Id"), {{"Id", current.CurrentShiftId()}})
            .toDouble(),
        3400.0);
}

TEST_P(ShiftDialogView, a_refused_machine_is_told_once_and_escape_cancels)
{
    prompter.expectInformation();
    view->machineEdit()->setFocus();
    QTest::keyClicks(view->machineEdit(), QStringLiteral("pos02"));
    view->shiftNoEdit()->setFocus();
    QTest::keyClicks(view->shiftNoEdit(), QStringLiteral("1"));
    QTest::keyClick(view->shiftNoEdit(), Qt::Key_Return);
    settle();
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, QString::fromUtf8(TFrPosShiftNo::kBlockedMachine));
    EXPECT_FALSE(view->grid()->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(view->result(), QDialog::Rejected);
    EXPECT_EQ(form->result(), ShiftResult::Cancel);
    EXPECT_EQ(prompter.asked().size(), 1u) << "closing is no leaving of the field";
}

namespace {

class MachineRegisterView : public kvr::test::AdminFixture
{
protected:
    void SetUp() override
    {
        AdminFixture::SetUp();
        if (IsSkipped())
            return;
        auto* screen = new TFrPosMachineNo(prompter, *dm, runner);
        view = std::make_unique<TFrPosMachineNoView>(*screen);
        screen->setParent(view.get());
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        settle();
    }
    void TearDown() override
    {
        view.reset();
        AdminFixture::TearDown();
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
        edit->insert(QString::fromUtf8(text));
        QTest::keyClick(edit, Qt::Key_Return);
        settle();
    }
    QVariant onScreen(const char* column)
    {
        return view->machineForm().QPosMachine().field(QString::fromLatin1(column)).value();
    }

    std::unique_ptr<TFrPosMachineNoView> view;
};

} // namespace

TEST_P(MachineRegisterView, what_is_typed_goes_into_the_machine_and_f10_saves_it)
{
    EXPECT_EQ(focusedName(), QStringLiteral("codeLineEdit"));
    EXPECT_FALSE(view->salesmanFrame()->codeEdit()->isEnabled());
    view->codeEdit()->setFocus();
    QTest::keyClicks(view->codeEdit(), QStringLiteral("pos07"));
    QTest::keyClick(view->codeEdit(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(view->codeEdit()->isEnabled());
    EXPECT_EQ(onScreen("BaudRate").toInt(), 9600);
    EXPECT_EQ(child<QLineEdit>("BaudRateLineEdit")->text(), QStringLiteral("9600"));

    typeInto(child<QLineEdit>("LocationLineEdit"), "ชั้นลอย");
    child<QCheckBox>("blockedCheckBox")->click();
    typeInto(view->salesmanFrame()->codeEdit(), "s01");
    EXPECT_EQ(view->salesmanFrame()->nameLabel()->text(), QStringLiteral("สมหญิง"));
    auto* drawer = child<QComboBox>("CashDrawerComboBox");
    drawer->setFocus();
    drawer->lineEdit()->selectAll();
    QTest::keyClicks(drawer->lineEdit(), QStringLiteral("/dev/ttyUSB0"));
    typeInto(child<QLineEdit>("PosDisplayHello1LineEdit"), "สวัสดี");

    const std::pair<const char*, QVariant> expected[] = {
        {"Location", QStringLiteral("ชั้นลอย")},
        {"Blocked", QStringLiteral("Y")},
        {"Salesman", 1},
        {"CashDrawer", QStringLiteral("/dev/ttyUSB0")},
        {"PosDisplayHello1", QStringLiteral("สวัสดี")},
    };
    for (const auto& [column, value] : expected) {
        SCOPED_TRACE(column);
        EXPECT_EQ(onScreen(column).toString(), value.toString());
    }
    prompter.answerConfirm(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    settle();
    for (const auto& [column, value] : expected) {
        SCOPED_TRACE(column);
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT %1 FROM PosMachineNo WHERE MachineCode = 'POS07'").arg(QLatin1String(column)))
                .toString(),
            value.toString());
    }
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
        settle();
        EXPECT_EQ(blocked->text(), QString::fromUtf8(caption));
    }
}

KVR_INSTANTIATE_BACKENDS(ShiftDialogView);
KVR_INSTANTIATE_BACKENDS(MachineRegisterView);
