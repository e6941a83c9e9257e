#include "devices/SerialPortMap.h"

#include "util/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kvr::devices {

SerialPortMap::SerialPortMap(const QString& workingDirectory)
    : m_workingDirectory(workingDirectory)
{ }

int SerialPortMap::comNumber(const QString& storedName)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(?:\\\\\.\\)?COM([1-9][0-9]{0,2}):?$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(storedName.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString SerialPortMap::devicePath(const QString& storedName) const
{
    const QString name = storedName.trimmed();
    if (name.startsWith(QLatin1Char('/')))
        return name;
    const int number = comNumber(name);
    if (number == 0)
        return {};

    const QString iniPath = QDir(m_workingDirectory).filePath(QStringLiteral("KVR.INI"));
    if (QFileInfo::exists(iniPath)) {
        // Hand-edited files spell the key as they like (com1, Com1): keys come back lower-cased.
        const QString path =
            util::ReadIniSection(iniPath, QStringLiteral("SerialPorts")).value(QStringLiteral("com%1").arg(number));
        if (!path.isEmpty())
            return path;
    }
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
}

} // namespace kvr::devices
