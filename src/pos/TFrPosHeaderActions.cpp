// The sale screen's actions on a bill as a whole: finding a saved one, cancelling it, its
// ship-to address, exchange rate and end-of-bill discounts.
#include "admin/BillCancellation.h"
#include "data/TDM.h"
#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "search/TFrSearchPos.h"
#include "ui/base/Prompter.h"

#include <limits>
#include <optional>

namespace kvr::pos {

namespace {

QString discountField(const char* name, int which)
{
    return QString::fromLatin1(name) + QString::number(which);
}

} // namespace

void TFrPos::BSearchPosNoClick()
{
    // The number can only be chosen while a new bill is being started, as it can be typed.
    if (!m_controls.posNoEnabled)
        return;
    if (!m_billSearch) {
        m_billSearch = std::make_unique<search::TFrSearchPos>(m_dm, prompter());
        m_billSearch->setDocType(posType());
    }
    if (!m_billSearchRunner.run(*m_billSearch) || m_billSearch->result().trimmed().isEmpty())
        return;
    m_header.texts().posNo = m_billSearch->result().trimmed();
    emit headerTextsChanged();
    PosNoExit();
}

void TFrPos::AcDelExecute()
{
    if (!m_bill.hasHeaderRow() || isNewBill() || !AcDel().isEnabled())
        return;
    admin::BillCancellation cancellation(prompter(), m_dm);
    admin::BillCancellation::Outcome outcome;
    try {
        outcome = cancellation.run(m_bill.headerId(hd::ID), m_bill.headerText(hd::PosNo));
    } catch (...) {
        // Rolled back: the bill stays on screen and can be cancelled again.
        reportError(std::current_exception());
        return;
    }
    if (outcome == admin::BillCancellation::Outcome::Declined)
        return;
    // Cancelled here, or by someone else meanwhile (said so): either way the bill is gone from
    // the counter's work.
    AcNewExecute();
}

void TFrPos::BShipToClick()
{
    if (!m_bill.hasHeaderRow())
        return;
    m_choices.beginShipEdit();
    if (m_shipDialog && m_shipDialog())
        emit headerTextsChanged();
    else
        m_choices.cancelShipEdit();
    setFocusTo(PosFocus::Customer);
}

bool TFrPos::RateExit(const QString& typed)
{
    if (!m_bill.hasHeaderRow())
        return false;
    bool number = false;
    const double rate = typed.trimmed().toDouble(&number);
    if (!number || rate <= 0) {
        prompter().information(session().ThaiLanguage ? QStringLiteral("อัตราแลกเปลี่ยนต้องเป็นตัวเลขมากกว่า 0")
                                                      : QStringLiteral("The exchange rate must be a number above 0"));
        // The rate as it was shows again; the cursor goes on (the lines may have taken it).
        emit headerTextsChanged();
        return false;
    }
    m_bill.QHd().edit();
    m_bill.setHeader(hd::Rate, rate);
    emit headerTextsChanged();
    return true;
}

std::optional<double> TFrPos::typedDiscount(const QString& typed, double most)
{
    const QString text = typed.trimmed();
    bool number = text.isEmpty();
    const double value = number ? 0.0 : text.toDouble(&number);
    if (number && value >= 0 && value <= most)
        return value;
    const bool thai = session().ThaiLanguage;
    prompter().information(most <= 100 ? (thai ? QStringLiteral("ส่วนลดต้องเป็นตัวเลข 0 ถึง 100 %")
                                               : QStringLiteral("A discount rate is a number from 0 to 100"))
                                       : (thai ? QStringLiteral("ส่วนลดต้องเป็นจำนวนเงินไม่ติดลบ")
                                               : QStringLiteral("A discount amount is a number not below 0")));
    // The field shows the discount as it stands again.
    emit headerTextsChanged();
    return std::nullopt;
}

bool TFrPos::DiscRateExit(int which, const QString& typed)
{
    if (!m_bill.hasHeaderRow() || which < 1 || which > 3)
        return false;
    const std::optional<double> rate = typedDiscount(typed, 100);
    if (!rate)
        return false;
    m_bill.QHd().edit();
    m_bill.setHeader(discountField("DiscRate", which), *rate);
    CalculateAll();
    emit headerTextsChanged();
    return true;
}

bool TFrPos::DiscAmtExit(int which, const QString& typed)
{
    if (!m_bill.hasHeaderRow() || which < 1 || which > 3)
        return false;
    const std::optional<double> amount = typedDiscount(typed, std::numeric_limits<double>::max());
    if (!amount)
        return false;
    m_bill.QHd().edit();
    // A rate would compute the amount again and overwrite the one typed.
    m_bill.setHeader(discountField("DiscRate", which), 0.0);
    m_bill.setHeader(discountField("DiscAmt", which), *amount);
    CalculateAll();
    emit headerTextsChanged();
    return true;
}

} // namespace kvr::pos
