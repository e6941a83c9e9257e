// Prints the demo shop's full tax invoice and POS bill to PDF and draws them as PNG files
// (pdftoppm), with the print form and the preview of the invoice, for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_printing_screenshots /tmp/shop docs/screens
#include "data/Query.h"
#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/LayoutPrinter.h"
#include "printing/docprint/PdfFolder.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "printing/views/ReportPreviewDialog.h"
#include "printing/views/TFrDocPrintFormView.h"
#include "screenshots/ScreenshotMain.h"
#include "ui/base/DialogPrompter.h"

#include <QPrinter>
#include <QProcess>
#include <cstdio>

using namespace kvr;

namespace {

struct Document
{
    QString number;
    int year = 0;
};

Document latest(data::TDM& dm, const QString& condition)
{
    data::Query q(dm.DMdata(),
                  QStringLiteral("SELECT PosNo, PosDate FROM PosHd WHERE ") + condition +
                      QStringLiteral(" ORDER BY Id DESC"));
    q.open();
    return {q.field(QStringLiteral("PosNo")).asString().trimmed(), q.field(QStringLiteral("PosDate")).asDate().year()};
}

// The first page of the PDF as a picture.
bool pageToPng(const QString& pdf, const QDir& folder, const QString& name)
{
    const QString base = folder.filePath(QFileInfo(name).completeBaseName());
    const int exit = QProcess::execute(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"), QStringLiteral("-singlefile"), pdf, base});
    std::printf("%s.png\n", qPrintable(base));
    return exit == 0;
}

} // namespace

int main(int argc, char** argv)
{
    return test::runScreenshots(argc, argv, 104, [](data::TDMConfig& config, data::TDM& dm, const QDir& folder) {
        ui::DialogPrompter prompter;
        const printing::DocPrintSettings settings = printing::DocPrintSettings::read(config.workingDirectory(), false);
        printing::PdfFolderDevices devices(settings.pdfFolder);
        printing::TFrDocPrintForm form(prompter, dm, devices, settings);
        const Document invoice = latest(dm, QStringLiteral("FullTaxNo IS NOT NULL"));
        const Document bill = latest(dm, QStringLiteral("PosType = 'P' AND DelFlag = 'N'"));

        const auto print = [&](const Document& document, const QString& code, const QString& png) {
            form.setDocumentNo(document.number);
            form.setDocumentYear(document.year);
            form.setPrintCode(code);
            form.FormShow();
            form.BtPrintClick();
            return form.printed() && pageToPng(devices.lastFile(), folder, png);
        };
        bool ok = print(invoice, QStringLiteral("POS-X1"), QStringLiteral("full-tax-invoice.png"));
        ok = print(bill, QStringLiteral("POS-P"), QStringLiteral("pos-bill-a5.png")) && ok;

        // The form as the cashier sees it for a POS bill: two layouts to choose from.
        form.setDocumentNo(bill.number);
        form.setDocumentYear(bill.year);
        form.setPrintCode(QStringLiteral("POS-P"));
        printing::TFrDocPrintFormView view(form);
        form.FormShow();
        view.show();
        ok = test::saveShot(view, folder, QStringLiteral("print-form.png")) && ok;
        view.hide();

        printing::LayoutPrinter printer(dm, devices);
        report::Report& report = printer.report();
        report.loadFromFile(QDir(config.workingDirectory()).filePath(QStringLiteral("forms/full-tax-invoice-x1.kvl")));
        report.setVariable(QStringLiteral("DocNo"), invoice.number);
        report.setVariable(QStringLiteral("DocYear"), invoice.year);
        report.setVariable(QStringLiteral("CompanyDbName"), config.session().CompanyDbName);
        report.setVariable(QStringLiteral("UserCode"), config.session().UserCode);
        report.setVariable(QStringLiteral("DocYearStart"), QDate(invoice.year, 1, 1));
        report.setVariable(QStringLiteral("DocYearEnd"), QDate(invoice.year + 1, 1, 1));
        report.prepare();
        QPrinter paper(QPrinter::HighResolution);
        printing::ReportPreviewDialog preview(report.prepared(), paper, true, [] {});
        preview.resize(820, 900);
        preview.show();
        ok = test::saveShot(preview, folder, QStringLiteral("print-preview.png")) && ok;
        return ok;
    });
}
