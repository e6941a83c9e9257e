#pragma once

#include <QHash>
#include <QString>

namespace kvr::util {

// One section of the workstation's hand-written "KVR.INI", values verbatim: QSettings would read
// commas as lists and backslashes and quotes as escapes, spoiling passwords, Windows port names
// and command lines. Section names compare case-blind; keys come back lower-cased. A missing
// file or section gives no values.
QHash<QString, QString> ReadIniSection(const QString& path, const QString& section);

} // namespace kvr::util
