#include "ByteText.h"
#include "PrintFixture.h"

#include "data/StoredProc.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "printing/views/PrinterDevices.h"
#include "printing/views/ReportPreviewDialog.h"
#include "printing/views/TFrDocPrintFormGLAutoView.h"
#include "printing/views/TFrDocPrintFormView.h"
#include "support/ModalDialogs.h"
#include "support/PdfPrinting.h"
#include "support/RecordingErrorSink.h"
#include "support/WindowWait.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <tuple>

using kvr::printing::TFrDocPrintForm;
using kvr::printing::TFrDocPrintFormView;
using kvr::test::pressKey;
using kvr::test::waitForFocusIn;
using kvr::test::whenModalOpens;

namespace {

const QString kBill = QStringLiteral("PP6900010");

QString layoutText(const QString& mark)
{
    return QStringLiteral("kvr-layout 1\npage A5\nband header 20\n  text 0 0 120 8 : %1 [DocNo] [DocYear] [PrintCode]\n"
                          "end\n")
        .arg(mark);
}

// What the layouts' procedure was called with, a call a line.
QStringList procedureCalls;

class DocPrintDialog : public kvr::test::PdfPrinting<kvr::test::PrintFixture>
{
protected:
    void SetUp() override
    {
        PdfPrinting::SetUp();
        if (IsSkipped())
            return;
        kvr::data::registerProcedure(
            QStringLiteral("RecordPrintPrep"), [](kvr::data::Connection&, kvr::data::ProcParams& p) {
                procedureCalls << QStringLiteral("No=%1 DocYear=%2 DocCode=%3 NewDocNo=%4")
                                      .arg(p.get(QStringLiteral("@No")).toString(),
                                           p.get(QStringLiteral("@DocYear")).toString(),
                                           p.get(QStringLiteral("@DocCode")).toString(),
                                           p.has(QStringLiteral("@NewDocNo")) ? QStringLiteral("given")
                                                                              : QStringLiteral("missing"));
                return 0;
            });
        procedureCalls.clear();
        addBill(kBill, 3);
        writeLayout(QStringLiteral("forms/a.kvl"), layoutText(QStringLiteral("LAYOUT-A")));
        writeLayout(QStringLiteral("forms/b.kvl"), layoutText(QStringLiteral("LAYOUT-B")));
    }
    bool print(const QString& code = QStringLiteral("POS-P")) { return runner->printDocument(kBill, 2026, code); }
    TFrDocPrintFormView& view() { return *runner->view(); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // The one message the form gives when `button` is clicked; it stays open and Escape closes it
    // with nothing printed.
    QString messageOnClicking(QPushButton* (TFrDocPrintFormView::*button)() const)
    {
        whenModalOpens([&](QWidget*) {
            click((view().*button)());
            EXPECT_TRUE(view().isVisible());
            pressKey(Qt::Key_Escape);
        });
        EXPECT_FALSE(print());
        EXPECT_EQ(prompter.asked().size(), 1u);
        return prompter.asked().empty() ? QString() : prompter.asked().back().text;
    }
    // Back on the form once the dialog it opened has closed, Escape closes it.
    void escapeFrom(QWidget* form)
    {
        ASSERT_TRUE(kvr::test::waitForActiveWindow(form));
        QTest::keyClick(form, Qt::Key_Escape);
    }
};

TEST_P(DocPrintDialog, two_layouts_of_one_code_print_one_after_the_other_while_the_form_stays_open)
{
    addForm(QStringLiteral("POS-P"), 2, QStringLiteral("ใบส่งของ"), QStringLiteral("forms/b.kvl"));
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"));
    whenModalOpens([&](QWidget* dialog) {
        ASSERT_EQ(dialog, runner->view());
        QTableWidget* list = view().layoutList();
        ASSERT_EQ(list->rowCount(), 2);
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("ใบเสร็จ")) << "by FormOrderNo";
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("พิมพ์เอกสาร " KVR_TEST_VERSION));
        EXPECT_EQ(dialog->frameGeometry().topRight(), QApplication::primaryScreen()->geometry().topRight());
        ASSERT_TRUE(waitForFocusIn(list));
        pressKey(Qt::Key_Return);
        EXPECT_EQ(pdfFiles().size(), 1);
        EXPECT_TRUE(dialog->isVisible()) << "two layouts: the form stays for the second";
        pressKey(Qt::Key_Down);
        click(view().printButton());
        EXPECT_TRUE(dialog->isVisible());
        pressKey(Qt::Key_Escape);
    });
    EXPECT_TRUE(print());
    const QStringList files = pdfFiles();
    ASSERT_EQ(files, (QStringList{kBill + QStringLiteral("_2026_a.pdf"), kBill + QStringLiteral("_2026_b.pdf")}));
    EXPECT_TRUE(printedText(files[0]).contains(QStringLiteral("LAYOUT-A PP6900010 2026 POS-P")));
    EXPECT_TRUE(printedText(files[1]).contains(QStringLiteral("LAYOUT-B PP6900010 2026 POS-P")));
    EXPECT_EQ(usageLogs(5), 2);
    EXPECT_EQ(usageLogs(10), 0);
}

TEST_P(DocPrintDialog, the_company_that_prints_all_its_layouts_at_once_closes_after_the_first)
{
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"));
    addForm(QStringLiteral("POS-P"), 2, QStringLiteral("ใบส่งของ"), QStringLiteral("forms/b.kvl"));
    config->mutableSession().CompanyDbName = QStringLiteral(" pxn_qr ");
    whenModalOpens([&](QWidget*) { click(view().printButton()); });
    EXPECT_TRUE(print());
    EXPECT_EQ(pdfFiles().size(), 1);
}

TEST_P(DocPrintDialog, the_preview_offers_printing_only_when_ShowPrintPreview_is_Y)
{
    // FormCode, ShowPrintPreview (an empty flag is set to 'N' when the form opens), printable.
    const std::tuple<const char*, const char*, bool> cases[] = {{"PV-Y", "Y", true}, {"PV-E", "", false}};
    int previews = 0;
    int prints = 0;
    for (const auto& [code, flag, printable] : cases) {
        SCOPED_TRACE(code);
        addForm(QString::fromLatin1(code), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"), {},
                QString::fromLatin1(flag));
        bool previewed = false;
        whenModalOpens([&](QWidget* form) {
            whenModalOpens(
                [&](QWidget* preview) {
                    auto* dialog = runner->devices().openPreview();
                    ASSERT_EQ(preview, dialog);
                    EXPECT_EQ(dialog->printAction() != nullptr, printable);
                    EXPECT_EQ(dialog->pageSetupAction() != nullptr, printable);
                    previewed = true;
                    QToolBar* bar = dialog->findChild<QToolBar*>(QStringLiteral("previewToolBar"));
                    const qreal zoom = dialog->previewWidget()->zoomFactor();
                    QTest::mouseClick(bar->widgetForAction(dialog->zoomInAction()), Qt::LeftButton);
                    EXPECT_GT(dialog->previewWidget()->zoomFactor(), zoom);
                    QAction* close = dialog->findChild<QAction*>(QStringLiteral("closeAction"));
                    QTest::mouseClick(bar->widgetForAction(printable ? dialog->printAction() : close), Qt::LeftButton);
                },
                form);
            click(view().displayButton());
            escapeFrom(form);
        });
        EXPECT_EQ(print(QString::fromLatin1(code)), printable);
        EXPECT_TRUE(previewed);
        EXPECT_EQ(usageLogs(10), ++previews);
        EXPECT_EQ(usageLogs(5), prints += printable ? 1 : 0);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT ShowPrintPreview FROM SystemForm WHERE FormCode = 'PV-E'")).toString(),
              QStringLiteral("N"));
}

TEST_P(DocPrintDialog, a_missing_layout_file_or_no_layout_prints_nothing)
{
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("หายไป"), QStringLiteral("forms/missing.kvl"));
    prompter.expectWarning();
    EXPECT_EQ(messageOnClicking(&TFrDocPrintFormView::printButton), QString::fromUtf8(TFrDocPrintForm::kNoLayoutFile));

    // No layout for the code: the form is never shown and nothing is asked.
    EXPECT_FALSE(print(QStringLiteral("NOTHING")));
    EXPECT_EQ(prompter.asked().size(), 1u);
    EXPECT_TRUE(pdfFiles().isEmpty());
    EXPECT_EQ(usageLogs(5), 0);
}

TEST_P(DocPrintDialog, F11_names_the_one_layout_a_print_runs_its_procedure_and_closes_the_form)
{
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"),
            QStringLiteral("RecordPrintPrep"));
    prompter.expectInformation();
    whenModalOpens([&](QWidget*) {
        EXPECT_TRUE(waitForFocusIn(view().layoutList()));
        pressKey(Qt::Key_F11);
        pressKey(Qt::Key_Return);
    });
    EXPECT_TRUE(print());
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, QStringLiteral("forms/a.kvl"));
    EXPECT_EQ(procedureCalls, QStringList{QStringLiteral("No=PP6900010 DocYear=2026 DocCode=POS-P NewDocNo=given")});
}

TEST_P(DocPrintDialog, with_AutoGenGL_the_accounting_voucher_follows_the_print_form)
{
    setConfig({{"AutoGenGL", kvr::test::flag(true)}});
    writeLayout(
        QStringLiteral("Form_GLAuto.frf"),
        QStringLiteral("kvr-layout 1\nband header 20\n  text 0 0 120 8 : VOUCHER [VoucherType] [DocNo]\nend\n"));
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"));
    // The voucher opens once the print form has closed, in a modal loop of its own.
    kvr::test::whenDialogOpens<kvr::printing::TFrDocPrintFormGLAutoView>(
        [&](auto* voucher) { click(voucher->printButton()); });
    whenModalOpens([&](QWidget*) { click(view().printButton()); });
    EXPECT_TRUE(print());
    ASSERT_EQ(pdfFiles().size(), 2);
    EXPECT_TRUE(
        printedText(kBill + QStringLiteral("_2026_Form_GLAuto.pdf")).contains(QStringLiteral("VOUCHER POS PP6900010")));
    EXPECT_FALSE(runner->voucherView()->isVisible()) << "printed: the voucher closes";
}

TEST_P(DocPrintDialog, set_printer_opens_the_printer_dialog_or_names_the_pdf_folder)
{
    addForm(QStringLiteral("POS-P"), 1, QStringLiteral("ใบเสร็จ"), QStringLiteral("forms/a.kvl"));
    prompter.expectInformation();
    EXPECT_TRUE(messageOnClicking(&TFrDocPrintFormView::setPrinterButton).contains(runner->settings().pdfFolder));

    makeRunner(true);
    bool printerDialog = false;
    whenModalOpens([&](QWidget* form) {
        whenModalOpens(
            [&](QWidget* dialog) {
                printerDialog = qobject_cast<QPrintDialog*>(dialog) != nullptr;
                static_cast<QDialog*>(dialog)->reject();
            },
            form);
        click(view().setPrinterButton());
        escapeFrom(form);
    });
    EXPECT_FALSE(print());
    EXPECT_TRUE(printerDialog);
}

KVR_INSTANTIATE_BACKENDS(DocPrintDialog);

// Layouts of the external format go to the program named in KVR.INI with six arguments.
class ExternalPrint : public DocPrintDialog
{
protected:
    void SetUp() override
    {
        DocPrintDialog::SetUp();
        if (IsSkipped())
            return;
        writeLayout(QStringLiteral("forms/bill.fr3"), QStringLiteral("a layout of the external program"));
        addForm(QStringLiteral("POS-P"), 1, QStringLiteral("บิลแบบใหม่"), QStringLiteral("forms/bill.fr3"),
                QStringLiteral("RecordPrintPrep"));
        // Records its arguments, one a line, as the external program would receive them.
        recorder = writeScript(QStringLiteral("record-args.sh"), QStringLiteral("printf '%s\\n' \"$@\" > \"$0.$5\"\n"));
    }
    // An executable shell script in the working folder; its path.
    QString writeScript(const QString& name, const QString& body)
    {
        const QString script = writeLayout(name, QStringLiteral("#!/bin/sh\n") + body);
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }
    void useCommand(const QString& command)
    {
        writeLayout(QStringLiteral("KVR.INI"), QStringLiteral("[DocumentPrint]\nExternalCommand=%1\n").arg(command));
        makeRunner(false);
    }
    QStringList recorded(const char* flag) const
    {
        return QString::fromUtf8(FileContents(recorder + u'.' + QLatin1String(flag))).split(u'\n', Qt::SkipEmptyParts);
    }

    QString recorder; // the script standing in for the external program
};

TEST_P(ExternalPrint, print_and_display_call_the_program_with_the_six_arguments_and_never_the_procedure)
{
    useCommand(recorder);
    whenModalOpens([&](QWidget*) {
        click(view().displayButton());
        click(view().printButton());
    });
    EXPECT_TRUE(runner->printDocument(QStringLiteral("  ") + kBill, 2026, QStringLiteral("POS-P")));
    EXPECT_EQ(recorded("1"),
              (QStringList{QStringLiteral("SHOP"), QStringLiteral("forms/bill.fr3"), QStringLiteral("U1"), kBill,
                           QStringLiteral("1"), QStringLiteral("1")}));
    // The preview is left running: its arguments arrive when it has started.
    ASSERT_TRUE(kvr::test::waitUntil([&] { return recorded("0").size() == 6; }));
    EXPECT_EQ(recorded("0")[4], QStringLiteral("0"));
    EXPECT_TRUE(procedureCalls.isEmpty());
    EXPECT_EQ(usageLogs(5), 1);
    EXPECT_EQ(usageLogs(10), 1);
}

TEST_P(ExternalPrint, without_a_program_the_user_is_told_and_nothing_is_printed)
{
    useCommand(QString());
    prompter.expectWarning();
    EXPECT_TRUE(messageOnClicking(&TFrDocPrintFormView::printButton).contains(QStringLiteral("ExternalCommand")));
}

TEST_P(ExternalPrint, a_program_that_fails_is_an_error_and_the_document_stays_unprinted)
{
    useCommand(writeScript(QStringLiteral("fail.sh"), QStringLiteral("echo 'printer on fire' >&2\nexit 3\n")));
    kvr::test::RecordingErrorSink errors;
    whenModalOpens([&](QWidget* form) {
        ASSERT_TRUE(waitForFocusIn(view().layoutList()));
        // Sent as a key press is: an error that escaped the form's key filter would leave it untaken.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(QApplication::sendEvent(view().layoutList(), &enter)) << "the failed print still took the key";
        escapeFrom(form);
    });
    EXPECT_FALSE(print());
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("printer on fire"))) << errors.messages[0].toStdString();
    EXPECT_EQ(usageLogs(5), 0);
}

KVR_INSTANTIATE_BACKENDS(ExternalPrint);

} // namespace
