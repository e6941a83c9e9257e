#include "admin/TFrPosMachineNo.h"

#include "data/Connection.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "devices/CashDrawer.h"
#include "devices/CustomerDisplay.h"
#include "search/TFrSearchMachineNo.h"
#include "ui/base/Prompter.h"

namespace kvr::admin {

namespace {

QStringList selectSql()
{
    return {QStringLiteral("SELECT Id, MachineCode, Location, Blocked, Remark,PrinterName,PrinterCode,"),
            QStringLiteral("WareHouse,Salesman,Department,CashDrawer,BaudRate,"),
            QStringLiteral("PosDisplayHello1,PosDisplayHello2,PosDisplayBaudRate,PosDisplayComport"),
            QStringLiteral("FROM PosMachineNo"), QStringLiteral("WHERE MachineCode = :GetCode")};
}

QStringList insertSql()
{
    return {
        QStringLiteral("insert into PosMachineNo (MachineCode, Location, Blocked, Remark, PrinterName, PrinterCode,"),
        QStringLiteral("  WareHouse, Salesman, Department, CashDrawer, BaudRate, PosDisplayHello1, PosDisplayHello2,"),
        QStringLiteral("  PosDisplayBaudRate, PosDisplayComport)"),
        QStringLiteral("values (:MachineCode, :Location, :Blocked, :Remark, :PrinterName, :PrinterCode,"),
        QStringLiteral("  :WareHouse, :Salesman, :Department, :CashDrawer, :BaudRate, :PosDisplayHello1,"),
        QStringLiteral("  :PosDisplayHello2, :PosDisplayBaudRate, :PosDisplayComport)")};
}

QStringList modifySql()
{
    return {
        QStringLiteral("update PosMachineNo set MachineCode = :MachineCode, Location = :Location, Blocked = :Blocked,"),
        QStringLiteral("  Remark = :Remark, PrinterName = :PrinterName, PrinterCode = :PrinterCode,"),
        QStringLiteral("  WareHouse = :WareHouse, Salesman = :Salesman, Department = :Department,"),
        QStringLiteral("  CashDrawer = :CashDrawer, BaudRate = :BaudRate, PosDisplayHello1 = :PosDisplayHello1,"),
        QStringLiteral("  PosDisplayHello2 = :PosDisplayHello2, PosDisplayBaudRate = :PosDisplayBaudRate,"),
        QStringLiteral("  PosDisplayComport = :PosDisplayComport"),
        QStringLiteral("where Id = :OLD_Id")};
}

} // namespace

const QStringList TFrPosMachineNo::kPrinterCodes = {QStringLiteral("TIS"), QStringLiteral("KU")};
const QStringList TFrPosMachineNo::kPortNames = {QStringLiteral("COM1:"), QStringLiteral("COM2:"),
                                                 QStringLiteral("COM3:"), QStringLiteral("COM4:"),
                                                 QStringLiteral("COM5:"), QStringLiteral("COM6:")};

PosMachineCaptions PosMachineCaptions::forLanguage(bool thai)
{
    PosMachineCaptions c;
    const auto pick = [thai](const char* th, const char* en) { return QString::fromUtf8(thai ? th : en); };
    c.code = pick("รหัสเครื่องขายสด", "Cashier No");
    c.location = pick("ตำแหน่งที่ตั้ง", "Location");
    c.blocked = pick("ระงับการใช้งาน", "Blocked");
    c.remark = pick("หมายเหตุ", "Remark");
    c.salesman = pick("รหัสพนักงานขาย", "Salesman");
    c.warehouse = pick("คลังสินค้า", "WareHouse");
    c.department = pick("แผนก", "Department");
    c.printerName = pick("ชื่อเครื่องพิมพ์", "Priter Name");
    c.printerCode = pick("รหัสภาษาไทย", "Thai Code");
    c.drawerPort = pick("COM ลิ้นชัก", "Cash Drawer");
    // These read the same in both languages.
    c.drawerGroup = QStringLiteral("ข้อมูลลิ้นชักเก็บเงิน");
    c.baudRate = QStringLiteral("BaudRate");
    c.test = QStringLiteral("Test");
    c.displayGroup = QStringLiteral("ข้อมูลจอ Display");
    c.displayPort = QStringLiteral("COM port");
    c.hello1 = QStringLiteral("ข้อความต้อนรับบรรทัด 1");
    c.hello2 = QStringLiteral("ข้อความต้อนรับบรรทัด 2");
    c.displayTestHint = QStringLiteral("ทดสอบแสดงข้อความไปจอแสดงผล");
    return c;
}

TFrPosMachineNo::TFrPosMachineNo(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, QObject* parent)
    : ui::TFrForm(prompter, dm.config().session(), parent)
    , m_dm(dm)
    , m_qPosMachine(dm.DMdata())
    , m_faGetSalesman1(dm, prompter, runner)
    , m_faGetWarehouse1(dm, prompter, runner)
    , m_faGetDepartment1(dm, prompter, runner)
    , m_search(search::machineSearch(dm, prompter, runner))
    , m_thai(dm.config().session().ThaiLanguage)
{
    m_qPosMachine.setSqlLines(selectSql());
    m_qPosMachine.insertSql() = insertSql();
    m_qPosMachine.modifySql() = modifySql();
    m_qPosMachine.deleteSql() = {QStringLiteral("delete from PosMachineNo where Id = :OLD_Id")};
    m_faGetSalesman1.bind(m_qPosMachine, QStringLiteral("Salesman"));
    m_faGetWarehouse1.bind(m_qPosMachine, QStringLiteral("WareHouse"));
    m_faGetDepartment1.bind(m_qPosMachine, QStringLiteral("Department"));
}

void TFrPosMachineNo::setCodeText(const QString& text)
{
    if (m_codeText == text)
        return;
    m_codeText = text;
    emit codeTextChanged();
}

void TFrPosMachineNo::setControls(const PosMachineControls& controls)
{
    if (m_controls == controls)
        return;
    m_controls = controls;
    emit controlsChanged();
}

void TFrPosMachineNo::showLookups(bool enabled)
{
    for (search::LookupFrame* frame :
         std::initializer_list<search::LookupFrame*>{&m_faGetSalesman1, &m_faGetWarehouse1, &m_faGetDepartment1}) {
        frame->setFieldEnabled(enabled);
        frame->refresh();
    }
}

void TFrPosMachineNo::FormShow()
{
    emit captionsChanged();
    setCaption(session().MenuCaption.trimmed());
    setStatusText(0, session().CompanyNameThai);
    m_dm.DMdata().open();
    m_exitConfirmed = false;
    ui::TFrForm::FormShow();
}

bool TFrPosMachineNo::FormClose()
{
    if (!m_exitConfirmed && !ui::TFrForm::FormClose())
        return false;
    m_exitConfirmed = false;
    m_qPosMachine.close();
    m_dm.DMdata().close();
    return true;
}

void TFrPosMachineNo::openFor(const QString& code)
{
    m_qPosMachine.setParam(QStringLiteral("GetCode"), code);
    m_qPosMachine.open();
}

void TFrPosMachineNo::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    openFor(QString());
    m_qPosMachine.append();
    m_existing = false;
    setCodeText(QString());
    setControls({.codeEnabled = true, .lookupsEnabled = false});
    showLookups(false);
    emit recordChanged();
    emit codeFocusRequested();
}

void TFrPosMachineNo::CodeExit()
{
    const QString code = m_codeText.trimmed().toUpper();
    // A machine without a code could never be chosen for a shift: the field keeps the focus.
    if (!m_controls.codeEnabled || code.isEmpty())
        return;
    setCodeText(code);
    openFor(code);
    m_existing = !m_qPosMachine.isEmpty();
    if (m_existing) {
        m_qPosMachine.edit();
        AcDel().setEnabled(true);
    } else {
        m_qPosMachine.append();
    }
    m_qPosMachine.setValue(QStringLiteral("MachineCode"), code);
    if (m_qPosMachine.field(QStringLiteral("Blocked")).isNull())
        m_qPosMachine.setValue(QStringLiteral("Blocked"), QStringLiteral("N"));
    if (!m_existing)
        m_qPosMachine.setValue(QStringLiteral("BaudRate"), kNewMachineBaudRate);
    AcSave().setEnabled(true);
    setControls({.codeEnabled = false, .lookupsEnabled = true});
    showLookups(true);
    emit recordChanged();
}

void TFrPosMachineNo::BtSearchClick()
{
    if (!m_controls.codeEnabled || !m_search)
        return;
    const std::optional<QString> code = m_search(QStringLiteral("ค้นหา") + caption());
    if (!code)
        return;
    setCodeText(*code);
    emit codeFocusRequested();
}

template <typename Change>
void TFrPosMachineNo::writeInTransaction(Change&& change)
{
    // What is on screen, to put back when the write fails.
    m_qPosMachine.post();
    const int row = m_qPosMachine.recNo();
    QVector<QVariant> onScreen;
    for (int column = 0; column < m_qPosMachine.fieldNames().size(); ++column)
        onScreen << m_qPosMachine.valueAt(row, column);
    try {
        data::Transaction transaction(m_dm.DMdata());
        change();
        transaction.commit();
    } catch (...) {
        // Rolled back by the guard; the record stays as it was typed, in edit mode, and can be saved again.
        if (m_qPosMachine.recordCount() <= row) {
            m_qPosMachine.cancelUpdates();
            m_qPosMachine.setRecNo(row);
        }
        m_qPosMachine.edit();
        for (int column = 0; column < onScreen.size(); ++column)
            m_qPosMachine.setValue(m_qPosMachine.fieldNames().at(column), onScreen.at(column));
        showLookups(true);
        emit recordChanged();
        throw;
    }
    m_qPosMachine.commitUpdates();
}

void TFrPosMachineNo::AcSaveExecute()
{
    if (!ConfirmDialog(session().SaveQuestion))
        return;
    writeInTransaction([this] {
        if (m_qPosMachine.field(QStringLiteral("Blocked")).isNull())
            m_qPosMachine.setValue(QStringLiteral("Blocked"), QStringLiteral("N"));
        m_qPosMachine.applyUpdates();
    });
    AcNewExecute();
}

void TFrPosMachineNo::AcDelExecute()
{
    if (!m_existing || !ConfirmDialog(session().DeleteQuestion))
        return;
    writeInTransaction([this] {
        m_qPosMachine.remove();
        m_qPosMachine.applyUpdates();
    });
    AcNewExecute();
}

void TFrPosMachineNo::AcExitExecute()
{
    if (!ConfirmDialog(session().ExitQuestion))
        return;
    // Asked once: closing after this answer does not ask again.
    m_exitConfirmed = true;
    ui::TFrForm::AcExitExecute();
}

void TFrPosMachineNo::ToolbarClick()
{
    m_thai = !m_thai;
    emit captionsChanged();
}

QString TFrPosMachineNo::text(const char* field) const
{
    return m_qPosMachine.field(QString::fromLatin1(field)).asString();
}

int TFrPosMachineNo::number(const char* field) const
{
    return m_qPosMachine.field(QString::fromLatin1(field)).asInteger();
}

bool TFrPosMachineNo::BTestClick()
{
    return devices::TestCashDrawer(m_comport, text("CashDrawer"), number("BaudRate"));
}

bool TFrPosMachineNo::DtestClick()
{
    return devices::TestCustomerDisplay(m_displayPort, text("PosDisplayComport"), number("PosDisplayBaudRate"),
                                        text("PosDisplayHello1"), text("PosDisplayHello2"));
}

} // namespace kvr::admin
