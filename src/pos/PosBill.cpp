#include "pos/PosBill.h"

#include "pos/PosColumns.h"
#include "util/ThaiText.h"

namespace kvr::pos {

namespace {

// Stored header columns in table order; the key ID is left out of the update statements.
const QStringList& headerColumns()
{
    static const QStringList columns = {
        hd::DelFlag,     hd::PosType,    hd::PsNo,      hd::PosShiftNo, hd::PosNo,       hd::PosDate,
        hd::Department,  hd::Project,    hd::Customer,  hd::Salesman,   hd::Warehouse,   hd::TaxCode,
        hd::TaxRate,     hd::Price_IE,   hd::NoTaxAmt,  hd::TaxAmt,     hd::TaxTotal,    hd::Total,
        hd::DiscName1,   hd::DiscName2,  hd::DiscName3, hd::DiscRate1,  hd::DiscRate2,   hd::DiscRate3,
        hd::DiscAmt1,    hd::DiscAmt2,   hd::DiscAmt3,  hd::Posted,     hd::Cash,        hd::CardAmount,
        hd::Coupon,      hd::BankAmount, hd::Transfer,  hd::Change,     hd::CompanyBank, hd::PosPrintDateTime,
        hd::Imported,    hd::Remark,     hd::ShipAddr1, hd::ShipAddr2,  hd::ShipAddr3,   hd::ShipProvince,
        hd::ShipZipCode, hd::ShipPhone,  hd::Printed,   hd::ShiftClose, hd::CurrencyId,  hd::Rate,
    };
    return columns;
}

// Stored line columns written by the update statements, in their order.
const QStringList& lineColumns()
{
    static const QStringList columns = {
        dt::PosHd,   dt::PosRecNo,  dt::PosDate, dt::Product,       dt::Quantity, dt::ProductUnits, dt::Fraction,
        dt::TaxCode, dt::Warehouse, dt::LotNo,   dt::SerialNo,      dt::Price,    dt::Discount,     dt::DiscountAmt,
        dt::Total,   dt::MemoLine,  dt::Cost,    dt::ProductAmount, dt::TaxRate,
    };
    return columns;
}

QStringList prefixed(const QStringList& columns, const QString& prefix)
{
    QStringList out;
    for (const QString& c : columns)
        out << prefix + c;
    return out;
}

QStringList modifySql(const QString& table, const QStringList& columns)
{
    QStringList lines{QStringLiteral("update ") + table, QStringLiteral("set")};
    for (qsizetype i = 0; i < columns.size(); ++i)
        lines
            << QStringLiteral("  %1 = :%1%2").arg(columns[i], i + 1 < columns.size() ? QStringLiteral(",") : QString());
    lines << QStringLiteral("where") << QStringLiteral("  ID = :OLD_ID");
    return lines;
}

QStringList insertSql(const QString& table, const QStringList& columns)
{
    return {QStringLiteral("insert into ") + table,
            QStringLiteral("  (") + columns.join(QStringLiteral(", ")) + QLatin1Char(')'), QStringLiteral("values"),
            QStringLiteral("  (") + prefixed(columns, QStringLiteral(":")).join(QStringLiteral(", ")) +
                QLatin1Char(')')};
}

QStringList deleteSql(const QString& table)
{
    return {QStringLiteral("delete from ") + table, QStringLiteral("where"), QStringLiteral("  ID = :OLD_ID")};
}

QStringList headerSelect()
{
    return {
        QStringLiteral("SELECT H.ID, ") + prefixed(headerColumns(), QStringLiteral("H.")).join(QStringLiteral(", ")) +
            QLatin1Char(','),
        QStringLiteral("  0 AS TotalBefDisc,"),
        QStringLiteral("  Coalesce(H.DiscAmt1, 0) + Coalesce(H.DiscAmt2, 0) + Coalesce(H.DiscAmt3, 0) AS DiscountAmt,"),
        QStringLiteral("  Coalesce(H.Cash, 0) + Coalesce(H.CardAmount, 0) AS rcptcash"), QStringLiteral("FROM PosHd H"),
        QStringLiteral(
            "WHERE (Ltrim(RTrim(H.PosNo)) = Ltrim(RTrim(:GetNo))) And (H.PosType = :GetType) and (H.Delflag='N')"),
        // A number may repeat in another year: the newest bill wins, and a header just
        // written is the one read back for its id.
        QStringLiteral("ORDER BY H.ID DESC")};
}

QString warehouseJoinLine(PosBill::WarehouseJoin join)
{
    return join == PosBill::WarehouseJoin::Inner ? QStringLiteral("INNER JOIN Warehouse W On (W.Id = D.Warehouse)")
                                                 : QStringLiteral("Left JOIN Warehouse W On (W.Id = D.Warehouse)");
}

QStringList lineSelect(PosBill::WarehouseJoin join)
{
    return {
        QStringLiteral(
            "SELECT D.ID, D.PosHd, D.PosRecNo, D.PosDate, D.Product, D.Quantity, D.ProductUnits, D.Fraction,"),
        QStringLiteral("  D.TaxCode, D.Warehouse, D.LotNo, D.SerialNo, D.Price, D.Discount, D.DiscountAmt,"),
        QStringLiteral("  D.Total, D.MemoLine, D.Cost, D.ProductAmount,"),
        QStringLiteral("  D.Quantity AS OldQuantity, D.Fraction AS OldFraction, D.Fraction AS StockUnitFraction, "
                       "D.Product AS OldProduct, D.Warehouse AS OldWarehouse, D.ProductUnits AS OldProductUnits,"
                       " D.SerialNo AS OldSerialNo,"),
        QStringLiteral("  D.Total - D.ProductAmount AS TaxTotal,"),
        QStringLiteral("  P.PosName, P.ThaiName, P.TaxCode AS PTaxCode, P.UseSerial, P.LotControl, P.PriceIE,"),
        QStringLiteral("  P.PrintFrac, P.Code AS ProductCode, U.UnitName, U.BarCode, L.Code AS LotNoCode,"),
        QStringLiteral("  S.Serial, T.Rate AS TaxRate, W.Code AS WhCode"),
        QStringLiteral("FROM PosDt D"),
        QStringLiteral("INNER JOIN Product P ON (D.Product = P.Id)"),
        QStringLiteral("INNER JOIN ProductUnits U ON (D.ProductUnits = U.Id)"),
        QStringLiteral("INNER JOIN Tax T ON (T.Id = D.TaxCode)"),
        warehouseJoinLine(join),
        QStringLiteral("LEFT OUTER JOIN LotNo L On (L.Id = D.LotNo)"),
        QStringLiteral("LEFT OUTER JOIN SerialNo S On (S.Id = D.SerialNo)"),
        QStringLiteral("WHERE (D.PosHd = :GetHdId)"),
        // Lines come back in the order they were numbered, which saving keeps.
        QStringLiteral("ORDER BY D.PosRecNo, D.ID"),
    };
}

// Working values of the header, refreshed whenever a header row is read or posted.
void headerCalcFields(data::CachedDataset& header)
{
    const auto value = [&header](const QString& name) { return header.field(name).asFloat(); };
    header.setValue(hd::DiscountAmt, value(hd::DiscAmt1) + value(hd::DiscAmt2) + value(hd::DiscAmt3));
    header.setValue(hd::rcptcash, value(hd::Cash) + value(hd::CardAmount));
    if (header.field(hd::TotalBefDisc).isNull())
        header.setValue(hd::TotalBefDisc, 0.0);
}

} // namespace

PosBill::PosBill(data::Connection& connection)
    : m_qHd(connection)
    , m_qDt(connection)
{
    m_qHd.setSqlLines(headerSelect());
    m_qHd.modifySql() = modifySql(QStringLiteral("PosHd"), headerColumns());
    m_qHd.insertSql() = insertSql(QStringLiteral("PosHd"), headerColumns());
    m_qHd.deleteSql() = deleteSql(QStringLiteral("PosHd"));
    for (const QString* name : {&hd::TotalBefDisc, &hd::DiscountAmt, &hd::rcptcash})
        m_qHd.addCalculatedField(*name);
    m_qHd.setCalcFieldsHandler(headerCalcFields);

    m_qDt.setSqlLines(lineSelect(m_warehouseJoin));
    m_qDt.modifySql() = modifySql(QStringLiteral("PosDt"), lineColumns());
    m_qDt.insertSql() = insertSql(QStringLiteral("PosDt"), lineColumns());
    m_qDt.deleteSql() = deleteSql(QStringLiteral("PosDt"));
    // Working values of a line: writing them is no change to save.
    for (const QString* name : {&dt::OldQuantity, &dt::OldFraction, &dt::OldProduct, &dt::OldWarehouse,
                                &dt::OldProductUnits, &dt::OldSerialNo, &dt::StockUnitFraction, &dt::TaxTotal})
        m_qDt.addCalculatedField(*name);
}

QString PosBill::billNumberKey(const QString& number, int docNoLength)
{
    if (docNoLength <= 0)
        return number.trimmed();
    return util::PadLeft(number, docNoLength);
}

PosBill::WarehouseJoin PosBill::warehouseJoinOf(PosMode mode)
{
    return modeHasStock(mode) ? WarehouseJoin::Inner : WarehouseJoin::Left;
}

void PosBill::useWarehouseJoin(WarehouseJoin join)
{
    if (join == m_warehouseJoin)
        return;
    m_warehouseJoin = join;
    m_qDt.setSqlLines(lineSelect(join));
}

bool PosBill::LoadBill(const QString& number, int docNoLength, PosMode mode)
{
    m_qDt.close();
    useWarehouseJoin(warehouseJoinOf(mode));
    m_qHd.close();
    m_qHd.setParam(QStringLiteral("GetNo"), billNumberKey(number, docNoLength));
    m_qHd.setParam(QStringLiteral("GetType"), posTypeLetter(mode));
    // Every saved bill has a number: a new one, not numbered until it is saved, is found by no
    // look-up, and the next bill waits two round trips less for the server.
    if (number.trimmed().isEmpty()) {
        m_qHd.openEmpty();
        m_qDt.setParam(QStringLiteral("GetHdId"), 0);
        m_qDt.openEmpty();
        return false;
    }
    m_qHd.open();
    const bool found = !m_qHd.isEmpty();
    m_qDt.setParam(QStringLiteral("GetHdId"), found ? m_qHd.field(hd::ID).asInteger() : 0);
    m_qDt.open();
    return found;
}

void PosBill::close()
{
    m_qDt.close();
    m_qHd.close();
}

bool PosBill::hasProductLines() const
{
    if (!hasHeaderRow() || !m_qDt.isOpen())
        return false;
    for (int row = 0; row < m_qDt.recordCount(); ++row)
        if (m_qDt.fieldAt(row, dt::Product).asInteger() > 0)
            return true;
    return false;
}

void PosBill::forEachLine(const std::function<void()>& fn)
{
    if (!m_qDt.isOpen())
        return;
    m_qDt.post();
    const int current = m_qDt.recNo();
    const auto returnToCurrent = [this, current] {
        m_qDt.post();
        if (m_qDt.recordCount() > 0)
            m_qDt.setRecNo(std::min(current, m_qDt.recordCount() - 1));
    };
    try {
        for (int row = 0; row < m_qDt.recordCount(); ++row) {
            m_qDt.setRecNo(row);
            fn();
            m_qDt.post();
        }
    } catch (...) {
        try {
            returnToCurrent();
        } catch (...) {
            // The first error goes on to the caller; this one only follows from it.
        }
        throw;
    }
    returnToCurrent();
}

} // namespace kvr::pos
