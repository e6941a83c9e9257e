#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace kvr::app {

// The six positional parameters the suite's menu program starts us with:
// menu item, user, company database, (unused), program number, working date "dd/mm/yyyy".
struct StartupParams
{
    int menuId = 0;
    int userId = 0;
    QString companyCode;
    int programNo = 0;
    QDate workDate;

    // Converts in the order the session needs them; the first bad value gives its message.
    static StartupParams parse(const QStringList& arguments, QString* error);
};

// "dd/mm/yyyy", the one short date format of the program.
std::optional<QDate> parseShortDate(const QString& text);

} // namespace kvr::app
