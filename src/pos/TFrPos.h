#pragma once

#include "data/CachedDataset.h"
#include "pos/LineCellFlow.h"
#include "pos/PosBill.h"
#include "pos/PosBillSaver.h"
#include "pos/PosBillSearch.h"
#include "pos/PosCalculator.h"
#include "pos/PosCaptions.h"
#include "pos/PosColumns.h"
#include "pos/PosControls.h"
#include "pos/PosHeader.h"
#include "pos/PosHeaderChoices.h"
#include "pos/PosLineCells.h"
#include "pos/PosLineEntry.h"
#include "pos/PosMode.h"
#include "pos/PosNextBill.h"
#include "pos/PosNotices.h"
#include "pos/PosPayment.h"
#include "pos/PosSettings.h"
#include "pos/PosStores.h"
#include "pos/TFrCreditCardInfo.h"
#include "products/QuantityTexts.h"
#include "products/TDmService.h"
#include "ui/base/TFrForm.h"

#include <QDateTime>
#include <functional>

namespace kvr::data {
class TDM;
}
namespace kvr::products {
class TDmProduct;
}

namespace kvr::pos {

// The sale screen: one bill after another during an open cashier shift, in one of three modes.
// Its handlers keep the system's names and hand the work to its parts: the header, line entry
// and the line cells, payment, and the saver. A view shows it and forwards the user's actions;
// questions and messages go through the prompter.
class TFrPos : public ui::TFrForm
{
    Q_OBJECT
public:
    TFrPos(ui::Prompter& prompter, data::TDM& dm, products::TDmProduct& product, PosMode mode, bool allowZeroPrice,
           QObject* parent = nullptr);
    ~TFrPos() override;

    QString posType() const { return posTypeLetter(m_mode); }
    const QString& documentCode() const { return m_documentCode; }
    bool isNewBill() const { return m_header.isNewBill(); }
    int docNoLength() const { return m_header.docNoLength(); }
    bool autoNumbering() const { return m_header.autoNumbering(); }
    // The open shift the cashier works in (set by the shift dialog) and its date.
    void setCurrentShift(int shiftId, const QDateTime& shiftDate);
    bool closeWithoutAsking() const { return m_closeWithoutAsking; }
    // Runs the shift dialog modally on show; true when a shift was opened or chosen.
    void setShiftDialog(std::function<bool()> run) { m_shiftDialog = std::move(run); }

    PosBill& bill() { return m_bill; }
    data::CachedDataset& QHd() { return m_bill.QHd(); }
    data::CachedDataset& QDt() { return m_bill.QDt(); }
    data::TDM& dm() { return m_dm; }

    // The parts doing the work.
    PosLineEntry& lineEntry() { return m_lineEntry; }
    LineCellFlow& cellFlow() { return m_cellFlow; }
    PosBillSaver& saver() { return m_saver; }

    const PosControls& controls() const { return m_controls; }
    PosFocus focus() const { return m_focus; }
    PosHeaderTexts& headerTexts() { return m_header.texts(); }
    const QString& exchangeRateLabel() const { return m_exchangeRateLabel; }

    void FormShow() override;
    bool FormClose() override;
    // Captions in the session's language; a click on the tool bar outside its buttons flips it.
    void RefreshScreen();
    void ToolBar1Click();
    const PosCaptions& captions() const { return m_captions; }

    // Rebuilds the column layout for the current line and remembers its product and unit.
    void SetDgDtColumn();
    const std::vector<GridColumn>& columns() const { return m_lineEntry.columns(); }

    void CalculateDtRecord() { m_calc.CalculateDtRecord(); }
    long double CalDiscount(long double amount) { return m_calc.CalDiscount(amount); }
    void CalculateAll();
    const PosTotals& totals() const { return m_calc.totals(); }
    // The large bill-total display (0 without a bill).
    QString totalText() const
    {
        return PosTotals::totalText(m_bill.hasHeaderRow() ? m_bill.headerValue(hd::Total) : 0.0);
    }
    void GetDiscExit() { m_calc.GetDiscExit(); }
    void DgDtFieldChanged(const QString& fieldName) { m_cellFlow.fieldChanged(fieldName); }

    void AcNewExecute() override;
    void PosNoExit();
    // Save as the user's rights and the bill's accounting period allow; payment rules come on top.
    bool saveAllowedByRights() const;

    // The header's lookup frames, bound to its Customer, Salesman, Warehouse, Department and CompanyBank.
    search::TFaGetCustomer& customerFrame() { return m_header.customerFrame(); }
    search::TFaGetSalesman& salesmanFrame() { return m_header.salesmanFrame(); }
    search::TFaGetWarehouse& warehouseFrame() { return m_header.warehouseFrame(); }
    search::TFaGetDepartment& departmentFrame() { return m_header.departmentFrame(); }
    search::TFaGetCompanyBank& companyBankFrame() { return m_header.companyBankFrame(); }
    void setSearchRunner(search::SearchRunner& runner)
    {
        m_header.setSearchRunner(runner);
        m_choices.setSearchRunner(runner);
        m_billSearch.setSearchRunner(runner);
    }
    void FaGetCustomer1CustomerExit(const QString& code) { m_header.typeCustomer(code); }
    void FaGetSalesman1SalesmanExit(const QString& code) { m_header.typeSalesman(code); }
    void FaGetWarehouse1WarehouseExit(const QString& code) { m_header.typeWarehouse(code); }
    void FaGetDepartment1DepartmentExit(const QString& code) { m_header.typeDepartment(code); }
    void FaGetDate1DocDateExit(const QDateTime& typed);
    void ListTaxCodeExit(int taxId);
    void CurrencyCloseUp(int currencyId);
    // The exchange rate typed for a currency other than the main one; false (with the message and
    // the rate as it was) for one that is not a positive number.
    bool RateExit(const QString& typed);
    // The VAT code, currency, remark and ship-to address of the header.
    PosHeaderChoices& headerChoices() { return m_choices; }
    // The saved bills of this mode (F5 or the button of the number field): the chosen one loads
    // as if its number had been typed.
    void BSearchPosNoClick();
    // The ship-to address of the bill on screen, in a dialog; the cursor goes back to the customer.
    void BShipToClick();
    // Runs the ship-to dialog modally; true when it closed with OK.
    void setShipDialog(std::function<bool()> run) { m_shipDialog = std::move(run); }
    // The end-of-bill discounts (1 to 3) as typed on their page: a rate computes its amount, an
    // amount typed counts as it is (its rate becomes 0); empty is 0. The bill is recomputed. A
    // text that is no number, below 0 or a rate above 100 is refused with a message: false.
    bool DiscRateExit(int which, const QString& typed);
    bool DiscAmtExit(int which, const QString& typed);

    bool PosPageEnter();
    void PosPageChange(PosPage page);
    void showReceiptPage();

    // Entering the product code needs a customer on the header: false (with the message and the
    // cursor on the customer) without one.
    bool ProductCodeEnter();
    void ProductCodeExit() { m_lineEntry.leaveProductCode(); }
    void FrPOS() { m_lineEntry.leaveUnit(); }
    void QuantityExit() { m_lineEntry.checkStock(); }
    void WhCodeExit() { m_lineCells.leaveWarehouse(); }
    void LotNoCodeExit() { m_lineCells.leaveLot(); }
    void SerialExit() { m_lineCells.leaveSerial(); }
    // Entering the warehouse, lot, unit or serial cell of a line without product: back to the code.
    void enterLineCell() { m_lineEntry.enterCellNeedingProduct(); }
    void DgDtColExit(const QString& fieldName) { m_lineCells.recheckCell(fieldName); }
    bool DgDtSearch(const QString& fieldName) { return m_lineCells.searchCell(fieldName, posType()); }
    void setProductSearch(PosLineCells::ProductSearch run) { m_lineCells.setProductSearch(std::move(run)); }
    // Deletes the current line without asking; saving removes it from the database.
    void BtDeleteLineClick();
    bool appendLine() { return m_lineEntry.appendLine(); }

    // Payment (the header's Cash, Coupon, CardAmount and BankAmount) and saving.
    TFrCreditCardInfo& cardInfo() { return m_card; }
    // Runs the card dialog modally; true when it closed with OK.
    void setCardDialog(std::function<bool()> run) { m_cardDialog = std::move(run); }
    void ReceiptChange();
    bool changeShortfall() const { return m_payment.changeShortfall(); }
    QString changeText() const { return m_payment.changeText(); }
    void BCreditCardClick();
    bool CheckComplete() { return m_payment.CheckComplete(m_header.texts().departmentCode); }
    void AcSaveExecute() override;
    void AcPrintExecute() override;
    // A recalled bill is cancelled (never deleted) after the question and a reason, as the
    // cancellation screen does it; a new bill follows.
    void AcDelExecute() override;

signals:
    void controlsChanged();
    void captionsChanged();
    void focusRequested(kvr::pos::PosFocus focus);
    void columnsChanged();
    void totalsChanged();
    void headerTextsChanged();
    void changeChanged();
    // Saving starts: the payment edits put what is typed in them into the bill, finished or not.
    void paymentEditsWanted();
    // The grid's cursor goes to this cell of the current line.
    void gridFieldRequested(const QString& field);
    // Something the cashier must notice without a box that would stop scanning: a sound.
    void alertWanted();

private:
    void setFocusTo(PosFocus focus);
    void publishControls();
    // What leaving the number does once the settings are read: the bill typed, or a new one.
    void openTypedNumber();
    void startNewBill(const QString& typed);
    void showSavedBill();
    // Delete and Save as the user's rights allow, in an open accounting period (a date locks one).
    void applyRights(const QDateTime& date = {});
    // What is typed and not yet entered goes into the bill, which is then recomputed.
    void takeTypedEntries();

    data::TDM& m_dm;
    products::TDmProduct& m_product;
    PosMode m_mode;
    const QString m_documentCode;
    PosMachine m_machine; // the machine of the open shift, read with every new bill
    int m_currentShiftId = 0;
    QDateTime m_currentShiftDate;
    PosSettings m_settings;
    PosBill m_bill;
    PosCalculator m_calc;
    products::TDmService m_service;
    products::QuantityTexts m_quantityTexts;
    PosStores m_stores;
    TFrCreditCardInfo m_card;
    PosHeader m_header;
    PosLineEntry m_lineEntry;
    PosLineCells m_lineCells;
    LineCellFlow m_cellFlow;
    PosPayment m_payment;
    PosBillSaver m_saver;
    PosHeaderChoices m_choices;
    PosBillSearch m_billSearch;
    PosNotices m_notices;
    PosNextBill m_nextBill;
    std::function<bool()> m_shipDialog;

    bool m_closeWithoutAsking = false;
    bool m_periodOpen = true;
    std::function<bool()> m_shiftDialog;
    std::function<bool()> m_cardDialog;

    PosControls m_controls;
    PosControls m_published;
    PosFocus m_focus = PosFocus::None;
    QString m_exchangeRateLabel;
    PosCaptions m_captions;
};

} // namespace kvr::pos
