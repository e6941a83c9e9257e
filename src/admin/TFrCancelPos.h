#pragma once

#include "admin/BillCancellation.h"
#include "data/stores/PosCancelStore.h"
#include "ui/base/TFrForm.h"

#include <QString>
#include <optional>

namespace kvr::data {
class TDM;
}
namespace kvr::search {
class SearchRunner;
}

namespace kvr::admin {

// The captions of the cancellation screen in the language it shows.
struct CancelPosCaptions
{
    QString title; // when the menu item has no caption
    QString number;
    QString billNo;
    QString date;
    QString customer;
    QString salesman;
    QString machineCode;
    QString location;
    QString shiftNo;
    QString total;

    static CancelPosCaptions forLanguage(bool thai);
};

// The loaded bill as the screen shows it; every text empty while none is loaded.
struct CancelPosDisplay
{
    QString billNo;
    QString date;
    QString customer;
    QString salesman;
    QString machineCode;
    QString location;
    QString shiftNo;
    QString total;
};

// The cancellation of saved POS bills (program number 3): a bill is found by its number, shown,
// and cancelled with Delete after a confirmation and a reason; it stays in the database marked
// cancelled, with the reason, and the usage log says who did it. A view shows the screen and
// forwards the user's actions; questions go through the prompter.
class TFrCancelPos : public ui::TFrForm
{
    Q_OBJECT
public:
    // The number series whose length the typed numbers are aligned to.
    static inline const QString kDocumentCode = QStringLiteral("POS-P");

    TFrCancelPos(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, QObject* parent = nullptr);

    CancelPosCaptions captions() const { return CancelPosCaptions::forLanguage(session().ThaiLanguage); }
    int documentLength() const { return m_documentLength; }

    // The number field: what is typed is right-aligned to the series' length on every change.
    const QString& numberText() const { return m_numberText; }
    void setNumberText(const QString& typed);
    // The id the number stands for, once the field was left; 0 before.
    int PosId() const { return m_posId; }
    // The bill on screen: only a live, unposted bill with its salesman, shift and machine.
    const std::optional<data::CancellableBill>& bill() const { return m_bill; }
    CancelPosDisplay display() const;
    // Why nothing is shown for the number left (not found, cancelled, posted); empty otherwise.
    const QString& notice() const { return m_notice; }

    void FormShow() override;
    KeyOutcome FormKeyDown(QKeyCombination key) override;
    void AcNewExecute() override;
    void AcDelExecute() override;

    // Leaving the number field (or Enter in it): looks the number up and loads its bill.
    void PosNoExit();
    // F5 in the number field or its button: the live, unposted bills.
    void BSearchPosNoClick();

signals:
    void numberTextChanged();
    void billChanged();
    void noticeChanged();
    void numberFocusRequested();

private:
    QString aligned(const QString& typed) const;
    void changeNumber(const QString& text);
    void showBill(std::optional<data::CancellableBill> bill);
    // No bill on screen and nothing said about one.
    void forgetBill();
    void setNotice(const QString& notice);

    data::TDM& m_dm;
    search::SearchRunner& m_runner;
    data::PosCancelStore m_store;
    BillCancellation m_cancellation;
    int m_documentLength = 0;
    QString m_numberText;
    // Typed and not yet looked up.
    bool m_numberPending = false;
    int m_posId = 0;
    std::optional<data::CancellableBill> m_bill;
    QString m_notice;
};

} // namespace kvr::admin
