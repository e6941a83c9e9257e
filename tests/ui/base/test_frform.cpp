#include "RecordingForm.h"
#include "support/ScriptedPrompter.h"

#include <QKeySequence>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::test::RecordingForm;
using kvr::test::ScriptedPrompter;
using kvr::ui::FormAction;
using kvr::ui::TFrForm;
using Outcome = kvr::ui::TFrForm::KeyOutcome;

namespace {

class FrFormTest : public ::testing::Test
{
protected:
    ScriptedPrompter prompter;
    data::SessionContext session;
    RecordingForm form{prompter, session};
};

// Every action enabled, as a descendant may leave them.
TEST_F(FrFormTest, each_shortcut_runs_its_action)
{
    const std::pair<QKeyCombination, const char*> cases[] = {
        {QKeyCombination(Qt::Key_F3), "AcNew"},
        {QKeyCombination(Qt::Key_F8), "AcDel"},
        {QKeyCombination(Qt::Key_F10), "AcSave"},
        {QKeyCombination(Qt::Key_F12), "AcChgCode"},
        {QKeyCombination(Qt::CTRL, Qt::Key_H), "AcHist"},
        {QKeyCombination(Qt::Key_F6), "AcCopy"},
        {QKeyCombination(Qt::CTRL, Qt::Key_P), "AcPrint"},
        {QKeyCombination(Qt::CTRL, Qt::Key_X), "AcExit"},
        {QKeyCombination(Qt::Key_Escape), "AcExit"},
    };
    for (const auto& [key, handler] : cases) {
        SCOPED_TRACE(handler);
        for (FormAction* action : form.actions())
            action->setEnabled(true);
        form.ran.clear();
        EXPECT_EQ(form.FormKeyDown(key), Outcome::Handled);
        EXPECT_EQ(form.ran, QStringList{QString::fromLatin1(handler)});
    }
}

TEST_F(FrFormTest, other_keys_are_left_to_the_focused_control)
{
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_F5), QKeyCombination(Qt::SHIFT, Qt::Key_F3),
                                      QKeyCombination(Qt::Key_X), QKeyCombination(Qt::CTRL, Qt::Key_C),
                                      QKeyCombination(Qt::SHIFT, Qt::Key_Escape), QKeyCombination(Qt::Key_F9)}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        EXPECT_EQ(form.FormKeyDown(key), Outcome::Ignored);
    }
    EXPECT_TRUE(form.ran.isEmpty());
}

// The view shows four buttons only (see its test): the other actions' shortcuts stay.
TEST_F(FrFormTest, show_starts_a_new_document_with_save_delete_and_change_code_disabled)
{
    form.setCaption(QStringLiteral("ขายสินค้าหน้าร้าน"));
    form.setChgCodeVisible(true);
    form.setKeyPreview(false);
    for (FormAction* action : form.actions())
        action->setEnabled(true);
    QSignalSpy title(&form, &TFrForm::applicationTitleRequested);
    form.FormShow();

    EXPECT_EQ(form.ran, (QStringList{QStringLiteral("AcNew"), QStringLiteral("FormShow")}));
    ASSERT_EQ(title.count(), 1);
    EXPECT_EQ(title.at(0).at(0).toString(), QStringLiteral("ขายสินค้าหน้าร้าน"));
    EXPECT_FALSE(form.isChgCodeVisible());
    EXPECT_TRUE(form.keyPreview());
    for (const auto disabled : {TFrForm::Action::Save, TFrForm::Action::Del, TFrForm::Action::ChgCode})
        EXPECT_FALSE(form.action(disabled).isEnabled()) << form.action(disabled).name().toStdString();
    // Their keys as well; each_shortcut_runs_its_action presses the others' keys.
    for (const auto enabled : {TFrForm::Action::Hist, TFrForm::Action::Copy, TFrForm::Action::Print})
        EXPECT_TRUE(form.action(enabled).isEnabled()) << form.action(enabled).name().toStdString();

    form.ran.clear();
    EXPECT_EQ(form.FormKeyDown(QKeyCombination(Qt::Key_F10)), Outcome::Ignored);
    EXPECT_EQ(form.FormKeyDown(QKeyCombination(Qt::Key_F8)), Outcome::Ignored);
    EXPECT_TRUE(form.ran.isEmpty()) << "Save or Delete ran while disabled";
}

TEST_F(FrFormTest, closing_asks_the_green_exit_question_in_the_session_language)
{
    // The language and the answer are independent: each is met both ways.
    for (const auto& [thai, yes] : {std::pair{false, false}, std::pair{true, true}}) {
        const QString question = thai ? QStringLiteral("ออกจากโปรแกรม ?") : QStringLiteral("Exit Program ?");
        SCOPED_TRACE(testing::Message() << question.toStdString() << (yes ? " yes" : " no"));
        ScriptedPrompter answers;
        session.ThaiLanguage = thai;
        RecordingForm closing(answers, session);
        answers.answerConfirm(yes);
        EXPECT_EQ(closing.FormClose(), yes);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, question);
        EXPECT_EQ(answers.asked()[0].colour, ui::ConfirmColour::Green);
    }
}

} // namespace
