#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDMConfig.h"
#include "support/ScriptedPrompter.h"
#include "support/SessionSeed.h"
#include "support/TestServer.h"
#include "ui/base/ExceptionHandler.h"
#include "util/Workstation.h"

#include <gtest/gtest.h>

using namespace kvr;
using kvr::test::ScriptedPrompter;
using kvr::ui::ErrorDialogAnswer;

namespace {

class ErrorLogTest : public test::BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        server->createDatabase(QStringLiteral("KVR_CONFIG"));
        config = std::make_unique<data::TDMConfig>(server->workingDirectory());
        config->mutableSession().UserId = 7;
        config->mutableSession().MenuId = 101;
    }
    void TearDown() override
    {
        config.reset();
        BackendTest::TearDown();
    }

    // One line per logged error: "workstation/login/user/menu/message".
    QStringList errorLog()
    {
        return test::queryRows(
            config->DmCfg(),
            QStringLiteral("SELECT CompName, LogName, UserId, MenuId, ErrorMsg FROM ErrorLog ORDER BY Id"));
    }

    std::unique_ptr<data::TDMConfig> config;
};

TEST_P(ErrorLogTest, each_error_is_logged_unchanged_with_workstation_user_and_menu_and_shown)
{
    const QStringList messages = {
        QStringLiteral("Cannot insert the value NULL into column 'Customer', table 'SHOP.dbo.PosHd'"),
        QStringLiteral("ราคาสินค้า 'A-01' ไม่ถูกต้อง;\n second line with 50% and \"quotes\""),
    };
    ScriptedPrompter prompter;
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::DontSend);
    ui::ExceptionHandler handler(*config, prompter);
    handler.handle(
        std::make_exception_ptr(data::DbError(messages[0], {data::DbFailure::NotNull, QStringLiteral("Customer")})));
    handler.handle(std::make_exception_ptr(std::runtime_error(messages[1].toStdString())));

    const QString who =
        util::ComputerName() + QLatin1Char('/') + util::LoginUserName().toUpper() + QStringLiteral("/7/101/");
    EXPECT_EQ(errorLog(), (QStringList{who + messages[0], who + messages[1]}));
    // What the dialog shows for these is pinned by the application and explanation tests.
    EXPECT_EQ(prompter.asked(ScriptedPrompter::Kind::ErrorDialog).size(), 2u);
}

TEST_P(ErrorLogTest, configuration_database_gone_still_shows_the_dialog)
{
    ScriptedPrompter prompter;
    ui::ExceptionHandler handler(*config, prompter);
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend);
    handler.handleMessage(QStringLiteral("first"));
    ASSERT_EQ(errorLog().size(), 1u);

    // SQLite keeps an open file readable after it is deleted, so the session ends first there;
    // PostgreSQL drops the database under the open session.
    if (GetParam() == test::BackendKind::Sqlite)
        config->DmCfg().close();
    server->dropAll();
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::DontSend);
    handler.handle(std::make_exception_ptr(
        data::DbError(QStringLiteral("server closed the connection"), {data::DbFailure::ConnectionLost, {}})));
    handler.handleMessage(QStringLiteral("third"));

    const auto shown = prompter.asked(ScriptedPrompter::Kind::ErrorDialog);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].text, QStringLiteral("\nTHIRD\n"));
}

KVR_INSTANTIATE_BACKENDS(ErrorLogTest);

} // namespace
