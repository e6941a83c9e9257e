#include "ui/base/DatasetTableModel.h"

#include "util/NumberFormat.h"

#include <QDateTime>

namespace kvr::ui {

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool isDatePattern(const QString& format)
{
    return format.contains(QLatin1Char('d')) || format.contains(QLatin1Char('y'));
}

} // namespace

DatasetTableModel::DatasetTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

DatasetTableModel::~DatasetTableModel()
{
    if (m_dataset)
        m_dataset->removeObserver(this);
}

void DatasetTableModel::setDataset(data::CachedDataset* dataset)
{
    if (dataset == m_dataset)
        return;
    beginResetModel();
    if (m_dataset)
        m_dataset->removeObserver(this);
    m_dataset = dataset;
    if (m_dataset)
        m_dataset->addObserver(this);
    m_rowCount = m_dataset && m_dataset->isOpen() ? m_dataset->recordCount() : 0;
    mapFields();
    endResetModel();
}

void DatasetTableModel::setColumns(std::vector<DataGridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    mapFields();
    endResetModel();
}

void DatasetTableModel::mapFields()
{
    m_fieldIndex.assign(m_columns.size(), -1);
    if (!m_dataset)
        return;
    const QStringList& names = m_dataset->fieldNames();
    for (size_t c = 0; c < m_columns.size(); ++c) {
        // PostgreSQL folds the column names it returns; the lists keep the suite's spelling.
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(m_columns[c].field.trimmed(), Qt::CaseInsensitive) == 0) {
                m_fieldIndex[c] = i;
                break;
            }
        }
    }
}

DataGridColumn* DatasetTableModel::column(const QString& field)
{
    const int c = columnOf(field);
    return c < 0 ? nullptr : &m_columns[size_t(c)];
}

int DatasetTableModel::columnOf(const QString& field) const
{
    const QString wanted = field.trimmed();
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].field.compare(wanted, Qt::CaseInsensitive) == 0)
            return int(c);
    }
    return -1;
}

QString DatasetTableModel::fieldAt(int column) const
{
    return column >= 0 && column < int(m_columns.size()) ? m_columns[size_t(column)].field : QString();
}

bool DatasetTableModel::isCellReadOnly(int row, int column) const
{
    if (m_readOnly || column < 0 || column >= int(m_columns.size()))
        return true;
    const DataGridColumn& c = m_columns[size_t(column)];
    if (c.readOnly || c.editor == CellEditorKind::None || m_fieldIndex[size_t(column)] < 0)
        return true;
    return c.readOnlyRule && c.readOnlyRule(row);
}

void DatasetTableModel::setRowColour(RowColour colour)
{
    m_rowColour = std::move(colour);
    if (m_rowCount > 0 && !m_columns.empty())
        emit dataChanged(index(0, 0), index(m_rowCount - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int DatasetTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int DatasetTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int DatasetTableModel::datasetRow(int row) const
{
    return m_shiftFrom >= 0 && row >= m_shiftFrom ? row + m_shift : row;
}

QVariant DatasetTableModel::cellValue(int row, int column) const
{
    const int field = m_fieldIndex[size_t(column)];
    const int r = datasetRow(row);
    if (!m_dataset || field < 0 || r < 0 || r >= m_dataset->recordCount())
        return {};
    return m_dataset->valueAt(r, field);
}

QString DatasetTableModel::displayText(const QVariant& value, const DataGridColumn& column) const
{
    if (value.isNull() || !value.isValid())
        return {};
    const data::Field field(value);
    if (!column.displayFormat.isEmpty()) {
        if (isDatePattern(column.displayFormat)) {
            const QDateTime dt = field.asDateTime();
            return dt.isValid() ? dt.toString(column.displayFormat) : field.asString();
        }
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            return util::FormatNumber(column.displayFormat, number);
    }
    return field.asString();
}

QVariant DatasetTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount || index.column() >= columnCount())
        return {};
    const DataGridColumn& column = m_columns[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(cellValue(index.row(), index.column()), column);
    case Qt::EditRole: {
        const QVariant value = cellValue(index.row(), index.column());
        return value.isNull() ? QString() : data::Field(value).asString();
    }
    case Qt::TextAlignmentRole: {
        const QVariant value = cellValue(index.row(), index.column());
        const bool numeric =
            isNumber(value) || (!column.displayFormat.isEmpty() && !isDatePattern(column.displayFormat));
        return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
        if (m_rowColour) {
            const QColor colour = m_rowColour(datasetRow(index.row()));
            if (colour.isValid())
                return colour;
        }
        return {};
    default:
        return {};
    }
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < columnCount() ? m_columns[size_t(section)].title : QVariant();
}

Qt::ItemFlags DatasetTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (!isCellReadOnly(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !m_dataset || index.row() >= m_rowCount ||
        isCellReadOnly(index.row(), index.column()))
        return false;
    const QString field = m_columns[size_t(index.column())].field;
    if (m_dataset->recNo() != index.row()) {
        // An edit belongs to its row: the one being edited is posted before another one is touched.
        m_dataset->post();
        m_dataset->setRecNo(index.row());
    }
    const QString text = value.toString();
    const QVariant stored = text.isEmpty() ? QVariant() : QVariant(text);
    const QVariant before = m_dataset->valueAt(index.row(), m_fieldIndex[size_t(index.column())]);
    if (data::Field(before).asString() == text && before.isNull() == stored.isNull()) {
        // No change to the row, but the user's entry all the same (a code typed again).
        emit fieldReentered(index.row(), field);
        return true;
    }
    m_dataset->setValue(field, stored);
    emit fieldEdited(index.row(), field);
    return true;
}

void DatasetTableModel::datasetReset()
{
    beginResetModel();
    m_rowCount = m_dataset && m_dataset->isOpen() ? m_dataset->recordCount() : 0;
    mapFields();
    endResetModel();
}

void DatasetTableModel::rowInserted(int row)
{
    // The dataset already holds the row: until it is announced, rows from it on read one further.
    m_shiftFrom = row;
    m_shift = 1;
    beginInsertRows({}, row, row);
    m_shiftFrom = -1;
    m_shift = 0;
    ++m_rowCount;
    endInsertRows();
}

void DatasetTableModel::rowRemoved(int row)
{
    // The dataset has dropped the row: until the removal is announced, the rows after it read one back.
    m_shiftFrom = row + 1;
    m_shift = -1;
    beginRemoveRows({}, row, row);
    m_shiftFrom = -1;
    m_shift = 0;
    --m_rowCount;
    endRemoveRows();
}

void DatasetTableModel::rowChanged(int row)
{
    if (row < 0 || row >= m_rowCount || m_columns.empty())
        return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DatasetTableModel::currentRowChanged(int row)
{
    emit currentRowMoved(row);
}

} // namespace kvr::ui
