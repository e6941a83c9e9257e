#pragma once

#include <QDate>
#include <QDateTime>

namespace kvr::util {

// Date columns hold a date and a time; documents are numbered and stock is counted by calendar year.

inline int YearOf(const QDate& date)
{
    return date.year();
}

inline int YearOf(const QDateTime& dateTime)
{
    return dateTime.date().year();
}

inline int MonthOf(const QDate& date)
{
    return date.month();
}

inline int MonthOf(const QDateTime& dateTime)
{
    return dateTime.date().month();
}

} // namespace kvr::util
