#pragma once

#include "ui/base/ErrorReportSender.h"
#include "ui/base/ErrorSink.h"

#include <QString>
#include <exception>

namespace kvr::data {
class TDMConfig;
}

namespace kvr::ui {

class Prompter;

// Where every error that no handler caught ends: it is written to the error log of the
// configuration database, explained in Thai when known, and shown in the error dialog. The
// program then goes on; nothing of the failed action is touched.
class ExceptionHandler : public ErrorSink
{
public:
    // Errors raised while this many error dialogs are open are logged but not shown, so that a
    // failing timer cannot stack dialogs without end.
    static constexpr int kMaxOpenDialogs = 3;

    ExceptionHandler(data::TDMConfig& config, Prompter& prompter);

    // Never throws: it runs where nothing could catch it.
    void handle(std::exception_ptr error) noexcept override;
    // A message raised as text only: explained by the platform's wording.
    void handleMessage(const QString& message) noexcept;

    static QString messageOf(std::exception_ptr error);

private:
    void show(const QString& message, const QString& explanation) noexcept;
    void logError(const QString& message);
    void sendReport(const QString& dialogText);

    data::TDMConfig& m_config;
    Prompter& m_prompter;
    ErrorReportSender m_sender;
    int m_openDialogs = 0;
};

} // namespace kvr::ui
