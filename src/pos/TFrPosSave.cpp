// Saving a bill in one transaction, then the drawer, the receipt and the next bill.
#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "devices/CashDrawer.h"
#include "pos/TFrPos.h"
#include "printing/PrinterError.h"
#include "printing/ReceiptQueries.h"
#include "printing/TextReceipt.h"
#include "ui/base/Prompter.h"
#include "util/Dates.h"

#include <stdexcept>

namespace kvr::pos {

namespace {

constexpr int kPosBillReceipt = 1; // RcptType of card rows paying a POS bill

} // namespace

void TFrPos::AcSaveExecute()
{
    if (!hasHeaderRow())
        return;
    // What is owed and paid as it stands now: a total changed since the payment was typed, or
    // an amount typed and not yet left, must not save a bill that is not paid.
    takeTypedEntries();
    if (!AcSave().isEnabled()) {
        ShowReceiptPage();
        return;
    }
    if (m_bill.hd(QStringLiteral("BankAmount")) > 0 && m_bill.hdId(QStringLiteral("CompanyBank")) <= 0) {
        message(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสธนาคาร ที่รับโอนจากลูกค้า"));
        return;
    }
    if (TFrCreditCardInfo::ShortestText(m_bill.hd(QStringLiteral("CardAmount"))) !=
        TFrCreditCardInfo::ShortestText(m_card.TotalCardAmount)) {
        message(QStringLiteral("ท่านยังไม่ได้ป้อนรายละเอียดบัตรเครดิต"));
        BCreditCardClick();
        return;
    }
    if (!CheckComplete())
        return;
    if (!prompter().ConfirmDialog(session().SaveQuestion))
        return;
    setFocusTo(PosFocus::Remark);
    CalculateAll();
    m_bill.QDt().first();

    QString number;
    int year = 0;
    if (!writeBill(number, year))
        return;
    afterSave([this] { kickDrawer(); });
    afterSave([this, &number] { printSavedBill(number, m_bill); });
    AcNewExecute();
}

void TFrPos::afterSave(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        reportError(std::current_exception());
    }
}

// Header, lines and card rows in one transaction: the bill is in the database whole or not at
// all. On failure everything stays pending on screen, so the cashier can save again.
bool TFrPos::writeBill(QString& number, int& year)
{
    data::CachedDataset& hd = m_bill.QHd();
    data::CachedDataset& dt = m_bill.QDt();
    // A number drawn by a save that rolls back is given back to the series; the screen forgets it too.
    const QVariant numberBefore = hd.field(QStringLiteral("PosNo")).value();
    m_dm.StartTransaction();
    try {
        hd.edit();
        m_bill.setHd(QStringLiteral("DelFlag"), QStringLiteral("N"));
        m_bill.setHd(QStringLiteral("PosShiftNo"), m_currentShiftId);
        m_bill.setHd(QStringLiteral("Posted"), QStringLiteral("N"));
        m_bill.setHd(QStringLiteral("Imported"), QStringLiteral("N"));
        m_bill.setHd(QStringLiteral("PosPrintDateTime"), QDateTime::currentDateTime());
        const QDateTime posDate = hd.field(QStringLiteral("PosDate")).asDateTime();
        // Posting writes the usage-log entry of the bill (new, or changed with its Id) inside this
        // transaction; a second entry of our own would only count the bill twice.
        const int id = m_autoNumbering ? m_dm.PostWithNewNumber(hd, posDate.date(), m_documentCode,
                                                                QStringLiteral("PosNo"), QStringLiteral("GetNo"))
                                       : m_dm.PostWithGivenNumber(hd, m_bill.hdText(QStringLiteral("PosNo")),
                                                                  QStringLiteral("PosNo"), QStringLiteral("GetNo"));
        number = m_bill.hdText(QStringLiteral("PosNo"));
        year = util::YearOf(posDate);

        dt.post();
        for (int row = 0; row < dt.recordCount(); ++row) {
            dt.setRecNo(row);
            dt.setValue(QStringLiteral("PosHd"), id);
            dt.setValue(QStringLiteral("PosRecNo"), row + 1);
            dt.setValue(QStringLiteral("PosDate"), posDate);
            dt.post();
        }
        dt.first();
        dt.applyUpdates();

        m_card.RcptType = kPosBillReceipt;
        m_card.RcptDocId = id;
        m_card.SaveCardRows();
        m_dm.Commit();
    } catch (...) {
        m_dm.Rollback();
        hd.edit();
        if (m_newBill)
            m_bill.setHd(QStringLiteral("PosNo"), numberBefore);
        emit totalsChanged();
        throw;
    }
    hd.commitUpdates();
    dt.commitUpdates();
    m_card.CommitCardRows();
    return true;
}

void TFrPos::kickDrawer()
{
    const QString cashDrawer = m_qMachineNo.field(QStringLiteral("CashDrawer")).asString().trimmed();
    if (cashDrawer.isEmpty())
        return;
    // A missing or stalled drawer only means the cashier opens it by key: the bill is saved.
    devices::OpenCashDrawer(m_drawerPort, cashDrawer, m_qMachineNo.field(QStringLiteral("baudrate")).value());
}

void TFrPos::printSavedBill(const QString& number, PosBill& stored)
{
    if (configText("PrintOldDocument") != QLatin1String("Y") &&
        stored.hdText(QStringLiteral("Printed")).trimmed() == QLatin1String("Y")) {
        message(QStringLiteral("เอกสารเลขที่ ") + number + QLatin1Char('\r') + QStringLiteral("เคยถูกสั่งพิมพ์ไปแล้ว") +
                QLatin1Char('\r') + QStringLiteral("จะต้องสั่งพิมพ์ที่เมนูพิมพ์ย้อนหลัง"));
        return;
    }
    // Other print types go through the document print form; without one nothing is printed and
    // the bill stays unmarked.
    if (configText("Pos1_PrintType") != QLatin1String("T"))
        return;

    data::Query machine(m_dm.DMdata(),
                        QStringLiteral("SELECT d.MachineCode, d.PrinterName FROM PosShiftNo p "
                                       "INNER JOIN PosMachineNo d ON d.Id = p.PosMachineNo WHERE p.Id = :GetId"));
    machine.setParam(QStringLiteral("GetId"), m_currentShiftId);
    machine.open();

    printing::ReceiptSettings settings;
    const int formNo = m_dm.QConfig().field(QStringLiteral("PosFormTextNo")).asInteger();
    settings.ReceiptFormNo = formNo;
    settings.MachineTaxNo = m_qMachineNo.field(QStringLiteral("Remark")).asString();
    settings.ReceiptSalesmanCode = m_qMachineNo.field(QStringLiteral("CodeSalesman")).asString();
    settings.UserCode = session().UserCode;
    settings.Company = printing::ReadReceiptCompany(m_dm.config().QCompany());

    printing::Receipt receipt;
    receipt.header = printing::ReadReceiptHeader(stored.QHd());
    receipt.lines = printing::ReadReceiptLines(stored.QDt());

    printing::ReceiptJob job;
    job.target = printing::PrinterTarget::resolve(m_dm.config().workingDirectory(),
                                                  machine.field(QStringLiteral("MachineCode")).asString().trimmed(),
                                                  machine.field(QStringLiteral("PrinterName")).asString().trimmed());
    job.printerCode = m_qMachineNo.field(QStringLiteral("PrinterCode")).asString().trimmed();
    // With lines printed as they are entered, the save adds the totals and the next heading.
    job.printLines = configText("Pos1_PrintLine") != QLatin1String("Y");
    if (const auto failure = printing::PrintTextReceipt(m_receiptPrinter, settings, receipt, job)) {
        // Saved but not printed: the bill stays unmarked so that it can be printed again.
        reportError(std::make_exception_ptr(std::runtime_error(failure->message().toStdString())));
        return;
    }
    MarkBillPrinted(number);
}

void TFrPos::MarkBillPrinted(const QString& number)
{
    if (m_bill.hdText(QStringLiteral("Printed")).trimmed() == QLatin1String("Y"))
        return;
    data::CachedDataset qPrint(m_dm.DMdata());
    qPrint.setSqlLines({QStringLiteral("SELECT Id,Printed"), QStringLiteral("FROM poshd"),
                        QStringLiteral("WHERE (ltrim(rtrim(PosNo)) = ltrim(rtrim(:GetNo))) And (PosType = :GetType)")});
    qPrint.modifySql() = {QStringLiteral("update poshd"), QStringLiteral("set"), QStringLiteral("Printed = :Printed"),
                          QStringLiteral("where"), QStringLiteral("Id = :OLD_Id")};
    qPrint.setParam(QStringLiteral("GetNo"), number);
    qPrint.setParam(QStringLiteral("GetType"), PosType());
    qPrint.open();
    if (qPrint.isEmpty()) {
        message(QStringLiteral("Impossible Error Not Found ") + number);
        return;
    }
    qPrint.setValue(QStringLiteral("Printed"), QStringLiteral("Y"));
    m_dm.StartTransaction();
    try {
        qPrint.applyUpdates();
        m_dm.Commit();
    } catch (const data::DbError&) {
        m_dm.Rollback();
        // The bill is saved and printed; only the mark is missing, and a reprint shows it.
        return;
    }
    // The bill on screen is printed too: saving it again must not write the mark back to "N".
    if (hasHeaderRow() && m_bill.hdText(QStringLiteral("PosNo")).trimmed() == number.trimmed())
        m_bill.setHd(QStringLiteral("Printed"), QStringLiteral("Y"));
}

void TFrPos::AcPrintExecute()
{
    if (!hasHeaderRow() || m_newBill)
        return;
    // The bill as it is stored, not as it may since have been changed on screen without saving.
    const QString number = m_bill.hdText(QStringLiteral("PosNo"));
    PosBill stored(m_dm.DMdata());
    afterSave([&] {
        if (!stored.LoadBill(number, m_docNoLength, m_mode)) {
            message(QStringLiteral("Impossible Error Not Found ") + number);
            return;
        }
        printSavedBill(number, stored);
    });
}

} // namespace kvr::pos
