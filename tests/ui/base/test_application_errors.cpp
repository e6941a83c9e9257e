#include "ErrorHandlerFixture.h"
#include "RecordingForm.h"
#include "data/DbError.h"
#include "support/SessionSeed.h"
#include "support/WindowWait.h"
#include "ui/base/Application.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/ExceptionHandler.h"
#include "ui/base/Guarded.h"
#include "ui/base/TFrFormView.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::ui::ErrorDialogAnswer;

namespace {

class ApplicationErrorTest : public test::ErrorHandlerFixture
{
protected:
    void SetUp() override
    {
        ErrorHandlerFixture::SetUp();
        app.setExceptionHandler(&handler);
    }

    void TearDown() override { app.setExceptionHandler(nullptr); }

    QStringList errorLog() { return test::errorLog(config.DmCfg()); }

    ui::Application& app = *static_cast<ui::Application*>(QCoreApplication::instance());

    // A bill saved without its customer fails as both backends fail it (see test_database_errors):
    // the error keeps its kind and column through the guarded handler, so it is explained.
    const QString customerMessage = QStringLiteral("NOT NULL constraint failed: TestBill.Customer");
    const std::function<void()> saveWithoutCustomer = [this] {
        throw data::DbError(customerMessage, {data::DbFailure::NotNull, QStringLiteral("Customer")});
    };
};

TEST_F(ApplicationErrorTest, error_raised_while_the_dialog_is_open_opens_another_on_top_up_to_a_limit)
{
    int depth = 0;
    int deepest = 0;
    int raised = 0;
    // Each open dialog lets events run, and one of them fails again.
    const auto failAgainWhileOpen = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        const int next = raised + 1;
        QTimer::singleShot(0,
                           ui::guarded([&raised] { throw std::runtime_error("again " + std::to_string(++raised)); }));
        // The next error is handled, and every one it brings on top, before this dialog closes.
        EXPECT_TRUE(test::waitUntil([&raised, next] { return raised >= next; }));
        --depth;
    };
    for (int i = 0; i < ui::ExceptionHandler::kMaxOpenDialogs; ++i)
        prompter.answerErrorDialog(ErrorDialogAnswer::DontSend, failAgainWhileOpen);

    QTimer::singleShot(0, ui::guarded([] { throw std::runtime_error("first"); }));
    EXPECT_TRUE(test::waitUntil([&raised] { return raised == ui::ExceptionHandler::kMaxOpenDialogs; }));

    EXPECT_EQ(deepest, ui::ExceptionHandler::kMaxOpenDialogs);
    // The error beyond the limit is not shown, but it is logged like the others.
    EXPECT_EQ(errorLog(),
              (QStringList{QStringLiteral("first"), QStringLiteral("again 1"), QStringLiteral("again 2"),
                           QStringLiteral("again 3")}));
}

// The last net: an error that escapes an event handler of ours unguarded still reaches the
// handler through the application object, and the next event is delivered.
TEST_F(ApplicationErrorTest, error_escaping_an_unguarded_event_handler_is_still_logged_and_shown)
{
    struct Failing : QObject
    {
        bool event(QEvent* event) override
        {
            if (event->type() != QEvent::User)
                return QObject::event(event);
            if (++delivered == 1)
                throw std::runtime_error("Printer selected is not valid");
            return true;
        }
        int delivered = 0;
    } failing;
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend);
    QEvent first(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &first));
    QEvent second(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&failing, &second));
    EXPECT_EQ(errorLog(), QStringList{QStringLiteral("Printer selected is not valid")});
}

// Nothing the form holds is dropped because an action or its closing failed: the document stays
// as it was, and the form stays open until asked to close again.
TEST_F(ApplicationErrorTest, error_in_a_form_action_or_its_closing_is_shown_and_the_document_stays_as_it_was)
{
    struct FailingClose : test::RecordingForm
    {
        using RecordingForm::RecordingForm;
        bool FormClose() override
        {
            if (fail)
                throw std::runtime_error("Printer selected is not valid");
            return true;
        }
        bool fail = true;
    };
    data::SessionContext session;
    FailingClose form(prompter, session);
    form.onSave = saveWithoutCustomer;
    auto* quantity = new QLineEdit(QStringLiteral("3"));
    ui::TFrFormView view(form, quantity);
    view.show();
    ASSERT_TRUE(test::waitForActiveWindow(&view));
    form.AcSave().setEnabled(true);
    quantity->setFocus();
    ASSERT_TRUE(test::waitForFocusIn(quantity));
    quantity->setCursorPosition(1);

    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::DontSend);
    QTest::keyClick(quantity, Qt::Key_F10);
    QTest::mouseClick(view.button(ui::TFrForm::Action::Save), Qt::LeftButton);

    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), quantity);
    EXPECT_EQ(quantity->text(), QStringLiteral("3"));
    EXPECT_EQ(quantity->cursorPosition(), 1);
    EXPECT_TRUE(form.AcSave().isEnabled());

    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend);
    QTest::keyClick(quantity, Qt::Key_Escape);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(errorLog().mid(2), QStringList{QStringLiteral("Printer selected is not valid")});
    form.fail = false;
    QTest::keyClick(quantity, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

// The whole way with the real dialog: it appears modal over the form, the form stays open and its
// Save button answers again, handling the same failure again.
TEST_F(ApplicationErrorTest, error_in_a_button_handler_is_logged_and_shown_and_the_program_goes_on)
{
    ui::DialogPrompter realPrompter;
    ui::ExceptionHandler realHandler(config, realPrompter);
    app.setExceptionHandler(&realHandler);
    data::SessionContext session;
    test::RecordingForm form(prompter, session);
    form.onSave = saveWithoutCustomer;
    ui::TFrFormView view(form);
    view.show();
    ASSERT_TRUE(test::waitForActiveWindow(&view));
    form.AcSave().setEnabled(true);

    for (const int time : {1, 2}) {
        SCOPED_TRACE(time);
        QString shownText; // read off the modal dialog, which Don't Send then closes
        test::whenErrorDialogOpens(shownText);
        QTest::mouseClick(view.button(ui::TFrForm::Action::Save), Qt::LeftButton);

        EXPECT_EQ(shownText, QStringLiteral("ไม่ได้ป้อนข้อมูลลูกค้า\n") + customerMessage.toUpper() + QLatin1Char('\n'));
        EXPECT_EQ(errorLog(), QStringList(time, customerMessage));
        EXPECT_TRUE(view.isVisible());
        EXPECT_EQ(form.ran.count(QStringLiteral("AcSave")), time);
    }
}

} // namespace
