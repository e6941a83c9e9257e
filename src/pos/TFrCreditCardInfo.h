#pragma once

#include "pos/CreditCardStore.h"

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

    data::CachedDataset& QCreditCard() { return m_store.payments(); }
    const data::CachedDataset& QCreditCard() const { return m_store.payments(); }
    data::Query& QCard() { return m_store.cardTypes(); }

    // Before the dialog shows: the rows of the current document when none are open yet, and the totals.
    void FormShow();
    // The dialog opens: FormShow, and a first row to fill when there is none.
    void prepareRows();
    void OpenCardRows(int rcptType, int rcptDocId);
    void RecalcCardTotals();
    // Leaving the card-type cell: the type's id, name and surcharge rate, or nulls for an unknown code.
    void GetCardCodeExit();
    // Leaving the amount, rate or charge cell: the surcharge from the rate and the row's total.
    void GetRcptExit();
    // Leaving a cell of the current row runs its exit rule; `row` (when given) must still be the
    // current one, as after the grid settled on another cell.
    void cellExit(const QString& field, int row = -1);
    // Down on the last row, or Enter in its last cell: the cell left is checked, then another
    // row opens once this one has its card type. True when one was added.
    bool appendRow(const QString& fieldLeft);

    // A deposited slip cannot be changed: its type and amount cells are read-only.
    static const QStringList& lockedWhenDeposited();
    bool cellReadOnly(int row, const QString& field) const;
    bool currentRowReadOnly() const;
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
    void commitCardRows();

    // Footer texts under CardRcpt and CardAmount.
    QString rcptTotalText() const;
    QString amountTotalText() const;
    // The platform's shortest decimal text of an amount, as the save compares card totals.
    static QString shortestText(long double value);

signals:
    void totalsChanged();
    void readOnlyChanged(bool readOnly);

private:
    bool rowDeposited(int row) const;

    ui::Prompter& m_prompter;
    CreditCardStore m_store;
    bool m_readOnly = false;
};

} // namespace kvr::pos
