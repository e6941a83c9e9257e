#include "ui/base/ErrorReportSender.h"

#include "util/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

namespace kvr::ui {

namespace {

// Long enough for a local mail program to queue the message, short enough not to hang the till.
constexpr int kCommandTimeoutMs = 15000;

QString reportText(const ErrorReport& report)
{
    return QStringLiteral("Subject: ") + report.subject + QStringLiteral("\n\n") + report.body;
}

} // namespace

ErrorReportSender::ErrorReportSender(const QString& workingDirectory)
    : m_workingDirectory(workingDirectory)
{ }

ErrorReportSender::Outcome ErrorReportSender::SendErrorReport(const ErrorReport& report) const
{
    const QHash<QString, QString> settings = util::ReadIniSection(
        QDir(m_workingDirectory).filePath(QStringLiteral("KVR.INI")), QStringLiteral("ErrorReport"));
    const QString folder = settings.value(QStringLiteral("folder"));
    const QString command = settings.value(QStringLiteral("command"));
    if (folder.isEmpty() && command.isEmpty())
        return {};

    QStringList failures;
    if (!folder.isEmpty()) {
        if (const QString failure = writeToFolder(folder, report); !failure.isEmpty())
            failures << failure;
    }
    if (!command.isEmpty()) {
        if (const QString failure = runCommand(command, report); !failure.isEmpty())
            failures << failure;
    }
    if (!failures.isEmpty())
        return {Status::Failed, failures.join(QLatin1Char('\n'))};
    return {Status::Sent, {}};
}

QString ErrorReportSender::writeToFolder(const QString& folder, const ErrorReport& report) const
{
    const QDir dir(QDir(m_workingDirectory).absoluteFilePath(folder));
    if (!QDir().mkpath(dir.path()))
        return QStringLiteral("Cannot create the folder %1").arg(dir.path());
    const QString stem =
        QStringLiteral("error-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = dir.filePath(stem + QStringLiteral(".txt"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    const QByteArray data = reportText(report).toUtf8();
    if (file.write(data) != data.size() || !file.flush())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

QString ErrorReportSender::runCommand(const QString& command, const ErrorReport& report) const
{
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty())
        return QStringLiteral("The error report command is empty");
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("%SUBJECT%"), report.subject);
    const QString program = arguments.takeFirst();

    QProcess process;
    process.setWorkingDirectory(m_workingDirectory);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(kCommandTimeoutMs))
        return QStringLiteral("Cannot start %1: %2").arg(program, process.errorString());
    process.write(report.body.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(kCommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("%1 did not finish within %2 seconds").arg(program).arg(kCommandTimeoutMs / 1000);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 failed with exit code %2").arg(program).arg(process.exitCode());
    return {};
}

} // namespace kvr::ui
