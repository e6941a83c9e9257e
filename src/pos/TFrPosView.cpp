#include "pos/TFrPosView.h"

#include "search/LookupFrameView.h"
#include "search/SearchDialogView.h"
#include "ui/base/DataGrid.h"
#include "ui/base/LookupEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
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
    // Unlike the other document windows the sale screen is sized by the cashier.
    setMinimumSize(kMinimumWidth, 480);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kDefaultWidth, kDefaultHeight);
    m_toolbar = findChild<QFrame*>(QStringLiteral("toolbarFrame"));
    setContent(buildContent());

    connect(&m_pos, &TFrPos::captionsChanged, this, &TFrPosView::applyCaptions);
    connect(&m_pos, &TFrPos::controlsChanged, this, &TFrPosView::showControls);
    connect(&m_pos, &TFrPos::headerTextsChanged, this, [this] {
        showHeader();
        showTotals();
    });
    connect(&m_pos, &TFrPos::totalsChanged, this, &TFrPosView::showTotals);
    connect(&m_pos, &TFrPos::columnsChanged, this, &TFrPosView::applyColumns);
    connect(&m_pos, &TFrPos::focusRequested, this, &TFrPosView::moveFocus);
    applyCaptions();
    showControls();
}

TFrPosView::~TFrPosView()
{
    // A window going away is no leaving of its fields: the field that had the focus must not
    // act on the bill, nor the screen's signals reach what is being destroyed.
    disconnect(&m_pos, nullptr, this, nullptr);
    for (const auto& [edit, focus] : m_headerEdits)
        edit->blockSignals(true);
}

QString TFrPosView::iniPath()
{
    return QDir::current().filePath(QStringLiteral("KVR.INI"));
}

QLineEdit* TFrPosView::headerEdit(PosFocus field) const
{
    for (const auto& [edit, focus] : m_headerEdits)
        if (focus == field)
            return edit;
    return nullptr;
}

QWidget* TFrPosView::buildContent()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("posContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(6, 4, 6, 4);
    column->addWidget(buildHeader());
    m_pages = new QTabWidget(content);
    m_pages->setObjectName(QStringLiteral("posPageControl"));
    m_pages->setFocusPolicy(Qt::NoFocus);
    m_pages->addTab(buildProductPage(), QString());
    m_pages->addTab(buildDiscountPage(), QString());
    m_pages->addTab(buildReceiptPage(), QString());
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        const auto page = static_cast<PosPage>(index);
        if (m_pos.controls().page != page)
            m_pos.PosPageChange(page);
    });
    column->addWidget(m_pages, 1);
    column->addWidget(buildTotals());
    return content;
}

QLineEdit* TFrPosView::addHeaderEdit(const char* name, PosFocus focus)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name) + QStringLiteral("LineEdit"));
    m_headerEdits.emplace_back(edit, focus);
    return edit;
}

search::LookupFrameView* TFrPosView::addHeaderFrame(search::LookupFrame& frame, const char* name, PosFocus focus)
{
    auto* view = new search::LookupFrameView(frame);
    const QString prefix = QString::fromLatin1(name);
    view->setObjectName(prefix + QStringLiteral("Frame"));
    // The header's caption stands for the frame's and follows the language flip.
    if (auto* caption = view->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        caption->hide();
    view->codeEdit()->setObjectName(prefix + QStringLiteral("CodeLineEdit"));
    view->nameLabel()->setObjectName(prefix + QStringLiteral("NameLabel"));
    m_headerEdits.emplace_back(view->codeEdit(), focus);
    return view;
}

QWidget* TFrPosView::buildHeader()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("headerPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    const auto label = [this, panel](QString PosCaptions::*caption) {
        auto* l = new QLabel(panel);
        m_captionLabels.emplace_back(l, caption);
        return l;
    };

    QLineEdit* posNo = addHeaderEdit("posNo", PosFocus::PosNo);
    connect(posNo, &QLineEdit::textEdited, this, [this](const QString& text) { m_pos.headerTexts().posNo = text; });
    connect(posNo, &QLineEdit::editingFinished, this, [this, posNo] {
        if (posNo->isModified()) {
            posNo->setModified(false);
            m_pos.PosNoExit();
        }
    });
    QLineEdit* date = addHeaderEdit("docDate", PosFocus::DocDate);
    date->setInputMask(QStringLiteral("99/99/9999"));
    connect(date, &QLineEdit::editingFinished, this, [this, date] {
        if (date->isModified()) {
            date->setModified(false);
            m_pos.FaGetDate1DocDateExit(QDate::fromString(date->text(), QStringLiteral("dd/MM/yyyy")).startOfDay());
        }
    });
    // The lookup frames check their codes when they are left and hand them to the screen; F5 searches.
    m_customerFrame = addHeaderFrame(m_pos.FaGetCustomer1(), "customer", PosFocus::Customer);
    m_customerName = m_customerFrame->nameLabel();
    search::LookupFrameView* salesman = addHeaderFrame(m_pos.FaGetSalesman1(), "salesman", PosFocus::Salesman);
    m_warehouseFrame = addHeaderFrame(m_pos.FaGetWarehouse1(), "warehouse", PosFocus::Warehouse);
    search::LookupFrameView* department = addHeaderFrame(m_pos.FaGetDepartment1(), "department", PosFocus::None);
    QLineEdit* tax = addHeaderEdit("taxCode", PosFocus::TaxCode);
    tax->setReadOnly(true);
    QLineEdit* remark = addHeaderEdit("remark", PosFocus::Remark);
    m_hdFields.emplace_back(remark, QStringLiteral("Remark"));
    connect(remark, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_pos.QHd().isOpen() && !m_pos.QHd().eof())
            m_pos.bill().setHd(QStringLiteral("Remark"), text);
    });
    m_exchangeRate = new QLabel(panel);
    m_exchangeRate->setObjectName(QStringLiteral("exchangeRateLabel"));

    grid->addWidget(label(&PosCaptions::billNo), 0, 0);
    grid->addWidget(posNo, 0, 1);
    grid->addWidget(label(&PosCaptions::date), 0, 2);
    grid->addWidget(date, 0, 3);
    grid->addWidget(label(&PosCaptions::tax), 0, 4);
    grid->addWidget(tax, 0, 5);
    grid->addWidget(label(&PosCaptions::customer), 1, 0);
    grid->addWidget(m_customerFrame, 1, 1, 1, 5);
    grid->addWidget(label(&PosCaptions::salesman), 2, 0);
    grid->addWidget(salesman, 2, 1);
    grid->addWidget(label(&PosCaptions::warehouse), 2, 2);
    grid->addWidget(m_warehouseFrame, 2, 3);
    grid->addWidget(label(&PosCaptions::department), 2, 4);
    grid->addWidget(department, 2, 5);
    grid->addWidget(label(&PosCaptions::remark), 3, 0);
    grid->addWidget(remark, 3, 1, 1, 3);
    grid->addWidget(m_exchangeRate, 3, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget* TFrPosView::buildProductPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheetProduct"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    m_grid = new ui::DataGrid(page);
    m_grid->setObjectName(QStringLiteral("dgDtGrid"));
    m_grid->setDataset(&m_pos.QDt());
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    wireLineGrid();
    layout->addWidget(m_grid);
    return page;
}

} // namespace kvr::pos
