#include "ui/base/ErrorReport.h"

namespace kvr::ui {

ErrorReport ErrorReport::build(const data::SessionContext& session, const QString& localIpAddress,
                               const QString& dialogText)
{
    ErrorReport report;
    report.subject =
        QStringLiteral("Error ") + session.CompanyDbName.trimmed() + QLatin1Char(' ') + session.MenuCaption.trimmed();
    report.body = QStringLiteral("[User = ") + session.UserCode.trimmed() + QStringLiteral("] \n") +
        QStringLiteral("Local IP = ") + localIpAddress + QLatin1Char('\n') + dialogText;
    return report;
}

} // namespace kvr::ui
