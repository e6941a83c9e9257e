#pragma once

#include "pos/PosMode.h"

#include <QString>
#include <functional>
#include <optional>

namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;
class PosSettings;
class TFrCreditCardInfo;

// Payment and completion of a bill: the change from what is paid in cash, coupon, card and
// transfer, the card details behind the card amount, and the checks a bill passes before it is
// saved. The payment amounts are the header's Cash, Coupon, CardAmount and BankAmount.
class PosPayment
{
public:
    PosPayment(PosBill& bill, TFrCreditCardInfo& card, PosMode mode, bool allowZeroPrice, const PosSettings& settings,
               ui::Prompter& prompter);

    // Works out the change into the header. Whether the payment lets the bill be saved: it covers
    // the total and the change comes out of the cash. Nothing when there is no bill to pay.
    std::optional<bool> workOutChange();
    // The change shown: never below 0; a shortfall is shown as 0.00 in red.
    bool changeShortfall() const { return m_shortfall; }
    QString changeText() const;
    // The receipt page opens on a new bill: the total is proposed as the cash received.
    void proposeCash(bool newBill);
    // The card details of the bill in that dialog. When it closes with OK, the card amount is
    // what its rows add up to: true.
    bool enterCardDetails(const std::function<bool()>& dialog);

    enum class SaveCheck { Ready, Refused, CardDetailsMissing };
    // Before the save question: a transfer needs its bank account, the card amount its card
    // details, and the bill must be complete. Refusals have shown their message.
    SaveCheck checkBeforeSave(const QString& departmentCode);
    // Every line complete (empty lines are removed), a customer and, where the company wants one,
    // a department: true; otherwise false after the message of the first fault.
    bool CheckComplete(const QString& departmentCode);

private:
    void reportLineError(const QString& text, bool& error);
    bool checkLines(bool& error);

    PosBill& m_bill;
    TFrCreditCardInfo& m_card;
    PosMode m_mode;
    bool m_allowZeroPrice;
    const PosSettings& m_settings;
    ui::Prompter& m_prompter;
    bool m_shortfall = false;
};

} // namespace kvr::pos
