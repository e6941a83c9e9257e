#include "pos/PosStockStore.h"

#include "util/Flags.h"

namespace kvr::pos {

PosStockStore::PosStockStore(data::Connection& connection)
    : m_serial(connection)
    , m_reserved(connection)
{
    m_serial.setSqlLines({QStringLiteral("select id,onhand"), QStringLiteral("from serialno"),
                          QStringLiteral("where product=:pid and serial=:no")});
    m_reserved.setSqlLines({QStringLiteral("select sum(backorder) qnty"), QStringLiteral("from sodt"),
                            QStringLiteral("where (product=:pid) and (backorder > 0) and (sodate <= :date)")});
}

std::optional<SerialPiece> PosStockStore::serialPiece(int productId, const QString& serial)
{
    m_serial.setParam(QStringLiteral("pid"), productId);
    m_serial.setParam(QStringLiteral("no"), serial);
    m_serial.open();
    if (m_serial.isEmpty())
        return std::nullopt;
    return SerialPiece{m_serial.field(QStringLiteral("id")).asInteger(),
                       util::isFlagSet(m_serial.field(QStringLiteral("onhand")).asString())};
}

double PosStockStore::reservedQuantity(int productId, const QVariant& date)
{
    m_reserved.setParam(QStringLiteral("pid"), productId);
    m_reserved.setParam(QStringLiteral("date"), date);
    m_reserved.open();
    return m_reserved.isEmpty() ? 0.0 : m_reserved.field(QStringLiteral("qnty")).asFloat();
}

} // namespace kvr::pos
