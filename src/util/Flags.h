#pragma once

#include <QString>

namespace kvr::util {

// Single-character flag columns: a flag is set only when it holds "Y" (blanks of a fixed-width
// column aside); empty, null, "y" or anything else is not set.
inline bool isFlagSet(const QString& value)
{
    return value.trimmed() == QLatin1String("Y");
}

// How the program writes a flag.
inline QString flagText(bool set)
{
    return set ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace kvr::util
