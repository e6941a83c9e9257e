#pragma once

#include "data/CachedDataset.h"

namespace kvr::data {

// Columns of PosMachineNo.
namespace machine {
inline const QString kId = QStringLiteral("Id");
inline const QString kMachineCode = QStringLiteral("MachineCode");
inline const QString kLocation = QStringLiteral("Location");
inline const QString kBlocked = QStringLiteral("Blocked");
inline const QString kRemark = QStringLiteral("Remark");
inline const QString kPrinterName = QStringLiteral("PrinterName");
inline const QString kPrinterCode = QStringLiteral("PrinterCode");
inline const QString kWareHouse = QStringLiteral("WareHouse");
inline const QString kSalesman = QStringLiteral("Salesman");
inline const QString kDepartment = QStringLiteral("Department");
inline const QString kCashDrawer = QStringLiteral("CashDrawer");
inline const QString kBaudRate = QStringLiteral("BaudRate");
inline const QString kPosDisplayHello1 = QStringLiteral("PosDisplayHello1");
inline const QString kPosDisplayHello2 = QStringLiteral("PosDisplayHello2");
inline const QString kPosDisplayBaudRate = QStringLiteral("PosDisplayBaudRate");
inline const QString kPosDisplayComport = QStringLiteral("PosDisplayComport");
} // namespace machine

// A machine as the shift dialog checks it before a shift is opened on it.
struct MachineCheck
{
    bool found = false;
    int id = 0;
    QString location;
    // Blocked is exactly "N": a machine never flagged, or unknown, may not open a shift.
    bool inUse = false;
};

// The register of POS machines (PosMachineNo): the record the machine screen edits, held in a
// cached dataset and written or deleted in a transaction of its own; and the check of a code.
class MachineStore
{
public:
    explicit MachineStore(Connection& connection);

    // The machine of the code last opened: no row, or its one row.
    CachedDataset& QPosMachine() { return m_qPosMachine; }
    void open(const QString& code);
    // Writes the record's pending insert or change; deletes the current row. Each in its own
    // transaction: on an error nothing is written and the changes stay pending.
    void save();
    void removeCurrent();

    MachineCheck check(const QString& code);

private:
    void write();

    Connection& m_connection;
    CachedDataset m_qPosMachine;
    Query m_qCheck;
};

} // namespace kvr::data
