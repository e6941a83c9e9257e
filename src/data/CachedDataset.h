#pragma once

#include "data/Query.h"

#include <functional>

namespace kvr::data {

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

    void open() override;
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
    void applyUpdates();
    void commitUpdates();
    void cancelUpdates();

private:
    void calculate();
    int runUpdate(const QStringList& sql, const QVector<QVariant>& current, const QVector<QVariant>& original);

    QStringList m_insertSql;
    QStringList m_modifySql;
    QStringList m_deleteSql;
    QStringList m_calculated;
    CalcFields m_calcFields;
    FieldChanged m_fieldChanged;
    State m_state = State::Browse;
    std::vector<RowStatus> m_status;
    std::vector<QVector<QVariant>> m_original; // values as read, for ":OLD_" and for cancelling
    std::vector<QVector<QVariant>> m_deleted;  // rows read from the database and deleted since
    QVector<QVariant> m_beforeEdit;
};

} // namespace kvr::data
