// The header fields of the bill and the pages of the sale screen.
#include "data/TDM.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

namespace {

QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

} // namespace

void TFrPos::makeHeaderFrames()
{
    if (m_faGetCustomer1)
        return;
    m_faGetCustomer1 = std::make_unique<search::TFaGetCustomer>(m_dm, prompter(), m_searchRunner);
    m_faGetSalesman1 = std::make_unique<search::TFaGetSalesman>(m_dm, prompter(), m_searchRunner);
    m_faGetWarehouse1 = std::make_unique<search::TFaGetWarehouse>(m_dm, prompter(), m_searchRunner);
    m_faGetDepartment1 = std::make_unique<search::TFaGetDepartment>(m_dm, prompter(), m_searchRunner);
    m_faGetCustomer1->bind(m_bill.QHd(), QStringLiteral("Customer"));
    m_faGetSalesman1->bind(m_bill.QHd(), QStringLiteral("Salesman"));
    m_faGetWarehouse1->bind(m_bill.QHd(), QStringLiteral("Warehouse"));
    m_faGetDepartment1->bind(m_bill.QHd(), QStringLiteral("Department"));
    m_faGetCompanyBank1 = std::make_unique<search::TFaGetCompanyBank>(m_dm, prompter(), m_searchRunner);
    m_faGetCompanyBank1->bind(m_bill.QHd(), QStringLiteral("CompanyBank"));
    connect(m_faGetCustomer1.get(), &search::LookupFrame::exited, this, &TFrPos::takeCustomer);
    connect(m_faGetWarehouse1.get(), &search::LookupFrame::exited, this, &TFrPos::takeWarehouse);
    // Salesman and department need nothing beyond their own frame's checks.
    for (search::LookupFrame* frame : {static_cast<search::LookupFrame*>(m_faGetSalesman1.get()),
                                       static_cast<search::LookupFrame*>(m_faGetDepartment1.get())})
        connect(frame, &search::LookupFrame::exited, this, [this] {
            syncHeaderTexts();
            emit headerTextsChanged();
        });
}

search::TFaGetCustomer& TFrPos::FaGetCustomer1()
{
    makeHeaderFrames();
    return *m_faGetCustomer1;
}

search::TFaGetSalesman& TFrPos::FaGetSalesman1()
{
    makeHeaderFrames();
    return *m_faGetSalesman1;
}

search::TFaGetWarehouse& TFrPos::FaGetWarehouse1()
{
    makeHeaderFrames();
    return *m_faGetWarehouse1;
}

search::TFaGetDepartment& TFrPos::FaGetDepartment1()
{
    makeHeaderFrames();
    return *m_faGetDepartment1;
}

search::TFaGetCompanyBank& TFrPos::FaGetCompanyBank1()
{
    makeHeaderFrames();
    return *m_faGetCompanyBank1;
}

void TFrPos::refreshHeaderFrames()
{
    makeHeaderFrames();
    for (search::LookupFrame* frame : std::initializer_list<search::LookupFrame*>{
             m_faGetSalesman1.get(), m_faGetWarehouse1.get(), m_faGetDepartment1.get(), m_faGetCompanyBank1.get()})
        frame->refresh();
    syncHeaderTexts();
}

void TFrPos::syncHeaderTexts()
{
    m_texts.salesmanCode = m_faGetSalesman1->lookup().text();
    m_texts.warehouseCode = m_faGetWarehouse1->lookup().text();
    m_texts.departmentCode =
        m_faGetDepartment1->lookup().isAccepted() ? m_faGetDepartment1->lookup().text() : QString();
}

void TFrPos::FaGetCustomer1CustomerExit(const QString& typed)
{
    if (!hasHeaderRow())
        return;
    // The frame checks the code and puts the customer's Id into the header; its exit brings the
    // rest here (takeCustomer).
    FaGetCustomer1().typeCode(typed.trimmed());
}

void TFrPos::takeCustomer()
{
    if (!hasHeaderRow())
        return;
    const ui::CodeLookup& lookup = FaGetCustomer1().lookup();
    const QString code = lookup.isAccepted() ? lookup.text().trimmed() : QString();
    m_texts.customerCode = lookup.text();
    m_texts.customerName = lookup.description();
    if (code.isEmpty()) {
        m_qCustomer.close();
    } else {
        m_qCustomer.setParam(QStringLiteral("GetCode"), code);
        m_qCustomer.open();
    }
    // A new bill takes the customer's tax and salesman; a saved one keeps its own.
    if (m_newBill && m_qCustomer.isOpen() && !m_qCustomer.isEmpty()) {
        const auto customer = [this](const char* field) { return m_qCustomer.field(QString::fromLatin1(field)); };
        m_bill.setHd(QStringLiteral("TaxCode"), customer("TaxId").value());
        m_bill.setHd(QStringLiteral("TaxRate"), customer("TaxRate").asFloat());
        m_bill.setHd(QStringLiteral("Salesman"), customer("Salesman").value());
        refreshHeaderFrames();
    }
    emit headerTextsChanged();
}

void TFrPos::clearCustomer()
{
    FaGetCustomer1().lookup().clear();
    m_qCustomer.close();
    m_texts.customerCode.clear();
    m_texts.customerName.clear();
}

void TFrPos::FaGetSalesman1SalesmanExit(const QString& typed)
{
    if (hasHeaderRow())
        FaGetSalesman1().typeCode(typed.trimmed());
}

void TFrPos::FaGetWarehouse1WarehouseExit(const QString& typed)
{
    if (hasHeaderRow())
        FaGetWarehouse1().typeCode(typed.trimmed());
}

void TFrPos::takeWarehouse()
{
    if (!hasHeaderRow())
        return;
    const ui::CodeLookup& lookup = FaGetWarehouse1().lookup();
    const int id = lookup.isAccepted() ? lookup.id() : 0;
    m_texts.warehouseCode = lookup.text();
    if (id > 0 && m_bill.QDt().isOpen() && !m_bill.QDt().isEmpty()) {
        m_bill.forEachLine([&] {
            m_bill.setDt(QStringLiteral("Warehouse"), id);
            m_bill.setDt(QStringLiteral("WhCode"), m_texts.warehouseCode);
        });
    }
    SetDgDtColumn();
    emit headerTextsChanged();
}

void TFrPos::FaGetDate1DocDateExit(const QDateTime& typed)
{
    if (!hasHeaderRow())
        return;
    QDateTime date = typed;
    // An empty date would give a bill no year to be numbered in: it is refused like a wrong one.
    if (!date.isValid() || !m_dm.IsWithinRunYear(date.date())) {
        message(QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
        date = m_dm.ServerNow();
        setFocusTo(PosFocus::DocDate);
    }
    m_bill.setHd(QStringLiteral("PosDate"), date);
    applyPeriodLock(date);
}

void TFrPos::FaGetDepartment1DepartmentExit(const QString& typed)
{
    if (hasHeaderRow())
        FaGetDepartment1().typeCode(typed.trimmed());
}

void TFrPos::ListTaxCodeExit(int taxId)
{
    if (!hasHeaderRow())
        return;
    m_bill.setHd(QStringLiteral("TaxCode"), idOrNull(taxId));
    m_bill.setHd(QStringLiteral("TaxRate"), taxRateOf(taxId));
    // Lines keep the rate they were entered with; the bill's rate enters the bill's formulas.
    if (m_bill.hd(QStringLiteral("Total")) > 0)
        CalculateAll();
}

void TFrPos::CurrencyCloseUp(int currencyId)
{
    if (!hasHeaderRow())
        return;
    m_bill.setHd(QStringLiteral("CurrencyId"), idOrNull(currencyId));
    if (currencyId == m_dm.MainCurrencyId()) {
        m_bill.setHd(QStringLiteral("Rate"), 1.0);
        m_controls.rateEnabled = false;
    } else {
        m_controls.rateEnabled = true;
        setFocusTo(PosFocus::Rate);
    }
    publishControls();
}

bool TFrPos::PosPageEnter()
{
    if (!hasHeaderRow())
        return false;
    if (m_bill.hdId(QStringLiteral("Salesman")) < 1) {
        if (m_bill.hdId(QStringLiteral("Customer")) < 1) {
            message(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสลูกค้า"));
            setFocusTo(PosFocus::Customer);
        } else {
            message(QStringLiteral("ยังไม่ได้ระบุพนักงานขาย"));
            setFocusTo(PosFocus::Salesman);
        }
        return false;
    }
    if (m_bill.hdId(QStringLiteral("TaxCode")) < 1) {
        message(QStringLiteral("ยังไม่ได้ระบุรหัสภาษี"));
        return false;
    }
    if (m_mode == PosMode::Goods)
        m_controls.warehouseEnabled = false;
    if (m_controls.page == PosPage::Product) {
        if (m_bill.QDt().isOpen() && !m_bill.QDt().eof())
            m_bill.QDt().edit();
        setFocusTo(PosFocus::Grid);
    } else if (m_controls.page == PosPage::Receipt) {
        ShowReceiptPage();
    }
    publishControls();
    return true;
}

void TFrPos::PosPageChange(PosPage page)
{
    m_controls.page = page;
    m_controls.deleteLineEnabled = page == PosPage::Product;
    publishControls();
}

void TFrPos::ShowReceiptPage()
{
    PosPageChange(PosPage::Receipt);
    if (m_newBill && hasHeaderRow() && m_bill.hd(QStringLiteral("Cash")) == 0) {
        m_bill.QHd().edit();
        m_bill.setHd(QStringLiteral("Cash"), m_bill.hd(QStringLiteral("Total")));
    }
    ReceiptChange();
    setFocusTo(PosFocus::Cash);
}

} // namespace kvr::pos
