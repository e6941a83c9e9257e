// One counter printing the full tax invoice of a receipt: loads the receipt, prints "ready" and
// waits for a line on standard input before confirming the print, so that a test can let several
// counters print the same receipt at the same moment. Prints what the print form was given.
//   fulltax_printer WORKDIR COMPANY RECEIPT_NO
#include "CounterProgram.h"
#include "admin/TFrPosFullTran.h"
#include "printing/docprint/DocumentPrint.h"

namespace {

// What the print form would have printed.
class PrintedLine : public kvr::printing::DocumentPrint
{
public:
    bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) override
    {
        std::printf("%s %d %s\n", qPrintable(documentNo), documentYear, qPrintable(printCode));
        return true;
    }
};

// Loads the receipt, and prints its invoice once the test says go.
int printInvoice(kvr::test::CounterSession& session, const QStringList& a)
{
    // The print is confirmed; any other message is a failure here.
    kvr::test::ConfirmingPrompter prompter;
    PrintedLine print;
    kvr::admin::TFrPosFullTran form(prompter, session.dm, session.searches, print,
                                    kvr::admin::FullTaxVariant::posBills());
    form.FormShow();
    form.setReceiptNumberText(a[3]);
    form.EdShotNoExit();
    if (!form.isLoaded() || !form.NewFullTax())
        return 4;
    kvr::test::waitForGo();
    return form.AcPrint().execute() ? 0 : 5;
}

} // namespace

int main(int argc, char** argv)
{
    return kvr::test::runCounter(argc, argv, "fulltax_printer WORKDIR COMPANY RECEIPT_NO", printInvoice);
}
