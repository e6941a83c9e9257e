#pragma once

#include "admin/MachineSearch.h"
#include "data/stores/MachineStore.h"
#include "data/stores/ShiftStore.h"

#include <QDate>
#include <QObject>
#include <QString>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}
namespace kvr::search {
class SearchRunner;
}

namespace kvr::admin {

class CurrentShift;

// The captions of the shift dialog in the session's language.
struct ShiftCaptions
{
    QString date;
    QString machine;
    QString shiftNo;
    QString floatBox;
    QString description;
    QString quantity;
    QString amount;
    QString total;

    static ShiftCaptions forLanguage(bool thai);
};

// What the shift dialog allows at the moment; the view mirrors it.
struct ShiftControls
{
    bool dateEnabled = true;
    bool gridEnabled = false;
    bool okEnabled = false;

    bool operator==(const ShiftControls&) const = default;
};

enum class ShiftFocus { Date, Machine, ShiftNo, Grid };
enum class ShiftResult { None, Ok, Cancel };

// The shift dialog run before the sale: date, POS machine and shift number, and the opening
// float counted coin by coin. It opens a new shift or re-opens an open one of the same date,
// machine and number, and makes the saved shift the current one. A view shows it and forwards
// the user's actions; messages go through the prompter.
class TFrPosShiftNo : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kBlockedMachine = "เครื่องขายสดนี้ ถูกระงับการใช้งาน !!!!!";
    // A code the register does not hold is no suspended machine: the cashier mistyped it.
    static constexpr const char* kUnknownMachine = "ไม่พบเครื่องขายสดรหัส ";
    static constexpr const char* kShiftClosed = "กะนี้ปิดแล้ว";
    static constexpr const char* kTotalPicture = "###,###,##0.00";

    // The machine search (F5) waits for a runner: the view gives its own search dialog.
    TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift, QObject* parent = nullptr);
    // The runner shows the machine search.
    TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift, search::SearchRunner& runner,
                  QObject* parent = nullptr);

    static QString caption() { return QStringLiteral("กำหนดรอบทำงาน"); }
    ShiftCaptions captions() const;
    const ShiftControls& controls() const { return m_controls; }
    ShiftResult result() const { return m_result; }

    // The header fields as typed. Changing one puts the dialog back to idle until it is left.
    // The date field shows today's date while it is empty (an invalid date).
    QDate shiftDate() const;
    void setShiftDate(const QDate& date);
    const QString& machineCode() const { return m_machineCode; }
    void setMachineCode(const QString& code);
    const QString& shiftNoText() const { return m_shiftNoText; }
    void setShiftNoText(const QString& text);
    // The location of the machine typed, shown beside its code.
    const QString& machineLocation() const { return m_location; }

    // The shift being opened (one row) and its float, one row per coin or note.
    data::CachedDataset& QShift() { return m_store.QShift(); }
    data::CachedDataset& QShiftMoney() { return m_store.QShiftMoney(); }
    double ShiftCashTotal() const { return m_total; }
    QString totalText() const;

    // The search of machines by location: the search dialog shown by the runner, or another.
    void setSearchRunner(search::SearchRunner& runner);
    void setMachineSearch(MachineSearch search) { m_search = std::move(search); }
    bool hasMachineSearch() const { return bool(m_search); }

    // Opening the dialog: everything back to the start.
    void FormShow();
    // Leaving the date, machine or shift number field.
    void HeaderExit();
    // The machine search (button or F5).
    void BtSearchClick();
    // The grid took the focus: OK becomes possible.
    void DgShiftMoneyEnter();
    // A quantity typed into the grid's row, then the totals again.
    void setQuantity(int row, int quantity);
    void Recalculate();
    // Saves the shift and its float; true when the dialog closes with OK. Database errors go on
    // to the caller with everything rolled back and still pending, so OK can be pressed again.
    bool BtOkClick();
    // Escape: the dialog closes with cancel.
    void Cancel();

signals:
    void controlsChanged();
    void headerChanged();
    void totalChanged();
    void focusRequested(kvr::admin::ShiftFocus focus);
    void finished(kvr::admin::ShiftResult result);

private:
    void setControls(const ShiftControls& controls);
    void goIdle();
    void prepareFloat(int shiftId);
    void showClosed();

    ui::Prompter& m_prompter;
    data::TDM& m_dm;
    CurrentShift& m_current;
    data::MachineStore m_machines;
    data::ShiftStore m_store;
    MachineSearch m_search;
    ShiftControls m_controls;
    ShiftResult m_result = ShiftResult::None;
    QDate m_date;
    QString m_machineCode;
    QString m_shiftNoText;
    QString m_location;
    // The machine code refused last: told once, not again on every field left after it.
    QString m_refusedCode;
    bool m_dateLocked = false;
    double m_total = 0;
};

} // namespace kvr::admin
