#include "printing/docprint/TFrDocPrintForm.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/docprint/PrintDevices.h"
#include "ui/base/Prompter.h"

#include <QDir>
#include <QFileInfo>

#ifndef KVR_VERSION
#define KVR_VERSION "dev"
#endif

namespace kvr::printing {

DocPrintCaptions DocPrintCaptions::forLanguage(bool thai)
{
    DocPrintCaptions c;
    if (thai) {
        c.caption = QStringLiteral("พิมพ์เอกสาร");
        c.display = QStringLiteral("แสดง");
        c.print = QStringLiteral("พิมพ์");
        c.setPrinter = QStringLiteral("กำหนดเครื่องพิมพ์");
        c.cancel = QStringLiteral("ไม่พิมพ์");
        c.displayHint = QStringLiteral("แสดงเอกสารบนจอภาพ");
        c.printHint = QStringLiteral("พิมพ์เอกสารทางเครื่องพิมพ์");
        c.setPrinterHint = QStringLiteral("กำหนดเครื่องพิมพ์");
        c.cancelHint = QStringLiteral("ยกเลิก หรือ ไม่ต้องการพิมพ์");
    } else {
        c.caption = QStringLiteral("Print Document");
        c.display = QStringLiteral("Preview");
        c.print = QStringLiteral("Print");
        c.setPrinter = QStringLiteral("Set Printer");
        c.cancel = QStringLiteral("Cancel");
        c.displayHint = QStringLiteral("Display Document To Screen");
        c.printHint = QStringLiteral("Print Document To Printer");
        c.setPrinterHint = QStringLiteral("Setup Printer");
        c.cancelHint = QStringLiteral("Cancel or don't want to print");
    }
    // The program's own version where the form shows which build it is.
    c.caption += QStringLiteral(" ") + QStringLiteral(KVR_VERSION);
    c.listTitle = QStringLiteral("กรุณาเลือกฟอร์มที่ต้องการพิมพ์");
    c.showFileName = QStringLiteral("แสดงชื่อฟอร์ม.frf");
    return c;
}

TFrDocPrintForm::TFrDocPrintForm(ui::Prompter& prompter, data::TDM& dm, PrintDevices& devices,
                                 const DocPrintSettings& settings, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_dm(dm)
    , m_devices(devices)
    , m_settings(settings)
    , m_store(dm)
    , m_printer(dm, devices)
    , m_external(settings)
{ }

TFrDocPrintForm::~TFrDocPrintForm() = default;

DocPrintCaptions TFrDocPrintForm::captions() const
{
    return DocPrintCaptions::forLanguage(m_dm.config().session().ThaiLanguage);
}

void TFrDocPrintForm::setCurrentLayout(int row)
{
    if (row < 0 || row >= layoutCount() || row == m_current)
        return;
    m_current = row;
    emit currentLayoutChanged();
}

void TFrDocPrintForm::FormShow()
{
    m_printed = false;
    m_store.ensureShowPrintPreview();
    m_layouts = m_store.layoutsFor(m_printCode);
    m_current = m_layouts.empty() ? -1 : 0;
    emit layoutsChanged();
    emit currentLayoutChanged();
    // Nothing to print for this code: the form goes at once, without a message.
    if (m_layouts.empty())
        emit closeRequested();
}

QString TFrDocPrintForm::layoutPath(const SystemFormRow& row) const
{
    return QDir(m_settings.workingDirectory).filePath(row.fileName.trimmed());
}

bool TFrDocPrintForm::closesAfterPrint() const
{
    return layoutCount() == 1 ||
        m_dm.config().session().CompanyDbName.trimmed().toUpper() == QLatin1String(kSingleLayoutCompany);
}

void TFrDocPrintForm::printCurrent(Mode mode)
{
    if (m_current < 0)
        return;
    const SystemFormRow row = m_layouts.at(size_t(m_current));
    if (!QFileInfo(layoutPath(row)).isFile()) {
        m_prompter.warning(QString::fromUtf8(kNoLayoutFile));
        return;
    }
    bool printedNow = false;
    if (row.isExternal()) {
        printedNow = printExternal(row, mode);
    } else {
        // The layout's procedure builds or refreshes what it prints.
        if (!row.procedure.trimmed().isEmpty())
            m_store.runPrintProcedure(row.procedure, m_documentNo.trimmed(), m_documentYear, row.docCode);
        const LayoutDocument document{m_documentNo, m_documentYear, m_printCode, {}, row.id};
        printedNow = m_printer.run(layoutPath(row), document,
                                   mode == Mode::Print ? LayoutPrinter::Mode::Print : LayoutPrinter::Mode::Display,
                                   row.previewMayPrint());
    }
    if (!printedNow)
        return;
    m_printed = true;
    if (mode == Mode::Print && closesAfterPrint())
        emit closeRequested();
}

bool TFrDocPrintForm::printExternal(const SystemFormRow& row, Mode mode)
{
    if (!m_external.isConfigured()) {
        m_prompter.warning(ExternalPrintCommand::notConfiguredMessage(row.fileName));
        return false;
    }
    const data::SessionContext& session = m_dm.config().session();
    ExternalPrintCall call;
    call.companyCode = session.CompanyDbName;
    call.templateName = row.fileName;
    call.userCode = session.UserCode;
    call.documentNo = m_documentNo;
    call.toPrinter = mode == Mode::Print;
    m_external.run(call);
    // Every print and preview is in the usage log, whichever program printed it.
    const QString number = m_documentNo.trimmed();
    m_dm.AddUsageLog(call.toPrinter ? data::UsagePrinted : data::UsagePreviewed, row.id, number);
    return call.toPrinter;
}

void TFrDocPrintForm::BtPrintClick()
{
    printCurrent(Mode::Print);
}

void TFrDocPrintForm::BtDisplayClick()
{
    printCurrent(Mode::Display);
}

void TFrDocPrintForm::BtSetPrinterClick()
{
    m_devices.setupPrinter();
}

void TFrDocPrintForm::ShowFileName()
{
    if (m_current >= 0)
        m_prompter.information(m_layouts.at(size_t(m_current)).fileName);
}

void TFrDocPrintForm::Cancel()
{
    emit closeRequested();
}

bool TFrDocPrintForm::voucherFollows()
{
    return m_store.autoGenGL();
}

} // namespace kvr::printing
