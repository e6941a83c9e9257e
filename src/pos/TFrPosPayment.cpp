// Payment on the receipt page, the card details and the completeness check before a save.
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "ui/base/Prompter.h"
#include "util/NumberFormat.h"

#include <cmath>

namespace kvr::pos {

void TFrPos::ReceiptChange()
{
    if (!hasHeaderRow() || !m_card.QCreditCard().isOpen())
        return;
    data::CachedDataset& hd = m_bill.QHd();
    hd.edit();
    const long double cash = m_bill.hd(QStringLiteral("Cash"));
    const long double card = m_bill.hd(QStringLiteral("CardAmount"));
    const long double coupon = m_bill.hd(QStringLiteral("Coupon"));
    const long double bank = m_bill.hd(QStringLiteral("BankAmount"));
    // The card company's surcharge is the customer's cost on top: it never pays the bill.
    const long double change = cash + card - (m_card.TotalCardAmount - m_card.TotalCardRcpt) + coupon + bank -
        m_bill.hd(QStringLiteral("Total"));
    m_bill.setHd(QStringLiteral("Change"), double(change));
    // Compared as the edit shows it, to the cent, so that 0.004 short is no shortfall on screen.
    m_changeShortfall = std::round(double(change) * 100) < 0;
    // Change is only ever given from the cash drawer.
    bool allowed = !m_changeShortfall && cash >= change;
    if (!m_newBill)
        allowed = allowed && session().MODIFY_R;
    AcSave().setEnabled(allowed && SaveAllowedByRights());
    emit changeChanged();
}

QString TFrPos::ChangeText() const
{
    if (!hasHeaderRow() || m_changeShortfall)
        return QStringLiteral("0.00");
    return QLocale(QLocale::English).toString(m_bill.hd(QStringLiteral("Change")), 'f', 2);
}

void TFrPos::BCreditCardClick()
{
    m_card.FormShow();
    if (!m_cardDialog || !m_cardDialog())
        return;
    if (hasHeaderRow()) {
        m_bill.QHd().edit();
        m_bill.setHd(QStringLiteral("CardAmount"), double(m_card.TotalCardAmount));
    }
    ReceiptChange();
}

void TFrPos::reportLineError(const QString& text, bool& error)
{
    const QString code =
        m_bill.QDt().isOpen() && !m_bill.QDt().eof() ? m_bill.dtText(QStringLiteral("ProductCode")) : QString();
    message(QStringLiteral("สินค้า ") + code + text);
    error = true;
}

bool TFrPos::CheckComplete()
{
    bool error = false;
    data::CachedDataset& dt = m_bill.QDt();
    if (!hasHeaderRow()) {
        error = true;
    } else if (m_bill.QHd().field(QStringLiteral("Customer")).isNull()) {
        reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสลูกค้า"), error);
    } else if (m_bill.hd(QStringLiteral("BankAmount")) > 0 && m_bill.hdId(QStringLiteral("CompanyBank")) == 0) {
        reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรหัสธนาคารที่รับโอนจากลูกค้า"), error);
    } else {
        dt.post();
        int counted = 0;
        QStringList serials; // serial numbers of the rows before: one piece is sold once
        int row = 0;
        while (row < dt.recordCount() && !error) {
            dt.setRecNo(row);
            if (m_bill.dtId(QStringLiteral("Product")) <= 0) {
                dt.remove();
                continue;
            }
            const auto flag = [this](const char* f) {
                return m_bill.dtText(QString::fromLatin1(f)).trimmed() == QLatin1String("Y");
            };
            const QString serial = m_bill.dtText(QStringLiteral("Serial")).trimmed();
            if (flag("LotControl") && m_bill.dtText(QStringLiteral("LotNoCode")).trimmed().isEmpty())
                reportLineError(QStringLiteral("ไม่ได้ระบุ Lot No."), error);
            // A serial typed but never accepted is no serial: the line would be saved without one.
            if (flag("UseSerial") && (serial.isEmpty() || m_bill.dtId(QStringLiteral("SerialNo")) <= 0))
                reportLineError(QStringLiteral("ไม่ได้ระบุ Serial No."), error);
            if (flag("UseSerial") && !serial.isEmpty() && serials.contains(serial, Qt::CaseInsensitive))
                reportLineError(QStringLiteral(" Serial No. ") + serial + QStringLiteral(" ถูกป้อนซ้ำในบิลนี้"), error);
            if (m_bill.dtId(QStringLiteral("ProductUnits")) <= 0)
                reportLineError(QStringLiteral("ไม่ได้ระบุ หน่วยนับ"), error);
            if (m_mode == PosMode::Goods && m_bill.dtId(QStringLiteral("Warehouse")) <= 0)
                reportLineError(QStringLiteral("ไม่ได้ระบุ คลังสินค้า"), error);
            if (std::llround(m_bill.dt(QStringLiteral("Quantity"))) <= 0)
                reportLineError(QStringLiteral("ไม่ได้ระบุ จำนวน"), error);
            if (!m_allowZeroPrice && m_bill.dt(QStringLiteral("Price")) < 0.001)
                reportLineError(QStringLiteral("ไม่อนุญาติให้ขายราคา 0"), error);
            if (flag("UseSerial") && !serial.isEmpty())
                serials << serial;
            ++counted;
            ++row;
        }
        if (!error && counted == 0)
            reportLineError(QStringLiteral("ท่านยังไม่ได้ป้อนรายการสินค้า"), error);
    }
    if (configText("RequireDepartment") == QLatin1String("Y") && m_texts.departmentCode.trimmed().isEmpty()) {
        message(QStringLiteral("ท่านยังไม่ได้ป้อนแผนก"));
        error = true;
    }
    return !error;
}

} // namespace kvr::pos
