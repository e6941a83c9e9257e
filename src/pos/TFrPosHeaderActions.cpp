// The sale screen's actions on a bill as a whole: finding a saved one, cancelling it, its
// ship-to address, exchange rate and end-of-bill discounts (taken by the header choices).
#include "admin/BillCancellation.h"
#include "data/TDM.h"
#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "search/TFrSearchPos.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

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
    const bool taken = m_choices.takeRate(typed);
    // A rate refused shows as it was; the cursor goes on (the lines may have taken it).
    emit headerTextsChanged();
    return taken;
}

bool TFrPos::DiscRateExit(int which, const QString& typed)
{
    return takeDiscount(which, PosHeaderChoices::DiscountPart::Rate, typed);
}

bool TFrPos::DiscAmtExit(int which, const QString& typed)
{
    return takeDiscount(which, PosHeaderChoices::DiscountPart::Amount, typed);
}

bool TFrPos::takeDiscount(int which, PosHeaderChoices::DiscountPart part, const QString& typed)
{
    if (!m_bill.hasHeaderRow())
        return false;
    const bool taken = m_choices.takeDiscount(which, part, typed);
    if (taken)
        CalculateAll();
    // The field shows the discount as it stands, taken or not.
    emit headerTextsChanged();
    return taken;
}

} // namespace kvr::pos
