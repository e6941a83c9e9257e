#pragma once

#include "data/stores/PosCancelStore.h"

#include <QString>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::admin {

// The questions and messages of cancelling a saved POS bill, the same from the cancellation
// screen and from the sale screen: the confirmation, the reason (asked until one is given), the
// cancellation itself, and the message when another user cancelled or posted the bill first.
class BillCancellation
{
public:
    enum class Outcome {
        Cancelled,
        Declined, // No to the question, or no reason given
        NotCancellable // cancelled or posted by someone else: said so, nothing written
    };
    // DelRemark holds at most this many characters.
    static constexpr int kMaxReasonLength = 255;

    // Questions and messages in the session's language.
    BillCancellation(ui::Prompter& prompter, data::TDM& dm);

    // Cancels the bill after asking. A database error rolls back and goes on to the caller.
    Outcome run(int billId, const QString& number);

    QString confirmQuestion() const;
    QString reasonTitle() const;
    QString reasonLabel() const;
    QString reasonMissing() const;
    QString reasonTooLong() const;
    QString notCancellableMessage(const QString& number) const;

private:
    // The reason typed, trimmed; nothing when the user cancelled the box.
    std::optional<QString> askReason();

    bool thai() const;

    ui::Prompter& m_prompter;
    data::TDM& m_dm;
    data::PosCancelStore m_store;
};

} // namespace kvr::admin
