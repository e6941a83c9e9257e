#include "pos/PosBillSaver.h"

#include "data/Connection.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "devices/CashDrawer.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosMachineStore.h"
#include "pos/PosSettings.h"
#include "pos/PrintedMarkStore.h"
#include "pos/TFrCreditCardInfo.h"
#include "printing/ReceiptQueries.h"
#include "printing/TextReceipt.h"
#include "printing/docprint/DocumentPrint.h"
#include "ui/base/Prompter.h"
#include "util/Dates.h"
#include "util/Flags.h"

#include <QFileInfo>

#include <stdexcept>

namespace kvr::pos {

namespace {

constexpr int kPosBillReceipt = 1; // RcptType of card rows paying a POS bill

} // namespace

PosBillSaver::PosBillSaver(PosBill& bill, PosMode mode, const Services& services)
    : m_bill(bill)
    , m_mode(mode)
    , m_services(services)
{ }

QString PosBillSaver::writeBill(const Posting& posting)
{
    data::CachedDataset& header = m_bill.QHd();
    data::CachedDataset& lines = m_bill.QDt();
    data::TDM& dm = m_services.dm;
    // A number drawn by a save that rolls back is given back to the series; the screen forgets it too.
    const QVariant numberBefore = header.field(hd::PosNo).value();
    QString number;
    try {
        data::Transaction transaction(dm.DMdata());
        header.edit();
        m_bill.setHeader(hd::DelFlag, util::flagText(false));
        m_bill.setHeader(hd::PosShiftNo, posting.shiftId);
        m_bill.setHeader(hd::Posted, util::flagText(false));
        m_bill.setHeader(hd::Imported, util::flagText(false));
        m_bill.setHeader(hd::PosPrintDateTime, QDateTime::currentDateTime());
        const QDateTime posDate = header.field(hd::PosDate).asDateTime();
        // Posting writes the usage-log entry of the bill (new, or changed with its Id) inside this
        // transaction; a second entry of our own would only count the bill twice.
        const int id = posting.autoNumbering
            ? dm.PostWithNewNumber(header, posDate.date(), posting.documentCode, hd::PosNo, QStringLiteral("GetNo"))
            : dm.PostWithGivenNumber(header, m_bill.headerText(hd::PosNo), hd::PosNo, QStringLiteral("GetNo"));
        number = m_bill.headerText(hd::PosNo);

        lines.post();
        for (int row = 0; row < lines.recordCount(); ++row) {
            lines.setRecNo(row);
            lines.setValue(dt::PosHd, id);
            lines.setValue(dt::PosRecNo, row + 1);
            lines.setValue(dt::PosDate, posDate);
            lines.post();
        }
        lines.first();
        lines.applyUpdates();

        m_services.card.RcptType = kPosBillReceipt;
        m_services.card.RcptDocId = id;
        m_services.card.SaveCardRows();
        transaction.commit();
    } catch (...) {
        header.edit();
        if (posting.newBill)
            m_bill.setHeader(hd::PosNo, numberBefore);
        throw;
    }
    header.commitUpdates();
    lines.commitUpdates();
    m_services.card.commitCardRows();
    return number;
}

void PosBillSaver::runReported(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        m_services.reportError(std::current_exception());
    }
}

void PosBillSaver::finishSavedBill(const QString& number, const PosMachine& machine)
{
    runReported([&] { kickDrawer(machine); });
    runReported([&] { printSavedBill(number, m_bill, machine); });
}

void PosBillSaver::kickDrawer(const PosMachine& machine)
{
    if (machine.cashDrawer.isEmpty())
        return;
    // A missing or stalled drawer only means the cashier opens it by key: the bill is saved.
    devices::OpenCashDrawer(m_drawerPort, machine.cashDrawer, machine.baudRate);
}

void PosBillSaver::printSavedBill(const QString& number, PosBill& stored, const PosMachine& machine)
{
    const PosSettings& settings = m_services.settings;
    if (!settings.isOn("PrintOldDocument") && util::isFlagSet(stored.headerText(hd::Printed))) {
        m_services.prompter.information(QStringLiteral("เอกสารเลขที่ ") + number + QLatin1Char('\r') +
                                        QStringLiteral("เคยถูกสั่งพิมพ์ไปแล้ว") + QLatin1Char('\r') +
                                        QStringLiteral("จะต้องสั่งพิมพ์ที่เมนูพิมพ์ย้อนหลัง"));
        return;
    }
    if (settings.text("Pos1_PrintType") != QLatin1String("T")) {
        PrintThroughForm(number, util::YearOf(stored.QHd().field(hd::PosDate).asDateTime()), documentCodeOf(m_mode));
        return;
    }

    data::TDMConfig& config = m_services.dm.config();
    printing::ReceiptSettings receiptSettings;
    receiptSettings.ReceiptFormNo = settings.number("PosFormTextNo");
    receiptSettings.MachineTaxNo = machine.remark;
    receiptSettings.ReceiptSalesmanCode = machine.salesmanCode;
    receiptSettings.UserCode = m_services.session.UserCode;
    receiptSettings.Company = printing::ReadReceiptCompany(config.QCompany());

    printing::Receipt receipt;
    receipt.header = printing::ReadReceiptHeader(stored.QHd());
    receipt.header.Copy = util::isFlagSet(stored.headerText(hd::Printed));
    receipt.lines = printing::ReadReceiptLines(stored.QDt());

    printing::ReceiptJob job;
    job.printerCode = machine.printerCode;
    // With lines printed as they are entered, the save adds the totals and the next heading.
    job.printLines = !settings.isOn("Pos1_PrintLine");
    // Kept on disk before the next sale starts; marked printed once the printer took it
    // (markTaken). A spool that cannot keep it leaves the bill unmarked, to be printed again.
    spoolFor(machine).add(printing::RenderTextReceipt(receiptSettings, receipt, job), number, posTypeLetter(m_mode));
}

void PosBillSaver::PrintThroughForm(const QString& number, int documentYear, const QString& printCode)
{
    // A program without the print form prints nothing and leaves the bill unmarked.
    if (m_documentPrint && m_documentPrint->printDocument(number, documentYear, printCode))
        MarkBillPrinted(number);
}

void PosBillSaver::useMachine(const PosMachine& machine)
{
    const QString folder = printing::ReceiptSpool::folderFor(m_services.dm.config().workingDirectory(),
                                                             m_services.session.CompanyDbName, machine.machineCode);
    // Only a machine that printed receipts before can have any left to finish.
    if ((m_spool && m_spool->folder() == folder) || QFileInfo(folder).isDir())
        spoolFor(machine);
}

printing::ReceiptSpool& PosBillSaver::spoolFor(const PosMachine& machine)
{
    const QString work = m_services.dm.config().workingDirectory();
    const QString folder =
        printing::ReceiptSpool::folderFor(work, m_services.session.CompanyDbName, machine.machineCode);
    const printing::PrinterTarget target =
        printing::PrinterTarget::resolve(work, machine.machineCode, machine.printerName);
    if (!m_spool || m_spool->folder() != folder || m_spool->target().path != target.path) {
        m_spool.reset();
        m_spool = std::make_unique<printing::ReceiptSpool>(
            folder, target,
            printing::ReceiptSpool::Handlers{
                [this](const printing::TakenReceipt& taken) { markTaken(taken); },
                [this](int waiting, const QString& problem) { showBacklog(waiting, problem); }});
    }
    return *m_spool;
}

void PosBillSaver::markTaken(const printing::TakenReceipt& taken)
{
    if (!m_spool || taken.billNumber.isEmpty())
        return;
    bool found = false;
    try {
        found = m_services.marks.markPrinted(taken.billNumber, taken.billType);
    } catch (...) {
        // Printed, not marked: the mark is tried again with the next receipt and at the next start.
        if (!m_markFailed)
            m_services.reportError(std::current_exception());
        m_markFailed = true;
        return;
    }
    m_spool->forget(taken);
    if (m_markFailed) {
        m_markFailed = false;
        m_spool->reportTaken();
    }
    showMarked(found, taken.billNumber, taken.billType);
}

void PosBillSaver::showMarked(bool found, const QString& number, const QString& posType)
{
    if (!found) {
        m_services.prompter.information(QStringLiteral("Impossible Error Not Found ") + number);
        return;
    }
    // The bill on screen is printed too: saving it again must not write the mark back to "N".
    if (m_bill.hasHeaderRow() && posType == posTypeLetter(m_mode) &&
        m_bill.headerText(hd::PosNo).trimmed() == number.trimmed())
        m_bill.setHeader(hd::Printed, util::flagText(true));
}

void PosBillSaver::showBacklog(int waiting, const QString& problem)
{
    if (!m_showPrinterState)
        return;
    // Said while the printer takes nothing, not for every receipt passing through.
    if (waiting == 0 || problem.isEmpty()) {
        m_showPrinterState(QString());
        return;
    }
    m_showPrinterState(m_services.session.ThaiLanguage
                           ? QStringLiteral("ใบเสร็จรอพิมพ์ %1 ใบ: %2").arg(waiting).arg(problem)
                           : QStringLiteral("%1 receipt(s) waiting for the printer: %2").arg(waiting).arg(problem));
}

void PosBillSaver::MarkBillPrinted(const QString& number)
{
    if (util::isFlagSet(m_bill.headerText(hd::Printed)))
        return;
    const QString posType = posTypeLetter(m_mode);
    bool found = false;
    try {
        found = m_services.marks.markPrinted(number, posType);
    } catch (...) {
        // The bill is saved and printed; only the mark is missing, and a reprint sets it.
        m_services.reportError(std::current_exception());
        return;
    }
    showMarked(found, number, posType);
}

void PosBillSaver::reprint(const QString& number, int docNoLength, const PosMachine& machine)
{
    // The bill as it is stored, not as it may since have been changed on screen without saving.
    PosBill stored(m_services.dm.DMdata());
    runReported([&] {
        if (!stored.LoadBill(number, docNoLength, m_mode)) {
            m_services.prompter.information(QStringLiteral("Impossible Error Not Found ") + number);
            return;
        }
        printSavedBill(number, stored, machine);
    });
}

} // namespace kvr::pos
