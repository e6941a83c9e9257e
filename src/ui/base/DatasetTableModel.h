#pragma once

#include "data/CachedDataset.h"
#include "ui/base/DataGridColumn.h"

#include <QAbstractTableModel>
#include <QColor>
#include <functional>

namespace kvr::ui {

// The rows of a cached-update dataset as a table of the listed columns. The dataset tells the
// model about every change after it has happened; the model keeps its own row count so that the
// views see each insertion and removal as it should be announced. Edits go through the dataset
// (setRecNo, setValue), so they stay pending until the owner applies them.
// The dataset must outlive the model or be detached with setDataset(nullptr) first.
class DatasetTableModel : public QAbstractTableModel, private data::DatasetObserver
{
    Q_OBJECT
public:
    using RowColour = std::function<QColor(int row)>;

    explicit DatasetTableModel(QObject* parent = nullptr);
    ~DatasetTableModel() override;

    void setDataset(data::CachedDataset* dataset);
    data::CachedDataset* dataset() const { return m_dataset; }

    void setColumns(std::vector<DataGridColumn> columns);
    const std::vector<DataGridColumn>& columns() const { return m_columns; }
    DataGridColumn* column(const QString& field);
    // The model column of a field (case-blind), -1 when it is not listed.
    int columnOf(const QString& field) const;
    QString fieldAt(int column) const;

    // A read-only grid never edits, whatever its columns say.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    bool isCellReadOnly(int row, int column) const;
    // The background of each row; an invalid colour leaves the view's own.
    void setRowColour(RowColour colour);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The dataset's current row moved (by the program or by the grid).
    void currentRowMoved(int row);
    // A cell was changed through the model; row and field of the change.
    void fieldEdited(int row, const QString& field);
    // The same value as the cell held was entered into it.
    void fieldReentered(int row, const QString& field);

private:
    void datasetReset() override;
    void rowInserted(int row) override;
    void rowRemoved(int row) override;
    void rowChanged(int row) override;
    void currentRowChanged(int row) override;

    // The dataset row shown at a model row while a change is being announced.
    int datasetRow(int row) const;
    QVariant cellValue(int row, int column) const;
    QString displayText(const QVariant& value, const DataGridColumn& column) const;
    void mapFields();

    data::CachedDataset* m_dataset = nullptr;
    std::vector<DataGridColumn> m_columns;
    std::vector<int> m_fieldIndex; // dataset column of each model column, -1 when missing
    RowColour m_rowColour;
    int m_rowCount = 0;
    int m_shiftFrom = -1; // announcing a change: rows from here are one off in the dataset
    int m_shift = 0;
    bool m_readOnly = false;
};

} // namespace kvr::ui
