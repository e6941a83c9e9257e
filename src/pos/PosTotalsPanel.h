#pragma once

#include "pos/PosViewFields.h"

#include <QFrame>

class QPushButton;

namespace kvr::pos {

class TFrPos;

// The totals under the pages: goods without and with VAT, the goods total and the VAT, the
// delete-line button, and the bill total in large green figures.
class PosTotalsPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PosTotalsPanel(TFrPos& pos, QWidget* parent = nullptr);

    QLabel* totalLabel() const { return m_total; }
    QPushButton* deleteLineButton() const { return m_deleteLine; }
    void applyCaptions(const PosCaptions& captions);
    void showTotals();

private:
    TFrPos& m_pos;
    std::vector<CaptionLabel> m_captionLabels;
    QLabel* m_noTaxAmt = nullptr;
    QLabel* m_taxAmt = nullptr;
    QLabel* m_amountProduct = nullptr;
    QLabel* m_taxTotal = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_deleteLine = nullptr;
};

} // namespace kvr::pos
