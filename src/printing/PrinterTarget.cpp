#include "printing/PrinterTarget.h"

#include "util/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace kvr::printing {

namespace {

const QString kSection = QStringLiteral("ReceiptPrinter");

QString IniTarget(const QString& workingDirectory, const QString& machineCode)
{
    const QString path = QDir(workingDirectory).filePath(QStringLiteral("KVR.INI"));
    if (!QFileInfo::exists(path))
        return {};
    const auto section = util::ReadIniSection(path, kSection);
    const QString code = machineCode.trimmed().toLower();
    if (!code.isEmpty()) {
        const QString value = section.value(code);
        if (!value.isEmpty())
            return value;
    }
    return section.value(QStringLiteral("device"));
}

} // namespace

QString PrinterTarget::description() const
{
    return isStandardOutput() ? QStringLiteral("standard output") : path;
}

PrinterTarget PrinterTarget::resolve(const QString& workingDirectory, const QString& machineCode,
                                     const QString& printerName)
{
    const QString fromIni = IniTarget(workingDirectory, machineCode);
    if (fromIni == u"-")
        return {};
    if (!fromIni.isEmpty())
        return {QDir(workingDirectory).absoluteFilePath(fromIni)};
    // Printer names are otherwise the names of a print queue, which this program does not drive.
    const QString name = printerName.trimmed();
    if (name.startsWith(u'/'))
        return {name};
    return {};
}

} // namespace kvr::printing
