// New bill and recall of a saved bill.
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

void TFrPos::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    setStatusText(1, QString());
    m_documentCode = PosDocumentCode(m_mode);
    m_docNoLength = m_dm.GetDocumentLength(m_documentCode);
    m_autoNumbering = m_dm.AutoNumbering();
    m_dm.QConfig().open();
    m_qMachineNo.setParam(QStringLiteral("getid"), m_currentShiftId);
    m_qMachineNo.open();

    m_controls.posNoEnabled = true;
    m_texts.posNo.clear();
    m_controls.salesmanEnabled = true;
    if (m_mode == PosMode::Goods)
        m_controls.warehouseEnabled = true;
    AcPrint().setVisible(false);
    m_controls.taxEnabled = true;
    m_controls.page = PosPage::Product;
    m_controls.deleteLineEnabled = true;
    m_qTax.close();
    AcSave().setEnabled(false);
    if (m_mode != PosMode::Goods) {
        m_controls.whEditorVisible = false;
        m_controls.lotEditorVisible = false;
    }
    m_controls.serialEditorVisible = false;
    m_controls.quantityEditorVisible = false;
    m_controls.discountEditorVisible = false;
    m_calc.clearTotals();
    emit totalsChanged();
    m_bill.close();
    refreshHeaderFrames();
    m_periodOpen = true;
    setFocusTo(PosFocus::Remark);

    if (configText("LockPosDate") == QLatin1String("N")) {
        setFocusTo(PosFocus::PosNo);
    } else {
        m_controls.customerEnabled = true;
        clearCustomer();
        if (m_autoNumbering) {
            PosNoExit();
            setFocusTo(PosFocus::Customer);
        } else {
            setFocusTo(PosFocus::PosNo);
        }
    }
    m_controls.taxEnabled = configText("PosLockTax") != QLatin1String("Y");
    emit headerTextsChanged();
    publishControls();
}

void TFrPos::openBill(const QString& number)
{
    m_dm.QConfig().open();
    m_qTax.open();
    m_newBill = !m_bill.LoadBill(number, m_docNoLength, m_mode);
}

void TFrPos::PosNoExit()
{
    const QString typed = m_texts.posNo;
    openBill(typed);
    // The card rows follow the bill: none for a new one, the saved ones for a recalled one.
    m_card.OpenCardRows(1, m_newBill ? 0 : m_bill.hdId(QStringLiteral("ID")));
    SetDgDtColumn();
    m_periodOpen = true;
    if (m_newBill) {
        clearCustomer();
        // A bill recalled before may have locked the customer; a new bill always takes one.
        m_controls.customerEnabled = true;
        AcPrint().setVisible(false);
        startNewBill(typed);
    } else {
        AcPrint().setVisible(true);
        AcPrint().setEnabled(true);
        showSavedBill();
    }
    if (m_bill.isOpen()) {
        m_controls.rateEnabled = hasHeaderRow() && m_bill.hdId(QStringLiteral("CurrencyId")) != m_dm.MainCurrencyId();
        m_controls.posNoEnabled = m_newBill;
        m_controls.dateEnabled = configText("LockPosDate") != QLatin1String("Y");
    }
    emit headerTextsChanged();
    publishControls();
}

void TFrPos::showSavedBill()
{
    applyRights();
    applyPeriodLock(m_bill.QHd().field(QStringLiteral("PosDate")).asDateTime());
    m_bill.QHd().edit();
    if (m_product.UseBarCode()) {
        m_bill.forEachLine(
            [this] { m_bill.setDt(QStringLiteral("ProductCode"), m_bill.dtText(QStringLiteral("BarCode"))); });
    }
    CalculateAll();
    m_controls.customerEnabled = session().CanModifyCusSale;
    showSavedHeader();
}

void TFrPos::showSavedHeader()
{
    // The frames show what the bill refers to, even a customer blocked or a salesman suspended since.
    search::TFaGetCustomer& customer = FaGetCustomer1();
    customer.refresh();
    m_texts.customerCode = customer.lookup().text();
    m_texts.customerName = customer.lookup().description();
    refreshHeaderFrames();
}

void TFrPos::startNewBill(const QString& typed)
{
    applyRights();
    data::CachedDataset& hd = m_bill.QHd();
    hd.append();
    if (!m_autoNumbering) {
        if (typed.trimmed().isEmpty()) {
            message(QStringLiteral("ท่านไม่ได้ป้อนเลขที่\nขณะนี้อยู่ในระบบเลขที่เอกสารไม่ Run อัตโนมัติ"));
            AcNewExecute();
            return;
        }
        m_texts.posNo = PosBill::BillNumberKey(typed, m_docNoLength);
        m_bill.setHd(QStringLiteral("PosNo"), m_texts.posNo);
    } else {
        // The number is drawn when the bill is saved.
        m_texts.posNo.clear();
        setFocusTo(PosFocus::Customer);
    }

    for (const char* flag : {"ShiftClose", "Transfer", "Printed"})
        m_bill.setHd(QString::fromLatin1(flag), QStringLiteral("N"));
    if (m_currentShiftDate.isValid())
        m_bill.setHd(QStringLiteral("PosDate"), m_currentShiftDate.date().startOfDay());
    for (const char* amount : {"NoTaxAmt", "TaxAmt", "TaxTotal", "Total"})
        m_bill.setHd(QString::fromLatin1(amount), 0.0);
    m_bill.setHd(QStringLiteral("Price_IE"), configText("POS_IE"));
    m_bill.setHd(QStringLiteral("PosType"), PosType());
    const data::Field defaultTax = m_dm.QConfig().field(QStringLiteral("DefaultTax"));
    m_bill.setHd(QStringLiteral("TaxCode"), defaultTax.value());
    // The rate goes with the code, so a bill never shows one tax and computes with another.
    if (!defaultTax.isNull())
        m_bill.setHd(QStringLiteral("TaxRate"), taxRateOf(defaultTax.asInteger()));

    const auto machine = [this](const char* field) { return m_qMachineNo.field(QString::fromLatin1(field)); };
    if (m_mode == PosMode::Goods) {
        m_bill.setHd(QStringLiteral("Warehouse"), machine("warehouse").value());
        m_qWarehouseCode.setParam(QStringLiteral("GetId"), machine("warehouse").asInteger());
        m_qWarehouseCode.open();
        m_texts.warehouseCode = m_qWarehouseCode.field(QStringLiteral("Code")).asString();
    }
    m_bill.setHd(QStringLiteral("Salesman"), machine("salesman").value());
    m_texts.salesmanCode = machine("CodeSalesman").asString();
    m_bill.setHd(QStringLiteral("Department"), machine("department").value());
    refreshHeaderFrames();
    setFocusTo(PosFocus::Customer);
    if (m_bill.QHd().field(QStringLiteral("CurrencyId")).isNull()) {
        if (m_dm.MainCurrencyId() > 0)
            m_bill.setHd(QStringLiteral("CurrencyId"), m_dm.MainCurrencyId());
        m_bill.setHd(QStringLiteral("Rate"), 1.0);
    }
    m_bill.QDt().append();
}

void TFrPos::applyRights()
{
    const data::SessionContext& s = session();
    AcDel().setEnabled(!m_newBill && s.DELETE_R && m_periodOpen);
    AcSave().setEnabled((m_newBill ? s.ADD_R : s.MODIFY_R) && m_periodOpen);
}

bool TFrPos::SaveAllowedByRights() const
{
    return (m_newBill ? session().ADD_R : session().MODIFY_R) && m_periodOpen;
}

void TFrPos::applyPeriodLock(const QDateTime& date)
{
    m_periodOpen = !date.isValid() || m_dm.IsPeriodOpen(date);
    applyRights();
}

double TFrPos::taxRateOf(int taxId)
{
    if (!m_qTax.isOpen())
        m_qTax.open();
    for (int row = 0; row < m_qTax.recordCount(); ++row) {
        if (m_qTax.fieldAt(row, QStringLiteral("Id")).asInteger() == taxId)
            return m_qTax.fieldAt(row, QStringLiteral("Rate")).asFloat();
    }
    return 0.0;
}

} // namespace kvr::pos
