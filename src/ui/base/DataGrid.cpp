#include "ui/base/DataGrid.h"

#include "ui/base/DataGridDelegate.h"
#include "ui/base/Guarded.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace kvr::ui {

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(this)
{
    setModel(&m_model);
    setItemDelegate(new DataGridDelegate(*this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // The screen's handlers behind these signals run inside Qt's delivery: their errors stop here.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            guarded([this](int section) { emit titleClicked(m_model.fieldAt(section)); }));
    connect(&m_model, &DatasetTableModel::currentRowMoved, this, guarded([this](int row) { followDataset(row); }));
    connect(&m_model, &DatasetTableModel::fieldReentered, this,
            guarded([this](int, const QString& field) { emit fieldReentered(field); }));
    connect(&m_model, &DatasetTableModel::fieldEdited, this,
            guarded([this](int, const QString& field) { emit fieldChanged(field); }));
    connect(&m_model, &QAbstractItemModel::modelReset, this, guarded([this] { afterReset(); }));
}

DataGrid::~DataGrid()
{
    if (auto* delegate = qobject_cast<DataGridDelegate*>(itemDelegate()))
        delegate->releaseGrid();
}

void DataGrid::setDataset(data::CachedDataset* dataset)
{
    m_model.setDataset(dataset);
}

void DataGrid::setColumnList(const QStringList& lines)
{
    setColumns(parseColumnList(lines));
}

void DataGrid::setColumns(std::vector<DataGridColumn> columns)
{
    const QString field = selectedField();
    m_model.setColumns(std::move(columns));
    applyColumnLayout();
    if (!field.isEmpty())
        setSelectedField(field);
}

int DataGrid::characterWidth() const
{
    return qMax(1, fontMetrics().averageCharWidth());
}

void DataGrid::applyColumnLayout()
{
    const std::vector<DataGridColumn>& columns = m_model.columns();
    for (int c = 0; c < int(columns.size()); ++c) {
        setColumnWidth(c, columns[size_t(c)].width * characterWidth() + 8);
        setColumnHidden(c, !columns[size_t(c)].visible);
    }
}

void DataGrid::setColumnEditor(const QString& field, CellEditorKind editor)
{
    if (DataGridColumn* c = column(field))
        c->editor = editor;
}

void DataGrid::setColumnReadOnly(const QString& field, bool readOnly)
{
    if (DataGridColumn* c = column(field))
        c->readOnly = readOnly;
}

void DataGrid::setColumnReadOnlyRule(const QString& field, std::function<bool(int)> rule)
{
    if (DataGridColumn* c = column(field))
        c->readOnlyRule = std::move(rule);
}

void DataGrid::setColumnVisible(const QString& field, bool visible)
{
    if (DataGridColumn* c = column(field)) {
        c->visible = visible;
        setColumnHidden(m_model.columnOf(field), !visible);
    }
}

void DataGrid::setColumnFormat(const QString& field, const QString& format)
{
    if (DataGridColumn* c = column(field)) {
        c->displayFormat = format;
        viewport()->update();
    }
}

void DataGrid::setColumnUpperCase(const QString& field, bool upperCase)
{
    if (DataGridColumn* c = column(field))
        c->upperCase = upperCase;
}

void DataGrid::setColumnChoices(const QString& field, std::function<std::vector<CellChoice>()> choices)
{
    if (DataGridColumn* c = column(field)) {
        c->editor = CellEditorKind::DropDown;
        c->choices = std::move(choices);
    }
}

void DataGrid::setGridReadOnly(bool readOnly)
{
    m_model.setReadOnly(readOnly);
    if (readOnly) {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setTabKeyNavigation(false);
    } else {
        setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::DoubleClicked);
        setSelectionBehavior(QAbstractItemView::SelectItems);
        setTabKeyNavigation(true);
    }
}

void DataGrid::setMultiSelect(bool on)
{
    m_multiSelect = on;
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    if (on)
        setSelectionBehavior(QAbstractItemView::SelectRows);
}

std::vector<int> DataGrid::selectedRows() const
{
    std::vector<int> rows;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            if (std::find(rows.begin(), rows.end(), index.row()) == rows.end())
                rows.push_back(index.row());
        }
    }
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DataGrid::setAlwaysShowEditor(bool on)
{
    QAbstractItemView::EditTriggers triggers = editTriggers();
    triggers.setFlag(QAbstractItemView::CurrentChanged, on);
    setEditTriggers(triggers);
}

QString DataGrid::selectedField() const
{
    return currentIndex().isValid() ? m_model.fieldAt(currentIndex().column()) : QString();
}

bool DataGrid::setSelectedField(const QString& field)
{
    const int c = m_model.columnOf(field);
    if (c < 0 || isColumnHidden(c))
        return false;
    const int row = currentIndex().isValid() ? currentIndex().row() : (dataset() ? dataset()->recNo() : 0);
    if (row < 0 || row >= m_model.rowCount())
        return false;
    setCurrentIndex(m_model.index(row, c));
    return true;
}

int DataGrid::firstVisibleColumn() const
{
    for (int c = 0; c < m_model.columnCount(); ++c) {
        if (!isColumnHidden(c))
            return c;
    }
    return -1;
}

void DataGrid::resume()
{
    if (m_suspended == 0 || --m_suspended > 0)
        return;
    viewport()->update();
    if (dataset() && dataset()->recNo() != currentRow())
        followDataset(dataset()->recNo());
}

void DataGrid::followDataset(int row)
{
    if (m_suspended > 0 || m_following || row < 0 || row >= m_model.rowCount())
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : firstVisibleColumn();
    if (column < 0)
        return;
    if (currentIndex().isValid() && currentIndex().row() == row)
        return;
    {
        const QScopedValueRollback<bool> following(m_following, true);
        setCurrentIndex(m_model.index(row, column));
    }
    emit rowChanged(row);
}

void DataGrid::afterReset()
{
    // A dataset opened again starts at its first row; the grid stays in the column it was in.
    if (m_model.rowCount() == 0 || m_suspended > 0)
        return;
    int column = m_model.columnOf(m_lastField);
    if (column < 0 || isColumnHidden(column))
        column = firstVisibleColumn();
    if (column < 0)
        return;
    const int row = dataset() ? qBound(0, dataset()->recNo(), m_model.rowCount() - 1) : 0;
    {
        const QScopedValueRollback<bool> following(m_following, true);
        setCurrentIndex(m_model.index(row, column));
    }
    emit rowChanged(row);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    // A row change its handler refused puts the cursor back on the dataset's row.
    if (!runGuarded([&] { announceMove(current, previous); }) && dataset() && current.isValid() &&
        current.row() != dataset()->recNo())
        runGuarded([this] { followDataset(dataset()->recNo()); });
}

void DataGrid::announceMove(const QModelIndex& current, const QModelIndex& previous)
{
    const QString oldField = previous.isValid() ? m_model.fieldAt(previous.column()) : QString();
    const QString newField = current.isValid() ? m_model.fieldAt(current.column()) : QString();
    if (current.isValid())
        m_lastField = newField;
    const bool columnMoved = previous.isValid() && current.isValid() && previous.column() != current.column();
    if (columnMoved)
        emit colExit(oldField);
    if (!m_following && current.isValid() && dataset() && dataset()->recNo() != current.row()) {
        // What runs for the row left may walk the dataset; the cursor has already moved on.
        {
            const QScopedValueRollback<int> suspended(m_suspended, m_suspended + 1);
            emit rowLeaving(dataset()->recNo(), oldField);
        }
        // The row being edited is posted before the dataset moves on.
        dataset()->post();
        {
            const QScopedValueRollback<bool> following(m_following, true);
            dataset()->setRecNo(current.row());
        }
        emit rowChanged(current.row());
    }
    if (columnMoved || (!previous.isValid() && current.isValid()))
        emit colEnter(newField);
}

void DataGrid::finishEditing()
{
    if (!isEditing() || !m_editor)
        return;
    QWidget* editor = m_editor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool DataGrid::isAtLastCell() const
{
    const QModelIndex at = currentIndex();
    if (!at.isValid() || at.row() != m_model.rowCount() - 1)
        return false;
    for (int c = at.column() + 1; c < m_model.columnCount(); ++c)
        if (!isColumnHidden(c))
            return false;
    return true;
}

bool DataGrid::moveToNextCell()
{
    const QModelIndex from = currentIndex();
    if (!from.isValid())
        return false;
    for (int row = from.row(); row < m_model.rowCount(); ++row) {
        for (int c = row == from.row() ? from.column() + 1 : 0; c < m_model.columnCount(); ++c) {
            if (!isColumnHidden(c)) {
                setCurrentIndex(m_model.index(row, c));
                return true;
            }
        }
    }
    return false;
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    // A key whose handler failed has been taken.
    if (!runGuarded([&] { pressKey(event); }))
        event->accept();
}

void DataGrid::pressKey(QKeyEvent* event)
{
    // While a cell is edited its keys were offered already, by the editor's delegate.
    if (state() != QAbstractItemView::EditingState && keyHandlerTakes(event->keyCombination())) {
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && enterMovesToNextCell()) {
        if (!moveToNextCell())
            emit endReached();
        event->accept();
        return;
    }
    const QModelIndex at = currentIndex();
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && !isGridReadOnly() && at.isValid() &&
        at.row() == m_model.rowCount() - 1) {
        finishEditing();
        emit endReached();
        event->accept();
        return;
    }
    const QScopedValueRollback<const QEvent*> passingOn(m_passingOn, event);
    QTableView::keyPressEvent(event);
}

void DataGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !runGuarded([&] {
            emit cellMousePressed(index.row(), m_model.fieldAt(index.column()), event->button(), event->modifiers());
        }))
        return;
    QTableView::mousePressEvent(event);
}

} // namespace kvr::ui
