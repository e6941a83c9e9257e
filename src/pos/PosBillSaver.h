#pragma once

#include "devices/TCommPortDriver.h"
#include "pos/PosMode.h"
#include "printing/ReceiptPrinter.h"

#include <QString>
#include <exception>
#include <functional>

namespace kvr::data {
class TDM;
struct SessionContext;
} // namespace kvr::data
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
struct PosMachine;
class PosSettings;
class PrintedMarkStore;
class TFrCreditCardInfo;

// Saving a bill: header, lines and card rows in one transaction; then the cash drawer, the text
// receipt and the printed mark, none of which can undo the save.
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

    devices::TCommPortDriver& drawerPort() { return m_drawerPort; }
    printing::ReceiptPrinter& receiptPrinter() { return m_receiptPrinter; }

private:
    void kickDrawer(const PosMachine& machine);
    // The receipt of a saved bill read from `stored`: the screen's own right after saving, the
    // stored one read afresh for a reprint.
    void printSavedBill(const QString& number, PosBill& stored, const PosMachine& machine);
    void runReported(const std::function<void()>& step);

    PosBill& m_bill;
    PosMode m_mode;
    Services m_services;
    devices::TCommPortDriver m_drawerPort;
    printing::ReceiptPrinter m_receiptPrinter;
};

} // namespace kvr::pos
