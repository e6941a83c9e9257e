#pragma once

#include "pos/PosViewFields.h"

#include <QWidget>

namespace kvr::pos {

class TFrPos;

// The sale window's page of the three end-of-bill discounts: name and percentage each.
class PosDiscountPage : public QWidget
{
    Q_OBJECT
public:
    explicit PosDiscountPage(TFrPos& pos, QWidget* parent = nullptr);

    const std::vector<FocusEdit>& focusEdits() const { return m_focusEdits; }
    void applyCaptions(const PosCaptions& captions);
    void showHeader();

private:
    TFrPos& m_pos;
    std::vector<FocusEdit> m_focusEdits;
    std::vector<CaptionLabel> m_captionLabels;
    std::vector<HeaderFieldEdit> m_fields;
};

} // namespace kvr::pos
