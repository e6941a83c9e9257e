#pragma once

#include "data/Query.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace kvr::data {

class TDM;

// Columns of PosHd and of the tables joined to it, as the cancellation reads them.
namespace bill {
inline const QString kId = QStringLiteral("Id");
inline const QString kDelFlag = QStringLiteral("DelFlag");
inline const QString kDelRemark = QStringLiteral("DelRemark");
inline const QString kPosNo = QStringLiteral("PosNo");
inline const QString kPosDate = QStringLiteral("PosDate");
inline const QString kTotal = QStringLiteral("Total");
inline const QString kPosted = QStringLiteral("Posted");
// Salesman.Name and SurName, PosShiftNo.ShiftNo, PosMachineNo.MachineCode and Location, Customer.Name.
inline const QString kSalesmanName = QStringLiteral("Name");
inline const QString kSalesmanSurName = QStringLiteral("SurName");
inline const QString kShiftNo = QStringLiteral("ShiftNo");
inline const QString kMachineCode = QStringLiteral("MachineCode");
inline const QString kLocation = QStringLiteral("Location");
inline const QString kCustomerName = QStringLiteral("CustomerName");
} // namespace bill

// A saved bill that can still be cancelled, as the cancellation screen shows it.
struct CancellableBill
{
    int id = 0;
    QString number; // as stored, right-aligned
    QDateTime date;
    double total = 0;
    QString customerName;
    QString salesmanName;
    QString salesmanSurName;
    int shiftNo = 0;
    QString machineCode;
    QString location;
};

// What a typed bill number stands for.
struct BillLookup
{
    enum class State { NotFound, Live, Cancelled, Posted };
    State state = State::NotFound;
    int id = 0;
    QString reason; // DelRemark of a cancelled bill
};

// Cancelling saved POS bills: a bill is never deleted, it is marked cancelled (DelFlag 'Y') with
// the user's reason, and the cancellation goes into the usage log. Two users may cancel or post
// the same bill at the same moment: exactly one of them changes it.
class PosCancelStore
{
public:
    enum class Outcome { Cancelled, NotCancellable };

    explicit PosCancelStore(TDM& dm);

    // The bill with this number as stored: a live, unposted one before any other, then the newest.
    BillLookup find(const QString& number);
    // The bill, when it is live, unposted and has its salesman, shift and machine.
    std::optional<CancellableBill> load(int id);
    // Live (DelFlag 'N') and not posted (Posted 'N'), as the database holds it now.
    bool isCancellable(int id);
    // Marks the bill cancelled with the reason and logs it, in one transaction, only while it is
    // still live and unposted: NotCancellable (and nothing written) when another user cancelled or
    // posted it first. A database error rolls everything back and goes on to the caller.
    Outcome cancel(int id, const QString& reason);

private:
    TDM& m_dm;
    Query m_qFind;
    Query m_qBill;
    Query m_qState;
};

} // namespace kvr::data
