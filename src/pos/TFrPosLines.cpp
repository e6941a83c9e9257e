// Checks of the line cells and deleting a line.
#include "data/TDM.h"
#include "pos/TFrPos.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

void TFrPos::SerialExit()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof())
        return;
    const QString typed = m_bill.dtText(QStringLiteral("Serial")).trimmed();
    const int product = m_bill.dtId(QStringLiteral("Product"));
    data::Query serial(m_dm.DMdata());
    serial.setSqlLines({QStringLiteral("select id,onhand"), QStringLiteral("from serialno"),
                        QStringLiteral("where product=:pid and serial=:no")});
    serial.setParam(QStringLiteral("pid"), product);
    serial.setParam(QStringLiteral("no"), typed);
    serial.open();
    if (serial.isEmpty()) {
        message(QStringLiteral("ไม่พบ Serial ") + typed);
        return;
    }
    if (serial.field(QStringLiteral("onhand")).asString().trimmed() != QLatin1String("Y")) {
        message(QStringLiteral("Serial ") + typed + QStringLiteral(" ถูกตัดไปแล้ว"));
        return;
    }
    const int serialId = serial.field(QStringLiteral("id")).asInteger();
    // One piece is sold once: the same serial on another line of this bill is refused here,
    // before the stock table could ever see it sold twice.
    for (int row = 0; row < dt.recordCount(); ++row) {
        if (row == dt.recNo())
            continue;
        if (dt.fieldAt(row, QStringLiteral("SerialNo")).asInteger() == serialId) {
            m_bill.setDt(QStringLiteral("SerialNo"), QVariant());
            m_bill.setDt(QStringLiteral("Serial"), QString());
            message(QStringLiteral("Serial ") + typed + QStringLiteral(" ถูกป้อนในรายการที่ %1 ของบิลนี้แล้ว").arg(row + 1));
            return;
        }
    }
    m_bill.setDt(QStringLiteral("SerialNo"), serialId);
}

void TFrPos::BtDeleteLineClick()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.isEmpty())
        return;
    dt.remove();
    setFocusTo(PosFocus::Grid);
    CalculateAll();
    SetDgDtColumn();
}

} // namespace kvr::pos
