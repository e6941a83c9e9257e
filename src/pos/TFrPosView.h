#pragma once

#include "pos/TFrPos.h"
#include "ui/base/TFrFormView.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

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
class LookupFrame;
class LookupFrameView;
} // namespace kvr::search

namespace kvr::pos {

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
    ui::DataGrid* grid() const { return m_grid; }
    QLabel* totalLabel() const { return m_total; }
    QPushButton* deleteLineButton() const { return m_deleteLine; }
    QLineEdit* headerEdit(PosFocus field) const;
    // The customer frame of the header: code (F5 searches), search button and name.
    search::LookupFrameView* customerFrame() const { return m_customerFrame; }
    QFrame* toolbar() const { return m_toolbar; }
    // The memo entry of the line grid's pop-up: present only while a name column is current.
    bool hasMemoMenu() const { return m_memoMenuOn; }

    // Where the window's position and size are kept: "KVR.INI" in the working folder.
    static QString iniPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildContent();
    QWidget* buildHeader();
    QWidget* buildProductPage();
    QWidget* buildDiscountPage();
    QWidget* buildReceiptPage();
    QWidget* buildTotals();
    QLineEdit* addHeaderEdit(const char* name, PosFocus focus);
    // A lookup frame of the header; its caption is the header's own, in the column before it.
    search::LookupFrameView* addHeaderFrame(search::LookupFrame& frame, const char* name, PosFocus focus);
    void applyCaptions();
    void applyColumns();
    void showControls();
    void showHeader();
    void showTotals();
    void moveFocus(PosFocus focus);
    // F7, F8 and F9; true when the key was one of them.
    bool pageKey(QKeyCombination key);
    void gridColumnEntered(const QString& field);
    // The line grid's cells, editors and keys (TFrPosViewLines.cpp).
    void wireLineGrid();
    void applyLineEditors();
    void lineCellEdited(const QString& field);
    // A cell's check runs once the grid has closed its editor and settled, or at once when the
    // cursor leaves the line first.
    void deferLineCheck(std::function<void()> check);
    void runLineChecks();
    void editMemoLine();
    void restoreGeometry(bool place);
    void storeGeometry() const;

    TFrPos& m_pos;
    QFrame* m_toolbar = nullptr;
    QTabWidget* m_pages = nullptr;
    ui::DataGrid* m_grid = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_deleteLine = nullptr;
    std::vector<std::pair<QLabel*, QString PosCaptions::*>> m_captionLabels;
    std::vector<std::pair<QLineEdit*, PosFocus>> m_headerEdits;
    std::vector<std::pair<QLineEdit*, QString>> m_hdFields; // edits bound to header columns
    QLabel* m_noTaxAmt = nullptr;
    QLabel* m_taxAmt = nullptr;
    QLabel* m_amountProduct = nullptr;
    QLabel* m_taxTotal = nullptr;
    QLabel* m_exchangeRate = nullptr;
    QLabel* m_customerName = nullptr;
    search::LookupFrameView* m_customerFrame = nullptr;
    search::LookupFrameView* m_warehouseFrame = nullptr;
    // The header's search dialogs open over this window.
    std::unique_ptr<search::DialogSearchRunner> m_searchRunner;
    std::vector<std::function<void()>> m_lineChecks;
    int m_lineChecksRow = -1;
    bool m_memoMenuOn = false;
    bool m_geometryRestored = false;
};

} // namespace kvr::pos
