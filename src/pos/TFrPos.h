#pragma once

#include "data/Query.h"
#include "devices/TCommPortDriver.h"
#include "pos/LineGridColumns.h"
#include "pos/PosBill.h"
#include "pos/PosCalculator.h"
#include "pos/PosCaptions.h"
#include "pos/PosControls.h"
#include "pos/PosMode.h"
#include "pos/PosSearchRunner.h"
#include "pos/TFrCreditCardInfo.h"
#include "printing/ReceiptPrinter.h"
#include "products/QuantityTexts.h"
#include "products/TDmService.h"
#include "search/TFaGetCompanyBank.h"
#include "search/TFaGetCustomer.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetWarehouse.h"
#include "ui/base/TFrForm.h"

#include <QDateTime>
#include <functional>
#include <memory>

namespace kvr::data {
class TDM;
}
namespace kvr::products {
class TDmProduct;
}

namespace kvr::pos {

// The texts of the header fields that are not columns of the bill: the number being typed and
// the codes the lookup frames show.
struct PosHeaderTexts
{
    QString posNo;
    QString customerCode;
    QString customerName;
    QString salesmanCode;
    QString warehouseCode;
    QString departmentCode;
};

// The sale screen: one bill after another during an open cashier shift, in one of three modes.
// It holds the bill, the rules and the field handlers; a view shows it and forwards the user's
// actions. Questions and messages go through the prompter.
class TFrPos : public ui::TFrForm
{
    Q_OBJECT
public:
    TFrPos(ui::Prompter& prompter, data::TDM& dm, products::TDmProduct& product, PosMode mode, bool allowZeroPrice,
           QObject* parent = nullptr);

    // ---- mode and shared state
    PosMode mode() const { return m_mode; }
    QString PosType() const { return PosTypeLetter(m_mode); }
    const QString& DocumentCode() const { return m_documentCode; }
    bool AllowZeroPrice() const { return m_allowZeroPrice; }
    bool NewBill() const { return m_newBill; }
    int DocNoLength() const { return m_docNoLength; }
    bool AutoNumbering() const { return m_autoNumbering; }
    // The open shift the cashier works in (set by the shift dialog) and its date.
    void setCurrentShift(int shiftId, const QDateTime& shiftDate);
    int CurrentShiftId() const { return m_currentShiftId; }
    const QDateTime& CurrentShiftDate() const { return m_currentShiftDate; }
    bool CloseWithoutAsking() const { return m_closeWithoutAsking; }
    // Runs the shift dialog modally on show; true when a shift was opened or chosen.
    void setShiftDialog(std::function<bool()> run) { m_shiftDialog = std::move(run); }

    PosBill& bill() { return m_bill; }
    data::CachedDataset& QHd() { return m_bill.QHd(); }
    data::CachedDataset& QDt() { return m_bill.QDt(); }
    data::Query& QMachineNo() { return m_qMachineNo; }
    data::Query& QCustomer() { return m_qCustomer; }
    data::Query& QTax() { return m_qTax; }
    data::TDM& dm() { return m_dm; }
    products::TDmProduct& product() { return m_product; }

    const PosControls& controls() const { return m_controls; }
    PosFocus focus() const { return m_focus; }
    PosHeaderTexts& headerTexts() { return m_texts; }
    const QString& exchangeRateLabel() const { return m_exchangeRateLabel; }

    // ---- showing and closing
    void FormShow() override;
    bool FormClose() override;
    // Captions in the session's language; a click on the tool bar outside its buttons flips it.
    void RefreshScreen();
    void ToolBar1Click();
    const PosCaptions& captions() const { return m_captions; }

    // ---- line grid
    // Rebuilds the column layout for the current line and remembers its product and unit.
    void SetDgDtColumn();
    const std::vector<GridColumn>& columns() const { return m_columns; }
    const QString& LastProductCode() const { return m_lastProductCode; }
    const QString& LastUnitName() const { return m_lastUnitName; }
    int LastProductUnits() const { return m_lastProductUnits; }

    // ---- calculation
    void CalculateDtRecord() { m_calc.CalculateDtRecord(); }
    long double CalDiscount(long double amount) { return m_calc.CalDiscount(amount); }
    void CalculateAll();
    const PosTotals& totals() const { return m_calc.totals(); }
    QString TotalText() const;
    void GetDiscExit() { m_calc.GetDiscExit(); }
    // A line cell was changed by the cashier.
    void DgDtFieldChanged(const QString& fieldName);

    // ---- new bill and recall
    void AcNewExecute() override;
    void PosNoExit();
    // Save as the user's rights and the bill's accounting period allow; payment rules come on top.
    bool SaveAllowedByRights() const;

    // ---- header fields
    // The header's lookup frames, bound to its Customer, Salesman, Warehouse and Department:
    // each checks its code, then the screen takes it.
    search::TFaGetCustomer& FaGetCustomer1();
    search::TFaGetSalesman& FaGetSalesman1();
    search::TFaGetWarehouse& FaGetWarehouse1();
    search::TFaGetDepartment& FaGetDepartment1();
    // The receipt page's bank account that received a transfer, bound to CompanyBank.
    search::TFaGetCompanyBank& FaGetCompanyBank1();
    // Where the header's searches (F5) run: the window's dialogs, or a test's script.
    void setSearchRunner(search::SearchRunner& runner) { m_searchRunner.setTarget(&runner); }
    // As typing the code and leaving the customer field does.
    void FaGetCustomer1CustomerExit(const QString& code);
    void FaGetSalesman1SalesmanExit(const QString& code);
    void FaGetWarehouse1WarehouseExit(const QString& code);
    void FaGetDate1DocDateExit(const QDateTime& typed);
    void FaGetDepartment1DepartmentExit(const QString& code);
    void ListTaxCodeExit(int taxId);
    void CurrencyCloseUp(int currencyId);

    // ---- pages
    bool PosPageEnter();
    void PosPageChange(PosPage page);
    void ShowReceiptPage();

    // ---- line cells
    // Entering the product code needs a customer on the header: false (with the message and the
    // cursor on the customer) without one.
    bool ProductCodeEnter();
    // Leaving the product code: blank moves on to the quantity, a code fills the line.
    void ProductCodeExit();
    // Fills the current line from a code by the mode: goods (or a barcode with its unit), a
    // service, or any product; a barcode's own unit wins over the line's. With barcodes on, a
    // scan checks stock and opens the next line.
    void AssignProduct(const QString& code, int barcodeUnitId);
    // VAT rate, price and discount texts of the current line.
    void AssignLinePrice();
    void ClearLineProduct();
    // Leaving the unit cell: another unit of the product re-prices the line, an unknown one is
    // set back; the stock check follows.
    void FrPOS();
    // Stock check of the current line in mode "P": a quantity beyond stock is refused and set back.
    void QuantityExit();
    void WhCodeExit();
    void LotNoCodeExit();
    // Leaving the serial cell: the piece must be known, still in stock and on no other line of the bill.
    void SerialExit();
    // Entering the warehouse, lot, unit or serial cell of a line without product: back to the code.
    void LineCellEnter();
    // The grid leaves a cell: the cell is checked once more, then the bill is recomputed.
    void DgDtColExit(const QString& fieldName);
    // F5 in a cell: the column's search dialog; false when the column has none.
    bool DgDtSearch(const QString& fieldName);
    // The product search of F5 when barcodes are off: several goods (services in mode "S") at
    // once, their codes in the order shown; false when cancelled.
    using ProductSearch = std::function<bool(const QString& posType, QStringList& codes)>;
    void setProductSearch(ProductSearch run) { m_productSearch = std::move(run); }
    // Deletes the current line without asking; saving removes it from the database.
    void BtDeleteLineClick();
    // The cashier moves on past the last line (Down, or Enter in its last cell): a new empty
    // line opens, unless the last one has no product yet. True when one was added.
    bool AppendLine();

    // ---- payment and saving (the payment edits are bound to the header's Cash, Coupon,
    // CardAmount and BankAmount)
    TFrCreditCardInfo& cardInfo() { return m_card; }
    // Runs the card dialog modally; true when it closed with OK.
    void setCardDialog(std::function<bool()> run) { m_cardDialog = std::move(run); }
    void ReceiptChange();
    // The change shown: never below 0; a shortfall is shown as 0.00 in red.
    bool ChangeShortfall() const { return m_changeShortfall; }
    QString ChangeText() const;
    void BCreditCardClick();
    bool CheckComplete();
    void AcSaveExecute() override;
    void AcPrintExecute() override;
    void MarkBillPrinted(const QString& number);
    devices::TCommPortDriver& drawerPort() { return m_drawerPort; }
    printing::ReceiptPrinter& receiptPrinter() { return m_receiptPrinter; }

signals:
    void controlsChanged();
    void captionsChanged();
    void focusRequested(kvr::pos::PosFocus focus);
    void columnsChanged();
    void totalsChanged();
    void headerTextsChanged();
    void changeChanged();
    // Saving starts: the line grid and the payment edits put what is typed in them into the bill,
    // finished or not.
    void paymentEditsWanted();
    // The grid's cursor goes to this cell of the current line.
    void gridFieldRequested(const QString& field);

private:
    bool hasHeaderRow() const;
    void setFocusTo(PosFocus focus);
    void publishControls();
    void openBill(const QString& number);
    void startNewBill(const QString& typed);
    void showSavedBill();
    void applyRights();
    void applyPeriodLock(const QDateTime& date);
    double taxRateOf(int taxId);
    QString configText(const char* field) const;
    void message(const QString& text);
    void reportLineError(const QString& text, bool& error);
    bool writeBill(QString& number, int& year);
    void kickDrawer();
    // The receipt of a saved bill read from `stored`: the screen's own right after saving, the
    // stored one read afresh for a reprint.
    void printSavedBill(const QString& number, PosBill& stored);
    // What happens after the bill is committed never undoes the save or keeps it on screen.
    void afterSave(const std::function<void()>& step);
    // What is typed and not yet entered goes into the bill, which is then recomputed.
    void takeTypedEntries();
    // Line entry
    int billYear() const;
    const data::Query& lineCustomer();
    QString customerDiscountText();
    int customerPriceLevel();
    double linePrice(int priceType);
    void appendPriceDiscounts();
    void setLineUnit(const data::Query& unit);
    void showProductStock();
    void appendNextLine();
    void assignServiceOrMisc(const QString& code);

    data::TDM& m_dm;
    products::TDmProduct& m_product;
    PosMode m_mode;
    QString m_documentCode;
    bool m_allowZeroPrice;
    PosBill m_bill;
    PosCalculator m_calc;
    data::Query m_qMachineNo;
    data::Query m_qCustomer;
    data::Query m_qTax;
    data::Query m_qWarehouseCode;
    data::Query m_qDepartment;

    bool m_newBill = true;
    int m_docNoLength = 0;
    bool m_autoNumbering = false;
    int m_currentShiftId = 0;
    QDateTime m_currentShiftDate;
    bool m_closeWithoutAsking = false;
    bool m_periodOpen = true;
    std::function<bool()> m_shiftDialog;

    QString m_lastProductCode;
    QString m_lastUnitName;
    int m_lastProductUnits = 0;
    std::vector<GridColumn> m_columns;
    bool m_sameProduct = false; // the line held the product being assigned already
    products::TDmService m_service;
    products::QuantityTexts m_quantityTexts;
    data::Query m_qReserved;
    data::Query m_qLineCustomer;
    ProductSearch m_productSearch;

    PosControls m_controls;
    PosControls m_published;
    PosFocus m_focus = PosFocus::None;
    PosHeaderTexts m_texts;
    QString m_exchangeRateLabel;
    PosCaptions m_captions;

    TFrCreditCardInfo m_card;
    std::function<bool()> m_cardDialog;
    bool m_changeShortfall = false;
    devices::TCommPortDriver m_drawerPort;
    printing::ReceiptPrinter m_receiptPrinter;

    // Header: the lookup frames, made on first use, and the runner of their searches.
    void makeHeaderFrames();
    // The frames show what the header holds now; the header texts follow them.
    void refreshHeaderFrames();
    void syncHeaderTexts();
    void takeCustomer();
    void takeWarehouse();
    void clearCustomer();
    void showSavedHeader();
    PosSearchRunner m_searchRunner;
    std::unique_ptr<search::TFaGetCustomer> m_faGetCustomer1;
    std::unique_ptr<search::TFaGetSalesman> m_faGetSalesman1;
    std::unique_ptr<search::TFaGetWarehouse> m_faGetWarehouse1;
    std::unique_ptr<search::TFaGetDepartment> m_faGetDepartment1;
    std::unique_ptr<search::TFaGetCompanyBank> m_faGetCompanyBank1;
};

} // namespace kvr::pos
