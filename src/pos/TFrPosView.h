#pragma once

#include "pos/TFrPos.h"
#include "ui/base/TFrFormView.h"

#include <QString>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kvr::ui {
class DataGrid;
}
namespace kvr::search {
class DialogSearchRunner;
class LookupFrameView;
} // namespace kvr::search

namespace kvr::pos {

class PosDiscountPage;
class PosHeaderPanel;
class PosLinePage;
class PosReceiptPage;
class PosShipToDialog;
class PosTotalsPanel;

// The window of the sale screen: the bill header, the three pages (lines, end-of-bill discounts,
// receipt) and the totals panel with the large bill total. It mirrors the screen's state and hands
// the cashier's keys and clicks to it; F7, F8 and F9 switch the pages anywhere in the window.
class TFrPosView : public ui::TFrFormView
{
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 800;
    static constexpr const char* kIniSection = "POSForm";

    explicit TFrPosView(TFrPos& pos, QWidget* parent = nullptr);
    ~TFrPosView() override;

    TFrPos& pos() { return m_pos; }
    QTabWidget* pages() const { return m_pages; }
    ui::DataGrid* grid() const;
    QLabel* totalLabel() const;
    QPushButton* deleteLineButton() const;
    QLineEdit* headerEdit(PosFocus field) const;
    // The customer frame of the header: code (F5 searches), search button and name.
    search::LookupFrameView* customerFrame() const;
    QFrame* toolbar() const { return m_toolbar; }
    // The header with the bill number's search, the VAT code, currency and ship-to controls.
    PosHeaderPanel* headerPanel() const { return m_header; }
    // Created on first use.
    PosShipToDialog* shipToDialog();
    // The memo entry of the line grid's pop-up: present only while a name column is current.
    bool hasMemoMenu() const;

    // Where the window's position and size are kept: "KVR.INI" in the program's working folder.
    QString iniPath() const;
    // A stored place moved and shrunk to lie wholly inside the screen it opens on.
    static QRect fittedInto(const QRect& stored, const QRect& available);

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildContent();
    void applyCaptions();
    void showControls();
    void showHeader();
    void showTotals();
    void moveFocus(PosFocus focus);
    // F7, F8 and F9; true when the key was one of them.
    bool pageKey(QKeyCombination key);
    void restoreGeometry(bool place);
    void storeGeometry() const;

    TFrPos& m_pos;
    QFrame* m_toolbar = nullptr;
    QTabWidget* m_pages = nullptr;
    PosHeaderPanel* m_header = nullptr;
    PosLinePage* m_linePage = nullptr;
    PosDiscountPage* m_discountPage = nullptr;
    PosReceiptPage* m_receiptPage = nullptr;
    PosTotalsPanel* m_totals = nullptr;
    PosShipToDialog* m_shipTo = nullptr;
    // The header's search dialogs open over this window.
    std::unique_ptr<search::DialogSearchRunner> m_searchRunner;
    bool m_geometryRestored = false;
};

} // namespace kvr::pos
