#include "search/SearchDialogView.h"

#include "ui/base/DataGrid.h"
#include "ui/base/FormFont.h"
#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"
#include "util/Flags.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr::search {

namespace {

QColor colourOf(SearchScreen::RowColour colour)
{
    switch (colour) {
    case SearchScreen::RowColour::Red:
        return QColor(Qt::red);
    case SearchScreen::RowColour::Blue:
        return QColor(Qt::blue);
    case SearchScreen::RowColour::Plain:
        break;
    }
    return {};
}

} // namespace

SearchDialogView::SearchDialogView(SearchScreen& screen, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_grid(new ui::DataGrid(this))
    , m_btSearch(new QPushButton(screen.searchCaption(), this))
    , m_btOk(new QPushButton(screen.okCaption(), this))
    , m_btCancel(new QPushButton(screen.cancelCaption(), this))
    , m_btMore(new QPushButton(screen.moreCaption(), this))
    , m_hint(new QLabel(screen.gridHint(), this))
{
    setObjectName(QStringLiteral("searchDialog"));
    setWindowTitle(screen.caption());
    setFont(ui::formFont());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCriteria());

    m_grid->setObjectName(QStringLiteral("DgSearch"));
    m_grid->setGridReadOnly(true);
    m_grid->setMultiSelect(screen.isMultiSelect());
    m_grid->setDataset(&screen.QSearch());
    m_grid->setColumns(screen.columns());
    m_grid->setRowColour([&screen](int row) { return colourOf(screen.rowColour(row)); });
    m_grid->setToolTip(screen.gridHint());
    layout->addWidget(m_grid, 1);
    // Wide enough for the result's columns, within a screen's width.
    int columnsWidth = 0;
    for (int c = 0; c < m_grid->model()->columnCount(); ++c)
        columnsWidth += m_grid->columnWidth(c);
    resize(qBound(560, columnsWidth + 48, 1000), 440);

    auto* bottom = new QHBoxLayout;
    m_hint->setObjectName(QStringLiteral("gridHintLabel"));
    m_hint->setVisible(!screen.gridHint().isEmpty());
    bottom->addWidget(m_hint, 1);
    for (QPushButton* button : {m_btMore, m_btOk, m_btCancel}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    layout->addLayout(bottom);
    m_btOk->setObjectName(QStringLiteral("BtOk"));
    m_btCancel->setObjectName(QStringLiteral("BtCancel"));
    m_btMore->setObjectName(QStringLiteral("BtMore"));
    m_btMore->setEnabled(false);
    m_btSearch->setObjectName(QStringLiteral("BtSearch"));
    m_btSearch->setAutoDefault(false);
    // Not a tab stop: Enter in the criteria searches.
    m_btSearch->setFocusPolicy(Qt::ClickFocus);
    if (!screen.hasSearchButton())
        m_btSearch->hide();
    if (const int size = screen.buttonFontSize()) {
        QFont small = ui::formFont();
        small.setPointSize(size);
        for (QPushButton* button : {m_btSearch, m_btMore, m_btOk, m_btCancel})
            button->setFont(small);
    }

    connect(m_btSearch, &QPushButton::clicked, this, ui::guarded([this] { m_screen.BtSearchClick(); }));
    connect(m_btOk, &QPushButton::clicked, this, ui::guarded(std::bind_front(&SearchDialogView::choose, this)));
    connect(m_btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btMore, &QPushButton::clicked, this, ui::guarded([this] { m_screen.BtMoreClick(); }));
    connect(&m_screen, &SearchScreen::rowsListed, this, [this] { m_btMore->setEnabled(m_screen.hasMoreRows()); });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &SearchDialogView::choose);
    connect(m_grid, &ui::DataGrid::titleClicked, this, [this](const QString& field) { m_screen.titleClick(field); });
    connect(m_grid, &ui::DataGrid::cellMousePressed, this,
            [this](int row, const QString&, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                m_screen.gridMouseDown(row, button, modifiers);
            });
    connect(&m_screen, &SearchScreen::focusRequested, this, &SearchDialogView::focus);
    // Key preview: the screen sees every key of the dialog before the focused control does.
    qApp->installEventFilter(this);
}

QWidget* SearchDialogView::buildCriteria()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("criteriaPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (SearchCriterion& c : m_screen.criteria()) {
        const QString name = c.name;
        if (!c.checkBox) // a check box carries its own caption
            grid->addWidget(new QLabel(c.caption, panel), row, 0);
        QWidget* field = nullptr;
        if (c.checkBox) {
            auto* check = new QCheckBox(c.caption, panel);
            connect(check, &QCheckBox::toggled, this,
                    ui::guarded([this, name](bool on) { m_screen.setCriterion(name, util::flagText(on)); }));
            field = check;
        } else if (!c.choices.isEmpty()) {
            auto* combo = new QComboBox(panel);
            combo->addItems(c.choices);
            connect(combo, &QComboBox::currentIndexChanged, this,
                    ui::guarded([this, name](int index) { m_screen.setCriterion(name, QString::number(index)); }));
            field = combo;
        } else {
            auto* edit = new QLineEdit(panel);
            if (c.upperCase)
                ui::upperCaseEntry(edit);
            connect(edit, &QLineEdit::textChanged, this,
                    ui::guarded([this, name](const QString& text) { m_screen.setCriterion(name, text); }));
            field = edit;
        }
        field->setObjectName(name + QStringLiteral("Criterion"));
        grid->addWidget(field, row, 1);
        m_fields[name] = field;
        ++row;
    }
    grid->addWidget(m_btSearch, 0, 2);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* SearchDialogView::criterionField(const QString& name) const
{
    const auto it = m_fields.find(name);
    return it == m_fields.end() ? nullptr : it->second;
}

void SearchDialogView::showCriteria()
{
    for (const SearchCriterion& c : m_screen.criteria()) {
        QWidget* field = criterionField(c.name);
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && edit->text() != c.text)
            edit->setText(c.text);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->setCurrentIndex(qMax(0, c.text.toInt()));
        if (auto* check = qobject_cast<QCheckBox*>(field)) {
            const QSignalBlocker quiet(check); // showing the state is no change of it
            check->setChecked(util::isFlagSet(c.text));
        }
    }
}

void SearchDialogView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_screen.FormShow();
    m_btMore->setEnabled(false);
    showCriteria();
}

void SearchDialogView::focus(SearchScreen::Focus where)
{
    if (where == SearchScreen::Focus::Cancel) {
        m_btCancel->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (where == SearchScreen::Focus::Grid) {
        m_grid->setFocus(Qt::OtherFocusReason);
        if (!m_grid->currentIndex().isValid() && m_grid->model()->rowCount() > 0)
            m_grid->setCurrentIndex(m_grid->model()->index(0, 0));
        return;
    }
    if (!m_screen.criteria().empty())
        if (QWidget* first = criterionField(m_screen.criteria().front().name))
            first->setFocus(Qt::OtherFocusReason);
}

void SearchDialogView::choose()
{
    m_screen.setSelectedRows(m_grid->selectedRows());
    if (m_screen.BtOkClick())
        accept();
}

SearchScreen::Where SearchDialogView::whereIs(QWidget* widget) const
{
    if (widget == m_grid || m_grid->isAncestorOf(widget))
        return SearchScreen::Where::Grid;
    for (const auto& [name, field] : m_fields) {
        if (widget == field && qobject_cast<QLineEdit*>(field))
            return SearchScreen::Where::Criteria;
    }
    return SearchScreen::Where::Other;
}

bool SearchDialogView::eventFilter(QObject* watched, QEvent* event)
{
    // A key whose action failed has still been taken; other events go on to their widget.
    return ui::runGuardedOr(event->type() == QEvent::KeyPress, [&] { return filterEvent(watched, event); });
}

bool SearchDialogView::filterEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisible())
        return false;
    QWidget* focusWidget = QApplication::focusWidget();
    // Keys travel up from the focused control; the dialog looks at them once, where they start.
    if (!focusWidget || watched != focusWidget || !(focusWidget == this || isAncestorOf(focusWidget)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (m_screen.FormKeyDown(key->keyCombination(), whereIs(focusWidget))) {
    case SearchScreen::KeyOutcome::Choose:
        choose();
        return true;
    case SearchScreen::KeyOutcome::Cancel:
        reject();
        return true;
    case SearchScreen::KeyOutcome::Handled:
        return true;
    case SearchScreen::KeyOutcome::Ignored:
        break;
    }
    return false;
}

bool DialogSearchRunner::run(SearchScreen& search)
{
    SearchDialogView view(search, m_parent);
    return view.exec() == QDialog::Accepted;
}

} // namespace kvr::search
