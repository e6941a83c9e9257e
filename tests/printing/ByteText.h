#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>
#include <string>

// Byte streams in failure messages as text with the unprintable bytes in hex: "\x1B3\x0F".
inline std::string Escaped(const QByteArray& bytes)
{
    std::string out;
    static const char* digits = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += char(b);
        } else {
            out += "\\x";
            out += digits[b >> 4];
            out += digits[b & 15];
        }
    }
    return out;
}

// Bytes written as hex pairs, "B7 D5 9B", so expected values read like the printer's manual.
inline QByteArray Hex(const char* pairs)
{
    return QByteArray::fromHex(QByteArray(pairs).replace(' ', ""));
}

// What a file holds; nothing when it cannot be read.
inline QByteArray FileContents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
