#include "ui/base/ExceptionHandler.h"

#include "data/DbError.h"
#include "data/TDMConfig.h"
#include "ui/base/ErrorExplanation.h"
#include "ui/base/Prompter.h"
#include "util/Workstation.h"

#include <QtGlobal>
#include <cstdio>

namespace kvr::ui {

namespace {

// The last resort when not even the user can be told.
void writeToStandardError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

class OpenDialogCount
{
public:
    explicit OpenDialogCount(int& count)
        : m_count(count)
    {
        ++m_count;
    }
    ~OpenDialogCount() { --m_count; }
    OpenDialogCount(const OpenDialogCount&) = delete;
    OpenDialogCount& operator=(const OpenDialogCount&) = delete;

private:
    int& m_count;
};

} // namespace

ExceptionHandler::ExceptionHandler(data::TDMConfig& config, Prompter& prompter)
    : m_config(config)
    , m_prompter(prompter)
    , m_sender(config.workingDirectory())
{ }

QString ExceptionHandler::messageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const data::DbError& dbError) {
        return dbError.message();
    } catch (const data::CompanyNotFound& notFound) {
        return notFound.message();
    } catch (const std::exception& exception) {
        return QString::fromUtf8(exception.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void ExceptionHandler::handle(std::exception_ptr error) noexcept
{
    QString message;
    QString explanation;
    try {
        message = messageOf(error);
        explanation = ErrorExplanation::explain(error);
    } catch (...) {
        writeToStandardError(QStringLiteral("The error handler could not read an error"));
        return;
    }
    show(message, explanation);
}

void ExceptionHandler::handleMessage(const QString& message) noexcept
{
    QString explanation;
    try {
        explanation = ErrorExplanation::explain(message);
    } catch (...) {
        // An error without explanation is still logged and shown.
    }
    show(message, explanation);
}

void ExceptionHandler::show(const QString& message, const QString& explanation) noexcept
{
    try {
        logError(message);
        if (m_openDialogs >= kMaxOpenDialogs) {
            writeToStandardError(
                QStringLiteral("Error not shown, %1 error dialogs are open: %2").arg(m_openDialogs).arg(message));
            return;
        }
        const QString text = ErrorExplanation::dialogText(explanation, message);
        ErrorDialogAnswer answer = ErrorDialogAnswer::DontSend;
        {
            const OpenDialogCount open(m_openDialogs);
            answer = m_prompter.showErrorDialog(text);
        }
        if (answer == ErrorDialogAnswer::Send)
            sendReport(text);
    } catch (...) {
        writeToStandardError(QStringLiteral("The error handler failed on: ") + message);
    }
}

void ExceptionHandler::logError(const QString& message)
{
    // A log that cannot be written must not hide the error from the user: the dialog still shows.
    try {
        m_config.AddErrorLog(message);
    } catch (...) {
        writeToStandardError(QStringLiteral("Cannot write the error log (%1); the error was: %2")
                                 .arg(messageOf(std::current_exception()), message));
    }
}

void ExceptionHandler::sendReport(const QString& dialogText)
{
    const bool thai = m_config.session().ThaiLanguage;
    const ErrorReport report = ErrorReport::build(m_config.session(), util::LocalIPAddress(), dialogText);
    const ErrorReportSender::Outcome outcome = m_sender.SendErrorReport(report);
    switch (outcome.status) {
    case ErrorReportSender::Status::Sent:
        return;
    case ErrorReportSender::Status::NotConfigured:
        m_prompter.information(thai ? QStringLiteral("เครื่องนี้ยังไม่ได้ตั้งค่าการส่งรายงานข้อผิดพลาด รายงานจึงไม่ถูกส่ง")
                                    : QStringLiteral("Sending error reports is not set up on this computer; "
                                                     "the report was not sent."));
        return;
    case ErrorReportSender::Status::Failed:
        m_prompter.warning(
            (thai ? QStringLiteral("ส่งรายงานข้อผิดพลาดไม่สำเร็จ") : QStringLiteral("The error report could not be sent:")) +
            QLatin1Char('\n') + outcome.detail);
        return;
    }
}

} // namespace kvr::ui
