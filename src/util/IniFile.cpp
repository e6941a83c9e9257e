#include "util/IniFile.h"

#include <QFile>
#include <QSet>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr::util {

namespace {

// Said once per file and run: every module reads the file, some of them often.
void sayIgnored(const QString& path)
{
    static std::mutex guard;
    static QSet<QString> told;
    const std::lock_guard lock(guard);
    if (told.contains(path))
        return;
    told.insert(path);
    std::fprintf(stderr, "%s is not a regular file and is ignored; the defaults are used\n",
                 QFile::encodeName(path).constData());
    std::fflush(stderr);
}

} // namespace

bool IsIniFileUsable(const QString& path)
{
    struct stat status
    { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return true;
    if (S_ISREG(status.st_mode))
        return true;
    sayIgnored(path);
    return false;
}

QHash<QString, QString> ReadIniSection(const QString& path, const QString& section)
{
    QHash<QString, QString> values;
    // Opened without waiting and checked before reading: a named pipe in its place would block the
    // open until someone writes to it, and a device could be read for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return values;
    struct stat status
    { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        sayIgnored(path);
        return values;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return values;
    }
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0 || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        values.insert(line.left(equals).trimmed().toLower(), line.mid(equals + 1).trimmed());
    }
    return values;
}

} // namespace kvr::util
