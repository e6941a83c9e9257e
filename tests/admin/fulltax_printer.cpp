// One counter printing the full tax invoice of a receipt: loads the receipt, prints "ready" and
// waits for a line on standard input before confirming the print, so that a test can let several
// counters print the same receipt at the same moment. Prints what the print form was given.
//   fulltax_printer WORKDIR COMPANY PROGRAM_NO RECEIPT_NO
#include "admin/TFrPosFullTran.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/docprint/DocumentPrint.h"
#include "search/SearchRunner.h"
#include "ui/base/Prompter.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

// The print is confirmed; any other message is a failure here.
class ConfirmingPrompter : public kvr::ui::Prompter
{
public:
    void information(const QString& text) override { fail(text); }
    void warning(const QString& text) override { fail(text); }
    void error(const QString& text) override { fail(text); }
    bool confirm(const QString&, kvr::ui::ConfirmColour) override { return true; }
    std::optional<QString> input(const QString& title, const QString&, const QString&) override
    {
        return fail(title), std::nullopt;
    }
    kvr::ui::ErrorDialogAnswer showErrorDialog(const QString& text) override
    {
        return fail(text), kvr::ui::ErrorDialogAnswer::DontSend;
    }

private:
    static void fail(const QString& text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(3);
    }
};

class NoSearch : public kvr::search::SearchRunner
{
public:
    bool run(kvr::search::SearchScreen&) override { return false; }
};

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 5) {
        std::fprintf(stderr, "usage: fulltax_printer WORKDIR COMPANY PROGRAM_NO RECEIPT_NO\n");
        return 2;
    }
    try {
        kvr::data::TDMConfig config(a[1]);
        config.CheckRight(101, 1);
        config.GetCompanyConfig(a[2]);
        kvr::data::TDM dm(config, a[1]);
        dm.setCompanyCode(a[2]);
        ConfirmingPrompter prompter;
        NoSearch searches;
        PrintedLine print;
        const auto variant = a[3] == QLatin1String("5") ? kvr::admin::FullTaxVariant::posHeader()
                                                        : kvr::admin::FullTaxVariant::posBills();
        kvr::admin::TFrPosFullTran form(prompter, dm, searches, print, variant);
        form.FormShow();
        form.setReceiptNumberText(a[4]);
        form.EdShotNoExit();
        if (!form.isLoaded() || !form.NewFullTax())
            return 4;
        std::printf("ready\n");
        std::fflush(stdout);
        std::string go;
        std::getline(std::cin, go);
        if (!form.AcPrint().execute())
            return 5;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
