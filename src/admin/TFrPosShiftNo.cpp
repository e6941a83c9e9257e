#include "admin/TFrPosShiftNo.h"

#include "admin/CurrentShift.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchDialogView.h"
#include "search/TFrSearchMachineNo.h"
#include "ui/base/Prompter.h"
#include "util/NumberFormat.h"

#include <cmath>
#include <vector>

namespace kvr::admin {

namespace {

const QString kId = QStringLiteral("Id");
const QString kQuantity = QStringLiteral("Quantity");
const QString kAmount = QStringLiteral("Amount");
const QString kFraction = QStringLiteral("Fraction");
const QString kCoin = QStringLiteral("Coin");
const QString kPosShiftNo = QStringLiteral("PosShiftNo");
const QString kClosed = QStringLiteral("Closed");
const QString kNo = QStringLiteral("N");

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
        QStringLiteral("WHERE (M.PosShiftNo = :GetShiftNo)")};
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

TFrPosShiftNo::TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift,
                             search::SearchRunner& runner, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_dm(dm)
    , m_current(currentShift)
    , m_qMachine(dm.DMdata(),
                 QStringLiteral("select Id, Location, Blocked from PosMachineNo where MachineCode = :GetCode"))
    , m_qCoin(dm.DMdata(), QStringLiteral("SELECT Id, Description, Fraction FROM Coin ORDER BY Fraction DESC"))
    , m_qShift(dm.DMdata())
    , m_qShiftMoney(dm.DMdata())
    , m_search(search::machineSearch(dm, prompter, runner))
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

TFrPosShiftNo::TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift, QObject* parent)
    : TFrPosShiftNo(prompter, dm, currentShift, std::make_unique<search::DialogSearchRunner>(), parent)
{ }

TFrPosShiftNo::TFrPosShiftNo(ui::Prompter& prompter, data::TDM& dm, CurrentShift& currentShift,
                             std::unique_ptr<search::SearchRunner> runner, QObject* parent)
    : TFrPosShiftNo(prompter, dm, currentShift, *runner, parent)
{
    m_ownRunner = std::move(runner);
}

TFrPosShiftNo::~TFrPosShiftNo() = default;

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

void TFrPosShiftNo::startBlankShift()
{
    m_qShift.setParam(QStringLiteral("GetDate"), QVariant());
    m_qShift.setParam(QStringLiteral("GetMachine"), 0);
    m_qShift.setParam(QStringLiteral("GetShift"), 0);
    m_qShift.open();
    m_qShift.append();
}

void TFrPosShiftNo::FormShow()
{
    m_result = ShiftResult::None;
    m_dm.QConfig().open();
    m_dateLocked = m_dm.QConfig().field(QStringLiteral("LockPosDate")).asString() == QLatin1String("Y");
    setControls({.dateEnabled = !m_dateLocked, .gridEnabled = false, .okEnabled = false});
    m_qShiftMoney.close();
    m_qShift.close();
    startBlankShift();
    m_date = QDate();
    m_machineCode.clear();
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
    m_qMachine.setParam(QStringLiteral("GetCode"), code);
    m_qMachine.open();
    m_location = m_qMachine.field(QStringLiteral("Location")).asString();
    emit headerChanged();
    if (m_qMachine.field(QStringLiteral("Blocked")).asString() != kNo) {
        m_prompter.information(QString::fromUtf8(kBlockedMachine));
        return;
    }
    const int machineId = m_qMachine.field(kId).asInteger();
    const QDate date = shiftDate();
    m_qShift.setParam(QStringLiteral("GetDate"), date);
    m_qShift.setParam(QStringLiteral("GetMachine"), machineId);
    m_qShift.setParam(QStringLiteral("GetShift"), shiftNo);
    m_qShift.open();
    if (m_qShift.isEmpty()) {
        // A new shift, opened with the values of the header.
        m_qShift.append();
        m_qShift.setValue(QStringLiteral("ShiftDate"), date);
        m_qShift.setValue(QStringLiteral("ShiftNo"), shiftNo);
        m_qShift.setValue(QStringLiteral("PosMachineNo"), machineId);
        m_qShift.setValue(kClosed, kNo);
        prepareFloat(0);
    } else if (m_qShift.field(kClosed).asString() == kNo) {
        m_qShift.edit();
        prepareFloat(m_qShift.field(kId).asInteger());
    } else {
        showClosed();
    }
}

void TFrPosShiftNo::showClosed()
{
    m_prompter.information(QString::fromUtf8(kShiftClosed));
    FormShow();
}

void TFrPosShiftNo::prepareFloat(int shiftId)
{
    m_qShiftMoney.setParam(QStringLiteral("GetShiftNo"), shiftId);
    m_qShiftMoney.open();
    if (m_qShiftMoney.isEmpty()) {
        // Largest denomination first, as the cashier counts the drawer.
        m_qCoin.open();
        for (m_qCoin.first(); !m_qCoin.eof(); m_qCoin.next()) {
            m_qShiftMoney.append();
            m_qShiftMoney.setValue(kPosShiftNo, shiftId);
            m_qShiftMoney.setValue(kClosed, kNo);
            m_qShiftMoney.setValue(kCoin, m_qCoin.field(kId).value());
            m_qShiftMoney.setValue(kQuantity, 0);
            m_qShiftMoney.setValue(kAmount, 0.0);
            m_qShiftMoney.setValue(QStringLiteral("Description"), m_qCoin.field(QStringLiteral("Description")).value());
            m_qShiftMoney.setValue(kFraction, m_qCoin.field(kFraction).value());
        }
        m_qShiftMoney.post();
    }
    m_qShiftMoney.first();
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
    if (!m_controls.gridEnabled || row < 0 || row >= m_qShiftMoney.recordCount())
        return;
    m_qShiftMoney.setRecNo(row);
    m_qShiftMoney.setValue(kQuantity, quantity);
    m_qShiftMoney.post();
    Recalculate();
}

void TFrPosShiftNo::Recalculate()
{
    const int row = m_qShiftMoney.recNo();
    double total = 0;
    for (int r = 0; r < m_qShiftMoney.recordCount(); ++r) {
        m_qShiftMoney.setRecNo(r);
        const double amount = m_qShiftMoney.field(kQuantity).asInteger() * m_qShiftMoney.field(kFraction).asFloat();
        // Only a real change marks a saved row as modified.
        if (m_qShiftMoney.field(kAmount).isNull() || std::abs(m_qShiftMoney.field(kAmount).asFloat() - amount) > 1e-9) {
            m_qShiftMoney.setValue(kAmount, amount);
            m_qShiftMoney.post();
        }
        total += amount;
    }
    if (m_qShiftMoney.recordCount() > 0)
        m_qShiftMoney.setRecNo(row < m_qShiftMoney.recordCount() ? row : 0);
    m_total = total;
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
    Written written = Written::Saved;
    {
        data::Transaction transaction(m_dm.DMdata());
        written = writeShift(date);
        if (written == Written::Saved) {
            writeFloat(m_qShift.field(kId).asInteger());
            transaction.commit();
        }
        // Otherwise, or on an error, the guard rolls everything back; the rows stay pending.
    }
    if (written == Written::FoundClosed) {
        showClosed();
        return false;
    }
    m_qShift.commitUpdates();
    m_qShiftMoney.commitUpdates();
    m_current.set(m_qShift.field(kId).asInteger(), date);
    m_result = ShiftResult::Ok;
    emit finished(m_result);
    return true;
}

void TFrPosShiftNo::stampShift(const QDate& date)
{
    m_qShift.setValue(QStringLiteral("ShiftDate"), date);
    if (m_qShift.field(QStringLiteral("OpenTime")).isNull()) {
        const QDateTime now = m_dm.ServerNow();
        m_qShift.setValue(QStringLiteral("OpenTime"), now);
        m_qShift.setValue(QStringLiteral("CloseTime"), now);
    }
    // Re-opening an open shift replaces its opening float by the new count.
    m_qShift.setValue(QStringLiteral("OpenMoney"), m_total);
    m_qShift.setValue(QStringLiteral("CloseMoney"), 0.0);
    m_qShift.setValue(QStringLiteral("SaleAmount"), 0.0);
    m_qShift.setValue(kClosed, kNo);
    m_qShift.post();
}

TFrPosShiftNo::Written TFrPosShiftNo::writeShift(const QDate& date)
{
    stampShift(date);
    if (m_qShift.rowStatus(m_qShift.recNo()) == data::CachedDataset::RowStatus::Inserted) {
        if (insertShift() == 1) {
            const int id = m_dm.LastIdentity();
            m_dm.AddUsageLog(data::UsageShiftCreated, id, QString());
            m_qShift.setValue(kId, id);
            m_qShift.post();
            return Written::Saved;
        }
        adoptSavedShift();
        stampShift(date);
    }
    if (!isStillOpen(m_qShift.field(kId).asInteger()))
        return Written::FoundClosed;
    m_qShift.applyUpdates();
    return Written::Saved;
}

int TFrPosShiftNo::insertShift()
{
    data::Query insert(m_dm.DMdata());
    insert.setSqlLines(m_qShift.insertSql());
    for (const QString& name : insert.paramNames())
        insert.setParam(name, m_qShift.field(name).value());
    return insert.execSql();
}

void TFrPosShiftNo::adoptSavedShift()
{
    // The shift was saved by another counter since it was looked up: its row becomes the one
    // edited, with the count typed here, as if this counter had re-opened it.
    std::vector<Count> counts;
    for (int r = 0; r < m_qShiftMoney.recordCount(); ++r) {
        counts.push_back({m_qShiftMoney.fieldAt(r, kCoin).value(), m_qShiftMoney.fieldAt(r, kQuantity).asInteger(),
                          m_qShiftMoney.fieldAt(r, QStringLiteral("Description")).value(),
                          m_qShiftMoney.fieldAt(r, kFraction).value()});
    }
    m_qShift.open();
    if (m_qShift.isEmpty())
        throw data::DbError(QStringLiteral("The shift being opened was neither inserted nor found"));
    m_qShift.edit();
    m_qShiftMoney.setParam(QStringLiteral("GetShiftNo"), m_qShift.field(kId).asInteger());
    m_qShiftMoney.open();
    for (const Count& count : counts) {
        int row = 0;
        while (row < m_qShiftMoney.recordCount() && m_qShiftMoney.fieldAt(row, kCoin).asInteger() != count.coin.toInt())
            ++row;
        if (row < m_qShiftMoney.recordCount()) {
            m_qShiftMoney.setRecNo(row);
        } else {
            m_qShiftMoney.append();
            m_qShiftMoney.setValue(kClosed, kNo);
            m_qShiftMoney.setValue(kCoin, count.coin);
            m_qShiftMoney.setValue(QStringLiteral("Description"), count.description);
            m_qShiftMoney.setValue(kFraction, count.fraction);
        }
        m_qShiftMoney.setValue(kQuantity, count.quantity);
        m_qShiftMoney.post();
    }
    m_qShiftMoney.first();
    Recalculate();
}

bool TFrPosShiftNo::isStillOpen(int shiftId)
{
    // Closed elsewhere since it was looked up: writing 'N' would open it again.
    data::Query check(m_dm.DMdata(),
                      QStringLiteral("SELECT Closed FROM PosShiftNo WHERE Id = :Id") +
                          m_dm.DMdata().dialect().forUpdate());
    check.setParam(kId, shiftId);
    check.open();
    return !check.isEmpty() && check.field(kClosed).asString() == kNo;
}

void TFrPosShiftNo::writeFloat(int shiftId)
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

} // namespace kvr::admin
