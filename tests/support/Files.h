#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace kvr::test {

// Writes `bytes` as the whole of the file at `path`, making its folder; false when it cannot.
// Tests write their KVR.INI, layouts and stand-in files through it: ASSERT_TRUE(writeFile(...)).
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace kvr::test
