#include "pos/PosNotices.h"

#include "data/SessionContext.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"

#include <QLocale>

namespace kvr::pos {

PosNotices::PosNotices(const PosBill& bill, const data::SessionContext& session)
    : m_bill(bill)
    , m_session(session)
{ }

QString PosNotices::inLanguage(const QString& thai, const QString& english) const
{
    return m_session.ThaiLanguage ? thai : english;
}

QString PosNotices::noBillYet() const
{
    return inLanguage(QStringLiteral("ยังไม่มีบิล: กด Enter ที่เลขที่บิลเพื่อเริ่มบิลใหม่"),
                      QStringLiteral("No bill yet: Enter in the bill number starts one"));
}

QString PosNotices::unsavedLinesQuestion() const
{
    return inLanguage(QStringLiteral("บิลนี้ยังไม่ได้จัดเก็บ\rต้องการเริ่มบิลใหม่โดยไม่จัดเก็บ ?"),
                      QStringLiteral("This bill is not saved.\rStart a new bill without saving it ?"));
}

QString PosNotices::stillOwed() const
{
    const QString owed = QLocale(QLocale::English).toString(-m_bill.headerValue(hd::Change), 'f', 2);
    return inLanguage(QStringLiteral("ยังค้างชำระอีก %1 บาท"), QStringLiteral("Still owed: %1")).arg(owed);
}

QString PosNotices::billSaved(const QString& number) const
{
    return inLanguage(QStringLiteral("จัดเก็บบิลเลขที่ %1 แล้ว"), QStringLiteral("Bill %1 saved")).arg(number.trimmed());
}

QString PosNotices::savedBeforeOutage(const QString& number) const
{
    return inLanguage(QStringLiteral("บันทึกบิลเลขที่ %1 เรียบร้อยแล้ว บิลถัดไปจะเปิดเมื่อติดต่อฐานข้อมูลได้อีกครั้ง"),
                      QStringLiteral("Bill %1 was saved. The next bill opens once the database answers again."))
               .arg(number.trimmed()) +
        QLatin1Char('\n');
}

QString PosNotices::refuseCode(const QString& code)
{
    m_codeNotice = inLanguage(QStringLiteral("ไม่พบรหัสสินค้า "), QStringLiteral("Unknown code ")) + code;
    m_codeRow = m_bill.QDt().recNo();
    return m_codeNotice;
}

QString PosNotices::codeNotice()
{
    // Another line, perhaps only passed over while the bill is summed up: the notice waits.
    if (!m_bill.hasLineRow() || m_bill.QDt().recNo() != m_codeRow)
        return {};
    // Its line got a product since.
    if (m_bill.lineId(dt::Product) > 0)
        m_codeNotice.clear();
    return m_codeNotice;
}

void PosNotices::forgetCode()
{
    m_codeNotice.clear();
}

} // namespace kvr::pos
