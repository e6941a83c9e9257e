#include "data/stores/ShiftStore.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "util/Flags.h"

#include <cmath>
#include <vector>

namespace kvr::data {

using namespace shift;

namespace {

const QString kOpen = util::flagText(false); // Closed = 'N'

QStringList shiftSql()
{
    return {QStringLiteral("SELECT Id, ShiftDate, ShiftNo, PosMachineNo, OpenTime, OpenMoney, Closed, CloseTime,"),
            QStringLiteral("  CloseMoney, SaleAmount"), QStringLiteral("FROM PosShiftNo"),
            QStringLiteral("WHERE (ShiftDate = :GetDate) And (PosMachineNo = :GetMachine) And (ShiftNo = :GetShift)")};
}

// A second counter saving the same new shift a moment later inserts nothing (the unique key on
// date, machine and number) and then writes its count into the row that was saved first.
QStringList shiftInsertSql()
{
    return {QStringLiteral("insert into PosShiftNo (ShiftDate, ShiftNo, PosMachineNo, OpenTime, OpenMoney, Closed,"),
            QStringLiteral("  CloseTime, CloseMoney, SaleAmount)"),
            QStringLiteral("values (:ShiftDate, :ShiftNo, :PosMachineNo, :OpenTime, :OpenMoney, :Closed,"),
            QStringLiteral("  :CloseTime, :CloseMoney, :SaleAmount)"), QStringLiteral("on conflict do nothing")};
}

QStringList shiftModifySql()
{
    return {QStringLiteral(
                "update PosShiftNo set ShiftDate = :ShiftDate, ShiftNo = :ShiftNo, PosMachineNo = :PosMachineNo,"),
            QStringLiteral("  OpenTime = :OpenTime, OpenMoney = :OpenMoney, Closed = :Closed, CloseTime = :CloseTime,"),
            QStringLiteral("  CloseMoney = :CloseMoney, SaleAmount = :SaleAmount"),
            QStringLiteral("where Id = :OLD_Id")};
}

QStringList moneySql()
{
    return {
        QStringLiteral("SELECT M.Id, M.PosShiftNo, M.Closed, M.Coin, M.Quantity, M.Amount, C.Description, C.Fraction"),
        QStringLiteral("FROM PosShiftMoney M INNER JOIN Coin C ON (M.Coin = C.Id)"),
        QStringLiteral("WHERE (M.PosShiftNo = :GetShiftNo)"),
        // Largest first, as a new shift lists them; stored order is not kept on every backend.
        QStringLiteral("ORDER BY C.Fraction DESC, M.Id")};
}

// One counted denomination, kept while the float is moved onto another shift's rows.
struct Count
{
    QVariant coin;
    int quantity;
    QVariant description;
    QVariant fraction;
};

} // namespace

ShiftStore::ShiftStore(TDM& dm)
    : m_dm(dm)
    , m_qCoin(dm.DMdata(), QStringLiteral("SELECT Id, Description, Fraction FROM Coin ORDER BY Fraction DESC"))
    , m_qShift(dm.DMdata())
    , m_qShiftMoney(dm.DMdata())
{
    m_qShift.setSqlLines(shiftSql());
    m_qShift.insertSql() = shiftInsertSql();
    m_qShift.modifySql() = shiftModifySql();
    m_qShiftMoney.setSqlLines(moneySql());
    m_qShiftMoney.insertSql() = {
        QStringLiteral("insert into PosShiftMoney (PosShiftNo, Closed, Coin, Quantity, Amount)"),
        QStringLiteral("values (:PosShiftNo, :Closed, :Coin, :Quantity, :Amount)")};
    m_qShiftMoney.modifySql() = {
        QStringLiteral("update PosShiftMoney set PosShiftNo = :PosShiftNo, Closed = :Closed, Coin = :Coin,"),
        QStringLiteral("  Quantity = :Quantity, Amount = :Amount where Id = :OLD_Id")};
}

void ShiftStore::startBlank()
{
    m_qShiftMoney.close();
    m_qShift.close();
    m_qShift.setParam(QStringLiteral("GetDate"), QVariant());
    m_qShift.setParam(QStringLiteral("GetMachine"), 0);
    m_qShift.setParam(QStringLiteral("GetShift"), 0);
    m_qShift.open();
    m_qShift.append();
}

ShiftStore::Found ShiftStore::find(const QDate& date, int machineId, int shiftNo)
{
    m_qShift.setParam(QStringLiteral("GetDate"), date);
    m_qShift.setParam(QStringLiteral("GetMachine"), machineId);
    m_qShift.setParam(QStringLiteral("GetShift"), shiftNo);
    m_qShift.open();
    if (m_qShift.isEmpty()) {
        m_qShift.append();
        m_qShift.setValue(kShiftDate, date);
        m_qShift.setValue(kShiftNo, shiftNo);
        m_qShift.setValue(kPosMachineNo, machineId);
        m_qShift.setValue(kClosed, kOpen);
        return Found::New;
    }
    if (m_qShift.field(kClosed).asString() != kOpen)
        return Found::Closed;
    m_qShift.edit();
    return Found::Open;
}

void ShiftStore::openFloat(int shiftId)
{
    m_qShiftMoney.setParam(QStringLiteral("GetShiftNo"), shiftId);
    m_qShiftMoney.open();
    if (m_qShiftMoney.isEmpty()) {
        m_qCoin.open();
        for (m_qCoin.first(); !m_qCoin.eof(); m_qCoin.next()) {
            m_qShiftMoney.append();
            m_qShiftMoney.setValue(kPosShiftNo, shiftId);
            m_qShiftMoney.setValue(kClosed, kOpen);
            m_qShiftMoney.setValue(kCoin, m_qCoin.field(kId).value());
            m_qShiftMoney.setValue(kQuantity, 0);
            m_qShiftMoney.setValue(kAmount, 0.0);
            m_qShiftMoney.setValue(kDescription, m_qCoin.field(kDescription).value());
            m_qShiftMoney.setValue(kFraction, m_qCoin.field(kFraction).value());
        }
        m_qShiftMoney.post();
    }
    m_qShiftMoney.first();
}

void ShiftStore::setQuantity(int row, int quantity)
{
    m_qShiftMoney.setRecNo(row);
    m_qShiftMoney.setValue(kQuantity, quantity);
    m_qShiftMoney.post();
}

double ShiftStore::recalculate()
{
    const int row = m_qShiftMoney.recNo();
    double total = 0;
    for (int r = 0; r < m_qShiftMoney.recordCount(); ++r) {
        m_qShiftMoney.setRecNo(r);
        const double amount = m_qShiftMoney.field(kQuantity).asInteger() * m_qShiftMoney.field(kFraction).asFloat();
        if (m_qShiftMoney.field(kAmount).isNull() || std::abs(m_qShiftMoney.field(kAmount).asFloat() - amount) > 1e-9) {
            m_qShiftMoney.setValue(kAmount, amount);
            m_qShiftMoney.post();
        }
        total += amount;
    }
    if (m_qShiftMoney.recordCount() > 0)
        m_qShiftMoney.setRecNo(row < m_qShiftMoney.recordCount() ? row : 0);
    return total;
}

ShiftStore::Written ShiftStore::save(const QDate& date, double total)
{
    {
        Transaction transaction(m_dm.DMdata());
        stamp(date, total);
        bool inserted = false;
        if (m_qShift.rowStatus(m_qShift.recNo()) == CachedDataset::RowStatus::Inserted) {
            inserted = insertShift() == 1;
            if (inserted) {
                const int id = m_dm.LastIdentity();
                m_dm.AddUsageLog(UsageShiftCreated, id, QString());
                m_qShift.setValue(kId, id);
                m_qShift.post();
            } else {
                adoptSavedShift();
                stamp(date, recalculate());
            }
        }
        if (!inserted) {
            // Otherwise the guard rolls everything back; the rows stay pending.
            if (!isStillOpen(shiftId()))
                return Written::FoundClosed;
            m_qShift.applyUpdates();
        }
        writeFloat(shiftId());
        transaction.commit();
    }
    m_qShift.commitUpdates();
    m_qShiftMoney.commitUpdates();
    return Written::Saved;
}

void ShiftStore::stamp(const QDate& date, double total)
{
    m_qShift.setValue(kShiftDate, date);
    if (m_qShift.field(kOpenTime).isNull()) {
        const QDateTime now = m_dm.ServerNow();
        m_qShift.setValue(kOpenTime, now);
        m_qShift.setValue(kCloseTime, now);
    }
    // Re-opening an open shift replaces its opening float by the new count.
    m_qShift.setValue(kOpenMoney, total);
    m_qShift.setValue(kCloseMoney, 0.0);
    m_qShift.setValue(kSaleAmount, 0.0);
    m_qShift.setValue(kClosed, kOpen);
    m_qShift.post();
}

int ShiftStore::insertShift()
{
    Query insert(m_dm.DMdata());
    insert.setSqlLines(m_qShift.insertSql());
    for (const QString& name : insert.paramNames())
        insert.setParam(name, m_qShift.field(name).value());
    return insert.execSql();
}

void ShiftStore::adoptSavedShift()
{
    // The shift was saved by another counter since it was looked up: its row becomes the one
    // edited, with the count typed here, as if this counter had re-opened it.
    std::vector<Count> counts;
    for (int r = 0; r < m_qShiftMoney.recordCount(); ++r) {
        counts.push_back({m_qShiftMoney.fieldAt(r, kCoin).value(), m_qShiftMoney.fieldAt(r, kQuantity).asInteger(),
                          m_qShiftMoney.fieldAt(r, kDescription).value(), m_qShiftMoney.fieldAt(r, kFraction).value()});
    }
    m_qShift.open();
    if (m_qShift.isEmpty())
        throw DbError(QStringLiteral("The shift being opened was neither inserted nor found"));
    m_qShift.edit();
    m_qShiftMoney.setParam(QStringLiteral("GetShiftNo"), shiftId());
    m_qShiftMoney.open();
    for (const Count& count : counts) {
        int row = 0;
        while (row < m_qShiftMoney.recordCount() && m_qShiftMoney.fieldAt(row, kCoin).asInteger() != count.coin.toInt())
            ++row;
        if (row < m_qShiftMoney.recordCount()) {
            m_qShiftMoney.setRecNo(row);
        } else {
            m_qShiftMoney.append();
            m_qShiftMoney.setValue(kClosed, kOpen);
            m_qShiftMoney.setValue(kCoin, count.coin);
            m_qShiftMoney.setValue(kDescription, count.description);
            m_qShiftMoney.setValue(kFraction, count.fraction);
        }
        m_qShiftMoney.setValue(kQuantity, count.quantity);
        m_qShiftMoney.post();
    }
    m_qShiftMoney.first();
}

bool ShiftStore::isStillOpen(int shiftId)
{
    // Closed elsewhere since it was looked up: writing 'N' would open it again.
    Query check(m_dm.DMdata(),
                QStringLiteral("SELECT Closed FROM PosShiftNo WHERE Id = :Id") + m_dm.DMdata().dialect().forUpdate());
    check.setParam(kId, shiftId);
    check.open();
    return !check.isEmpty() && check.field(kClosed).asString() == kOpen;
}

void ShiftStore::writeFloat(int shiftId)
{
    const int row = m_qShiftMoney.recNo();
    for (int r = 0; r < m_qShiftMoney.recordCount(); ++r) {
        m_qShiftMoney.setRecNo(r);
        m_qShiftMoney.setValue(kPosShiftNo, shiftId);
        m_qShiftMoney.setValue(kAmount,
                               m_qShiftMoney.field(kQuantity).asInteger() * m_qShiftMoney.field(kFraction).asFloat());
        m_qShiftMoney.post();
    }
    if (m_qShiftMoney.recordCount() > 0)
        m_qShiftMoney.setRecNo(row < m_qShiftMoney.recordCount() ? row : 0);
    m_qShiftMoney.applyUpdates();
}

} // namespace kvr::data
