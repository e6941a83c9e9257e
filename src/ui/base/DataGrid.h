#pragma once

#include "ui/base/DatasetTableModel.h"

#include <QKeyCombination>
#include <QPointer>
#include <QTableView>

namespace kvr::ui {

// A grid over a cached-update dataset. The column list is set as text lines
// ("field<TAB>width<TAB>title"); each column has an in-cell editor (a plain edit or an edit with a
// search button) or none, and may be read-only always or row by row. The grid follows the
// dataset's current row and moves it; it reports row, field and column changes, and offers every
// key to its owner before acting on it.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    // True when the owner has dealt with the key and the grid must leave it alone.
    using KeyHandler = std::function<bool(QKeyCombination key)>;

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    DatasetTableModel& gridModel() { return m_model; }
    const DatasetTableModel& gridModel() const { return m_model; }
    void setDataset(data::CachedDataset* dataset);
    data::CachedDataset* dataset() const { return m_model.dataset(); }

    void setColumnList(const QStringList& lines);
    QStringList columnList() const { return columnListText(m_model.columns()); }
    void setColumns(std::vector<DataGridColumn> columns);
    const std::vector<DataGridColumn>& columns() const { return m_model.columns(); }
    // The column of a field (case-blind), null when it is not listed.
    DataGridColumn* column(const QString& field) { return m_model.column(field); }
    void setColumnEditor(const QString& field, CellEditorKind editor);
    void setColumnReadOnly(const QString& field, bool readOnly);
    void setColumnReadOnlyRule(const QString& field, std::function<bool(int row)> rule);
    void setColumnVisible(const QString& field, bool visible);
    void setColumnFormat(const QString& field, const QString& format);
    void setColumnUpperCase(const QString& field, bool upperCase);
    // The cell is typed into or picked from a drop-down of codes with their names.
    void setColumnChoices(const QString& field, std::function<std::vector<CellChoice>()> choices);

    // A read-only grid selects whole rows and never edits (search dialogs).
    void setGridReadOnly(bool readOnly);
    bool isGridReadOnly() const { return m_model.isReadOnly(); }
    // Several rows may be selected with Ctrl and Shift.
    void setMultiSelect(bool on);
    bool isMultiSelect() const { return m_multiSelect; }
    // The dataset rows selected, in ascending order; the current row when none is.
    std::vector<int> selectedRows() const;
    void setRowColour(DatasetTableModel::RowColour colour) { m_model.setRowColour(std::move(colour)); }

    QString selectedField() const;
    // Moves to the field's cell in the current row; false when the field is not a visible column.
    bool setSelectedField(const QString& field);
    int currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    bool keyHandlerTakes(QKeyCombination key) const { return m_keyHandler && m_keyHandler(key); }
    // The key that opened a cell editor is passed on to it; it was offered to the owner already.
    bool isBeingPassedOn(const QEvent* event) const { return event == m_passingOn; }
    // A cell editor is open and still the grid's (not while the grid closes it).
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Enter posts the cell and moves to the next one (the default of editable grids).
    void setEnterMovesToNextCell(bool on) { m_enterToNextCell = on; }
    bool enterMovesToNextCell() const { return m_enterToNextCell && !isGridReadOnly(); }
    // The editor opens as soon as an editable cell becomes current.
    void setAlwaysShowEditor(bool on);
    // The cell editor the grid has open (set by its delegate), and what ends it: its value goes
    // to the dataset and the editor closes, the cursor staying where it is.
    void noteEditor(QWidget* editor) { m_editor = editor; }
    void finishEditing();
    // The cursor is on the last visible cell of the last row.
    bool isAtLastCell() const;

    // Bulk changes of the dataset: the grid stops following its current row until resume().
    void suspend() { ++m_suspended; }
    void resume();

signals:
    void rowChanged(int row);
    // A cell was edited through the grid.
    void fieldChanged(const QString& field);
    // The value a cell held was typed into it again.
    void fieldReentered(const QString& field);
    void colEnter(const QString& field);
    void colExit(const QString& field);
    // The cursor leaves this dataset row, from the cell of `field`, for another; the dataset is
    // still on it.
    void rowLeaving(int row, const QString& field);
    // Down on the last row, or Enter in its last cell: there is nowhere further to go.
    void endReached();
    void titleClicked(const QString& field);
    // The search button of a cell editor, or F5 in it.
    void searchRequested(const QString& field);
    void cellMousePressed(int row, const QString& field, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void applyColumnLayout();
    void followDataset(int row);
    void afterReset();
    void pressKey(QKeyEvent* event);
    // Tells the screen which column and row the cursor left and entered.
    void announceMove(const QModelIndex& current, const QModelIndex& previous);
    int firstVisibleColumn() const;
    bool moveToNextCell();
    int characterWidth() const;

    DatasetTableModel m_model;
    KeyHandler m_keyHandler;
    QString m_lastField;
    const QEvent* m_passingOn = nullptr;
    int m_suspended = 0;
    bool m_following = false;
    bool m_multiSelect = false;
    bool m_enterToNextCell = true;
    QPointer<QWidget> m_editor;
};

} // namespace kvr::ui
