#include "pos/PosBill.h"

#include "util/ThaiText.h"

namespace kvr::pos {

namespace {

// Stored header columns in table order; the key ID is left out of the update statements.
const QStringList kHeaderColumns = {
    QStringLiteral("DelFlag"),     QStringLiteral("PosType"),     QStringLiteral("PsNo"),
    QStringLiteral("PosShiftNo"),  QStringLiteral("PosNo"),       QStringLiteral("PosDate"),
    QStringLiteral("Department"),  QStringLiteral("Project"),     QStringLiteral("Customer"),
    QStringLiteral("Salesman"),    QStringLiteral("Warehouse"),   QStringLiteral("TaxCode"),
    QStringLiteral("TaxRate"),     QStringLiteral("Price_IE"),    QStringLiteral("NoTaxAmt"),
    QStringLiteral("TaxAmt"),      QStringLiteral("TaxTotal"),    QStringLiteral("Total"),
    QStringLiteral("DiscName1"),   QStringLiteral("DiscName2"),   QStringLiteral("DiscName3"),
    QStringLiteral("DiscRate1"),   QStringLiteral("DiscRate2"),   QStringLiteral("DiscRate3"),
    QStringLiteral("DiscAmt1"),    QStringLiteral("DiscAmt2"),    QStringLiteral("DiscAmt3"),
    QStringLiteral("Posted"),      QStringLiteral("Cash"),        QStringLiteral("CardAmount"),
    QStringLiteral("Coupon"),      QStringLiteral("BankAmount"),  QStringLiteral("Transfer"),
    QStringLiteral("Change"),      QStringLiteral("CompanyBank"), QStringLiteral("PosPrintDateTime"),
    QStringLiteral("Imported"),    QStringLiteral("Remark"),      QStringLiteral("ShipAddr1"),
    QStringLiteral("ShipAddr2"),   QStringLiteral("ShipAddr3"),   QStringLiteral("ShipProvince"),
    QStringLiteral("ShipZipCode"), QStringLiteral("ShipPhone"),   QStringLiteral("Printed"),
    QStringLiteral("ShiftClose"),  QStringLiteral("CurrencyId"),  QStringLiteral("Rate"),
};

// Stored line columns written by the update statements, in their order.
const QStringList kLineColumns = {
    QStringLiteral("PosHd"),    QStringLiteral("PosRecNo"),    QStringLiteral("PosDate"),
    QStringLiteral("Product"),  QStringLiteral("Quantity"),    QStringLiteral("ProductUnits"),
    QStringLiteral("Fraction"), QStringLiteral("TaxCode"),     QStringLiteral("Warehouse"),
    QStringLiteral("LotNo"),    QStringLiteral("SerialNo"),    QStringLiteral("Price"),
    QStringLiteral("Discount"), QStringLiteral("DiscountAmt"), QStringLiteral("Total"),
    QStringLiteral("MemoLine"), QStringLiteral("Cost"),        QStringLiteral("ProductAmount"),
    QStringLiteral("TaxRate"),
};

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
        QStringLiteral("SELECT H.ID, ") + prefixed(kHeaderColumns, QStringLiteral("H.")).join(QStringLiteral(", ")) +
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

QStringList lineSelect()
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
        PosBill::kInnerWarehouseJoin,
        QStringLiteral("LEFT OUTER JOIN LotNo L On (L.Id = D.LotNo)"),
        QStringLiteral("LEFT OUTER JOIN SerialNo S On (S.Id = D.SerialNo)"),
        QStringLiteral("WHERE (D.PosHd = :GetHdId)"),
        // Lines come back in the order they were numbered, which saving keeps.
        QStringLiteral("ORDER BY D.PosRecNo, D.ID"),
    };
}

// Working values of the header, refreshed whenever a header row is read or posted.
void headerCalcFields(data::CachedDataset& hd)
{
    const auto value = [&hd](const char* name) { return hd.field(QString::fromLatin1(name)).asFloat(); };
    hd.setValue(QStringLiteral("DiscountAmt"), value("DiscAmt1") + value("DiscAmt2") + value("DiscAmt3"));
    hd.setValue(QStringLiteral("rcptcash"), value("Cash") + value("CardAmount"));
    if (hd.field(QStringLiteral("TotalBefDisc")).isNull())
        hd.setValue(QStringLiteral("TotalBefDisc"), 0.0);
}

} // namespace

const QString PosBill::kInnerWarehouseJoin = QStringLiteral("INNER JOIN Warehouse W On (W.Id = D.Warehouse)");
const QString PosBill::kLeftWarehouseJoin = QStringLiteral("Left JOIN Warehouse W On (W.Id = D.Warehouse)");

PosBill::PosBill(data::Connection& connection)
    : m_qHd(connection)
    , m_qDt(connection)
{
    m_qHd.setSqlLines(headerSelect());
    m_qHd.modifySql() = modifySql(QStringLiteral("PosHd"), kHeaderColumns);
    m_qHd.insertSql() = insertSql(QStringLiteral("PosHd"), kHeaderColumns);
    m_qHd.deleteSql() = deleteSql(QStringLiteral("PosHd"));
    for (const char* name : {"TotalBefDisc", "DiscountAmt", "rcptcash"})
        m_qHd.addCalculatedField(QString::fromLatin1(name));
    m_qHd.setCalcFieldsHandler(headerCalcFields);

    m_qDt.setSqlLines(lineSelect());
    m_qDt.modifySql() = modifySql(QStringLiteral("PosDt"), kLineColumns);
    m_qDt.insertSql() = insertSql(QStringLiteral("PosDt"), kLineColumns);
    m_qDt.deleteSql() = deleteSql(QStringLiteral("PosDt"));
    // Working values of a line: writing them is no change to save.
    for (const char* name : {"OldQuantity", "OldFraction", "OldProduct", "OldWarehouse", "OldProductUnits",
                             "OldSerialNo", "StockUnitFraction", "TaxTotal"})
        m_qDt.addCalculatedField(QString::fromLatin1(name));
}

QString PosBill::BillNumberKey(const QString& number, int docNoLength)
{
    if (docNoLength <= 0)
        return number.trimmed();
    return util::PadLeft(number, docNoLength);
}

bool PosBill::LoadBill(const QString& number, int docNoLength, PosMode mode)
{
    m_qDt.close();
    // Services and miscellaneous items have no warehouse; their lines are read all the same.
    if (mode != PosMode::Goods)
        m_qDt.setLine(kWarehouseJoinLine, kLeftWarehouseJoin);
    m_qHd.close();
    m_qHd.setParam(QStringLiteral("GetNo"), BillNumberKey(number, docNoLength));
    m_qHd.setParam(QStringLiteral("GetType"), PosTypeLetter(mode));
    m_qHd.open();
    const bool found = !m_qHd.isEmpty();
    m_qDt.setParam(QStringLiteral("GetHdId"), found ? m_qHd.field(QStringLiteral("ID")).asInteger() : 0);
    m_qDt.open();
    return found;
}

void PosBill::close()
{
    m_qDt.close();
    m_qHd.close();
}

void PosBill::setHd(const QString& field, const QVariant& value)
{
    m_qHd.setValue(field, value);
}

void PosBill::setDt(const QString& field, const QVariant& value)
{
    m_qDt.setValue(field, value);
}

void PosBill::forEachLine(const std::function<void()>& fn)
{
    if (!m_qDt.isOpen())
        return;
    m_qDt.post();
    class ReturnTo
    {
    public:
        ReturnTo(data::CachedDataset& dt)
            : m_dt(dt)
            , m_row(dt.recNo())
        { }
        ~ReturnTo()
        {
            try {
                m_dt.post();
                if (m_dt.recordCount() > 0)
                    m_dt.setRecNo(std::min(m_row, m_dt.recordCount() - 1));
            } catch (...) {
                // Already on the way out with the first error; the cursor stays where it is.
            }
        }

    private:
        data::CachedDataset& m_dt;
        int m_row;
    } returnTo(m_qDt);
    for (int row = 0; row < m_qDt.recordCount(); ++row) {
        m_qDt.setRecNo(row);
        fn();
        m_qDt.post();
    }
}

} // namespace kvr::pos
