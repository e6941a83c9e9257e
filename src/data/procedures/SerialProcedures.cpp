#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/StoredProc.h"
#include "data/procedures/Procedures.h"

namespace kvr::data {

namespace {

// The id of a product's serial number, registered as in stock when it is new. Two counters
// registering the same serial at once both get the one row: the insert yields to the unique index.
int createSerialNo(Connection& connection, ProcParams& p)
{
    const QVariant product = p.get(QStringLiteral("@ProductId"));
    const QVariant serial = p.get(QStringLiteral("@SerialCode"));
    if (product.isNull() || serial.isNull())
        throw DbError(QStringLiteral("CreateSerialNo needs @ProductId and @SerialCode"));

    Query insert(connection,
                 QStringLiteral("INSERT INTO SerialNo (Product, Serial, OnHand) VALUES (:Product, :Serial, 'Y') "
                                "ON CONFLICT (Product, Serial) DO NOTHING"));
    insert.setParam(QStringLiteral("Product"), product.toInt());
    insert.setParam(QStringLiteral("Serial"), serial.toString());
    insert.execSql();

    Query find(connection, QStringLiteral("SELECT Id FROM SerialNo WHERE Product = :Product AND Serial = :Serial"));
    find.setParam(QStringLiteral("Product"), product.toInt());
    find.setParam(QStringLiteral("Serial"), serial.toString());
    find.open();
    if (find.isEmpty())
        throw DbError(QStringLiteral("CreateSerialNo: serial %1 of product %2 was not registered")
                          .arg(serial.toString(), product.toString()));
    p.set(QStringLiteral("@SerialId"), find.field(QStringLiteral("Id")).asInteger());
    return 0;
}

} // namespace

void registerSerialProcedures()
{
    registerProcedure(QStringLiteral("CreateSerialNo"), createSerialNo);
}

} // namespace kvr::data
