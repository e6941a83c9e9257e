#include "admin/TFrPosShiftNo.h"

#include "admin/CurrentShift.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/TFrSearchMachineNo.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"
#include "util/NumberFormat.h"

namespace kvr::admin {

using Found = data::ShiftStore::Found;

ShiftCaptions ShiftCaptions::forLanguage(bool thai)
{
    if (thai)
        return {QStringLiteral("วันที่"),         QStringLiteral("หมายเลขเครื่อง"), QStringLiteral("หมายเลขกะ"),
                QStringLiteral("เงินทอนเริ่มต้น"), QStringLiteral("รายละเอียด"),    QStringLiteral("จำนวน"),
                QStringLiteral("รวม"),         QStringLiteral("รวม")};
    return {QStringLiteral("Date"),          QStringLiteral("Cashier No"),  QStringLiteral("Round"),
            QStringLiteral("Change Moneys"), QStringLiteral("Description"), QStringLiteral("Qnty"),
            QStringLiteral("Amount"),        QStringLiteral("Total")};
}

TFrPosShiftNo::TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_dm(dm)
    , m_current(currentShift)
    , m_machines(dm.DMdata())
    , m_store(dm)
{ }

TFrPosShiftNo::TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift,
                             search::SearchRunner& runner, QObject* parent)
    : TFrPosShiftNo(prompter, dm, currentShift, parent)
{
    setSearchRunner(runner);
}

void TFrPosShiftNo::setSearchRunner(search::SearchRunner& runner)
{
    m_search = search::machineSearch(m_dm, m_prompter, runner);
}

ShiftCaptions TFrPosShiftNo::captions() const
{
    return ShiftCaptions::forLanguage(m_dm.config().session().ThaiLanguage);
}

QDate TFrPosShiftNo::shiftDate() const
{
    return m_dateLocked || !m_date.isValid() ? QDate::currentDate() : m_date;
}

void TFrPosShiftNo::setShiftDate(const QDate& date)
{
    if (m_date == date || m_dateLocked)
        return;
    m_date = date;
    goIdle();
    emit headerChanged();
}

void TFrPosShiftNo::setMachineCode(const QString& code)
{
    if (m_machineCode == code)
        return;
    m_machineCode = code;
    goIdle();
    emit headerChanged();
}

void TFrPosShiftNo::setShiftNoText(const QString& text)
{
    if (m_shiftNoText == text)
        return;
    m_shiftNoText = text;
    goIdle();
    emit headerChanged();
}

QString TFrPosShiftNo::totalText() const
{
    return util::FormatNumber(QString::fromLatin1(kTotalPicture), m_total);
}

void TFrPosShiftNo::setControls(const ShiftControls& controls)
{
    if (m_controls == controls)
        return;
    m_controls = controls;
    emit controlsChanged();
}

void TFrPosShiftNo::goIdle()
{
    ShiftControls idle = m_controls;
    idle.gridEnabled = false;
    idle.okEnabled = false;
    setControls(idle);
}

void TFrPosShiftNo::FormShow()
{
    m_result = ShiftResult::None;
    m_dm.QConfig().open();
    m_dateLocked = util::isFlagSet(m_dm.QConfig().field(QStringLiteral("LockPosDate")).asString());
    setControls({.dateEnabled = !m_dateLocked, .gridEnabled = false, .okEnabled = false});
    m_store.startBlank();
    m_date = QDate();
    m_machineCode.clear();
    m_refusedCode.clear();
    m_location.clear();
    m_total = 0;
    emit headerChanged();
    emit totalChanged();
    emit focusRequested(m_dateLocked ? ShiftFocus::Machine : ShiftFocus::Date);
}

void TFrPosShiftNo::HeaderExit()
{
    // Passing through a header field that has not changed since it was checked keeps the count:
    // any change of the date, machine or number has put the dialog back to idle already.
    if (m_controls.gridEnabled)
        return;
    goIdle();
    const QString code = m_machineCode.trimmed().toUpper();
    bool isNumber = false;
    const int shiftNo = m_shiftNoText.trimmed().toInt(&isNumber);
    if (code.isEmpty() || !isNumber)
        return;
    const data::MachineCheck machine = m_machines.check(code);
    m_location = machine.location;
    emit headerChanged();
    if (!machine.inUse) {
        if (code != m_refusedCode) {
            m_refusedCode = code;
            m_prompter.information(machine.found ? QString::fromUtf8(kBlockedMachine)
                                                 : QString::fromUtf8(kUnknownMachine) + code);
        }
        return;
    }
    m_refusedCode.clear();
    switch (m_store.find(shiftDate(), machine.id, shiftNo)) {
    case Found::New:
        prepareFloat(0);
        break;
    case Found::Open:
        prepareFloat(m_store.shiftId());
        break;
    case Found::Closed:
        showClosed();
        break;
    }
}

void TFrPosShiftNo::showClosed()
{
    m_prompter.information(QString::fromUtf8(kShiftClosed));
    FormShow();
}

void TFrPosShiftNo::prepareFloat(int shiftId)
{
    m_store.openFloat(shiftId);
    ShiftControls counting = m_controls;
    counting.gridEnabled = true;
    setControls(counting);
    Recalculate();
    emit focusRequested(ShiftFocus::Grid);
}

void TFrPosShiftNo::DgShiftMoneyEnter()
{
    if (!m_controls.gridEnabled)
        return;
    ShiftControls counting = m_controls;
    counting.okEnabled = true;
    setControls(counting);
}

void TFrPosShiftNo::setQuantity(int row, int quantity)
{
    if (!m_controls.gridEnabled || row < 0 || row >= QShiftMoney().recordCount())
        return;
    m_store.setQuantity(row, quantity);
    Recalculate();
}

void TFrPosShiftNo::Recalculate()
{
    m_total = m_store.recalculate();
    emit totalChanged();
}

void TFrPosShiftNo::BtSearchClick()
{
    if (!m_search)
        return;
    const std::optional<QString> code = m_search(QStringLiteral("ค้นหา") + caption());
    if (!code)
        return;
    setMachineCode(*code);
    emit focusRequested(ShiftFocus::Machine);
}

void TFrPosShiftNo::Cancel()
{
    m_result = ShiftResult::Cancel;
    emit finished(m_result);
}

bool TFrPosShiftNo::BtOkClick()
{
    if (!m_controls.okEnabled)
        return false;
    Recalculate();
    const QDate date = shiftDate();
    if (m_store.save(date, m_total) == data::ShiftStore::Written::FoundClosed) {
        showClosed();
        return false;
    }
    m_current.set(m_store.shiftId(), date);
    m_result = ShiftResult::Ok;
    emit finished(m_result);
    return true;
}

} // namespace kvr::admin
