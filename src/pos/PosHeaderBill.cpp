// The bill number, recall of a saved bill and the header a new bill starts with.
#include "data/TDM.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosHeader.h"
#include "pos/PosMachineStore.h"
#include "pos/PosSettings.h"
#include "pos/PosStockStore.h"
#include "pos/PosTaxStore.h"
#include "search/TFaGetCustomer.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

namespace kvr::pos {

void PosHeader::prepareNumbering(const QString& documentCode)
{
    m_docNoLength = m_services.dm.GetDocumentLength(documentCode);
    m_autoNumbering = m_services.dm.AutoNumbering();
}

bool PosHeader::openBill(const QString& number)
{
    m_services.taxes.forget();
    m_newBill = !m_bill.LoadBill(number, m_docNoLength, m_mode);
    // The field shows the bill found, not what was typed: " 101 " or a number cut to the series
    // length would otherwise stand beside another bill's lines.
    if (!m_newBill)
        m_texts.posNo = m_bill.QHd().field(hd::PosNo).asString();
    return !m_newBill;
}

bool PosHeader::startNewBill(const QString& typed, const PosMachine& machine, const QDateTime& shiftDate)
{
    m_bill.QHd().append();
    if (!m_autoNumbering) {
        if (typed.trimmed().isEmpty()) {
            message(QStringLiteral("ท่านไม่ได้ป้อนเลขที่\nขณะนี้อยู่ในระบบเลขที่เอกสารไม่ Run อัตโนมัติ"));
            return false;
        }
        m_texts.posNo = PosBill::billNumberKey(typed, m_docNoLength);
        m_bill.setHeader(hd::PosNo, m_texts.posNo);
    } else {
        // The number is drawn when the bill is saved.
        m_texts.posNo.clear();
        emit focusRequested(PosFocus::Customer);
    }

    for (const QString* flag : {&hd::ShiftClose, &hd::Transfer, &hd::Printed})
        m_bill.setHeader(*flag, util::flagText(false));
    if (shiftDate.isValid())
        m_bill.setHeader(hd::PosDate, shiftDate.date().startOfDay());
    // Payments start at 0: a kind not used is stored as 0, never as NULL, for the reports that add them.
    for (const QString* amount : {&hd::NoTaxAmt, &hd::TaxAmt, &hd::TaxTotal, &hd::Total, &hd::Cash, &hd::Coupon,
                                  &hd::CardAmount, &hd::BankAmount, &hd::Change})
        m_bill.setHeader(*amount, 0.0);
    m_bill.setHeader(hd::Price_IE, m_services.settings.text("POS_IE"));
    m_bill.setHeader(hd::PosType, posTypeLetter(m_mode));
    const data::Field defaultTax = m_services.settings.field("DefaultTax");
    m_bill.setHeader(hd::TaxCode, defaultTax.value());
    // The rate goes with the code, so a bill never shows one tax and computes with another.
    if (!defaultTax.isNull())
        m_bill.setHeader(hd::TaxRate, m_services.taxes.rateOf(defaultTax.asInteger()));

    // The warehouse frame's refresh below shows the warehouse's code.
    if (m_mode == PosMode::Goods)
        m_bill.setHeader(hd::Warehouse, machine.warehouse);
    m_bill.setHeader(hd::Salesman, machine.salesman);
    m_texts.salesmanCode = machine.salesmanCode;
    m_bill.setHeader(hd::Department, machine.department);
    refreshFrames();
    emit focusRequested(PosFocus::Customer);
    if (m_bill.QHd().field(hd::CurrencyId).isNull()) {
        if (m_services.dm.MainCurrencyId() > 0)
            m_bill.setHeader(hd::CurrencyId, m_services.dm.MainCurrencyId());
        m_bill.setHeader(hd::Rate, 1.0);
    }
    m_bill.QDt().append();
    return true;
}

void PosHeader::showSavedHeader()
{
    search::TFaGetCustomer& customer = customerFrame();
    customer.refresh();
    m_texts.customerCode = customer.lookup().text();
    m_texts.customerName = customer.lookup().description();
    refreshFrames();
}

} // namespace kvr::pos
