// The sale screen's actions on a bill as a whole: finding a saved one, cancelling it, its
// ship-to address, exchange rate and end-of-bill discounts (taken by the header choices).
#include "admin/BillCancellation.h"
#include "data/TDM.h"
#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

void TFrPos::BSearchPosNoClick()
{
    // The number can only be chosen while a new bill is being started, as it can be typed.
    if (!m_controls.posNoEnabled)
        return;
    const QString number = m_billSearch.chooseNumber();
    if (number.isEmpty())
        return;
    m_header.texts().posNo = number;
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
    m_choices.editShipAddress(m_shipDialog);
    setFocusTo(PosFocus::Customer);
}

bool TFrPos::RateExit(const QString& typed)
{
    // The cursor goes on after a refused rate (the lines may have taken it).
    return m_bill.hasHeaderRow() && m_choices.takeRate(typed);
}

bool TFrPos::DiscRateExit(int which, const QString& typed)
{
    return m_bill.hasHeaderRow() && m_choices.takeDiscount(which, PosHeaderChoices::DiscountPart::Rate, typed);
}

bool TFrPos::DiscAmtExit(int which, const QString& typed)
{
    return m_bill.hasHeaderRow() && m_choices.takeDiscount(which, PosHeaderChoices::DiscountPart::Amount, typed);
}

} // namespace kvr::pos
