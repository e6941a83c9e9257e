#pragma once

#include "pos/TFrCreditCardInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvr::ui {
class DataGrid;
}

namespace kvr::pos {

// The window of the card details: the card rows in a grid with their totals underneath, and OK,
// delete all and delete line. Leaving a cell runs the dialog's exit rules; a deposited slip's
// cells are read-only. OK closes only when every row is complete.
class TFrCreditCardInfoView : public QDialog
{
    Q_OBJECT
public:
    explicit TFrCreditCardInfoView(TFrCreditCardInfo& form, QWidget* parent = nullptr);

    ui::DataGrid* grid() const { return m_grid; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* rcptTotal() const { return m_rcptTotal; }
    QLabel* amountTotal() const { return m_amountTotal; }

    // Runs the dialog modally; true when OK closed it.
    bool run();

private:
    void showTotals();

    TFrCreditCardInfo& m_form;
    ui::DataGrid* m_grid;
    QLabel* m_rcptTotal;
    QLabel* m_amountTotal;
    QPushButton* m_ok;
};

} // namespace kvr::pos
