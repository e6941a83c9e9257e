#include "pos/TFrPosView.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/PosDiscountPage.h"
#include "pos/PosHeaderPanel.h"
#include "pos/PosLinePage.h"
#include "pos/PosReceiptPage.h"
#include "pos/PosShipToDialog.h"
#include "pos/PosTotalsPanel.h"
#include "pos/ScanBurstGuard.h"
#include "search/SearchDialogView.h"
#include "ui/base/DataGrid.h"
#include "ui/base/Guarded.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvr::pos {

namespace {

constexpr int kDefaultWidth = 860;
constexpr int kDefaultHeight = 600;

} // namespace

TFrPosView::TFrPosView(TFrPos& pos, QWidget* parent)
    : ui::TFrFormView(pos, nullptr, parent)
    , m_pos(pos)
    , m_searchRunner(std::make_unique<search::DialogSearchRunner>(this))
{
    setObjectName(QStringLiteral("frPos"));
    m_pos.setSearchRunner(*m_searchRunner);
    m_pos.setShipDialog([this] { return shipToDialog()->run(); });
    // Unlike the other document windows the sale screen is sized by the cashier.
    setMinimumSize(kMinimumWidth, 480);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kDefaultWidth, kDefaultHeight);
    m_toolbar = findChild<QFrame*>(QStringLiteral("toolbarFrame"));
    setContent(buildContent());

    connect(&m_pos, &TFrPos::captionsChanged, this, &TFrPosView::applyCaptions);
    connect(&m_pos, &TFrPos::controlsChanged, this, &TFrPosView::showControls);
    connect(&m_pos, &TFrPos::headerTextsChanged, this, &TFrPosView::showTotals);
    connect(&m_pos, &TFrPos::totalsChanged, this, &TFrPosView::showTotals);
    // Every recomputed change (a card dialog closed, a new bill) shows at once.
    connect(&m_pos, &TFrPos::changeChanged, this, &TFrPosView::showHeader);
    connect(&m_pos, &TFrPos::focusRequested, this, &TFrPosView::moveFocus);
    connect(&m_pos, &TFrPos::alertWanted, this, [] { QApplication::beep(); });
    // A message the scanner ran into is closed by the cashier only; what was scanned meanwhile
    // becomes the next line.
    auto* scanGuard = new ScanBurstGuard(this);
    connect(scanGuard, &ScanBurstGuard::codesHeld, this,
            [this](const QStringList& codes) { m_pos.cellFlow().enterHeldCodes(codes); });
    applyCaptions();
    showControls();
}

TFrPosView::~TFrPosView()
{
    // A window going away is no leaving of its fields: the field that had the focus must not
    // act on the bill, nor the screen's signals reach what is being destroyed.
    disconnect(&m_pos, nullptr, this, nullptr);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->blockSignals(true);
}

QWidget* TFrPosView::buildContent()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("posContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(6, 4, 6, 4);
    m_header = new PosHeaderPanel(m_pos);
    column->addWidget(m_header);
    m_pages = new QTabWidget(content);
    m_pages->setObjectName(QStringLiteral("posPageControl"));
    m_pages->setFocusPolicy(Qt::NoFocus);
    m_linePage = new PosLinePage(m_pos);
    m_discountPage = new PosDiscountPage(m_pos);
    m_receiptPage = new PosReceiptPage(m_pos);
    m_pages->addTab(m_linePage, QString());
    m_pages->addTab(m_discountPage, QString());
    m_pages->addTab(m_receiptPage, QString());
    connect(m_pages, &QTabWidget::currentChanged, this, ui::guarded([this](int index) {
                const auto page = static_cast<PosPage>(index);
                if (m_pos.controls().page != page)
                    m_pos.PosPageChange(page);
            }));
    column->addWidget(m_pages, 1);
    m_totals = new PosTotalsPanel(m_pos);
    column->addWidget(m_totals);
    return content;
}

ui::DataGrid* TFrPosView::grid() const
{
    return m_linePage->grid();
}

QLabel* TFrPosView::totalLabel() const
{
    return m_totals->totalLabel();
}

QPushButton* TFrPosView::deleteLineButton() const
{
    return m_totals->deleteLineButton();
}

PosShipToDialog* TFrPosView::shipToDialog()
{
    if (!m_shipTo)
        m_shipTo = new PosShipToDialog(m_pos, this);
    return m_shipTo;
}

search::LookupFrameView* TFrPosView::customerFrame() const
{
    return m_header->customerFrame();
}

bool TFrPosView::hasMemoMenu() const
{
    return m_linePage->hasMemoMenu();
}

QString TFrPosView::iniPath() const
{
    return QDir(m_pos.dm().config().workingDirectory()).filePath(QStringLiteral("KVR.INI"));
}

QLineEdit* TFrPosView::headerEdit(PosFocus field) const
{
    for (const std::vector<FocusEdit>* edits :
         {&m_header->focusEdits(), &m_discountPage->focusEdits(), &m_receiptPage->focusEdits()})
        for (const FocusEdit& edit : *edits)
            if (edit.focus == field)
                return edit.edit;
    return nullptr;
}

void TFrPosView::applyCaptions()
{
    const PosCaptions& captions = m_pos.captions();
    m_header->applyCaptions(captions);
    m_discountPage->applyCaptions(captions);
    m_receiptPage->applyCaptions(captions);
    m_totals->applyCaptions(captions);
    m_pages->setTabText(0, captions.productPage);
    m_pages->setTabText(1, captions.discountPage);
    m_pages->setTabText(2, captions.receiptPage);
}

void TFrPosView::showControls()
{
    const PosControls& controls = m_pos.controls();
    m_header->showControls(controls);
    const int index = static_cast<int>(controls.page);
    if (m_pages->currentIndex() != index)
        m_pages->setCurrentIndex(index);
    deleteLineButton()->setEnabled(controls.deleteLineEnabled);
}

void TFrPosView::showHeader()
{
    m_header->showHeader();
    m_discountPage->showHeader();
    m_receiptPage->showHeader();
}

void TFrPosView::showTotals()
{
    m_totals->showTotals();
    showHeader();
}

void TFrPosView::moveFocus(PosFocus focus)
{
    QWidget* target = focus == PosFocus::Grid ? static_cast<QWidget*>(grid()) : headerEdit(focus);
    if (!target)
        return;
    if (focus == PosFocus::Grid)
        m_pages->setCurrentIndex(static_cast<int>(PosPage::Product));
    QTimer::singleShot(0, target, [target] {
        target->setFocus(Qt::OtherFocusReason);
        // What the cashier types replaces the proposed value (the cash proposed as the total).
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->selectAll();
    });
}

} // namespace kvr::pos
