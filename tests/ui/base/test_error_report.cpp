#include "ErrorHandlerFixture.h"
#include "data/DbError.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "ui/base/ErrorReport.h"
#include "ui/base/ErrorReportSender.h"
#include "util/Workstation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::test::ScriptedPrompter;
using kvr::test::writeFile;
using kvr::ui::ErrorDialogAnswer;
using kvr::ui::ErrorReportSender;

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing %1>").arg(path);
    return QString::fromUtf8(file.readAll());
}

void writeIni(const QString& folder, const QString& key, const QString& value)
{
    ASSERT_TRUE(
        writeFile(QDir(folder).filePath(QStringLiteral("KVR.INI")),
                  "[Database]\nUser=kvr\n\n[ErrorReport]\n" + (key + QLatin1Char('=') + value).toUtf8() + '\n'));
}

const ui::ErrorReport kReport{QStringLiteral("Error SHOP ขายหน้าร้าน"),
                              QStringLiteral("[User = u01] \nLocal IP = 10.1.2.3\n\nDIVISION BY ZERO\n")};

class ErrorReportSenderTest : public ::testing::Test
{
protected:
    QTemporaryDir work;
    ErrorReportSender sender{work.path()};
};

TEST_F(ErrorReportSenderTest, sends_nothing_without_a_setting)
{
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::NotConfigured);
    // Other sections, empty values and comments change nothing.
    writeIni(work.path(), QStringLiteral("Folder"), QStringLiteral("  "));
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::NotConfigured);
    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("KVR.INI")),
                          "[Database]\nFolder=db\n[ErrorReport]\n;Folder=errors\n[Window]\nCommand=true\n"));
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::NotConfigured);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("KVR.INI")});
}

// What a report's file holds is read by SendErrorTest; here, that none is written over.
TEST_F(ErrorReportSenderTest, writes_each_report_to_its_own_file_in_the_folder)
{
    writeIni(work.path(), QStringLiteral("Folder"), QStringLiteral("reports/errors"));
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::Sent);
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::Sent);
    EXPECT_EQ(QDir(work.filePath(QStringLiteral("reports/errors"))).entryList(QDir::Files).size(), 2);
}

TEST_F(ErrorReportSenderTest, hands_the_report_to_the_mail_command)
{
    // A stand-in for a mail program: what it was given lands in files.
    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("my mailer.sh")),
                          "printf %s \"$1\" > subject.txt\nprintf %s \"$2\" > to.txt\ncat > body.txt\n"));
    writeIni(work.path(), QStringLiteral("Command"),
             QStringLiteral("sh \"my mailer.sh\" %SUBJECT% it@shop.example,boss@shop.example"));
    EXPECT_EQ(sender.SendErrorReport(kReport).status, ErrorReportSender::Status::Sent);
    EXPECT_EQ(readText(work.filePath(QStringLiteral("subject.txt"))), kReport.subject);
    EXPECT_EQ(readText(work.filePath(QStringLiteral("to.txt"))), QStringLiteral("it@shop.example,boss@shop.example"));
    EXPECT_EQ(readText(work.filePath(QStringLiteral("body.txt"))), kReport.body);
}

TEST_F(ErrorReportSenderTest, delivery_that_fails_is_reported_with_the_reason)
{
    // A file where a folder is asked for.
    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("afile")), {}));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Command", "sh -c \"exit 3\"", "failed with exit code 3"},
        {"Command", "/nonexistent/mailer -s %SUBJECT%", "Cannot start /nonexistent/mailer"},
        {"Folder", "afile/reports", "Cannot create the folder"}};
    for (const auto& [key, value, reason] : cases) {
        SCOPED_TRACE(value);
        writeIni(work.path(), QString::fromLatin1(key), QString::fromLatin1(value));
        const ErrorReportSender::Outcome outcome = sender.SendErrorReport(kReport);
        EXPECT_EQ(outcome.status, ErrorReportSender::Status::Failed);
        EXPECT_TRUE(outcome.detail.contains(QString::fromLatin1(reason))) << outcome.detail.toStdString();
    }
}

// "Send Error" through the application's handler: the report of what the dialog showed reaches its
// destination, and the user hears when it could not be sent.
class SendErrorTest : public test::ErrorHandlerFixture
{
protected:
    void SetUp() override
    {
        ErrorHandlerFixture::SetUp();
        // As the columns hold them, padded with blanks.
        data::SessionContext& session = config.mutableSession();
        session.CompanyDbName = QStringLiteral(" SHOP  ");
        session.MenuCaption = QStringLiteral("ขายหน้าร้าน  ");
        session.UserCode = QStringLiteral("u01   ");
    }
    QDir folder() const { return QDir(server.workingDirectory()).filePath(QStringLiteral("errors")); }

    const data::DbError duplicateKey{QStringLiteral("UNIQUE constraint failed: Warehouse.Code"),
                                     {data::DbFailure::Duplicate, {}}};
};

TEST_F(SendErrorTest, send_error_delivers_the_report_of_what_the_dialog_showed_and_dont_send_nothing)
{
    writeIni(server.workingDirectory(), QStringLiteral("Folder"), QStringLiteral("errors"));
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::Send);
    handler.handle(std::make_exception_ptr(duplicateKey));
    EXPECT_TRUE(folder().entryList(QDir::Files).isEmpty());
    handler.handle(std::make_exception_ptr(duplicateKey));
    const QStringList files = folder().entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(readText(folder().filePath(files[0])),
              QStringLiteral("Subject: Error SHOP ขายหน้าร้าน\n\n[User = u01] \nLocal IP = ") + util::LocalIPAddress() +
                  QStringLiteral("\nข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\nUNIQUE CONSTRAINT FAILED: WAREHOUSE.CODE\n"));
}

TEST_F(SendErrorTest, send_error_that_is_not_delivered_tells_the_user_why)
{
    prompter.answerErrorDialog(ErrorDialogAnswer::Send).expectInformation();
    handler.handleMessage(QStringLiteral("boom")); // no delivery set up
    ASSERT_EQ(prompter.asked(ScriptedPrompter::Kind::Information).size(), 1u);
    EXPECT_TRUE(prompter.asked(ScriptedPrompter::Kind::Information)[0].text.contains(QStringLiteral("not sent")));

    writeIni(server.workingDirectory(), QStringLiteral("Command"), QStringLiteral("sh -c \"exit 2\""));
    prompter.answerErrorDialog(ErrorDialogAnswer::Send).expectWarning();
    handler.handleMessage(QStringLiteral("boom"));
    ASSERT_EQ(prompter.asked(ScriptedPrompter::Kind::Warning).size(), 1u);
    EXPECT_TRUE(prompter.asked(ScriptedPrompter::Kind::Warning)[0].text.contains(QStringLiteral("exit code 2")));
}

} // namespace
