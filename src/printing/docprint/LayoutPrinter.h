#pragma once

#include "printing/docprint/DocumentFunctions.h"
#include "printing/report/Report.h"
#include "products/QuantityTexts.h"

#include <QHash>
#include <QVariant>

namespace kvr::data {
class TDM;
}

namespace kvr::printing {

class PrintDevices;

// The document a layout is printed for, and the variables the layout sees besides DocNo,
// DocYear, PrintCode, UserCode, CompanyDbName, DocYearStart, DocYearEnd and FormId.
struct LayoutDocument
{
    QString number;
    int year = 0;
    QString printCode;
    QHash<QString, QVariant> extraVariables;
    // The SystemForm row of the layout; 0 for a layout of no row.
    int formId = 0;
};

// Prints a layout of our own format for one document: loads it, sets its variables, prepares
// the pages once and hands them to the print devices. Prints are recorded in the usage log as
// function 5, previews as 10, with the document number as remark and the layout's SystemForm
// row as document id, so that a layout can tell its own reprint from another layout's print.
class LayoutPrinter
{
public:
    enum class Mode { Display, Print };

    LayoutPrinter(data::TDM& dm, PrintDevices& devices);

    // True when the document was printed, from the preview too.
    bool run(const QString& layoutPath, const LayoutDocument& document, Mode mode, bool previewMayPrint);
    report::Report& report() { return m_report; }

private:
    data::TDM& m_dm;
    PrintDevices& m_devices;
    products::QuantityTexts m_quantities;
    DocumentFunctions m_functions;
    report::Report m_report;
};

} // namespace kvr::printing
