#pragma once

#include <QString>

namespace kvr::util {

// Single-character flag columns: a flag is set only by the exact text "Y"; empty, null, "y",
// "Y " or anything else is not set.
inline bool isFlagSet(const QString& value)
{
    return value == QLatin1String("Y");
}

// How the program writes a flag.
inline QString flagText(bool set)
{
    return set ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace kvr::util
