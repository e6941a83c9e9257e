// Draws the full tax invoice programs off screen on a demo shop, each with a receipt loaded, and
// prints the invoice of a bill kept in PosHeader through program 5 to PDF, drawn as a picture of
// its page (pdftoppm), for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_fulltax_screenshots /tmp/shop docs/screens
#include "admin/TFrPosFullTran.h"
#include "admin/TFrPosFullTranView.h"
#include "data/Query.h"
#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/DocumentPrint.h"
#include "printing/docprint/PdfFolder.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "screenshots/ScreenshotMain.h"
#include "search/SearchDialogView.h"
#include "ui/base/DialogPrompter.h"

#include <QProcess>
#include <cstdio>

using namespace kvr;

namespace {

// The cashier says Yes to the print; any other message is shown as usual.
class YesPrompter : public ui::DialogPrompter
{
public:
    bool confirm(const QString&, ui::ConfirmColour) override { return true; }
};

// The print form's screen class printing to PDF files, as a workstation without a printer does.
class PdfPrint : public printing::DocumentPrint
{
public:
    PdfPrint(ui::Prompter& prompter, data::TDM& dm, const printing::DocPrintSettings& settings)
        : m_devices(settings.pdfFolder)
        , m_form(prompter, dm, m_devices, settings)
    { }
    bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) override
    {
        m_form.setDocumentNo(documentNo);
        m_form.setDocumentYear(documentYear);
        m_form.setPrintCode(printCode);
        m_form.FormShow();
        m_form.BtPrintClick();
        return m_form.printed();
    }
    QString lastFile() const { return m_devices.lastFile(); }

private:
    printing::PdfFolderDevices m_devices;
    printing::TFrDocPrintForm m_form;
};

QString receiptWhere(data::TDM& dm, const QString& table, const QString& condition)
{
    data::Query q(dm.DMdata(), QStringLiteral("SELECT PosNo FROM %1 WHERE %2 ORDER BY Id").arg(table, condition));
    q.open();
    return q.field(QStringLiteral("PosNo")).asString().trimmed();
}

} // namespace

int main(int argc, char** argv)
{
    // The demo's menu item of program 4, the cashier (Thai).
    return test::runScreenshots(argc, argv, 104, [](data::TDMConfig& config, data::TDM& dm, const QDir& folder) {
        YesPrompter prompter;
        search::DialogSearchRunner runner;
        PdfPrint print(prompter, dm, printing::DocPrintSettings::read(config.workingDirectory(), false));
        bool ok = true;
        const struct
        {
            admin::FullTaxVariant variant;
            QString table;
            QString shot;
        } programs[] = {
            {admin::FullTaxVariant::posBills(), QStringLiteral("PosHd"), QStringLiteral("full-tax-x1.png")},
            {admin::FullTaxVariant::posHeader(), QStringLiteral("PosHeader"), QStringLiteral("full-tax-x2.png")},
        };
        for (const auto& program : programs) {
            admin::TFrPosFullTran form(prompter, dm, runner, print, program.variant);
            admin::TFrPosFullTranView view(form);
            view.show();
            // A receipt invoiced to a company's branch.
            form.setReceiptNumberText(receiptWhere(dm, program.table, QStringLiteral("BranchHead = 'N'")));
            form.EdShotNoExit();
            ok = form.isLoaded() && test::saveShot(view, folder, program.shot) && ok;
            if (program.table != QLatin1String("PosHeader"))
                continue;
            // Printed again through the screen: its number stays, the print form writes the PDF.
            form.AcPrint().execute();
            const QString base = folder.filePath(QStringLiteral("full-tax-invoice-x2"));
            ok = QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"),
                                    QStringLiteral("-singlefile"), print.lastFile(), base}) == 0 &&
                ok;
            std::printf("%s.png\n", qPrintable(base));
            view.hide();
        }
        return ok;
    });
}
