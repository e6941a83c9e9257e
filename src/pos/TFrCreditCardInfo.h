#pragma once

#include "data/CachedDataset.h"
#include "data/Query.h"

#include <QObject>

namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

// The card details of one receipt document: a row per card payment with its surcharge. The sale
// screen creates it once and reuses it for every bill; the rows stay in the cached query until
// the bill is saved (SaveCardRows, inside the bill's transaction) or another bill is opened.
class TFrCreditCardInfo : public QObject
{
    Q_OBJECT
public:
    TFrCreditCardInfo(ui::Prompter& prompter, data::Connection& connection, QObject* parent = nullptr);

    int RcptType = 0;
    int RcptDocId = 0;
    long double TotalCardRcpt = 0;
    long double TotalCardCharge = 0;
    long double TotalCardAmount = 0;

    data::CachedDataset& QCreditCard() { return m_qCreditCard; }
    data::Query& QCard() { return m_qCard; }

    // Before the dialog shows: the rows of the current document when none are open yet, and the totals.
    void FormShow();
    void OpenCardRows(int rcptType, int rcptDocId);
    void RecalcCardTotals();
    // Leaving the card-type cell: the type's id, name and surcharge rate, or nulls for an unknown code.
    void GetCardCodeExit();
    // Leaving the amount, rate or charge cell: the surcharge from the rate and the row's total.
    void GetRcptExit();
    // A deposited slip cannot be changed: its type and amount cells are read-only.
    bool CardRowReadOnly() const;
    void SetCardRowReadOnly();
    // True when every row is complete (blank rows are dropped); otherwise the message, and the
    // dialog stays open.
    bool BOkClick();
    void BDelLineClick();
    void BClearClick();
    // Numbers the rows, drops rows without a card type or amount and writes them; runs inside
    // the caller's transaction.
    void SaveCardRows();
    // After the caller's commit: the written rows become the rows read.
    void CommitCardRows();

    // Footer texts under CardRcpt and CardAmount.
    QString FooterRcpt() const;
    QString FooterAmount() const;
    // The platform's shortest decimal text of an amount, as the save compares card totals.
    static QString ShortestText(long double value);

signals:
    void totalsChanged();
    void readOnlyChanged(bool readOnly);

private:
    ui::Prompter& m_prompter;
    data::Query m_qCard;
    data::Query m_qGetCardId;
    data::CachedDataset m_qCreditCard;
    bool m_readOnly = false;
};

} // namespace kvr::pos
