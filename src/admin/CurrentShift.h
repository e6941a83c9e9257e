#pragma once

#include <QDateTime>

namespace kvr::admin {

// The shift the sale screen sells in, chosen in the shift dialog: its id goes into every saved
// bill and its date is the date of every new bill. One instance per run, shared by the shift
// dialog (which writes it after a shift is saved) and the sale screen (which reads it).
class CurrentShift
{
public:
    // PosShiftNo.Id of the chosen shift; 0 while none was chosen.
    int CurrentShiftId() const { return m_id; }
    // The shift date, time part zero; invalid while none was chosen.
    const QDateTime& CurrentShiftDate() const { return m_date; }
    bool isChosen() const { return m_id > 0; }

    void set(int shiftId, const QDate& shiftDate)
    {
        m_id = shiftId;
        m_date = shiftDate.startOfDay();
    }

private:
    int m_id = 0;
    QDateTime m_date;
};

} // namespace kvr::admin
