#pragma once

#include <QString>

namespace kvr::data {
struct SessionContext;
}

namespace kvr::pos {

class PosBill;

// What the sale screen tells the cashier in its status bar and questions, in the session's
// language. An unknown code is told here rather than in a box: the scanner's next Enter would
// close a box unread and its next code would land in the wrong field. The notice stays while the
// cursor is on the code's still empty line.
class PosNotices
{
public:
    PosNotices(const PosBill& bill, const data::SessionContext& session);

    QString noBillYet() const;
    // F3 on a bill with lines throws them away.
    QString unsavedLinesQuestion() const;
    // How much the payment is short of the total (the header's Change is negative).
    QString stillOwed() const;
    QString billSaved(const QString& number) const;
    // The bill was saved but the next one cannot open yet; the cause follows on the next line.
    QString savedBeforeOutage(const QString& number) const;

    // Remembers the code refused on the current line; returns the notice.
    QString refuseCode(const QString& code);
    // The code just refused, while the cursor is on its still empty line; empty otherwise.
    QString codeNotice();
    void forgetCode();

private:
    QString inLanguage(const QString& thai, const QString& english) const;

    const PosBill& m_bill;
    const data::SessionContext& m_session;
    QString m_codeNotice;
    int m_codeRow = -1;
};

} // namespace kvr::pos
