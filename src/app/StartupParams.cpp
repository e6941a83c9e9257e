#include "app/StartupParams.h"

namespace kvr::app {

std::optional<QDate> parseShortDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* format : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate date = QDate::fromString(t, QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

StartupParams StartupParams::parse(const QStringList& arguments, QString* error)
{
    StartupParams params;
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return StartupParams();
    };
    if (arguments.size() < 6)
        return fail(QStringLiteral("Expected 6 parameters (menu id, user id, company, -, program number, date "
                                   "dd/mm/yyyy), got %1")
                        .arg(arguments.size()));
    const auto date = parseShortDate(arguments.at(5));
    if (!date)
        return fail(QStringLiteral("'%1' is not a valid date (dd/mm/yyyy)").arg(arguments.at(5)));
    params.workDate = *date;
    bool ok = false;
    const auto integer = [&](int index, int* out) {
        *out = arguments.at(index).trimmed().toInt(&ok);
        if (!ok && error)
            *error = QStringLiteral("'%1' is not a valid integer value (parameter %2)")
                         .arg(arguments.at(index))
                         .arg(index + 1);
        return ok;
    };
    if (!integer(4, &params.programNo) || !integer(0, &params.menuId) || !integer(1, &params.userId))
        return StartupParams();
    params.companyCode = arguments.at(2);
    if (error)
        error->clear();
    return params;
}

} // namespace kvr::app
