#pragma once

#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/DocumentPrint.h"

#include <memory>

class QWidget;

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::printing {

class PrinterDevices;
class TFrDocPrintForm;
class TFrDocPrintFormView;
class TFrDocPrintFormGLAuto;
class TFrDocPrintFormGLAutoView;

// Prints a document through the print form shown modally: the form (created once and reused)
// gets the number, year and print code, runs, and reports whether it printed. When the company
// generates its ledger entries (AutoGenGL), the accounting voucher follows.
class DocPrintRunner : public DocumentPrint
{
public:
    // Settings from KVR.INI of the session's working folder; PDF output without a display.
    DocPrintRunner(ui::Prompter& prompter, data::TDM& dm, QWidget* parent = nullptr);
    DocPrintRunner(ui::Prompter& prompter, data::TDM& dm, const DocPrintSettings& settings, QWidget* parent = nullptr);
    ~DocPrintRunner() override;

    bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) override;

    const DocPrintSettings& settings() const { return m_settings; }
    PrinterDevices& devices() { return *m_devices; }
    // Created on first use; null before.
    TFrDocPrintFormView* view() const { return m_view.get(); }
    TFrDocPrintFormGLAutoView* voucherView() const { return m_voucherView.get(); }
    TFrDocPrintForm* form() const { return m_form.get(); }

    static bool hasDisplay();

private:
    void runVoucher(const QString& documentNo, int documentYear, const QString& printCode);

    ui::Prompter& m_prompter;
    data::TDM& m_dm;
    DocPrintSettings m_settings;
    QWidget* m_parent;
    std::unique_ptr<PrinterDevices> m_devices;
    std::unique_ptr<TFrDocPrintForm> m_form;
    std::unique_ptr<TFrDocPrintFormView> m_view;
    std::unique_ptr<TFrDocPrintFormGLAuto> m_voucher;
    std::unique_ptr<TFrDocPrintFormGLAutoView> m_voucherView;
};

} // namespace kvr::printing
