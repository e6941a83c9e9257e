#include "pos/PosPayment.h"

#include "pos/LineLimits.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosSettings.h"
#include "pos/TFrCreditCardInfo.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

#include <QLocale>
#include <cmath>

namespace kvr::pos {

PosPayment::PosPayment(PosBill& bill, TFrCreditCardInfo& card, PosMode mode, bool allowZeroPrice,
                       const PosSettings& settings, ui::Prompter& prompter)
    : m_bill(bill)
    , m_card(card)
    , m_mode(mode)
    , m_allowZeroPrice(allowZeroPrice)
    , m_settings(settings)
    , m_prompter(prompter)
{ }

std::optional<bool> PosPayment::workOutChange()
{
    if (!m_bill.hasHeaderRow() || !m_card.QCreditCard().isOpen())
        return std::nullopt;
    m_bill.QHd().edit();
    const long double cash = m_bill.headerValue(hd::Cash);
    // The card company's surcharge is the customer's cost on top: it never pays the bill.
    const long double change = cash + m_bill.headerValue(hd::CardAmount) -
        (m_card.TotalCardAmount - m_card.TotalCardRcpt) + m_bill.headerValue(hd::Coupon) +
        m_bill.headerValue(hd::BankAmount) - m_bill.headerValue(hd::Total);
    m_bill.setHeader(hd::Change, double(change));
    // Compared as the edit shows it, to the cent, so that 0.004 short is no shortfall on screen.
    m_shortfall = std::round(double(change) * 100) < 0;
    // Change is only ever given from the cash drawer.
    return !m_shortfall && cash >= change;
}

QString PosPayment::changeText() const
{
    if (!m_bill.hasHeaderRow() || m_shortfall)
        return QStringLiteral("0.00");
    return QLocale(QLocale::English).toString(m_bill.headerValue(hd::Change), 'f', 2);
}

void PosPayment::proposeCash(bool newBill)
{
    if (newBill && m_bill.hasHeaderRow() && m_bill.headerValue(hd::Cash) == 0) {
        m_bill.QHd().edit();
        m_bill.setHeader(hd::Cash, m_bill.headerValue(hd::Total));
    }
}

bool PosPayment::enterCardDetails(const std::function<bool()>& dialog)
{
    m_card.FormShow();
    if (!dialog || !dialog() || !m_bill.hasHeaderRow())
        return false;
    m_bill.QHd().edit();
    m_bill.setHeader(hd::CardAmount, double(m_card.TotalCardAmount));
    return true;
}

PosPayment::SaveCheck PosPayment::checkBeforeSave(const QString& departmentCode)
{
    // A figure the amount columns cannot hold is refused here, never by the database mid-save.
    for (const QString* amount : {&hd::Total, &hd::Cash, &hd::Coupon, &hd::CardAmount, &hd::BankAmount, &hd::Change}) {
        if (!LineLimits::storable(m_bill.headerValue(*amount))) {
            m_prompter.information(QStringLiteral("ยอดเงินในบิลเกินกว่าที่จัดเก็บได้\rโปรดตรวจจำนวนและราคาของรายการ"));
            return SaveCheck::Refused;
        }
    }
    if (m_bill.headerValue(hd::BankAmount) > 0 && m_bill.headerId(hd::CompanyBank) <= 0) {
        m_prompter.information(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสธนาคาร ที่รับโอนจากลูกค้า"));
        return SaveCheck::Refused;
    }
    if (TFrCreditCardInfo::shortestText(m_bill.headerValue(hd::CardAmount)) !=
        TFrCreditCardInfo::shortestText(m_card.TotalCardAmount)) {
        m_prompter.information(QStringLiteral("ท่านยังไม่ได้ป้อนรายละเอียดบัตรเครดิต"));
        return SaveCheck::CardDetailsMissing;
    }
    return CheckComplete(departmentCode) ? SaveCheck::Ready : SaveCheck::Refused;
}

void PosPayment::reportLineError(const QString& text, bool& error)
{
    const QString code = m_bill.hasLineRow() ? m_bill.lineText(dt::ProductCode) : QString();
    m_prompter.information(QStringLiteral("สินค้า ") + code + text);
    error = true;
}

bool PosPayment::CheckComplete(const QString& departmentCode)
{
    bool error = false;
    if (!m_bill.hasHeaderRow()) {
        error = true;
    } else if (m_bill.QHd().field(hd::Customer).isNull()) {
        reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสลูกค้า"), error);
    } else if (m_bill.headerValue(hd::BankAmount) > 0 && m_bill.headerId(hd::CompanyBank) == 0) {
        reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสธนาคารที่รับโอนจากลูกค้า"), error);
    } else if (!checkLines(error) && !error) {
        reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรายการสินค้า"), error);
    }
    if (m_settings.isOn("RequireDepartment") && departmentCode.trimmed().isEmpty()) {
        m_prompter.information(QStringLiteral("ท่านยังไม่ได้ป้อนแผนก"));
        error = true;
    }
    return !error;
}

// Walks the lines until the first faulty one; an empty line is removed. True when a line was kept.
bool PosPayment::checkLines(bool& error)
{
    data::CachedDataset& lines = m_bill.QDt();
    lines.post();
    int counted = 0;
    QStringList serials; // serial numbers of the rows before: one piece is sold once
    int row = 0;
    while (row < lines.recordCount() && !error) {
        lines.setRecNo(row);
        if (m_bill.lineId(dt::Product) <= 0) {
            lines.remove();
            continue;
        }
        const bool serialLine = util::isFlagSet(m_bill.lineText(dt::UseSerial));
        const QString serial = m_bill.lineText(dt::Serial).trimmed();
        if (util::isFlagSet(m_bill.lineText(dt::LotControl)) && m_bill.lineText(dt::LotNoCode).trimmed().isEmpty())
            reportLineError(QStringLiteral("ไม่ได้ระบุ Lot No."), error);
        // A serial typed but never accepted is no serial: the line would be saved without one.
        if (serialLine && (serial.isEmpty() || m_bill.lineId(dt::SerialNo) <= 0))
            reportLineError(QStringLiteral("ไม่ได้ระบุ Serial No."), error);
        if (serialLine && !serial.isEmpty() && serials.contains(serial, Qt::CaseInsensitive))
            reportLineError(QStringLiteral(" Serial No. ") + serial + QStringLiteral(" ถูกป้อนซ้ำในบิลนี้"), error);
        if (m_bill.lineId(dt::ProductUnits) <= 0)
            reportLineError(QStringLiteral("ไม่ได้ระบุ หน่วยนับ"), error);
        if (m_mode == PosMode::Goods && m_bill.lineId(dt::Warehouse) <= 0)
            reportLineError(QStringLiteral("ไม่ได้ระบุ คลังสินค้า"), error);
        if (std::llround(m_bill.lineValue(dt::Quantity)) <= 0)
            reportLineError(QStringLiteral("ไม่ได้ระบุ จำนวน"), error);
        if (!m_allowZeroPrice && m_bill.lineValue(dt::Price) < 0.001)
            reportLineError(QStringLiteral("ไม่อนุญาตให้ขายราคา 0"), error);
        if (serialLine && !serial.isEmpty())
            serials << serial;
        ++counted;
        ++row;
    }
    return counted > 0;
}

} // namespace kvr::pos
