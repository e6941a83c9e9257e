#include "data/ServerName.h"

#include "util/IniFile.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace kvr::data {

ServerSpec ServerSpec::parse(const QString& serverName, const QString& workingDirectory)
{
    ServerSpec spec;
    spec.name = serverName;
    if (serverName.startsWith(QLatin1String("sqlite:"))) {
        spec.backend = Backend::Sqlite;
        const QString dir = serverName.mid(7).trimmed();
        spec.directory =
            QDir::cleanPath(QDir(workingDirectory).absoluteFilePath(dir.isEmpty() ? QStringLiteral(".") : dir));
    } else if (serverName.startsWith(QLatin1String("pgsql:"))) {
        spec.backend = Backend::Postgres;
        const QString rest = serverName.mid(6).trimmed();
        const int colon = rest.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const int port = colon > 0 ? rest.mid(colon + 1).toInt(&ok) : 0;
        spec.host = ok ? rest.left(colon) : rest;
        if (ok)
            spec.port = port;
        if (spec.host.isEmpty())
            spec.host = QStringLiteral("127.0.0.1");
    }
    return spec;
}

namespace {

// A number of seconds from KVR.INI; a value that is none keeps the default, and says so.
void readSeconds(const QHash<QString, QString>& section, const char* key, int& seconds)
{
    const QString value = section.value(QString::fromLatin1(key).toLower());
    if (value.isEmpty())
        return;
    bool ok = false;
    const int n = value.toInt(&ok);
    if (ok && n >= 1 && n <= 600) {
        seconds = n;
        return;
    }
    std::fprintf(stderr, "KVR.INI: %s=%s is not a number of seconds from 1 to 600; %d is used\n", key,
                 value.toLocal8Bit().constData(), seconds);
    std::fflush(stderr);
}

} // namespace

ServerSpec ServerSpec::ofWorkingDirectory(const QString& workingDirectory)
{
    ServerSpec spec = parse(readServerName(workingDirectory), workingDirectory);
    const auto section =
        util::ReadIniSection(QDir(workingDirectory).filePath(QStringLiteral("KVR.INI")), QStringLiteral("Database"));
    readSeconds(section, "ConnectTimeout", spec.connectTimeout);
    readSeconds(section, "SaveTimeout", spec.saveTimeout);
    return spec;
}

QString readServerName(const QString& workingDirectory)
{
    QFile file(QDir(workingDirectory).filePath(QStringLiteral("Server.Dat")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("KVR");
    QByteArray line = file.readLine();
    // Only the line break ends the name; blanks before it belong to it.
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line.isEmpty() ? QStringLiteral("KVR") : QString::fromUtf8(line);
}

} // namespace kvr::data
