#pragma once

#include <QStyledItemDelegate>

namespace kvr::ui {

class DataGrid;

// Creates each column's in-cell editor (a plain edit, or an edit with a search button) and gives
// the grid's key handler every key typed into it before the editor or the grid acts.
class DataGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit DataGridDelegate(DataGrid& grid);
    // The grid is being destroyed: its window closing below moves the focus out of an open editor
    // after the grid's own parts are gone, and that event must not reach them.
    void releaseGrid() { m_gridGone = true; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool filterEditorEvent(QObject* object, QEvent* event);

    DataGrid& m_grid;
    bool m_gridGone = false;
};

} // namespace kvr::ui
