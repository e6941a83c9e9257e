#include "pos/PrintedMarkStore.h"

#include "data/Connection.h"
#include "pos/PosColumns.h"
#include "util/Flags.h"

namespace kvr::pos {

PrintedMarkStore::PrintedMarkStore(data::Connection& connection)
    : m_connection(connection)
    , m_qPrint(connection)
{
    // A number may repeat in another year: the newest bill is the one just saved, as on recall.
    m_qPrint.setSqlLines({QStringLiteral("SELECT Id,Printed"), QStringLiteral("FROM poshd"),
                          QStringLiteral("WHERE (ltrim(rtrim(PosNo)) = ltrim(rtrim(:GetNo))) And (PosType = :GetType)"),
                          QStringLiteral("ORDER BY Id DESC")});
    m_qPrint.modifySql() = {QStringLiteral("update poshd"), QStringLiteral("set"), QStringLiteral("Printed = :Printed"),
                            QStringLiteral("where"), QStringLiteral("Id = :OLD_Id")};
}

bool PrintedMarkStore::markPrinted(const QString& number, const QString& posType)
{
    m_qPrint.setParam(QStringLiteral("GetNo"), number);
    m_qPrint.setParam(QStringLiteral("GetType"), posType);
    m_qPrint.open();
    if (m_qPrint.isEmpty())
        return false;
    m_qPrint.setValue(hd::Printed, util::flagText(true));
    data::Transaction transaction(m_connection);
    m_qPrint.applyUpdates();
    transaction.commit();
    m_qPrint.commitUpdates();
    return true;
}

} // namespace kvr::pos
