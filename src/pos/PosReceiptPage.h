#pragma once

#include "pos/PosViewFields.h"

#include <QWidget>

class QPushButton;

namespace kvr::pos {

class TFrPos;

// The sale window's receipt page: cash, coupon, card (with its details), transfer with the bank
// account that received it, and the change, large enough to read across the counter.
class PosReceiptPage : public QWidget
{
    Q_OBJECT
public:
    explicit PosReceiptPage(TFrPos& pos, QWidget* parent = nullptr);

    const std::vector<FocusEdit>& focusEdits() const { return m_focusEdits; }
    QPushButton* cardDetailsButton() const { return m_cardDetails; }
    void applyCaptions(const PosCaptions& captions);
    void showHeader();

private:
    QLineEdit* addAmount(const QString& field);

    TFrPos& m_pos;
    std::vector<FocusEdit> m_focusEdits;
    std::vector<CaptionLabel> m_captionLabels;
    std::vector<HeaderFieldEdit> m_fields;
    QLineEdit* m_change = nullptr;
    QPushButton* m_cardDetails = nullptr;
};

} // namespace kvr::pos
