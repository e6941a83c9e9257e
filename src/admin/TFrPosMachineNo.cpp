#include "admin/TFrPosMachineNo.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "devices/CashDrawer.h"
#include "devices/CustomerDisplay.h"
#include "search/TFrSearchMachineNo.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

namespace kvr::admin {

namespace column = data::machine;

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
    , m_store(dm.DMdata())
    , m_faGetSalesman1(dm, prompter, runner)
    , m_faGetWarehouse1(dm, prompter, runner)
    , m_faGetDepartment1(dm, prompter, runner)
    , m_search(search::machineSearch(dm, prompter, runner))
    , m_thai(dm.config().session().ThaiLanguage)
{
    m_faGetSalesman1.bind(QPosMachine(), column::kSalesman);
    m_faGetWarehouse1.bind(QPosMachine(), column::kWareHouse);
    m_faGetDepartment1.bind(QPosMachine(), column::kDepartment);
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

void TFrPosMachineNo::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    m_store.open(QString());
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
    m_store.open(code);
    m_existing = !m_qPosMachine.isEmpty();
    if (m_existing) {
        m_qPosMachine.edit();
        AcDel().setEnabled(true);
    } else {
        m_qPosMachine.append();
    }
    m_qPosMachine.setValue(column::kMachineCode, code);
    if (m_qPosMachine.field(column::kBlocked).isNull())
        m_qPosMachine.setValue(column::kBlocked, util::flagText(false));
    if (!m_existing)
        m_qPosMachine.setValue(column::kBaudRate, kNewMachineBaudRate);
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
void TFrPosMachineNo::writeKeepingScreen(Change&& change)
{
    // What is on screen, to put back when the write fails.
    m_qPosMachine.post();
    const int row = m_qPosMachine.recNo();
    QVector<QVariant> onScreen;
    for (int column = 0; column < m_qPosMachine.fieldNames().size(); ++column)
        onScreen << m_qPosMachine.valueAt(row, column);
    try {
        change();
    } catch (...) {
        // Rolled back by the store; the record stays as it was typed, in edit mode, and can be saved again.
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
}

void TFrPosMachineNo::AcSaveExecute()
{
    if (!ConfirmDialog(session().SaveQuestion))
        return;
    writeKeepingScreen([this] {
        if (m_qPosMachine.field(column::kBlocked).isNull())
            m_qPosMachine.setValue(column::kBlocked, util::flagText(false));
        m_store.save();
    });
    AcNewExecute();
}

void TFrPosMachineNo::AcDelExecute()
{
    // Deleting and leaving lose work: No is their default answer.
    if (!m_existing || !prompter().confirmLosingWork(session().DeleteQuestion, ui::ConfirmColour::Blue))
        return;
    writeKeepingScreen([this] { m_store.removeCurrent(); });
    AcNewExecute();
}

void TFrPosMachineNo::AcExitExecute()
{
    if (!prompter().confirmLosingWork(session().ExitQuestion, ui::ConfirmColour::Blue))
        return;
    // Asked once: closing after this answer does not ask again.
    m_exitConfirmed = true;
    ui::TFrForm::AcExitExecute();
}

void TFrPosMachineNo::switchCaptionLanguage()
{
    m_thai = !m_thai;
    emit captionsChanged();
}

QString TFrPosMachineNo::text(const QString& field)
{
    return m_qPosMachine.field(field).asString();
}

int TFrPosMachineNo::number(const QString& field)
{
    return m_qPosMachine.field(field).asInteger();
}

bool TFrPosMachineNo::BTestClick()
{
    return devices::TestCashDrawer(m_comport, text(column::kCashDrawer), number(column::kBaudRate));
}

bool TFrPosMachineNo::DtestClick()
{
    return devices::TestCustomerDisplay(m_displayPort, text(column::kPosDisplayComport),
                                        number(column::kPosDisplayBaudRate), text(column::kPosDisplayHello1),
                                        text(column::kPosDisplayHello2));
}

} // namespace kvr::admin
