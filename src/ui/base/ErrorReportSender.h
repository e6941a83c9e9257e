#pragma once

#include "ui/base/ErrorReport.h"

#include <QString>

namespace kvr::ui {

// Delivers error reports as "KVR.INI" in the working folder says; nothing is configured by default.
//   [ErrorReport]
//   Folder=errors                               one text file per report (relative to the working folder)
//   Command=mail -s %SUBJECT% it@shop.example   the body on standard input; %SUBJECT% is replaced
//                                               by the subject; "double quotes" group an argument
// Both may be set; each is done. Values are read as written, without escapes.
class ErrorReportSender
{
public:
    enum class Status { NotConfigured, Sent, Failed };
    struct Outcome
    {
        Status status = Status::NotConfigured;
        QString detail; // why it failed
    };

    explicit ErrorReportSender(const QString& workingDirectory);

    Outcome SendErrorReport(const ErrorReport& report) const;

private:
    QString writeToFolder(const QString& folder, const ErrorReport& report) const;
    QString runCommand(const QString& command, const ErrorReport& report) const;

    QString m_workingDirectory;
};

} // namespace kvr::ui
