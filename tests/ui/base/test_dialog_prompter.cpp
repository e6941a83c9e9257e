#include "Pixels.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/TFrShowError.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using kvr::test::countLightPixels;
using kvr::test::countPixels;
using kvr::test::whenModalOpens; // acts on the modal box once it is up and active, as the user would
using kvr::ui::ConfirmColour;
using kvr::ui::DialogPrompter;
using kvr::ui::ErrorDialogAnswer;

namespace {

TEST(DialogPrompter, a_question_that_loses_work_defaults_to_no_and_speaks_thai)
{
    // Enter answers the default (pressed in confirm_is_true_only_for_yes): No keeps the work. The
    // language sets the captions only, never the default button.
    const auto keeps =
        DialogPrompter::makeConfirmBox(QStringLiteral("ออกจากโปรแกรม ?"), ConfirmColour::Green, nullptr, false, false);
    EXPECT_EQ(keeps->defaultButton(), keeps->button(QMessageBox::Yes));
    const auto loses =
        DialogPrompter::makeConfirmBox(QStringLiteral("ออกจากโปรแกรม ?"), ConfirmColour::Green, nullptr, true, true);
    EXPECT_EQ(loses->defaultButton(), loses->button(QMessageBox::No));
    EXPECT_EQ(loses->button(QMessageBox::Yes)->text(), QStringLiteral("ใช่"));
    EXPECT_EQ(loses->button(QMessageBox::No)->text(), QStringLiteral("ไม่ใช่"));
}

TEST(DialogPrompter, yes_no_boxes_are_white_on_their_colour)
{
    for (const auto& [colour, background] :
         {std::pair{ConfirmColour::Green, qRgb(0, 0x80, 0)}, std::pair{ConfirmColour::Blue, qRgb(0, 0, 0xff)}}) {
        SCOPED_TRACE(qRed(background) + qGreen(background) + qBlue(background));
        const auto box = DialogPrompter::makeConfirmBox(QStringLiteral("ออกจากโปรแกรม ?"), colour, nullptr);
        box->show();
        const QImage image = box->grab().toImage();
        const int pixels = image.width() * image.height();
        EXPECT_GT(countPixels(image, background), pixels / 2);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        const QImage text = image.copy(QRect(label->mapTo(box.get(), QPoint(0, 0)), label->size()));
        EXPECT_GT(countLightPixels(text, 200), 20) << "no white text";
        EXPECT_EQ(countPixels(text, qRgb(0, 0, 0)), 0) << "black text";
    }
    const auto plain = DialogPrompter::makeConfirmBox(QStringLiteral("Exit Program ?"), ConfirmColour::Plain, nullptr);
    plain->show();
    const QImage image = plain->grab().toImage();
    EXPECT_LT(countPixels(image, qRgb(0, 0x80, 0)) + countPixels(image, qRgb(0, 0, 0xff)),
              image.width() * image.height() / 10);
}

TEST(DialogPrompter, confirm_is_true_only_for_yes)
{
    struct Case
    {
        const char* user;
        std::function<void(QMessageBox*)> act;
        bool expected;
    };
    const Case cases[] = {
        {"clicks Yes", [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, true},
        {"clicks No", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, false},
        {"presses Escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, false},
        {"presses Enter on the default button", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, true},
    };
    DialogPrompter prompter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        QString text;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            c.act(box);
        });
        EXPECT_EQ(prompter.confirm(QStringLiteral("จัดเก็บข้อมูล ?"), ConfirmColour::Blue), c.expected);
        EXPECT_EQ(text, QStringLiteral("จัดเก็บข้อมูล ?"));
    }
}

TEST(DialogPrompter, input_gives_the_text_or_nothing_when_cancelled)
{
    DialogPrompter prompter;
    whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setTextValue(QStringLiteral("A-0099"));
        dialog->accept();
    });
    EXPECT_EQ(prompter.input(QStringLiteral("Code"), QStringLiteral("New code"), QStringLiteral("A-0001")),
              std::optional<QString>(QStringLiteral("A-0099")));
    whenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(prompter.input(QStringLiteral("Code"), QStringLiteral("New code"), QStringLiteral("A-0001")),
              std::nullopt);
}

TEST(DialogPrompter, error_dialog_answers_as_the_user_chose)
{
    DialogPrompter prompter;
    for (const bool send : {true, false}) {
        SCOPED_TRACE(send);
        QString shown;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<kvr::ui::TFrShowError*>(modal);
            ASSERT_NE(dialog, nullptr);
            shown = dialog->errorBox()->toPlainText();
            QTest::mouseClick(send ? dialog->sendButton() : dialog->dontSendButton(), Qt::LeftButton);
        });
        EXPECT_EQ(prompter.showErrorDialog(QStringLiteral("\nBOOM\n")),
                  send ? ErrorDialogAnswer::Send : ErrorDialogAnswer::DontSend);
        EXPECT_EQ(shown, QStringLiteral("\nBOOM\n"));
    }
}

} // namespace
