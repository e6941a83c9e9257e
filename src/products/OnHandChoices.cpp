#include "products/OnHandChoices.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/ProductSettings.h"
#include "products/QuantityTexts.h"

namespace kvr::products {

namespace {

// Lines of the lot statement replaced per call: the warehouse filter and the balance filter.
constexpr int kLotWarehouseLine = 1;
constexpr int kLotHavingLine = 3;
// Lines of the warehouse statement: the stock filter and the user's warehouses.
constexpr int kStockLine = 1;
constexpr int kUserLine = 2;

void chooseLine(data::Query& query, int index, const QString& line)
{
    if (query.sqlLines().value(index) != line)
        query.setLine(index, line);
}

} // namespace

OnHandChoices::OnHandChoices(data::TDM& dm, QuantityTexts& texts)
    : m_dm(dm)
    , m_texts(texts)
    , m_qLots(dm.DMdata())
    , m_qWarehouseName(dm.DMdata(), QStringLiteral("SELECT Code, Name FROM Warehouse WHERE Id = :Warehouse"))
    , m_qWarehouses(dm.DMdata())
{
    m_qLots.setSqlLines(lotStatement());
    m_qWarehouses.setSqlLines(warehouseStatement());
}

QStringList OnHandChoices::lotStatement()
{
    // One balance year, not the running sum of the lot look-up.
    return {
        QStringLiteral("SELECT l.Code, l.Description AS name, l.Id, sum(o.Quantity) AS qnty FROM LotOnHand o "
                       "INNER JOIN LotNo l On (l.Id = o.LotNo) WHERE (o.Product = :pid) And (o.BalanceYear = :yid)"),
        QString(), QStringLiteral("GROUP BY l.Code, l.Description, l.Id"), QString(),
        QStringLiteral("ORDER BY l.Code")};
}

void OnHandChoices::bindLots(data::Query& query, int productId, int year, int warehouseId, bool showAll)
{
    chooseLine(query, kLotWarehouseLine, warehouseId != 0 ? QStringLiteral("And (o.Warehouse = :wid)") : QString());
    chooseLine(query, kLotHavingLine, showAll ? QString() : QStringLiteral("HAVING sum(o.Quantity) > 0"));
    query.setParam(QStringLiteral("pid"), productId);
    query.setParam(QStringLiteral("yid"), year);
    query.setParam(QStringLiteral("wid"), warehouseId);
}

QStringList OnHandChoices::warehouseStatement()
{
    return {QStringLiteral("SELECT w.Code, w.Name, o.Onhand, o.WaitPO AS BackOrderPo, o.WaitSO AS BackOrderSo "
                           "FROM view_currentstock o INNER JOIN Warehouse w On (w.Id = o.Warehouse) "
                           "WHERE (o.Product = :pid) And (Coalesce(w.islocation, 'N') = :islocation)"),
            QString(), QString(), QStringLiteral("ORDER BY w.Code, w.Name")};
}

void OnHandChoices::bindWarehouses(data::Query& query, int productId, int location, bool onlyWithStock)
{
    const ProductSettings settings = ProductSettings::read(m_dm);
    chooseLine(query, kStockLine, onlyWithStock ? QStringLiteral("And (o.OnhandQnty > 0)") : QString());
    chooseLine(query, kUserLine,
               settings.checkUserWarehouse
                   ? QStringLiteral("And w.Id In (Select Warehouse From UserWarehouse Where UserName = :UserId)")
                   : QString());
    query.setParam(QStringLiteral("pid"), productId);
    query.setParam(QStringLiteral("islocation"), location == 1 ? QStringLiteral("N") : QStringLiteral("Y"));
    query.setParam(QStringLiteral("UserId"), m_dm.config().session().UserId);
}

std::vector<OnHandChoices::Lot> OnHandChoices::lots(int productId, int year, int warehouseId, bool showAll)
{
    bindLots(m_qLots, productId, year, warehouseId, showAll);
    m_qLots.open();
    std::vector<Lot> out;
    for (int row = 0; row < m_qLots.recordCount(); ++row) {
        Lot lot;
        lot.code = m_qLots.fieldAt(row, QStringLiteral("Code")).asString();
        lot.name = m_qLots.fieldAt(row, QStringLiteral("name")).asString();
        lot.id = m_qLots.fieldAt(row, QStringLiteral("Id")).asInteger();
        lot.quantity = m_qLots.fieldAt(row, QStringLiteral("qnty")).asFloat();
        out.push_back(lot);
    }
    for (Lot& lot : out)
        lot.quantityText = m_texts.ProductQuantityText(productId, lot.quantity);
    return out;
}

QString OnHandChoices::lotCaption(int warehouseId)
{
    QString caption = QStringLiteral("ค้นหา Lot คงเหลือ");
    if (warehouseId == 0)
        return caption;
    m_qWarehouseName.setParam(QStringLiteral("Warehouse"), warehouseId);
    m_qWarehouseName.open();
    return caption + QStringLiteral(" คลัง ") + m_qWarehouseName.field(QStringLiteral("Name")).asString();
}

std::vector<OnHandChoices::Warehouse> OnHandChoices::warehouses(int productId, int location, bool onlyWithStock)
{
    bindWarehouses(m_qWarehouses, productId, location, onlyWithStock);
    m_qWarehouses.open();
    std::vector<Warehouse> out;
    for (int row = 0; row < m_qWarehouses.recordCount(); ++row) {
        const auto value = [&](const char* name) { return m_qWarehouses.fieldAt(row, QString::fromLatin1(name)); };
        out.push_back({value("Code").asString(), value("Name").asString(), value("Onhand").asFloat(),
                       value("BackOrderPo").asFloat(), value("BackOrderSo").asFloat()});
    }
    return out;
}

} // namespace kvr::products
