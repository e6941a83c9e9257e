// New bill, recall of a saved bill, the pages, payment and saving: what the screen's handlers
// decide before and after their parts do the work.
#include "data/TDM.h"
#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

void TFrPos::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    m_notices.forgetCode();
    setStatusText(1, QString());
    m_header.prepareNumbering(m_documentCode);
    m_settings.reload();
    m_machine = m_stores.machines.machineOfShift(m_currentShiftId);
    m_saver.useMachine(m_machine);

    m_controls.startNewBill(m_mode);
    m_header.texts().posNo.clear();
    AcPrint().setVisible(false);
    m_stores.taxes.forget();
    AcSave().setEnabled(false);
    m_calc.clearTotals();
    emit totalsChanged();
    m_bill.close();
    // The waiting bill shows nothing of the last one, its customer included.
    m_header.clearCustomer();
    m_header.refreshFrames();
    m_periodOpen = true;
    // Where the cursor lands when the field asked for last cannot take it.
    setFocusTo(PosFocus::Remark);
    if (m_settings.isOff("LockPosDate")) {
        setFocusTo(PosFocus::PosNo);
    } else {
        m_controls.customerEnabled = true;
        m_header.clearCustomer();
        if (m_header.autoNumbering()) {
            // The settings were read above: the blank number only opens the new bill.
            openTypedNumber();
            setFocusTo(PosFocus::Customer);
        } else {
            setFocusTo(PosFocus::PosNo);
        }
    }
    m_controls.taxEnabled = !m_settings.isOn("PosLockTax");
    emit headerTextsChanged();
    publishControls();
}

void TFrPos::PosNoExit()
{
    m_settings.reload();
    openTypedNumber();
}

void TFrPos::openTypedNumber()
{
    const QString typed = m_header.texts().posNo;
    m_header.openBill(typed);
    // The card rows follow the bill: none for a new one, the saved ones for a recalled one.
    m_card.OpenCardRows(1, isNewBill() ? 0 : m_bill.headerId(hd::ID));
    SetDgDtColumn();
    m_periodOpen = true;
    if (isNewBill()) {
        m_header.clearCustomer();
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
        m_controls.rateEnabled = m_bill.hasHeaderRow() && m_bill.headerId(hd::CurrencyId) != m_dm.MainCurrencyId();
        m_controls.posNoEnabled = isNewBill();
        m_controls.dateEnabled = !m_settings.isOn("LockPosDate");
    }
    emit headerTextsChanged();
    publishControls();
}

void TFrPos::startNewBill(const QString& typed)
{
    applyRights();
    if (!m_header.startNewBill(typed, m_machine, m_currentShiftDate))
        AcNewExecute();
}

void TFrPos::showSavedBill()
{
    applyRights(m_bill.QHd().field(hd::PosDate).asDateTime());
    m_bill.QHd().edit();
    m_lineEntry.showSavedCodes();
    CalculateAll();
    m_controls.customerEnabled = session().CanModifyCusSale;
    m_header.showSavedHeader();
}

void TFrPos::applyRights(const QDateTime& date)
{
    if (date.isValid())
        m_periodOpen = m_dm.IsPeriodOpen(date);
    AcDel().setEnabled(!isNewBill() && session().DELETE_R && m_periodOpen);
    AcSave().setEnabled(saveAllowedByRights());
}

bool TFrPos::saveAllowedByRights() const
{
    return (isNewBill() ? session().ADD_R : session().MODIFY_R) && m_periodOpen;
}

void TFrPos::FaGetDate1DocDateExit(const QDateTime& typed)
{
    if (m_bill.hasHeaderRow())
        applyRights(m_header.takeDate(typed));
}

void TFrPos::ListTaxCodeExit(int taxId)
{
    if (m_bill.hasHeaderRow() && m_header.takeTaxCode(taxId))
        CalculateAll();
}

void TFrPos::CurrencyCloseUp(int currencyId)
{
    if (!m_bill.hasHeaderRow())
        return;
    m_controls.rateEnabled = m_header.takeCurrency(currencyId);
    publishControls();
}

bool TFrPos::PosPageEnter()
{
    if (!m_bill.hasHeaderRow() || !m_header.readyForLines())
        return false;
    if (m_mode == PosMode::Goods)
        m_controls.warehouseEnabled = false;
    if (m_controls.page == PosPage::Product) {
        if (m_bill.hasLineRow())
            m_bill.QDt().edit();
        setFocusTo(PosFocus::Grid);
    } else if (m_controls.page == PosPage::Receipt) {
        showReceiptPage();
    }
    publishControls();
    return true;
}

void TFrPos::PosPageChange(PosPage page)
{
    m_controls.showPage(page);
    publishControls();
}

void TFrPos::showReceiptPage()
{
    PosPageChange(PosPage::Receipt);
    m_payment.proposeCash(isNewBill());
    ReceiptChange();
    setFocusTo(PosFocus::Cash);
}

bool TFrPos::ProductCodeEnter()
{
    if (m_lineEntry.customerChosen())
        return true;
    setFocusTo(PosFocus::Customer);
    return false;
}

void TFrPos::BtDeleteLineClick()
{
    if (!m_lineEntry.deleteLine())
        return;
    setFocusTo(PosFocus::Grid);
    CalculateAll();
}

void TFrPos::ReceiptChange()
{
    const std::optional<bool> paid = m_payment.workOutChange();
    if (!paid)
        return;
    AcSave().setEnabled(*paid && saveAllowedByRights());
    emit changeChanged();
}

void TFrPos::BCreditCardClick()
{
    if (m_payment.enterCardDetails(m_cardDialog))
        ReceiptChange();
}

void TFrPos::AcSaveExecute()
{
    if (!m_bill.hasHeaderRow())
        return;
    // What is owed and paid as it stands now: a total changed since the payment was typed, or
    // an amount typed and not yet left, must not save a bill that is not paid.
    takeTypedEntries();
    if (!AcSave().isEnabled()) {
        showReceiptPage();
        if (m_payment.changeShortfall())
            setStatusText(1, m_notices.stillOwed());
        return;
    }
    const PosPayment::SaveCheck check = m_payment.checkBeforeSave(m_header.texts().departmentCode);
    if (check == PosPayment::SaveCheck::CardDetailsMissing)
        BCreditCardClick();
    if (check != PosPayment::SaveCheck::Ready || !prompter().ConfirmDialog(session().SaveQuestion))
        return;
    setFocusTo(PosFocus::Remark);
    CalculateAll();
    m_bill.QDt().first();

    QString number;
    try {
        number = m_saver.writeBill({m_documentCode, autoNumbering(), isNewBill(), m_currentShiftId});
    } catch (...) {
        // The bill stays on screen as it was, to be saved again.
        emit totalsChanged();
        throw;
    }
    m_saver.finishSavedBill(number, m_machine);
    m_nextBill.openAfter(number);
}

void TFrPos::AcPrintExecute()
{
    if (m_bill.hasHeaderRow() && !isNewBill())
        m_saver.reprint(m_bill.headerText(hd::PosNo), docNoLength(), m_machine);
}

} // namespace kvr::pos
