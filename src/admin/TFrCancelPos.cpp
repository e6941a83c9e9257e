#include "admin/TFrCancelPos.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchRunner.h"
#include "search/TFrSearchPos.h"
#include "util/NumberFormat.h"
#include "util/ThaiText.h"

namespace kvr::admin {

using State = data::BillLookup::State;

CancelPosCaptions CancelPosCaptions::forLanguage(bool thai)
{
    CancelPosCaptions c;
    const auto pick = [thai](const char* th, const char* en) { return QString::fromUtf8(thai ? th : en); };
    c.title = pick("ยกเลิกขายสดใบกำกับภาษีอย่างย่อ", "Cancel Cash Sale Receipt");
    c.number = pick("หมายเลขบิล", "Bill No.");
    c.billNo = pick("PosNo", "PosNo");
    c.date = pick("วันที่", "Date");
    c.customer = pick("ชื่อลูกค้า", "Customer");
    c.salesman = pick("พนักงานขาย", "Salesman");
    c.machineCode = pick("หมายเลขเครื่อง", "Machine No.");
    c.location = pick("Location", "Location");
    c.shiftNo = pick("หมายเลขกะ", "Shift No.");
    c.total = pick("รวมเงิน", "Total");
    return c;
}

TFrCancelPos::TFrCancelPos(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, QObject* parent)
    : ui::TFrForm(prompter, dm.config().session(), parent)
    , m_dm(dm)
    , m_runner(runner)
    , m_store(dm)
    , m_cancellation(prompter, dm)
{ }

QString TFrCancelPos::aligned(const QString& typed) const
{
    const QString upper = typed.toUpper();
    // A series the company does not number would leave no room at all: the number is only trimmed.
    if (m_documentLength <= 0)
        return upper.trimmed();
    return util::PadLeft(upper, m_documentLength);
}

void TFrCancelPos::setNumberText(const QString& typed)
{
    changeNumber(aligned(typed));
}

void TFrCancelPos::changeNumber(const QString& text)
{
    if (text != m_numberText) {
        m_numberText = text;
        m_numberPending = true;
        // The bill on screen no longer matches the number: nothing can be cancelled until the
        // new number is looked up.
        forgetBill();
    }
    // Also when the text stays the same: the field shows the aligned text, not what was typed.
    emit numberTextChanged();
}

CancelPosDisplay TFrCancelPos::display() const
{
    CancelPosDisplay shown;
    if (!m_bill)
        return shown;
    shown.billNo = m_bill->number;
    shown.date = m_bill->date.toString(QStringLiteral("dd/MM/yyyy"));
    shown.customer = m_bill->customerName;
    shown.salesman = (m_bill->salesmanName + QLatin1Char(' ') + m_bill->salesmanSurName).trimmed();
    shown.machineCode = m_bill->machineCode;
    shown.location = m_bill->location;
    shown.shiftNo = QString::number(m_bill->shiftNo);
    shown.total = util::FormatNumber(QStringLiteral("#,##0.00"), m_bill->total);
    return shown;
}

void TFrCancelPos::setNotice(const QString& notice)
{
    if (m_notice == notice)
        return;
    m_notice = notice;
    emit noticeChanged();
}

void TFrCancelPos::forgetBill()
{
    m_posId = 0;
    showBill(std::nullopt);
    setNotice(QString());
}

void TFrCancelPos::showBill(std::optional<data::CancellableBill> bill)
{
    if (!bill && !m_bill)
        return;
    m_bill = std::move(bill);
    AcDel().setEnabled(m_bill.has_value());
    emit billChanged();
}

void TFrCancelPos::FormShow()
{
    const QString menuCaption = session().MenuCaption.trimmed();
    setCaption(menuCaption.isEmpty() ? captions().title : menuCaption);
    setStatusText(0, session().CompanyNameThai);
    ui::TFrForm::FormShow();
}

TFrCancelPos::KeyOutcome TFrCancelPos::FormKeyDown(QKeyCombination key)
{
    // Delete straight after typing a number cancels that bill: it is looked up first, as leaving
    // the field would.
    if (m_numberPending && key == AcDel().shortcut())
        PosNoExit();
    return ui::TFrForm::FormKeyDown(key);
}

void TFrCancelPos::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    m_documentLength = m_dm.GetDocumentLength(kDocumentCode);
    m_numberText.clear();
    m_numberPending = false;
    forgetBill();
    emit numberTextChanged();
    emit numberFocusRequested();
}

void TFrCancelPos::PosNoExit()
{
    m_numberPending = false;
    if (m_numberText.trimmed().isEmpty())
        return;
    const data::BillLookup found = m_store.find(m_numberText);
    const QString number = m_numberText.trimmed();
    const bool thai = session().ThaiLanguage;
    m_posId = found.state == State::Live ? found.id : 0;
    std::optional<data::CancellableBill> loaded;
    if (m_posId > 0)
        loaded = m_store.load(m_posId);
    showBill(loaded);
    switch (found.state) {
    case State::NotFound:
        setNotice(thai ? QStringLiteral("ไม่พบบิลเลขที่ %1").arg(number)
                       : QStringLiteral("No bill numbered %1").arg(number));
        break;
    case State::Cancelled: {
        QString notice = thai ? QStringLiteral("บิลเลขที่ %1 ถูกยกเลิกแล้ว").arg(number)
                              : QStringLiteral("Bill %1 was cancelled").arg(number);
        if (!found.reason.trimmed().isEmpty())
            notice += (thai ? QStringLiteral(" สาเหตุ : ") : QStringLiteral(": ")) + found.reason.trimmed();
        setNotice(notice);
        break;
    }
    case State::Posted:
        setNotice(thai ? QStringLiteral("บิลเลขที่ %1 ผ่านรายการบัญชีแล้ว ยกเลิกไม่ได้").arg(number)
                       : QStringLiteral("Bill %1 is posted to accounting and cannot be cancelled").arg(number));
        break;
    case State::Live:
        if (loaded)
            setNotice(QString());
        else
            setNotice(
                thai ? QStringLiteral("บิลเลขที่ %1 ไม่มีพนักงานขาย กะ หรือเครื่องขาย ยกเลิกไม่ได้").arg(number)
                     : QStringLiteral("Bill %1 has no salesman, shift or machine and cannot be cancelled").arg(number));
        break;
    }
}

void TFrCancelPos::BSearchPosNoClick()
{
    search::TFrSearchPos dialog(m_dm, prompter(), search::TFrSearchPos::Bills::Cancellable);
    if (!m_runner.run(dialog))
        return;
    // As stored: a bill of another series may have a longer number than this one's length.
    changeNumber(dialog.result());
    // Its exit then loads the bill.
    emit numberFocusRequested();
}

void TFrCancelPos::AcDelExecute()
{
    if (!m_bill)
        return;
    BillCancellation::Outcome outcome;
    try {
        outcome = m_cancellation.run(m_bill->id, m_bill->number);
    } catch (...) {
        // Rolled back: the bill stays on screen and can be cancelled again.
        reportError(std::current_exception());
        return;
    }
    if (outcome == BillCancellation::Outcome::Declined)
        return;
    // Cancelled, or cancelled or posted by someone else meanwhile: the screen starts again.
    AcNewExecute();
}

} // namespace kvr::admin
