#pragma once

#include "pos/PosViewFields.h"

#include <QWidget>

namespace kvr::pos {

class TFrPos;

// The sale window's page of the three end-of-bill discounts: name, percentage and amount in baht
// each, and their sum. Leaving a percentage or an amount recomputes the bill.
class PosDiscountPage : public QWidget
{
    Q_OBJECT
public:
    explicit PosDiscountPage(TFrPos& pos, QWidget* parent = nullptr);

    const std::vector<FocusEdit>& focusEdits() const { return m_focusEdits; }
    void applyCaptions(const PosCaptions& captions);
    void showHeader();

private:
    // Which of a discount's two figures an edit takes.
    enum class Figure { Rate, Amount };
    QLineEdit* addFigure(const QString& name, const QString& field, Figure figure, int which);

    TFrPos& m_pos;
    std::vector<FocusEdit> m_focusEdits;
    std::vector<CaptionLabel> m_captionLabels;
    std::vector<HeaderFieldEdit> m_fields;
    QLineEdit* m_sum = nullptr;
};

} // namespace kvr::pos
