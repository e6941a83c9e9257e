#pragma once

#include "pos/PosControls.h"
#include "pos/PosMode.h"
#include "pos/PosSearchRunner.h"
#include "search/TFaGetCompanyBank.h"
#include "search/TFaGetCustomer.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetWarehouse.h"

#include <QDateTime>
#include <QObject>
#include <memory>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
class PosCustomerStore;
struct PosMachine;
class PosSettings;
class PosStockStore;
class PosTaxStore;

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

// The bill header of the sale screen: the bill number and recall of a saved bill, the defaults a
// new bill takes, and the look-ups of its customer, salesman, warehouse, department, date, VAT
// code and currency. The lookup frames check their codes and write their ids into the header.
class PosHeader : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        data::TDM& dm;
        const PosSettings& settings;
        ui::Prompter& prompter;
        PosCustomerStore& customers;
        PosTaxStore& taxes;
        PosStockStore& stock;
    };
    PosHeader(PosBill& bill, PosMode mode, const Services& services, QObject* parent = nullptr);
    ~PosHeader() override;

    PosHeaderTexts& texts() { return m_texts; }
    const PosHeaderTexts& texts() const { return m_texts; }
    bool isNewBill() const { return m_newBill; }
    int docNoLength() const { return m_docNoLength; }
    bool autoNumbering() const { return m_autoNumbering; }

    // The series of the bill numbers: their length, and whether they are drawn when saving.
    void prepareNumbering(const QString& documentCode);
    // Reads the bill of the number typed; none found makes the bill a new one. True when found.
    bool openBill(const QString& number);
    // The header of a new bill: its number (refused, with the message, when numbers are typed and
    // none was), flags, date, VAT code and the machine's salesman, department and warehouse.
    bool startNewBill(const QString& typed, const PosMachine& machine, const QDateTime& shiftDate);
    // The frames show what a recalled bill refers to, even a customer blocked since.
    void showSavedHeader();
    void clearCustomer();
    // The frames show what the header holds now; the header texts follow them.
    void refreshFrames();

    search::TFaGetCustomer& customerFrame();
    search::TFaGetSalesman& salesmanFrame();
    search::TFaGetWarehouse& warehouseFrame();
    search::TFaGetDepartment& departmentFrame();
    // The receipt page's bank account that received a transfer, bound to CompanyBank.
    search::TFaGetCompanyBank& companyBankFrame();
    // Where the frames' searches (F5) run: the window's dialogs, or a test's script.
    void setSearchRunner(search::SearchRunner& runner) { m_searchRunner.setTarget(&runner); }

    // As typing the code and leaving the field does.
    void typeCustomer(const QString& code);
    void typeSalesman(const QString& code);
    void typeWarehouse(const QString& code);
    void typeDepartment(const QString& code);
    // A date outside the running years (or none) is refused and the server's date taken; the
    // date the bill has afterwards.
    QDateTime takeDate(const QDateTime& typed);
    // The VAT code and its rate; true when the bill must be recomputed.
    bool takeTaxCode(int taxId);
    // The currency; true when its exchange rate is to be typed (any but the main currency).
    bool takeCurrency(int currencyId);
    // The customer, salesman and VAT code lines need: false, with the message, while one is missing.
    bool readyForLines();

signals:
    void textsChanged();
    void focusRequested(kvr::pos::PosFocus focus);
    // The lines took the header's warehouse.
    void linesWarehouseChanged();

private:
    void makeFrames();
    void syncTexts();
    void takeCustomer();
    void takeWarehouse();
    void message(const QString& text);

    PosBill& m_bill;
    PosMode m_mode;
    Services m_services;
    PosHeaderTexts m_texts;
    bool m_newBill = true;
    int m_docNoLength = 0;
    bool m_autoNumbering = false;
    PosSearchRunner m_searchRunner;
    std::unique_ptr<search::TFaGetCustomer> m_customer;
    std::unique_ptr<search::TFaGetSalesman> m_salesman;
    std::unique_ptr<search::TFaGetWarehouse> m_warehouse;
    std::unique_ptr<search::TFaGetDepartment> m_department;
    std::unique_ptr<search::TFaGetCompanyBank> m_companyBank;
};

} // namespace kvr::pos
