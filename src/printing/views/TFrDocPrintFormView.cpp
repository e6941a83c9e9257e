#include "printing/views/TFrDocPrintFormView.h"
#include "ui/base/Guarded.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvr::printing {

TFrDocPrintFormView::TFrDocPrintFormView(TFrDocPrintForm& form, QWidget* parent)
    : QDialog(parent)
    , m_form(form)
    , m_list(new QTableWidget(this))
    , m_display(new QPushButton(this))
    , m_print(new QPushButton(this))
    , m_setPrinter(new QPushButton(this))
    , m_cancel(new QPushButton(this))
    , m_showFileName(new QAction(this))
{
    setObjectName(QStringLiteral("docPrintFormDialog"));
    m_list->setObjectName(QStringLiteral("layoutListTableWidget"));
    m_display->setObjectName(QStringLiteral("displayPushButton"));
    m_print->setObjectName(QStringLiteral("printPushButton"));
    m_setPrinter->setObjectName(QStringLiteral("setPrinterPushButton"));
    m_cancel->setObjectName(QStringLiteral("cancelPushButton"));
    m_showFileName->setObjectName(QStringLiteral("showFileNameAction"));

    m_list->setColumnCount(1);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Width 60 characters, as the layouts' descriptions are written for.
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 60);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->addAction(m_showFileName);
    m_list->installEventFilter(this);
    m_print->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_display, m_print, m_setPrinter, m_cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_display, &QPushButton::clicked, this, ui::guarded([this] { m_form.BtDisplayClick(); }));
    connect(m_print, &QPushButton::clicked, this, ui::guarded([this] { m_form.BtPrintClick(); }));
    connect(m_setPrinter, &QPushButton::clicked, this, ui::guarded([this] { m_form.BtSetPrinterClick(); }));
    connect(m_cancel, &QPushButton::clicked, this, ui::guarded([this] { m_form.Cancel(); }));
    connect(m_showFileName, &QAction::triggered, this, ui::guarded([this] { m_form.ShowFileName(); }));
    connect(m_list, &QTableWidget::cellDoubleClicked, this, ui::guarded([this] { m_form.BtPrintClick(); }));
    connect(m_list, &QTableWidget::currentCellChanged, this,
            ui::guarded([this](int row) { m_form.setCurrentLayout(row); }));
    connect(&m_form, &TFrDocPrintForm::layoutsChanged, this, &TFrDocPrintFormView::showLayouts);
    connect(&m_form, &TFrDocPrintForm::currentLayoutChanged, this, [this] {
        if (m_list->currentRow() != m_form.currentLayout() && m_form.currentLayout() >= 0)
            m_list->setCurrentCell(m_form.currentLayout(), 0);
    });
    connect(&m_form, &TFrDocPrintForm::closeRequested, this, &TFrDocPrintFormView::closeForm);
    applyCaptions();
    resize(520, 260);
}

void TFrDocPrintFormView::applyCaptions()
{
    const DocPrintCaptions c = m_form.captions();
    setWindowTitle(c.caption);
    m_display->setText(c.display);
    m_print->setText(c.print);
    m_setPrinter->setText(c.setPrinter);
    m_cancel->setText(c.cancel);
    m_display->setToolTip(c.displayHint);
    m_print->setToolTip(c.printHint);
    m_setPrinter->setToolTip(c.setPrinterHint);
    m_cancel->setToolTip(c.cancelHint);
    m_list->setHorizontalHeaderLabels({c.listTitle});
    m_showFileName->setText(c.showFileName);
}

void TFrDocPrintFormView::showLayouts()
{
    const QSignalBlocker blocker(m_list);
    m_list->setRowCount(m_form.layoutCount());
    for (int row = 0; row < m_form.layoutCount(); ++row)
        m_list->setItem(row, 0, new QTableWidgetItem(m_form.layouts().at(size_t(row)).description));
    if (m_form.currentLayout() >= 0)
        m_list->setCurrentCell(m_form.currentLayout(), 0);
}

void TFrDocPrintFormView::placeTopRight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + area.width() - frameGeometry().width(), area.top());
}

void TFrDocPrintFormView::run()
{
    applyCaptions();
    m_form.FormShow();
    if (m_form.layoutCount() == 0)
        return;
    adjustSize();
    m_list->setFocus();
    exec();
}

void TFrDocPrintFormView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once shown the frame is known: the form sits in the top right corner, whole.
    placeTopRight();
}

void TFrDocPrintFormView::closeForm()
{
    if (isVisible())
        done(QDialog::Accepted);
}

bool TFrDocPrintFormView::eventFilter(QObject* watched, QEvent* event)
{
    // A key whose action failed has still been taken; other events go on to their widget.
    return ui::runGuardedOr(event->type() == QEvent::KeyPress, [&] { return filterEvent(watched, event); });
}

bool TFrDocPrintFormView::filterEvent(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_form.BtPrintClick();
            return true;
        }
        if (key->key() == Qt::Key_F11) {
            m_form.ShowFileName();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kvr::printing
