#pragma once

#include "devices/TCommPortDriver.h"
#include "pos/PosMode.h"
#include "printing/ReceiptSpool.h"

#include <QString>
#include <exception>
#include <functional>
#include <memory>

namespace kvr::data {
class TDM;
struct SessionContext;
} // namespace kvr::data
namespace kvr::ui {
class Prompter;
}
namespace kvr::printing {
class DocumentPrint;
}

namespace kvr::pos {

class PosBill;
struct PosMachine;
class PosSettings;
class PrintedMarkStore;
class TFrCreditCardInfo;

// Saving a bill: header, lines and card rows in one transaction; then the cash drawer, the text
// receipt and the printed mark, none of which can undo the save. Text receipts go through the
// machine's spool, so the next sale never waits for the printer; their bill is marked printed
// once the printer has taken the bytes.
class PosBillSaver
{
public:
    // Errors caught after the commit so that the next bill can start: logged and shown.
    using ErrorReport = std::function<void(std::exception_ptr)>;
    struct Services
    {
        data::TDM& dm;
        const PosSettings& settings;
        const data::SessionContext& session;
        TFrCreditCardInfo& card;
        PrintedMarkStore& marks;
        ui::Prompter& prompter;
        ErrorReport reportError;
    };
    PosBillSaver(PosBill& bill, PosMode mode, const Services& services);

    // How the bill is written: its numbering series, and the shift it is sold in.
    struct Posting
    {
        QString documentCode;
        bool autoNumbering = false;
        bool newBill = true;
        int shiftId = 0;
    };
    // Writes the bill whole or not at all and returns its number. On failure everything stays
    // pending on screen (a number drawn is given back) so the cashier can save again, and the
    // error is raised.
    QString writeBill(const Posting& posting);
    // After the commit: the drawer opens and the receipt prints; a failure of either is reported
    // and the bill stays saved.
    void finishSavedBill(const QString& number, const PosMachine& machine);
    // The receipt of a saved bill once more, read as it is stored.
    void reprint(const QString& number, int docNoLength, const PosMachine& machine);
    // Marks the bill printed in the database and on screen; a bill already marked is left alone.
    void MarkBillPrinted(const QString& number);
    // Prints through the print form and marks the bill printed when the form printed it.
    void PrintThroughForm(const QString& number, int documentYear, const QString& printCode);

    // Pages printed through the print form (print types other than text receipts); without it
    // such bills are not printed.
    void setDocumentPrint(printing::DocumentPrint* print) { m_documentPrint = print; }
    // How the cashier is told that receipts wait for the printer (empty text: none wait).
    void setPrinterStateHandler(std::function<void(const QString&)> show) { m_showPrinterState = std::move(show); }
    // The machine of the shift: receipts it left waiting in an earlier run print from now on.
    void useMachine(const PosMachine& machine);
    // The spool of the machine last printed on; null before.
    printing::ReceiptSpool* receiptSpool() { return m_spool.get(); }

    devices::TCommPortDriver& drawerPort() { return m_drawerPort; }

private:
    void kickDrawer(const PosMachine& machine);
    // The receipt of a saved bill read from `stored`: the screen's own right after saving, the
    // stored one read afresh for a reprint.
    void printSavedBill(const QString& number, PosBill& stored, const PosMachine& machine);
    void runReported(const std::function<void()>& step);
    printing::ReceiptSpool& spoolFor(const PosMachine& machine);
    void markTaken(const printing::TakenReceipt& receipt);
    // After marking a bill printed: a bill not found is said, the bill on screen shows the mark.
    void showMarked(bool found, const QString& number, const QString& posType);
    void showBacklog(int waiting, const QString& problem);

    PosBill& m_bill;
    PosMode m_mode;
    Services m_services;
    devices::TCommPortDriver m_drawerPort;
    printing::DocumentPrint* m_documentPrint = nullptr;
    std::function<void(const QString&)> m_showPrinterState;
    std::unique_ptr<printing::ReceiptSpool> m_spool;
    bool m_markFailed = false; // a taken receipt's bill could not be marked: tell once, retry later
};

} // namespace kvr::pos
