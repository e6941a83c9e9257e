#pragma once

#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/ExternalPrintCommand.h"
#include "printing/docprint/LayoutPrinter.h"
#include "printing/docprint/SystemFormStore.h"

#include <QObject>
#include <vector>

namespace kvr::ui {
class Prompter;
}

namespace kvr::printing {

// The texts of the print form in the session's language.
struct DocPrintCaptions
{
    QString caption;
    QString display, print, setPrinter, cancel;
    QString displayHint, printHint, setPrinterHint, cancelHint;
    QString listTitle;
    QString showFileName;

    static DocPrintCaptions forLanguage(bool thai);
};

// The document print form: the caller names a document (number, year) and a print code, shows
// the form modally and reads afterwards whether it printed. The form lists the layouts of the
// print code; Print prints the chosen one, Display previews it, Set printer chooses the printer.
// Layouts whose file name contains "fr3" go to the external print program, every other one to
// the report engine. A view shows it and forwards the user's actions.
class TFrDocPrintForm : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kNoLayoutFile = "ยังไม่ได้กำหนดรูปแบบเอกสาร เพื่อพิมพ์";
    // This company prints all its layouts at once: the form closes after the first print.
    static constexpr const char* kSingleLayoutCompany = "PXN_QR";

    TFrDocPrintForm(ui::Prompter& prompter, data::TDM& dm, PrintDevices& devices, const DocPrintSettings& settings,
                    QObject* parent = nullptr);
    ~TFrDocPrintForm() override;

    // The caller's values; showing the form does not clear them.
    const QString& documentNo() const { return m_documentNo; }
    void setDocumentNo(const QString& number) { m_documentNo = number; }
    int documentYear() const { return m_documentYear; }
    void setDocumentYear(int year) { m_documentYear = year; }
    const QString& printCode() const { return m_printCode; }
    void setPrintCode(const QString& code) { m_printCode = code; }
    bool printed() const { return m_printed; }

    DocPrintCaptions captions() const;
    const std::vector<SystemFormRow>& layouts() const { return m_layouts; }
    int layoutCount() const { return int(m_layouts.size()); }
    int currentLayout() const { return m_current; }
    void setCurrentLayout(int row);

    // Each showing: the printed flag cleared, the layouts read again; none closes the form.
    void FormShow();
    // Print (button, Enter, double-click), Display, Set printer.
    void BtPrintClick();
    void BtDisplayClick();
    void BtSetPrinterClick();
    // F11 or the list's menu: the current layout's file name.
    void ShowFileName();
    // Escape, Cancel.
    void Cancel();
    // After the form closed: whether the accounting voucher follows (Config.AutoGenGL = "Y").
    bool voucherFollows();

signals:
    void layoutsChanged();
    void currentLayoutChanged();
    void closeRequested();

private:
    enum class Mode { Display, Print };
    void printCurrent(Mode mode);
    bool printExternal(const SystemFormRow& row, Mode mode);
    bool closesAfterPrint() const;
    QString layoutPath(const SystemFormRow& row) const;

    ui::Prompter& m_prompter;
    data::TDM& m_dm;
    PrintDevices& m_devices;
    const DocPrintSettings& m_settings;
    SystemFormStore m_store;
    LayoutPrinter m_printer;
    ExternalPrintCommand m_external;
    QString m_documentNo;
    int m_documentYear = 0;
    QString m_printCode;
    bool m_printed = false;
    std::vector<SystemFormRow> m_layouts;
    int m_current = -1;
};

} // namespace kvr::printing
