#include "printing/docprint/LayoutPrinter.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/docprint/PrintDevices.h"

#include <QDate>

namespace kvr::printing {

LayoutPrinter::LayoutPrinter(data::TDM& dm, PrintDevices& devices)
    : m_dm(dm)
    , m_devices(devices)
    , m_quantities(dm)
    , m_functions(m_quantities)
    , m_report(dm.DMdata(), &dm.config().DmCfg())
{
    m_functions.registerOn(m_report);
}

bool LayoutPrinter::run(const QString& layoutPath, const LayoutDocument& document, Mode mode, bool previewMayPrint)
{
    const data::SessionContext& session = m_dm.config().session();
    const QString number = document.number.trimmed();
    m_report.clear();
    m_report.loadFromFile(layoutPath);
    // Values, not expression text: a quote in a document number can neither break nor change
    // a layout.
    m_report.setVariable(QStringLiteral("DocNo"), number);
    m_report.setVariable(QStringLiteral("UserCode"), session.UserCode.trimmed());
    m_report.setVariable(QStringLiteral("DocYear"), document.year);
    m_report.setVariable(QStringLiteral("PrintCode"), document.printCode.trimmed());
    m_report.setVariable(QStringLiteral("CompanyDbName"), session.CompanyDbName.trimmed());
    // Statements find a document of the year without a year function of their own dialect.
    m_report.setVariable(QStringLiteral("DocYearStart"), QDate(document.year, 1, 1));
    m_report.setVariable(QStringLiteral("DocYearEnd"), QDate(document.year + 1, 1, 1));
    m_report.setVariable(QStringLiteral("FormId"), document.formId);
    for (auto it = document.extraVariables.cbegin(); it != document.extraVariables.cend(); ++it)
        m_report.setVariable(it.key(), it.value());

    const PrintJob job{number, document.year, layoutPath};
    if (!m_report.prepare())
        return false;
    if (mode == Mode::Display) {
        m_dm.AddUsageLog(data::UsagePreviewed, document.formId, number);
        if (!m_devices.preview(m_report.prepared(), job, previewMayPrint))
            return false;
    } else {
        m_devices.print(m_report.prepared(), job);
    }
    // Recorded once the pages went out: a print that failed is not in the log.
    m_dm.AddUsageLog(data::UsagePrinted, document.formId, number);
    return true;
}

} // namespace kvr::printing
