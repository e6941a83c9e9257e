#pragma once

#include "data/stores/FullTaxStore.h"
#include "search/TFaGetProvince.h"
#include "search/TFrSearchCustomerPosHd.h"
#include "ui/base/DataGridColumn.h"
#include "ui/base/TFrForm.h"

#include <memory>

namespace kvr::data {
class TDM;
}
namespace kvr::printing {
class DocumentPrint;
}
namespace kvr::search {
class SearchRunner;
}

namespace kvr::admin {

// What sets the two full tax invoice programs apart: the bill tables, the mode code (the
// numbering series of the invoice numbers and the print code of their layouts), the caption the
// screen has when the menu gives none, and the searches of receipts and buyers.
struct FullTaxVariant
{
    enum class ReceiptSearch { PosBills, PosHeader };

    data::FullTaxTables tables;
    QString modeCode;
    QString resourceCaption;
    ReceiptSearch receiptSearch = ReceiptSearch::PosBills;

    // Program 4: POS bills (PosHd, PosDt), "POS-X1".
    static FullTaxVariant posBills();
    // Program 5: bills kept in PosHeader and PosDetail, "POS-X2".
    static FullTaxVariant posHeader();
};

// What the screen allows at the moment; the view mirrors it.
struct FullTaxControls
{
    bool receiptEnabled = true; // the receipt number and its search
    bool buyerEnabled = false; // the buyer block, its search, the province search and the head-office box
    bool branchCodeEnabled = false;

    bool operator==(const FullTaxControls&) const = default;
};

// The captions of the screen in the language of the session.
struct FullTaxCaptions
{
    QString receiptNumber;
    QString receiptSearchHint;
    QString date;
    QString amount;
    QString customerName;
    QString customerSearchHint;
    QString address;
    QString zipCode;
    QString phone;
    QString taxNumber;
    QString headOffice;
    QString branchCode;
    QString lines;

    static FullTaxCaptions forLanguage(bool thai);
};

// A full tax invoice for a receipt first printed as an abbreviated one (programs 4 and 5): the
// cashier types or searches the receipt number, completes the buyer's name, address, tax number
// and head-office or branch data, and prints. The first print draws the invoice number and stores
// it on the receipt; later prints reuse it. A view shows it; questions go through the prompter,
// the printout through the document print form.
class TFrPosFullTran : public ui::TFrForm
{
    Q_OBJECT
public:
    // The fields the screen may send the focus to.
    enum class Field { ReceiptNumber, CustomerName, TaxCustomer, BranchCode };

    TFrPosFullTran(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, printing::DocumentPrint& print,
                   FullTaxVariant variant = FullTaxVariant::posBills(), QObject* parent = nullptr);
    ~TFrPosFullTran() override;

    const FullTaxVariant& variant() const { return m_variant; }
    FullTaxCaptions captions() const { return FullTaxCaptions::forLanguage(session().ThaiLanguage); }
    const FullTaxControls& controls() const { return m_controls; }
    // True while the receipt on screen has no invoice number yet.
    bool NewFullTax() const { return m_newFullTax; }
    bool isLoaded() const { return m_controls.buyerEnabled; }

    // The receipt's header with the buyer block, in edit while a receipt is loaded; its lines.
    data::CachedDataset& QHd() { return m_store.QHd(); }
    const data::CachedDataset& QHd() const { return m_store.QHd(); }
    data::CachedDataset& QDt() { return m_store.QDt(); }
    // The read-only columns of the line grid.
    std::vector<ui::DataGridColumn> lineColumns() const;
    search::TFaGetProvince& FaGetProvince1() { return m_faGetProvince1; }
    search::TFrSearchCustomerPosHd& buyerSearch() { return *m_buyerSearch; }

    // The text of the receipt number field, which is not a column until it is left.
    const QString& receiptNumberText() const { return m_receiptNumberText; }
    void setReceiptNumberText(const QString& text);
    // Writes a column of the buyer block as it is typed.
    void setBuyerValue(const QString& column, const QVariant& value);
    bool isHeadOffice() const;

    // The series the invoice number is drawn from: the mode code, or with QdwSite the mode code
    // and the two-digit month of the receipt date.
    QString documentCode() const;
    // What is wrong with the buyer's tax number and branch code, one line each; empty when nothing.
    QStringList buyerNumberProblems() const;

    void FormShow() override;
    void AcNewExecute() override;
    void AcPrintExecute() override;
    // F10 prints while Print is enabled.
    KeyOutcome FormKeyDown(QKeyCombination key) override;

    // Leaving the receipt number: loads the receipt, or says why it cannot be used and starts anew.
    void EdShotNoExit();
    // F5 in the receipt number or the buyer name; true when the key was the field's.
    bool EdShotNoKeyDown(QKeyCombination key);
    bool CustomerNameKeyDown(QKeyCombination key);
    // The search buttons of the receipt number and of the buyer name.
    void BtSearchShotNoClick();
    void BtSearchCustomerClick();
    // The "head office" box: a head office has no branch code to type.
    void ChkBranchHeadClick(bool checked);

signals:
    void controlsChanged();
    // The receipt was loaded, changed from here or closed; the fields show it again.
    void recordChanged();
    void receiptNumberTextChanged();
    void focusRequested(TFrPosFullTran::Field field);

private:
    void setControls(const FullTaxControls& controls);
    bool loadReceipt(const QString& number);
    void fillBuyerFromCustomer();
    // The buyer block of a customer on screen, with the branch data of the buyer's latest invoice.
    void showBuyer(const QString& customerName);
    QString text(const QString& column) const;
    void showMessage(const QString& thai, const QString& english);
    QString cancelledMessage(const QString& number, const QString& reason) const;

    data::TDM& m_dm;
    search::SearchRunner& m_runner;
    printing::DocumentPrint& m_print;
    FullTaxVariant m_variant;
    data::FullTaxStore m_store;
    search::TFaGetProvince m_faGetProvince1;
    std::unique_ptr<search::TFrSearchCustomerPosHd> m_buyerSearch;
    FullTaxControls m_controls;
    QString m_receiptNumberText;
    bool m_newFullTax = true;
};

// Program 5: the same screen over the bills kept in PosHeader.
class TFrPosFullTran2 : public TFrPosFullTran
{
    Q_OBJECT
public:
    TFrPosFullTran2(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, printing::DocumentPrint& print,
                    QObject* parent = nullptr);
};

} // namespace kvr::admin
