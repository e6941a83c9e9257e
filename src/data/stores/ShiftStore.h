#pragma once

#include "data/CachedDataset.h"

#include <QDate>

namespace kvr::data {

class TDM;

// Columns of PosShiftNo and PosShiftMoney.
namespace shift {
inline const QString kId = QStringLiteral("Id");
inline const QString kShiftDate = QStringLiteral("ShiftDate");
inline const QString kShiftNo = QStringLiteral("ShiftNo");
inline const QString kPosMachineNo = QStringLiteral("PosMachineNo");
inline const QString kOpenTime = QStringLiteral("OpenTime");
inline const QString kOpenMoney = QStringLiteral("OpenMoney");
inline const QString kClosed = QStringLiteral("Closed");
inline const QString kCloseTime = QStringLiteral("CloseTime");
inline const QString kCloseMoney = QStringLiteral("CloseMoney");
inline const QString kSaleAmount = QStringLiteral("SaleAmount");
// PosShiftMoney, with the coin's Description and Fraction (its face value) joined in.
inline const QString kPosShiftNo = QStringLiteral("PosShiftNo");
inline const QString kCoin = QStringLiteral("Coin");
inline const QString kQuantity = QStringLiteral("Quantity");
inline const QString kAmount = QStringLiteral("Amount");
inline const QString kDescription = QStringLiteral("Description");
inline const QString kFraction = QStringLiteral("Fraction");
} // namespace shift

// The cashier shifts (PosShiftNo) and their opening floats (PosShiftMoney): one shift and its
// float, held in two cached datasets while the shift dialog edits them and written together.
class ShiftStore
{
public:
    enum class Found { New, Open, Closed };
    enum class Written { Saved, FoundClosed };

    explicit ShiftStore(TDM& dm);

    // The shift being opened (one row) and its float, one row per coin or note.
    CachedDataset& QShift() { return m_qShift; }
    CachedDataset& QShiftMoney() { return m_qShiftMoney; }
    int shiftId() const { return m_qShift.field(shift::kId).asInteger(); }

    // No shift yet: an empty record, and no float.
    void startBlank();
    // The shift of the date, machine and number. A new one starts with those values; an open one
    // is loaded for editing; a closed one is left as found.
    Found find(const QDate& date, int machineId, int shiftNo);
    // The float of a shift (0 for a new one): its saved rows, or else one empty row per coin,
    // largest first, as the cashier counts the drawer.
    void openFloat(int shiftId);
    void setQuantity(int row, int quantity);
    // Amount = pieces × face value on every row; the sum. Only a real change marks a saved row
    // as modified. The current row stays where it was.
    double recalculate();

    // Writes the shift, opened on the date with the float counted, in one transaction. A new
    // shift is inserted; when another counter saved the same shift a moment before, this count
    // goes into that row instead, as if it had been re-opened here. An open shift is updated; one
    // closed meanwhile is not touched (FoundClosed). On a database error everything is rolled back
    // and stays pending, so the same save can run again.
    Written save(const QDate& date, double total);

private:
    void stamp(const QDate& date, double total);
    int insertShift();
    void adoptSavedShift();
    bool isStillOpen(int shiftId);
    void writeFloat(int shiftId);

    TDM& m_dm;
    Query m_qCoin;
    CachedDataset m_qShift;
    CachedDataset m_qShiftMoney;
};

} // namespace kvr::data
