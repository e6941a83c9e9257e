#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>

namespace kvr::data {

class Connection;

// The "@" parameters of one procedure call, inputs and outputs alike, by upper-cased name.
class ProcParams
{
public:
    void set(const QString& name, const QVariant& value) { m_values.insert(key(name), value); }
    QVariant get(const QString& name) const { return m_values.value(key(name)); }
    bool has(const QString& name) const { return m_values.contains(key(name)); }

private:
    static QString key(const QString& name)
    {
        const QString upper = name.toUpper();
        return upper.startsWith(QLatin1Char('@')) ? upper : QLatin1Char('@') + upper;
    }
    QHash<QString, QVariant> m_values;
};

// A server procedure of the suite, written once here for every backend on top of portable
// statements; the integer is the procedure's result.
using ProcedureBody = std::function<int(Connection&, ProcParams&)>;

void registerProcedure(const QString& name, ProcedureBody body);

// Calls a procedure by name with named "@" parameters, like the suite's stored procedures.
class StoredProc
{
public:
    StoredProc(Connection& connection, const QString& name);

    void setParam(const QString& name, const QVariant& value) { m_params.set(name, value); }
    QVariant param(const QString& name) const { return m_params.get(name); }
    void clearParams() { m_params = ProcParams(); }
    int execProc();
    int result() const { return m_result; }

private:
    Connection& m_connection;
    QString m_name;
    ProcParams m_params;
    int m_result = 0;
};

} // namespace kvr::data
