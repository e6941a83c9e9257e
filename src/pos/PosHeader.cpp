// The header's lookup frames and the fields the cashier types into.
#include "pos/PosHeader.h"

#include "data/TDM.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosCustomerStore.h"
#include "pos/PosTaxStore.h"
#include "search/TFaGetCompanyBank.h"
#include "search/TFaGetCustomer.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetWarehouse.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

namespace {

QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

} // namespace

PosHeader::PosHeader(PosBill& bill, PosMode mode, const Services& services, QObject* parent)
    : QObject(parent)
    , m_bill(bill)
    , m_mode(mode)
    , m_services(services)
{ }

PosHeader::~PosHeader() = default;

void PosHeader::message(const QString& text)
{
    m_services.prompter.information(text);
}

void PosHeader::makeFrames()
{
    if (m_customer)
        return;
    data::TDM& dm = m_services.dm;
    ui::Prompter& prompter = m_services.prompter;
    m_customer = std::make_unique<search::TFaGetCustomer>(dm, prompter, m_searchRunner);
    m_salesman = std::make_unique<search::TFaGetSalesman>(dm, prompter, m_searchRunner);
    m_warehouse = std::make_unique<search::TFaGetWarehouse>(dm, prompter, m_searchRunner);
    m_department = std::make_unique<search::TFaGetDepartment>(dm, prompter, m_searchRunner);
    m_companyBank = std::make_unique<search::TFaGetCompanyBank>(dm, prompter, m_searchRunner);
    m_customer->bind(m_bill.QHd(), hd::Customer);
    m_salesman->bind(m_bill.QHd(), hd::Salesman);
    m_warehouse->bind(m_bill.QHd(), hd::Warehouse);
    m_department->bind(m_bill.QHd(), hd::Department);
    m_companyBank->bind(m_bill.QHd(), hd::CompanyBank);
    connect(m_customer.get(), &search::LookupFrame::exited, this, &PosHeader::takeCustomer);
    connect(m_warehouse.get(), &search::LookupFrame::exited, this, &PosHeader::takeWarehouse);
    // Salesman and department need nothing beyond their own frame's checks.
    for (search::LookupFrame* frame :
         {static_cast<search::LookupFrame*>(m_salesman.get()), static_cast<search::LookupFrame*>(m_department.get())})
        connect(frame, &search::LookupFrame::exited, this, [this] {
            syncTexts();
            emit textsChanged();
        });
}

search::TFaGetCustomer& PosHeader::customerFrame()
{
    makeFrames();
    return *m_customer;
}

search::TFaGetSalesman& PosHeader::salesmanFrame()
{
    makeFrames();
    return *m_salesman;
}

search::TFaGetWarehouse& PosHeader::warehouseFrame()
{
    makeFrames();
    return *m_warehouse;
}

search::TFaGetDepartment& PosHeader::departmentFrame()
{
    makeFrames();
    return *m_department;
}

search::TFaGetCompanyBank& PosHeader::companyBankFrame()
{
    makeFrames();
    return *m_companyBank;
}

void PosHeader::refreshFrames()
{
    makeFrames();
    for (search::LookupFrame* frame : std::initializer_list<search::LookupFrame*>{
             m_salesman.get(), m_warehouse.get(), m_department.get(), m_companyBank.get()})
        frame->refresh();
    syncTexts();
}

void PosHeader::syncTexts()
{
    m_texts.salesmanCode = m_salesman->lookup().text();
    m_texts.warehouseCode = m_warehouse->lookup().text();
    m_texts.departmentCode = m_department->lookup().isAccepted() ? m_department->lookup().text() : QString();
}

// The frame checks the code and puts the customer's Id into the header; its exit brings the
// rest here (takeCustomer).
void PosHeader::typeCustomer(const QString& code)
{
    if (m_bill.hasHeaderRow())
        customerFrame().typeCode(code.trimmed());
}

void PosHeader::typeSalesman(const QString& code)
{
    if (m_bill.hasHeaderRow())
        salesmanFrame().typeCode(code.trimmed());
}

void PosHeader::typeWarehouse(const QString& code)
{
    if (m_bill.hasHeaderRow())
        warehouseFrame().typeCode(code.trimmed());
}

void PosHeader::typeDepartment(const QString& code)
{
    if (m_bill.hasHeaderRow())
        departmentFrame().typeCode(code.trimmed());
}

void PosHeader::takeCustomer()
{
    if (!m_bill.hasHeaderRow())
        return;
    const ui::CodeLookup& lookup = customerFrame().lookup();
    const QString code = lookup.isAccepted() ? lookup.text().trimmed() : QString();
    m_texts.customerCode = lookup.text();
    m_texts.customerName = lookup.description();
    // A new bill takes the customer's tax and salesman; a saved one keeps its own.
    if (!code.isEmpty() && m_newBill) {
        if (const std::optional<PosCustomer> customer = m_services.customers.customerByCode(code)) {
            m_bill.setHeader(hd::TaxCode, customer->taxId);
            m_bill.setHeader(hd::TaxRate, customer->taxRate);
            m_bill.setHeader(hd::Salesman, customer->salesman);
            refreshFrames();
        }
    }
    emit textsChanged();
}

void PosHeader::clearCustomer()
{
    customerFrame().lookup().clear();
    m_texts.customerCode.clear();
    m_texts.customerName.clear();
}

void PosHeader::takeWarehouse()
{
    if (!m_bill.hasHeaderRow())
        return;
    const ui::CodeLookup& lookup = warehouseFrame().lookup();
    const int id = lookup.isAccepted() ? lookup.id() : 0;
    m_texts.warehouseCode = lookup.text();
    if (id > 0 && m_bill.QDt().isOpen() && !m_bill.QDt().isEmpty()) {
        m_bill.forEachLine([&] {
            m_bill.setLine(dt::Warehouse, id);
            m_bill.setLine(dt::WhCode, m_texts.warehouseCode);
        });
    }
    emit linesWarehouseChanged();
    emit textsChanged();
}

QDateTime PosHeader::takeDate(const QDateTime& typed)
{
    QDateTime date = typed;
    // An empty date would give a bill no year to be numbered in: it is refused like a wrong one.
    if (!date.isValid() || !m_services.dm.IsWithinRunYear(date.date())) {
        message(QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
        date = m_services.dm.ServerNow();
        emit focusRequested(PosFocus::DocDate);
    }
    m_bill.setHeader(hd::PosDate, date);
    return date;
}

bool PosHeader::takeTaxCode(int taxId)
{
    m_bill.setHeader(hd::TaxCode, idOrNull(taxId));
    m_bill.setHeader(hd::TaxRate, m_services.taxes.rateOf(taxId));
    // Lines keep the rate they were entered with; the bill's rate enters the bill's formulas.
    return m_bill.headerValue(hd::Total) > 0;
}

bool PosHeader::takeCurrency(int currencyId)
{
    m_bill.setHeader(hd::CurrencyId, idOrNull(currencyId));
    if (currencyId == m_services.dm.MainCurrencyId()) {
        m_bill.setHeader(hd::Rate, 1.0);
        return false;
    }
    emit focusRequested(PosFocus::Rate);
    return true;
}

bool PosHeader::readyForLines()
{
    if (m_bill.headerId(hd::Salesman) < 1) {
        if (m_bill.headerId(hd::Customer) < 1) {
            message(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสลูกค้า"));
            emit focusRequested(PosFocus::Customer);
        } else {
            message(QStringLiteral("ยังไม่ได้ระบุพนักงานขาย"));
            emit focusRequested(PosFocus::Salesman);
        }
        return false;
    }
    if (m_bill.headerId(hd::TaxCode) < 1) {
        message(QStringLiteral("ยังไม่ได้ระบุรหัสภาษี"));
        return false;
    }
    return true;
}

} // namespace kvr::pos
