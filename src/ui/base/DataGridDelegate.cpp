#include "ui/base/DataGridDelegate.h"

#include "ui/base/ColumnLength.h"
#include "ui/base/DataGrid.h"
#include "ui/base/Guarded.h"
#include "ui/base/SearchEdit.h"
#include "ui/base/UpperCaseEntry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

namespace kvr::ui {

namespace {

// Set on an editor the grid has let go of (its row moved or the lines were reloaded while it was
// committing): it is hidden and deleted later, and must not commit or close a second time.
constexpr const char* kReleased = "kvrReleasedEditor";

bool released(const QObject* editor)
{
    return editor && editor->property(kReleased).toBool();
}

QLineEdit* lineEditOf(QWidget* editor)
{
    if (auto* search = qobject_cast<SearchEdit*>(editor))
        return search->lineEdit();
    if (auto* dropDown = qobject_cast<QComboBox*>(editor))
        return dropDown->lineEdit();
    return qobject_cast<QLineEdit*>(editor);
}

// An editable drop-down whose list shows each code with its name; the cell takes the code.
QComboBox* makeDropDown(QWidget* parent, const std::vector<CellChoice>& choices, bool upperCase)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setFrame(false);
    auto* model = new QStandardItemModel(int(choices.size()), 2, box);
    for (int row = 0; row < int(choices.size()); ++row) {
        model->setItem(row, 0, new QStandardItem(choices[size_t(row)].code));
        model->setItem(row, 1, new QStandardItem(choices[size_t(row)].name));
    }
    box->setModel(model);
    box->setModelColumn(0);
    auto* list = new QTableView(box);
    list->horizontalHeader()->hide();
    list->verticalHeader()->hide();
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setShowGrid(false);
    list->horizontalHeader()->setStretchLastSection(true);
    box->setView(list);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 70);
    if (upperCase)
        upperCaseEntry(box->lineEdit());
    return box;
}

} // namespace

DataGridDelegate::DataGridDelegate(DataGrid& grid)
    : QStyledItemDelegate(&grid)
    , m_grid(grid)
{ }

QWidget* DataGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const DataGridColumn* column = m_grid.gridModel().column(m_grid.gridModel().fieldAt(index.column()));
    if (!column || column->editor == CellEditorKind::None)
        return nullptr;
    QWidget* editor = nullptr;
    if (column->editor == CellEditorKind::DropDown) {
        auto* box =
            makeDropDown(parent, column->choices ? column->choices() : std::vector<CellChoice>{}, column->upperCase);
        // The line edit has the focus: its keys pass here too.
        box->lineEdit()->installEventFilter(const_cast<DataGridDelegate*>(this));
        editor = box;
    } else if (column->editor == CellEditorKind::SearchEdit) {
        auto* search = new SearchEdit(parent);
        search->setUpperCase(column->upperCase);
        const QString field = column->field;
        connect(search, &SearchEdit::searchClicked, &m_grid,
                guarded([this, field] { emit m_grid.searchRequested(field); }));
        // The line edit has the focus: its keys pass here too.
        search->lineEdit()->installEventFilter(const_cast<DataGridDelegate*>(this));
        editor = search;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        if (column->upperCase)
            upperCaseEntry(edit);
        editor = edit;
    }
    // A cell takes no more than its column holds.
    auto* text = qobject_cast<QLineEdit*>(editor);
    if (!text)
        text = editor->findChild<QLineEdit*>();
    if (text && m_grid.dataset())
        limitToField(text, *m_grid.dataset(), column->field);
    editor->setObjectName(column->field + QStringLiteral("CellEditor"));
    m_grid.noteEditor(editor);
    return editor;
}

void DataGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (QLineEdit* edit = lineEditOf(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
        edit->selectAll();
    }
}

void DataGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // Writing the cell runs the screen's field handlers; a failure leaves the editor's text unsaved.
    if (QLineEdit* edit = lineEditOf(editor))
        runGuarded([&] { model->setData(index, edit->text(), Qt::EditRole); });
}

void DataGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    editor->setProperty(kReleased, true);
    if (QLineEdit* inner = lineEditOf(editor); inner && inner != editor)
        inner->removeEventFilter(const_cast<DataGridDelegate*>(this));
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool DataGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    // A key whose handler failed has been taken.
    return runGuardedOr(true, [&] { return filterEditorEvent(object, event); });
}

bool DataGridDelegate::filterEditorEvent(QObject* object, QEvent* event)
{
    if (m_gridGone)
        return false;
    // The line edit inside a search edit or drop-down reports for it: the view knows only that.
    QObject* editor = object;
    if (auto* widget = qobject_cast<QWidget*>(object); widget &&
        (qobject_cast<SearchEdit*>(widget->parentWidget()) || qobject_cast<QComboBox*>(widget->parentWidget())))
        editor = widget->parentWidget();
    if (released(editor))
        return false;
    // The grid moves the focus to itself while it closes an editor: that focus-out is no edit
    // ending, and the editor is no longer the grid's to commit.
    if (event->type() == QEvent::FocusOut && !m_grid.isEditing())
        return false;
    if (event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(editor, event);
    // A key the line edit let through reaches its search edit as well; it was offered already.
    // A drop-down has the focus itself and hands its keys to its line edit directly.
    if (editor == object && qobject_cast<SearchEdit*>(object))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!m_grid.isBeingPassedOn(event) && m_grid.keyHandlerTakes(key->keyCombination()))
        return true;
    auto* editorWidget = qobject_cast<QWidget*>(editor);
    // Up and Down leave a closed drop-down for the next row, as they leave any cell; they must
    // not step through its list and change the cell on the way.
    if (auto* box = qobject_cast<QComboBox*>(editor); box && !box->view()->isVisible() &&
        !(key->modifiers() & Qt::AltModifier) &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
         key->key() == Qt::Key_PageDown)) {
        m_grid.finishEditing();
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(&m_grid, &again);
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && editorWidget && m_grid.enterMovesToNextCell() && m_grid.isAtLastCell()) {
        m_grid.finishEditing();
        emit m_grid.endReached();
        return true;
    }
    if (enter && editorWidget && m_grid.enterMovesToNextCell()) {
        emit commitData(editorWidget);
        // What the cell's value set off may have closed the editor already.
        if (!released(editorWidget))
            emit closeEditor(editorWidget, QAbstractItemDelegate::EditNextItem);
        return true;
    }
    if (key->key() == Qt::Key_F5 && key->modifiers() == Qt::NoModifier && qobject_cast<SearchEdit*>(editor)) {
        emit m_grid.searchRequested(m_grid.selectedField());
        return true;
    }
    // F5 opens a drop-down's list, as it opens the search of other cells.
    if (key->key() == Qt::Key_F5 && key->modifiers() == Qt::NoModifier) {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->showPopup();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

} // namespace kvr::ui
