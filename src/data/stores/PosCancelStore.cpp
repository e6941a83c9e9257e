#include "data/stores/PosCancelStore.h"

#include "data/Connection.h"
#include "data/TDM.h"
#include "util/Flags.h"

namespace kvr::data {

using namespace bill;

namespace {

const QString kLive = util::flagText(false);

// Numbers are unique only within a series and year: a live bill wins over a cancelled namesake.
QString findSql()
{
    return QStringLiteral("SELECT Id, DelFlag, Posted, DelRemark FROM PosHd WHERE PosNo = :GetNo "
                          "ORDER BY CASE WHEN DelFlag = 'N' And Posted = 'N' THEN 0 ELSE 1 END, Id DESC");
}

QStringList billSql()
{
    return {QStringLiteral("SELECT H.Id, H.DelFlag, H.PosNo, H.PosDate, H.Total, H.DelRemark, S.Name, S.SurName,"),
            QStringLiteral("  N.ShiftNo, M.MachineCode, M.Location,"),
            QStringLiteral("  (Select C.Name From Customer C Where (C.Id = H.Customer)) As CustomerName"),
            QStringLiteral("FROM PosHd H"),
            QStringLiteral("INNER JOIN Salesman S ON (H.Salesman = S.ID)"),
            QStringLiteral("INNER JOIN PosShiftNo N ON (H.PosShiftNo = N.Id)"),
            QStringLiteral("INNER JOIN PosMachineNo M ON (N.PosMachineNo = M.Id)"),
            QStringLiteral("WHERE (H.Id = :GetId) And (H.DelFlag = 'N') And (H.Posted = 'N')")};
}

// The conditions repeat those of the load: a bill cancelled or posted by someone else since then
// is left alone, and the caller learns it from the rows changed.
const QString kCancelSql = QStringLiteral("UPDATE PosHd SET DelFlag = :DelFlag, DelRemark = :DelRemark "
                                          "WHERE Id = :Id And DelFlag = 'N' And Posted = 'N'");

} // namespace

PosCancelStore::PosCancelStore(TDM& dm)
    : m_dm(dm)
    , m_qFind(dm.DMdata(), findSql())
    , m_qBill(dm.DMdata())
    , m_qState(dm.DMdata(), QStringLiteral("SELECT Id FROM PosHd WHERE Id = :Id And DelFlag = 'N' And Posted = 'N'"))
{
    m_qBill.setSqlLines(billSql());
}

BillLookup PosCancelStore::find(const QString& number)
{
    m_qFind.setParam(QStringLiteral("GetNo"), number);
    m_qFind.open();
    BillLookup found;
    if (m_qFind.isEmpty())
        return found;
    found.id = m_qFind.field(kId).asInteger();
    if (m_qFind.field(kDelFlag).asString() != kLive) {
        found.state = BillLookup::State::Cancelled;
        found.reason = m_qFind.field(kDelRemark).asString();
    } else if (m_qFind.field(kPosted).asString() != kLive) {
        found.state = BillLookup::State::Posted;
    } else {
        found.state = BillLookup::State::Live;
    }
    return found;
}

std::optional<CancellableBill> PosCancelStore::load(int id)
{
    m_qBill.setParam(QStringLiteral("GetId"), id);
    m_qBill.open();
    if (m_qBill.isEmpty())
        return std::nullopt;
    CancellableBill loaded;
    loaded.id = m_qBill.field(kId).asInteger();
    loaded.number = m_qBill.field(kPosNo).asString();
    loaded.date = m_qBill.field(kPosDate).asDateTime();
    loaded.total = m_qBill.field(kTotal).asFloat();
    loaded.customerName = m_qBill.field(kCustomerName).asString();
    loaded.salesmanName = m_qBill.field(kSalesmanName).asString();
    loaded.salesmanSurName = m_qBill.field(kSalesmanSurName).asString();
    loaded.shiftNo = m_qBill.field(kShiftNo).asInteger();
    loaded.machineCode = m_qBill.field(kMachineCode).asString();
    loaded.location = m_qBill.field(kLocation).asString();
    return loaded;
}

bool PosCancelStore::isCancellable(int id)
{
    m_qState.setParam(kId, id);
    m_qState.open();
    return !m_qState.isEmpty();
}

PosCancelStore::Outcome PosCancelStore::cancel(int id, const QString& reason)
{
    Connection& connection = m_dm.DMdata();
    Transaction transaction(connection);
    Query update(connection, kCancelSql);
    update.setParam(kDelFlag, util::flagText(true));
    update.setParam(kDelRemark, reason);
    update.setParam(kId, id);
    if (update.execSql() != 1)
        return Outcome::NotCancellable; // the guard rolls back: nothing was changed
    // The number as it stands now, under this transaction's lock on the row.
    Query number(connection, QStringLiteral("SELECT PosNo FROM PosHd WHERE Id = :Id"));
    number.setParam(kId, id);
    number.open();
    m_dm.AddUsageLog(UsageCancelled, id, number.field(kPosNo).asString());
    transaction.commit();
    return Outcome::Cancelled;
}

} // namespace kvr::data
