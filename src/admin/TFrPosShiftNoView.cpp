#include "admin/TFrPosShiftNoView.h"

#include "data/stores/ShiftStore.h"
#include "search/SearchDialogView.h"
#include "ui/base/DataGrid.h"
#include "ui/base/FormFont.h"
#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"

#include <QApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvr::admin {

namespace {

const QString& kQuantity = data::shift::kQuantity;

bool isEnter(QKeyCombination key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && key.keyboardModifiers() == Qt::NoModifier;
}

} // namespace

TFrPosShiftNoView::TFrPosShiftNoView(TFrPosShiftNo& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_form(form)
    , m_dateLabel(new QLabel(this))
    , m_date(new QDateEdit(this))
    , m_machineLabel(new QLabel(this))
    , m_machine(new QLineEdit(this))
    , m_search(new QToolButton(this))
    , m_location(new QLabel(this))
    , m_shiftNoLabel(new QLabel(this))
    , m_shiftNo(new QLineEdit(this))
    , m_floatBox(new QGroupBox(this))
    , m_grid(new ui::DataGrid(m_floatBox))
    , m_totalLabel(new QLabel(m_floatBox))
    , m_total(new QLabel(m_floatBox))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frPosShiftNo"));
    setFont(ui::formFont());
    if (!m_form.hasMachineSearch()) {
        m_searchRunner = std::make_unique<search::DialogSearchRunner>();
        m_form.setSearchRunner(*m_searchRunner);
    }
    setWindowTitle(TFrPosShiftNo::caption());
    buildLayout();

    connect(&m_form, &TFrPosShiftNo::headerChanged, this, &TFrPosShiftNoView::showHeader);
    connect(&m_form, &TFrPosShiftNo::controlsChanged, this, &TFrPosShiftNoView::showControls);
    connect(&m_form, &TFrPosShiftNo::totalChanged, this, [this] { m_total->setText(m_form.totalText()); });
    // After the event that asked for it: the field being left finishes leaving first.
    connect(&m_form, &TFrPosShiftNo::focusRequested, this,
            [this](ShiftFocus focus) { QTimer::singleShot(0, this, [this, focus] { moveFocus(focus); }); });
    connect(&m_form, &TFrPosShiftNo::finished, this, [this](ShiftResult result) {
        if (result == ShiftResult::Ok)
            accept();
    });

    connect(m_date, &QDateEdit::dateChanged, this,
            ui::guarded([this](const QDate& date) { m_form.setShiftDate(date); }));
    // The edit's own text: the upper-case entry may have changed what was typed.
    connect(m_machine, &QLineEdit::textEdited, this, ui::guarded([this] { m_form.setMachineCode(m_machine->text()); }));
    connect(m_shiftNo, &QLineEdit::textEdited, this, ui::guarded([this] { m_form.setShiftNoText(m_shiftNo->text()); }));
    connect(m_search, &QToolButton::clicked, this, ui::guarded([this] { m_form.BtSearchClick(); }));
    connect(m_ok, &QPushButton::clicked, this, ui::guarded([this] { ok(); }));

    m_grid->setDataset(&m_form.QShiftMoney());
    m_grid->setKeyHandler([this](QKeyCombination key) { return gridKey(key); });
    connect(m_grid, &ui::DataGrid::colEnter, this, [this](const QString& field) {
        if (field.compare(kQuantity, Qt::CaseInsensitive) != 0)
            QTimer::singleShot(0, this, [this] { m_grid->setSelectedField(kQuantity); });
    });
    connect(m_grid, &ui::DataGrid::fieldChanged, this, [this](const QString& field) {
        if (field.compare(kQuantity, Qt::CaseInsensitive) != 0)
            return;
        // Typed as text; counted as whole pieces, and the total follows at once.
        const int row = m_form.QShiftMoney().recNo();
        const int pieces = m_form.QShiftMoney().field(kQuantity).asInteger();
        m_grid->suspend();
        m_form.setQuantity(row, pieces);
        m_grid->resume();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{m_date, m_machine, m_shiftNo, m_search, m_ok, m_grid})
        w->installEventFilter(this);
    applyCaptions();
    showHeader();
    showControls();
}

TFrPosShiftNoView::~TFrPosShiftNoView() = default;

void TFrPosShiftNoView::buildLayout()
{
    m_date->setObjectName(QStringLiteral("shiftDateEdit"));
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setCalendarPopup(true);
    m_machine->setObjectName(QStringLiteral("posMachineNoLineEdit"));
    m_machine->setMaxLength(20);
    ui::upperCaseEntry(m_machine);
    m_search->setObjectName(QStringLiteral("btSearchToolButton"));
    m_search->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_search->setFocusPolicy(Qt::NoFocus);
    m_location->setObjectName(QStringLiteral("locationLabel"));
    m_location->setMinimumWidth(140);
    m_shiftNo->setObjectName(QStringLiteral("posShiftNoLineEdit"));
    m_shiftNo->setValidator(new QIntValidator(0, 999999, m_shiftNo));
    m_shiftNo->setMaximumWidth(80);
    m_grid->setObjectName(QStringLiteral("dgShiftMoneyGrid"));
    m_grid->setTabKeyNavigation(false);
    m_total->setObjectName(QStringLiteral("totalLabel"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setMinimumWidth(110);
    m_total->setFont(ui::formFont(true));
    m_ok->setObjectName(QStringLiteral("btOkPushButton"));
    m_ok->setAutoDefault(false);

    auto* header = new QGridLayout;
    header->addWidget(m_dateLabel, 0, 0);
    header->addWidget(m_date, 0, 1);
    header->addWidget(m_machineLabel, 1, 0);
    auto* machineRow = new QHBoxLayout;
    machineRow->addWidget(m_machine);
    machineRow->addWidget(m_search);
    machineRow->addWidget(m_location, 1);
    header->addLayout(machineRow, 1, 1);
    header->addWidget(m_shiftNoLabel, 2, 0);
    header->addWidget(m_shiftNo, 2, 1, Qt::AlignLeft);
    header->setColumnStretch(1, 1);

    auto* box = new QVBoxLayout(m_floatBox);
    box->addWidget(m_grid, 1);
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(m_totalLabel);
    totalRow->addWidget(m_total);
    box->addLayout(totalRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_floatBox, 1);
    layout->addLayout(buttons);
    resize(420, 460);
}

void TFrPosShiftNoView::applyCaptions()
{
    const ShiftCaptions c = m_form.captions();
    m_dateLabel->setText(c.date);
    m_machineLabel->setText(c.machine);
    m_shiftNoLabel->setText(c.shiftNo);
    m_floatBox->setTitle(c.floatBox);
    m_totalLabel->setText(c.total);
    m_grid->setColumnList({QStringLiteral("Description\t22\t") + c.description,
                           QStringLiteral("Quantity\t8\t") + c.quantity, QStringLiteral("Amount\t14\t") + c.amount});
    for (const char* field : {"Description", "Amount"}) {
        m_grid->setColumnReadOnly(QString::fromLatin1(field), true);
        m_grid->setColumnEditor(QString::fromLatin1(field), ui::CellEditorKind::None);
    }
    m_grid->setColumnFormat(QStringLiteral("Quantity"), QStringLiteral("#,##0"));
    m_grid->setColumnFormat(QStringLiteral("Amount"), QString::fromLatin1(TFrPosShiftNo::kTotalPicture));
}

void TFrPosShiftNoView::showHeader()
{
    const QSignalBlocker dateBlocker(m_date);
    m_date->setDate(m_form.shiftDate());
    if (m_machine->text() != m_form.machineCode())
        m_machine->setText(m_form.machineCode());
    if (m_shiftNo->text() != m_form.shiftNoText())
        m_shiftNo->setText(m_form.shiftNoText());
    m_location->setText(m_form.machineLocation());
    m_total->setText(m_form.totalText());
}

void TFrPosShiftNoView::showControls()
{
    const ShiftControls& c = m_form.controls();
    m_date->setEnabled(c.dateEnabled);
    m_grid->setEnabled(c.gridEnabled);
    m_ok->setEnabled(c.okEnabled);
}

void TFrPosShiftNoView::moveFocus(ShiftFocus focus)
{
    switch (focus) {
    case ShiftFocus::Date:
        m_date->setFocus();
        break;
    case ShiftFocus::Machine:
        m_machine->setFocus();
        break;
    case ShiftFocus::ShiftNo:
        m_shiftNo->setFocus();
        break;
    case ShiftFocus::Grid:
        if (m_grid->isEnabled()) {
            m_grid->setFocus();
            m_grid->setSelectedField(kQuantity);
        }
        break;
    }
}

bool TFrPosShiftNoView::run()
{
    return exec() == QDialog::Accepted;
}

void TFrPosShiftNoView::reject()
{
    m_form.Cancel();
    QDialog::reject();
}

void TFrPosShiftNoView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    applyCaptions();
    m_form.FormShow();
}

bool TFrPosShiftNoView::eventFilter(QObject* watched, QEvent* event)
{
    // A key whose action failed has still been taken; other events go on to their widget.
    return ui::runGuardedOr(event->type() == QEvent::KeyPress, [&] { return filterEvent(watched, event); });
}

bool TFrPosShiftNoView::filterEvent(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_grid) {
        m_form.DgShiftMoneyEnter();
        return false;
    }
    const bool header = watched == m_date || watched == m_machine || watched == m_shiftNo;
    if (event->type() == QEvent::FocusOut && header) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A box or pop-up over the field, or the dialog closing, is no leaving of the field; an
        // Enter has left it already.
        if (!m_exitedByEnter && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible() && m_form.result() == ShiftResult::None)
            m_form.HeaderExit();
        m_exitedByEnter = false;
        return false;
    }
    if (event->type() != QEvent::KeyPress || watched == m_grid)
        return false;
    const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
    if (isEnter(key)) {
        if (header) {
            // Leaves the field before the focus moves, so that a float ready to count takes it at once.
            m_form.HeaderExit();
            m_exitedByEnter = true;
            if (m_form.controls().gridEnabled) {
                moveFocus(ShiftFocus::Grid);
                return true;
            }
        }
        focusNextChild();
        return true;
    }
    if (key == QKeyCombination(Qt::Key_F5)) {
        m_form.BtSearchClick();
        return true;
    }
    if (key == QKeyCombination(Qt::Key_F10)) {
        ok();
        return true;
    }
    return false;
}

bool TFrPosShiftNoView::gridKey(QKeyCombination key)
{
    const int rows = m_form.QShiftMoney().recordCount();
    const int row = m_form.QShiftMoney().recNo();
    int target = -1;
    if (isEnter(key))
        target = qMin(row + 1, rows - 1);
    else if (key == QKeyCombination(Qt::Key_Down))
        target = qMin(row + 1, rows - 1);
    else if (key == QKeyCombination(Qt::Key_Up))
        target = qMax(row - 1, 0);
    else if (key == QKeyCombination(Qt::Key_F10)) {
        ok();
        return true;
    } else {
        // Left and right would leave the count column; inside a cell editor they move the cursor.
        QWidget* focus = QApplication::focusWidget();
        const bool editing = focus && focus != m_grid && m_grid->isAncestorOf(focus);
        return !editing && (key == QKeyCombination(Qt::Key_Left) || key == QKeyCombination(Qt::Key_Right));
    }
    postCellEditor();
    recalculate();
    if (target >= 0) {
        m_form.QShiftMoney().setRecNo(target);
        m_grid->setSelectedField(kQuantity);
    }
    return true;
}

void TFrPosShiftNoView::postCellEditor()
{
    QWidget* editor = QApplication::focusWidget();
    if (!editor || editor == m_grid || !m_grid->isAncestorOf(editor))
        return;
    emit m_grid->itemDelegate()->commitData(editor);
    emit m_grid->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TFrPosShiftNoView::recalculate()
{
    m_grid->suspend();
    m_form.Recalculate();
    m_grid->resume();
}

void TFrPosShiftNoView::ok()
{
    if (!m_form.controls().okEnabled)
        return;
    postCellEditor();
    // A failed save goes on to the error dialog; the grid follows its rows again either way.
    struct Resume
    {
        ui::DataGrid* grid;
        ~Resume() { grid->resume(); }
    } resume{m_grid};
    m_grid->suspend();
    m_form.BtOkClick();
}

} // namespace kvr::admin
