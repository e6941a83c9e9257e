#include "printing/docprint/ExternalPrintCommand.h"

#include <QProcess>
#include <stdexcept>

namespace kvr::printing {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

} // namespace

QStringList ExternalPrintCall::arguments() const
{
    return {companyCode,
            templateName,
            userCode.trimmed(),
            documentNo.trimmed(),
            toPrinter ? QStringLiteral("1") : QStringLiteral("0"),
            QString::number(constantOne)};
}

ExternalPrintCommand::ExternalPrintCommand(const DocPrintSettings& settings)
    : m_settings(settings)
{ }

QString ExternalPrintCommand::notConfiguredMessage(const QString& templateName)
{
    return QStringLiteral("ไม่ได้กำหนดโปรแกรมพิมพ์ฟอร์ม %1\nNo program prints this layout: set ExternalCommand in "
                          "section [%2] of KVR.INI.")
        .arg(templateName.trimmed(), QLatin1String(DocPrintSettings::kSection));
}

void ExternalPrintCommand::run(const ExternalPrintCall& call)
{
    QStringList command = QProcess::splitCommand(m_settings.externalCommand);
    if (command.isEmpty())
        fail(notConfiguredMessage(call.templateName));
    const QString program = command.takeFirst();
    command << call.arguments();
    if (!call.toPrinter) {
        // The preview stays open as long as the user wants; the counter goes on meanwhile.
        if (!QProcess::startDetached(program, command, m_settings.workingDirectory))
            fail(QStringLiteral("The print program %1 could not be started").arg(program));
        return;
    }
    QProcess process;
    process.setWorkingDirectory(m_settings.workingDirectory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, command);
    if (!process.waitForStarted())
        fail(QStringLiteral("The print program %1 could not be started: %2").arg(program, process.errorString()));
    if (!process.waitForFinished(m_settings.commandTimeoutSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        fail(QStringLiteral("The print program %1 did not finish within %2 seconds; the document may not be printed")
                 .arg(program)
                 .arg(m_settings.commandTimeoutSeconds));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        fail(QStringLiteral("The print program %1 failed (exit code %2): %3")
                 .arg(program)
                 .arg(process.exitCode())
                 .arg(QString::fromLocal8Bit(process.readAll()).trimmed()));
}

} // namespace kvr::printing
