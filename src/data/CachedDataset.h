#pragma once

#include "data/Query.h"

#include <functional>
#include <optional>

namespace kvr::data {

// Told of every change of a dataset's rows, so that a grid can follow without polling.
class DatasetObserver
{
public:
    virtual ~DatasetObserver() = default;
    virtual void datasetReset() = 0;
    virtual void rowInserted(int row) = 0;
    virtual void rowRemoved(int row) = 0;
    virtual void rowChanged(int row) = 0;
    virtual void currentRowChanged(int row) = 0;
};

// A query whose rows are edited in memory and written later with separate insert, modify and
// delete statements (":Field" is the new value, ":OLD_Field" the value read), inside the saver's
// transaction. A failed apply leaves every change pending, so the user can save again; only
// commitUpdates(), after the transaction commits, makes them the new reading.
class CachedDataset : public Query
{
public:
    enum class State { Browse, Edit, Insert };
    enum class RowStatus { Unmodified, Modified, Inserted };
    using CalcFields = std::function<void(CachedDataset&)>;
    using FieldChanged = std::function<void(const QString& fieldName)>;

    explicit CachedDataset(Connection& connection, const QString& sql = {});

    QStringList& insertSql() { return m_insertSql; }
    QStringList& modifySql() { return m_modifySql; }
    QStringList& deleteSql() { return m_deleteSql; }

    // Calculated fields exist only in memory; the handler fills them for the current row
    // whenever a row is read or posted.
    void addCalculatedField(const QString& name);
    void setCalcFieldsHandler(CalcFields handler) { m_calcFields = std::move(handler); }
    void setFieldChangedHandler(FieldChanged handler) { m_fieldChanged = std::move(handler); }
    void addObserver(DatasetObserver* observer) { m_observers.push_back(observer); }
    void removeObserver(DatasetObserver* observer) { std::erase(m_observers, observer); }
    QVariant valueAt(int row, int column) const { return m_rows.at(size_t(row)).value(column); }

    void open() override;
    void openEmpty() override;
    void close() override;

    State state() const { return m_state; }
    void append();
    void edit();
    void setValue(const QString& name, const QVariant& value);
    void post();
    void cancel();
    void remove();
    RowStatus rowStatus(int row) const { return m_status.at(size_t(row)); }

    bool updatesPending() const;
    // Rows read from the database and deleted since, until the updates are applied or cancelled.
    int deletedCount() const { return int(m_deleted.size()); }
    Field deletedFieldAt(int index, const QString& name) const
    {
        return Field(m_deleted[size_t(index)][requireField(name)]);
    }
    void applyUpdates();
    void commitUpdates();
    void cancelUpdates();

protected:
    void leavingRow() override;
    void currentChanged() override;

private:
    template <typename Fn>
    void notify(Fn&& fn)
    {
        for (DatasetObserver* o : m_observers)
            fn(*o);
    }
    void calculate();
    // What every open ends with: calculated fields, row states, the reading kept for the apply.
    void startBrowsing();
    int runUpdate(const QStringList& sql, const QVector<QVariant>& current, const QVector<QVariant>& original);
    // The insert statement as "INSERT INTO T (columns) VALUES" and its parameters in order.
    struct InsertShape
    {
        QString head;
        QStringList parameters;
    };
    static std::optional<InsertShape> insertShape(const QString& sql);
    // Writes the new rows, several to a statement where the insert statement allows it.
    int insertRows(const std::vector<size_t>& rows);

    QStringList m_insertSql;
    QStringList m_modifySql;
    QStringList m_deleteSql;
    QStringList m_calculated;
    CalcFields m_calcFields;
    FieldChanged m_fieldChanged;
    State m_state = State::Browse;
    std::vector<RowStatus> m_status;
    std::vector<QVector<QVariant>> m_original; // values as read, for ":OLD_" and for cancelling
    std::vector<QVector<QVariant>> m_deleted; // rows read from the database and deleted since
    QVector<QVariant> m_beforeEdit;
    std::vector<DatasetObserver*> m_observers;
};

} // namespace kvr::data
