#include "printing/docprint/DocPrintSettings.h"

#include "util/IniFile.h"

#include <QDir>

namespace kvr::printing {

DocPrintSettings DocPrintSettings::read(const QString& workingDirectory, bool hasDisplay)
{
    const QDir folder(workingDirectory);
    const auto ini = util::ReadIniSection(folder.filePath(QStringLiteral("KVR.INI")), QLatin1String(kSection));
    DocPrintSettings settings;
    settings.workingDirectory = workingDirectory;
    settings.externalCommand = ini.value(QStringLiteral("externalcommand")).trimmed();
    const QString output = ini.value(QStringLiteral("output")).trimmed().toLower();
    settings.pdfOutput = !hasDisplay || output == u"pdf";
    const QString pdf = ini.value(QStringLiteral("pdffolder")).trimmed();
    settings.pdfFolder = folder.absoluteFilePath(pdf.isEmpty() ? QStringLiteral("pdf") : pdf);
    bool ok = false;
    const int timeout = ini.value(QStringLiteral("commandtimeout")).toInt(&ok);
    if (ok && timeout > 0)
        settings.commandTimeoutSeconds = timeout;
    return settings;
}

} // namespace kvr::printing
