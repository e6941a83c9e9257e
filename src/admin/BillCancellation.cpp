#include "admin/BillCancellation.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "ui/base/Prompter.h"

namespace kvr::admin {

BillCancellation::BillCancellation(ui::Prompter& prompter, data::TDM& dm)
    : m_prompter(prompter)
    , m_dm(dm)
    , m_store(dm)
{ }

bool BillCancellation::thai() const
{
    return m_dm.config().session().ThaiLanguage;
}

QString BillCancellation::confirmQuestion() const
{
    return thai() ? QStringLiteral("ยกเลิกบิลขายสด ?") : QStringLiteral("Cancel this cash sale bill ?");
}

QString BillCancellation::reasonTitle() const
{
    return thai() ? QStringLiteral("ป้อนสาเหตุการยกเลิก ? ") : QStringLiteral("Reason for cancelling ? ");
}

QString BillCancellation::reasonLabel() const
{
    return thai() ? QStringLiteral("เหตุผล") : QStringLiteral("Reason");
}

QString BillCancellation::reasonMissing() const
{
    return thai() ? QStringLiteral("กรุณาป้อนสาเหตุการยกเลิก") : QStringLiteral("Please enter the reason for cancelling");
}

QString BillCancellation::reasonTooLong() const
{
    return thai() ? QStringLiteral("สาเหตุการยกเลิกยาวได้ไม่เกิน %1 ตัวอักษร").arg(kMaxReasonLength)
                  : QStringLiteral("The reason may be at most %1 characters long").arg(kMaxReasonLength);
}

QString BillCancellation::notCancellableMessage(const QString& number) const
{
    const QString shown = number.trimmed();
    return thai() ? QStringLiteral("บิลเลขที่ %1 ถูกยกเลิกหรือผ่านรายการบัญชีไปก่อนแล้ว\nจึงไม่ได้ยกเลิกซ้ำ").arg(shown)
                  : QStringLiteral("Bill %1 has been cancelled or posted in the meantime.\nIt was not cancelled again.")
                        .arg(shown);
}

std::optional<QString> BillCancellation::askReason()
{
    QString typed;
    for (;;) {
        const std::optional<QString> answer = m_prompter.input(reasonTitle(), reasonLabel(), typed);
        if (!answer)
            return std::nullopt;
        typed = answer->trimmed();
        if (typed.isEmpty()) {
            m_prompter.information(reasonMissing());
            continue;
        }
        if (typed.size() > kMaxReasonLength) {
            // Asked again with what was typed, so that it can be shortened rather than retyped.
            m_prompter.information(reasonTooLong());
            continue;
        }
        return typed;
    }
}

BillCancellation::Outcome BillCancellation::run(int billId, const QString& number)
{
    // Looked at again first: nobody is asked for a reason for a bill that is gone already.
    if (!m_store.isCancellable(billId)) {
        m_prompter.warning(notCancellableMessage(number));
        return Outcome::NotCancellable;
    }
    if (!m_prompter.ConfirmDialog(confirmQuestion()))
        return Outcome::Declined;
    const std::optional<QString> reason = askReason();
    if (!reason)
        return Outcome::Declined;
    if (m_store.cancel(billId, *reason) == data::PosCancelStore::Outcome::NotCancellable) {
        m_prompter.warning(notCancellableMessage(number));
        return Outcome::NotCancellable;
    }
    return Outcome::Cancelled;
}

} // namespace kvr::admin
