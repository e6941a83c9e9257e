#pragma once

#include <QHash>
#include <QString>

namespace kvr::util {

// One section of the workstation's hand-written "KVR.INI", values verbatim: QSettings would read
// commas as lists and backslashes and quotes as escapes, spoiling passwords, Windows port names
// and command lines. Section names compare case-blind; keys come back lower-cased. A missing
// file or section gives no values.
// A file that is there but not a regular file (a named pipe, a device) is ignored, with a
// message on standard error: opening it could wait for ever.
QHash<QString, QString> ReadIniSection(const QString& path, const QString& section);

// False when the path names something other than a regular file, which QSettings must not open
// either; a missing file is usable (it is created when written).
bool IsIniFileUsable(const QString& path);

} // namespace kvr::util
