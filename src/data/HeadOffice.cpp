#include "data/HeadOffice.h"

#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "util/Flags.h"
#include "util/HostProbe.h"

namespace kvr::data {

HeadOffice::HeadOffice(TDM& dm)
    : m_dm(dm)
    , m_dbHead(QStringLiteral("DBHead"))
{ }

QString HeadOffice::configText(const char* field)
{
    Query& config = m_dm.QConfig();
    if (!config.isOpen())
        config.open();
    return config.field(QString::fromLatin1(field)).asString().trimmed();
}

bool HeadOffice::linkEnabled()
{
    return util::isFlagSet(configText("UseCustomerLinkHead"));
}

bool HeadOffice::answers(const ServerSpec& server, const QString& databaseName, const Probe& probe)
{
    if (server.backend == ServerSpec::Backend::Sqlite) {
        const auto dialect = Dialect::forBackend(server.backend);
        return dialect->databaseExists(server, databaseName, QString(), QString());
    }
    for (int attempt = 0; attempt < probe.attempts; ++attempt) {
        if (util::CanConnect(server.host, quint16(server.port), probe.timeout))
            return true;
    }
    return false;
}

void HeadOffice::noteRefused(const QString& message)
{
    try {
        m_dm.config().AddErrorLog(message);
    } catch (const DbError& logFailure) {
        qWarning("The head office refused the connection (%s); the error log could not be written: %s",
                 qPrintable(message), qPrintable(logFailure.message()));
    }
}

bool HeadOffice::connect(const Probe& probe)
{
    m_dbHead.close();
    const QString address = configText("MainServerIP");
    const QString databaseName = configText("MainDbName");
    if (address.isEmpty() || databaseName.isEmpty())
        return false;
    Connection& company = m_dm.DMdata();
    company.open();
    const ServerSpec& shop = company.server();
    ServerSpec server;
    if (shop.backend == ServerSpec::Backend::Sqlite) {
        server = ServerSpec::parse(QStringLiteral("sqlite:") + address, shop.directory);
    } else {
        server = ServerSpec::parse(QStringLiteral("pgsql:") + address, QString());
        if (!address.contains(QLatin1Char(':')))
            server.port = shop.port;
    }
    server.connectTimeout = shop.connectTimeout;
    if (!answers(server, databaseName, probe))
        return false;
    m_dbHead.setTarget(server, databaseName, company.login());
    try {
        m_dbHead.open();
    } catch (const DbError& error) {
        // A server that answers the probe may still refuse the login or lack the database; the
        // search then works on the shop's own customers, and the error log tells why.
        m_dbHead.close();
        noteRefused(error.message());
        return false;
    }
    return true;
}

} // namespace kvr::data
