// One user cancelling a bill through the cancellation screen: loads the bill of the number, presses
// Delete and answers Yes; in the reason box it prints "ready" and waits for a line on standard input
// before giving its reason, so that a test can let several users send their cancel at the same
// moment. Prints "cancelled", or "refused" with the message the user was shown.
//   bill_canceller WORKDIR COMPANY NUMBER REASON
#include "CounterProgram.h"
#include "admin/TFrCancelPos.h"

namespace {

// Yes to the question; the reason is given once the test says go. A refusal is kept to be printed.
class CancellingUser : public kvr::test::ConfirmingPrompter
{
public:
    explicit CancellingUser(QString reason)
        : m_reason(std::move(reason))
    { }
    void warning(const QString& text) override { refused = text; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        kvr::test::waitForGo();
        return m_reason;
    }

    QString refused;

private:
    QString m_reason;
};

// Loads the bill of the number and cancels it, as far as the user gets.
int cancelBill(kvr::test::CounterSession& session, const QStringList& a)
{
    CancellingUser user(a[4]);
    kvr::admin::TFrCancelPos screen(user, session.dm, session.searches);
    screen.FormShow();
    screen.setNumberText(a[3]);
    screen.PosNoExit();
    if (!screen.bill()) {
        std::fprintf(stderr, "bill %s not loaded: %s\n", qPrintable(a[3]), qPrintable(screen.notice()));
        return 4;
    }
    screen.AcDel().execute();
    if (!user.refused.isEmpty())
        std::printf("refused %s\n", qPrintable(user.refused.simplified()));
    else if (screen.numberText().isEmpty())
        std::printf("cancelled\n");
    else
        return 5;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return kvr::test::runCounter(argc, argv, "bill_canceller WORKDIR COMPANY NUMBER REASON", cancelBill);
}
