#include "RecordingForm.h"
#include "support/ScriptedPrompter.h"
#include "support/WindowWait.h"
#include "ui/base/TFrFormView.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::ui::TFrForm;

namespace {

// A screen of five fields: A, B, a disabled one, a hidden one, C.
class FrFormViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        for (const char* name : {"A", "B", "Disabled", "Hidden", "C"}) {
            auto* edit = new QLineEdit(QStringLiteral("text ") + QString::fromLatin1(name));
            edit->setObjectName(QString::fromLatin1(name));
            layout->addWidget(edit);
        }
        view.setContent(content);
        edit("Disabled")->setEnabled(false);
        edit("Hidden")->hide();
        form.setCaption(QStringLiteral("Test Document"));
        view.show();
        ASSERT_TRUE(test::waitForActiveWindow(&view));
        form.ran.clear();
    }

    QLineEdit* edit(const char* name) const { return view.content()->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("<none>");
    }

    test::ScriptedPrompter prompter;
    data::SessionContext session;
    test::RecordingForm form{prompter, session};
    ui::TFrFormView view{form};
};

// With key preview (the default) the form takes Enter, the keypad's as well, and the field never
// sees it; without, Enter is the field's.
TEST_F(FrFormViewTest, enter_moves_to_the_next_field_that_can_take_the_focus_wraps_around_and_is_swallowed)
{
    const struct
    {
        const char* from;
        Qt::Key key;
        bool preview;
        const char* to;
    } moves[] = {{"B", Qt::Key_Return, true, "C"},
                 {"C", Qt::Key_Return, true, "A"},
                 {"C", Qt::Key_Enter, true, "A"},
                 {"A", Qt::Key_Return, false, "A"}};
    for (const auto& m : moves) {
        SCOPED_TRACE(testing::Message() << m.from << " " << m.key << " preview " << m.preview);
        form.setKeyPreview(m.preview);
        QSignalSpy returnPressed(edit(m.from), &QLineEdit::returnPressed);
        edit(m.from)->setFocus();
        QTest::keyClick(edit(m.from), m.key, m.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(returnPressed.count(), m.preview ? 0 : 1);
        EXPECT_EQ(focused(), QString::fromLatin1(m.to));
    }
}

TEST_F(FrFormViewTest, every_way_of_closing_asks_and_yes_closes)
{
    struct Way
    {
        const char* name;
        std::function<void()> close;
    };
    const Way ways[] = {
        {"Escape", [this] { QTest::keyClick(edit("A"), Qt::Key_Escape); }},
        {"Ctrl+X in a field with selected text",
         [this] {
             edit("A")->setSelection(0, 2);
             QTest::keyClick(edit("A"), Qt::Key_X, Qt::ControlModifier);
         }},
        {"the Exit button", [this] { QTest::mouseClick(view.button(TFrForm::Action::Exit), Qt::LeftButton); }},
        {"the window's close box", [this] { view.close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        view.show();
        ASSERT_TRUE(test::waitForActiveWindow(&view));
        edit("A")->setFocus();
        edit("A")->setCursorPosition(2);
        prompter.answerConfirm(false);
        way.close();
        // No (to the form's exit question) leaves the form exactly as it was.
        EXPECT_TRUE(view.isVisible());
        EXPECT_EQ(focused(), QStringLiteral("A"));
        EXPECT_EQ(edit("A")->text(), QStringLiteral("text A")) << "the key reached the field";
        EXPECT_EQ(edit("A")->cursorPosition(), 2);
        prompter.answerConfirm(true);
        way.close();
        EXPECT_FALSE(view.isVisible());
    }
    // The keys and the button go through the form's exit action, once each; the close box does not.
    EXPECT_EQ(form.ran.count(QStringLiteral("AcExit")), 6);
}

// F10 on a form whose save is disabled is FrFormTest's.
TEST_F(FrFormViewTest, save_button_follows_its_action_f10_and_a_click_save_and_f3_starts_anew)
{
    edit("A")->setFocus();
    EXPECT_FALSE(view.button(TFrForm::Action::Save)->isEnabled());

    form.AcSave().setEnabled(true);
    EXPECT_TRUE(view.button(TFrForm::Action::Save)->isEnabled());
    QTest::keyClick(edit("A"), Qt::Key_F10);
    QTest::mouseClick(view.button(TFrForm::Action::Save), Qt::LeftButton);
    EXPECT_EQ(form.ran, (QStringList{QStringLiteral("AcSave"), QStringLiteral("AcSave")}));
    EXPECT_EQ(focused(), QStringLiteral("A")) << "the toolbar took the focus";

    QTest::keyClick(edit("A"), Qt::Key_F3);
    EXPECT_EQ(form.ran.last(), QStringLiteral("AcNew"));
    EXPECT_FALSE(view.button(TFrForm::Action::Save)->isEnabled());
}

TEST_F(FrFormViewTest, shown_form_has_four_toolbar_buttons_its_title_status_panels_and_a_capitals_code_field)
{
    QStringList visible;
    for (int i = 0; i < TFrForm::kActionCount; ++i) {
        const QToolButton* button = view.button(static_cast<TFrForm::Action>(i));
        if (button->isVisible())
            visible << button->text();
    }
    EXPECT_EQ(
        visible,
        (QStringList{QStringLiteral("New"), QStringLiteral("Delete"), QStringLiteral("Save"), QStringLiteral("Exit")}));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Test Document"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Test Document"))
        << "the program's boxes are titled after the form shown";
    EXPECT_FALSE(view.chgCodeEdit()->isVisible());

    // The second panel's notices are read on the real counter.
    form.setStatusText(0, QStringLiteral("บริษัท ตัวอย่าง จำกัด"));
    EXPECT_EQ(view.statusPanel(0)->text(), QStringLiteral("บริษัท ตัวอย่าง จำกัด"));
    EXPECT_TRUE(view.statusPanel(1)->isVisible());

    // The change-code field, once shown, takes capitals.
    form.setChgCodeVisible(true);
    view.chgCodeEdit()->clear();
    view.chgCodeEdit()->setFocus();
    QTest::keyClicks(view.chgCodeEdit(), QStringLiteral("ab-12c"));
    EXPECT_EQ(view.chgCodeEdit()->text(), QStringLiteral("AB-12C"));
}

} // namespace
