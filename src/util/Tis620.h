#pragma once

#include <QByteArray>
#include <QString>

namespace kvr::util {

// The program's one conversion between text in memory and the single-byte Thai code page 874
// (TIS-620 plus the Windows punctuation at 0x80-0x97) of the database and the printers.
// Every byte decodes to its own character, so text read and written back keeps its bytes, even
// bytes the code page leaves unassigned. Characters with no byte become one '?' each.

QByteArray TisFromUnicode(const QString& text);

QString UnicodeFromTis(const QByteArray& bytes);

} // namespace kvr::util
