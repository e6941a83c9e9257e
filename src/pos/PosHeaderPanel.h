#pragma once

#include "pos/PosViewFields.h"

#include <QFrame>

class QComboBox;
class QPushButton;
class QToolButton;

namespace kvr::search {
class LookupFrame;
class LookupFrameView;
class TFaGetRemarkView;
class TFaGetTaxCodeView;
} // namespace kvr::search

namespace kvr::pos {

class TFrPos;

// The header of the sale window: bill number, date, VAT rate, the customer, salesman, warehouse
// and department frames, the remark and the exchange-rate label.
class PosHeaderPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PosHeaderPanel(TFrPos& pos, QWidget* parent = nullptr);

    const std::vector<FocusEdit>& focusEdits() const { return m_focusEdits; }
    search::LookupFrameView* customerFrame() const { return m_customerFrame; }
    QToolButton* posNoSearchButton() const { return m_posNoSearch; }
    QComboBox* taxList() const;
    QComboBox* currencyList() const { return m_currency; }
    QPushButton* shipToButton() const { return m_shipTo; }

    void applyCaptions(const PosCaptions& captions);
    void showControls(const PosControls& controls);
    void showHeader();

private:
    QLineEdit* addEdit(const char* name, PosFocus focus);
    search::LookupFrameView* addFrame(search::LookupFrame& frame, const char* name, PosFocus focus);
    QLineEdit* edit(PosFocus focus) const;
    // The chosen header fields (PosHeaderChoicesView.cpp): the bill number's search button, the VAT
    // code and currency drop-downs with the rate, the remark frame and the ship-to button.
    QWidget* withSearchButton(QLineEdit* posNo);
    QWidget* addTaxList();
    QWidget* addRemark();
    QWidget* addCurrency();
    QWidget* addShipTo();
    void showChoices();
    void showChoiceControls(const PosControls& controls);

    TFrPos& m_pos;
    std::vector<FocusEdit> m_focusEdits;
    std::vector<CaptionLabel> m_captionLabels;
    std::vector<HeaderFieldEdit> m_fields;
    QLabel* m_warehouseCaption = nullptr;
    QLabel* m_exchangeRate = nullptr;
    search::LookupFrameView* m_customerFrame = nullptr;
    search::LookupFrameView* m_warehouseFrame = nullptr;
    QToolButton* m_posNoSearch = nullptr;
    search::TFaGetTaxCodeView* m_tax = nullptr;
    search::TFaGetRemarkView* m_remark = nullptr;
    QComboBox* m_currency = nullptr;
    QLineEdit* m_rate = nullptr;
    QPushButton* m_shipTo = nullptr;
};

// A lookup frame of the sale window; its caption is the window's own, in the column before it.
search::LookupFrameView* makePosFrameView(search::LookupFrame& frame, const char* name);

} // namespace kvr::pos
