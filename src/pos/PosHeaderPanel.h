#pragma once

#include "pos/PosViewFields.h"

#include <QFrame>

namespace kvr::search {
class LookupFrame;
class LookupFrameView;
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

    void applyCaptions(const PosCaptions& captions);
    void showControls(const PosControls& controls);
    void showHeader();

private:
    QLineEdit* addEdit(const char* name, PosFocus focus);
    search::LookupFrameView* addFrame(search::LookupFrame& frame, const char* name, PosFocus focus);
    QLineEdit* edit(PosFocus focus) const;

    TFrPos& m_pos;
    std::vector<FocusEdit> m_focusEdits;
    std::vector<CaptionLabel> m_captionLabels;
    std::vector<HeaderFieldEdit> m_fields;
    QLabel* m_warehouseCaption = nullptr;
    QLabel* m_exchangeRate = nullptr;
    search::LookupFrameView* m_customerFrame = nullptr;
    search::LookupFrameView* m_warehouseFrame = nullptr;
};

// A lookup frame of the sale window; its caption is the window's own, in the column before it.
search::LookupFrameView* makePosFrameView(search::LookupFrame& frame, const char* name);

} // namespace kvr::pos
