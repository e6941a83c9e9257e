#include "data/StoredProc.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/procedures/Procedures.h"

#include <mutex>

namespace kvr::data {

namespace {

QHash<QString, ProcedureBody>& procedureMap()
{
    static QHash<QString, ProcedureBody> procedures;
    return procedures;
}

// The suite's own procedures are registered on first use, so a static library needs no start-up hook.
QHash<QString, ProcedureBody>& registry()
{
    static std::once_flag builtins;
    std::call_once(builtins, [] { registerSuiteProcedures(); });
    return procedureMap();
}

} // namespace

void registerProcedure(const QString& name, ProcedureBody body)
{
    procedureMap().insert(name.toUpper(), std::move(body));
}

StoredProc::StoredProc(Connection& connection, const QString& name)
    : m_connection(connection)
    , m_name(name)
{ }

int StoredProc::execProc()
{
    const ProcedureBody body = registry().value(m_name.toUpper());
    if (!body)
        throw DbError(QStringLiteral("Could not find stored procedure '%1'").arg(m_name));
    m_result = body(m_connection, m_params);
    return m_result;
}

} // namespace kvr::data
