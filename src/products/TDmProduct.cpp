#include "products/TDmProduct.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/ProductSearchDialogs.h"

using kvr::data::Query;

namespace kvr::products {

namespace {

// Line 2 of the product statement: the default warehouse, limited to the user's own under restriction.
// A product whose warehouse the user may not use is still found, with an empty warehouse.
const QString kProductWarehouse = QStringLiteral("Inner Join Warehouse W On (W.Id = P.DefaultWh)");
const QString kProductUserWarehouse = QStringLiteral("Left Join Warehouse W On (W.Id = P.DefaultWh) And W.Id In "
                                                     "(Select Warehouse From UserWarehouse Where UserName = :UserId)");
constexpr int kProductWarehouseLine = 2;
const QString kUserWarehouseFilter =
    QStringLiteral(" And W.Id In (Select Warehouse From UserWarehouse Where UserName = :UserId)");
constexpr int kWarehouseFilterLine = 1;

// Unit roles become LIKE patterns on the flag columns: a wanted role 'Y%', an unwanted one `other`.
// The patterns are the module's own constants, written into the text rather than bound: SQLite
// prepares a statement again each time a LIKE pattern parameter is bound anew.
QString roleCondition(const data::Dialect& dialect, UnitRoles roles, const char* other, const char* join)
{
    const std::pair<UnitRole, const char*> flags[] = {{UnitRole::Sale, "SaleFlag"},
                                                      {UnitRole::Purc, "PurcFlag"},
                                                      {UnitRole::Stock, "StockUnitFlag"},
                                                      {UnitRole::Small, "SmallUnitFlag"}};
    QStringList terms;
    for (const auto& [role, column] : flags) {
        const QString pattern = roles.testFlag(role) ? QStringLiteral("'Y%'") : QString::fromLatin1(other);
        terms << QLatin1Char('(') + dialect.likeNoCase(QString::fromLatin1(column), pattern) + QLatin1Char(')');
    }
    return QLatin1Char('(') + terms.join(QString::fromLatin1(join)) + QLatin1Char(')');
}
constexpr int kRoleLine = 1;

// Replaces a line only when it changes, so the prepared statement is kept.
void chooseLine(Query& query, int index, const QString& line)
{
    if (query.sqlLines().value(index) != line)
        query.setLine(index, line);
}

} // namespace

TDmProduct::TDmProduct(data::TDM& dm)
    : m_dm(dm)
    , m_db(dm.DMdata())
    , m_qChkProduct(m_db)
    , m_qChkBarCode(m_db)
    , m_qProductView(m_db)
    , m_qProductUnit(m_db)
    , m_qFirstUnit(m_db)
    , m_qStockUnit(m_db)
    , m_qSmallUnit(m_db)
    , m_qWarehouse(m_db)
    , m_qLotNo(m_db)
    , m_qLotOnHand(m_db)
    , m_qSerialProduct(m_db)
    , m_spCreateSerialNo(m_db, QStringLiteral("CreateSerialNo"))
    , m_qSerialNo(m_db)
    , m_qProdAttrCode(m_db)
    , m_qProjectItem(m_db)
    , m_qVendorPartCode(m_db)
    , m_qPartSource(m_db)
    , m_qPurchasePrice(m_db)
    , m_qListPrice(m_db)
    , m_qStockUnitPrice(m_db)
    , m_qCustomerPrice(m_db)
    , m_qPromotion(m_db)
    , m_qProjectPrice(m_db)
    , m_qVendorPrice(m_db)
    , m_qProductQuantity(m_db)
    , m_qProductWHQuantity(m_db)
    , m_qProductUnitsWHQuantity(m_db)
    , m_qShowQuantity(m_db)
{ }

ProductSettings TDmProduct::settings()
{
    ProductSettings s = ProductSettings::read(m_dm);
    if (!m_prepared) {
        prepareStatements();
        prepareStockStatements();
        m_prepared = true;
    }
    return s;
}

void TDmProduct::prepareStatements()
{
    const data::Dialect& dialect = m_db.dialect();
    // Null flags are unset: a product with a null Blocked is sold, by code and by barcode alike.
    m_qChkProduct.setSqlLines(
        {QStringLiteral(
             "SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.ProductType, P.PriceIE, P.PrintFrac, "
             "P.UseSerial, "
             "P.LotControl, P.TaxCode, P.DefaultWh, P.PriceByVolumn, P.Discount, W.flagin, W.flagout, P.BuyingCode, "
             "P.VolumnUnit, T.Rate AS TaxRate, W.Code AS WhCode, W.Name AS WhName, P.Blocked, P.Negative, "
             "Coalesce(P.ProductFree, 'N') AS ProductFree, P.Size_W, P.Size_L, P.Size_H, P.CartonsUnits, P.Cartons, "
             "P.NetWeight, P.GrossWeight, P.ProductDesc, Coalesce(P.CheckSerialPurc, 'N') AS CheckSerialPurc, "
             "Coalesce(P.CheckSerialSale, 'N') AS CheckSerialSale, Coalesce(P.CheckSerialStock, 'N') AS "
             "CheckSerialStock, "
             "Coalesce(P.CheckSerialOnhand, 'N') AS CheckSerialOnhand, Coalesce(P.PerDiscountOver, 0) AS "
             "PerDiscountOver, "
             "Coalesce(P.CostMoving, 0) AS CostMoving"),
         QStringLiteral("FROM Product P INNER JOIN Tax T On (T.Id = P.TaxCode)"), kProductWarehouse,
         QStringLiteral("WHERE (P.Code = :GetCode) AND (Coalesce(P.Blocked, 'N') <> 'Y') And (Coalesce(P.MasterCode, "
                        "'N') <> 'Y')")});
    m_qChkBarCode.setSql(QStringLiteral(
        "SELECT U.Id, U.BarCode, U.Fraction, U.UnitName, U.SaleFlag, U.PurcFlag, U.StockUnitFlag, U.SmallUnitFlag, "
        "P.Id AS ProductId, P.Code, P.ThaiName, P.EngName, P.PosName, P.UseSerial, P.LotControl, P.TaxCode, "
        "P.DefaultWh, "
        "P.ItemClassify, U.PurcPrice, U.LabourCost, U.VolumnFraction, T.Rate AS TaxRate, P.BuyingCode, W.Code AS "
        "WhCode, "
        "W.Name AS WhName, (SELECT R.Price FROM ProductPrice R WHERE R.Product = P.Id AND R.ProductUnits = U.Id "
        "AND R.PriceType = 19) AS price, Coalesce(P.PerDiscountOver, 0) AS PerDiscountOver "
        "FROM ProductUnits U INNER JOIN Product P On (P.Id = U.Product) INNER JOIN Tax T On (T.Id = P.TaxCode) "
        "INNER JOIN Warehouse W On (W.Id = P.DefaultWh) "
        "WHERE (U.BarCode = :GetCode) AND (Coalesce(P.Blocked, 'N') <> 'Y') And (U.BarCode Is Not Null) ORDER BY "
        "U.Id"));
    // The picture stays in the table: only the name is shown.
    m_qProductView.setSql(QStringLiteral(
        "SELECT P.Id, P.Code, ltrim(rtrim(P.ThaiName)) AS ThaiName, P.Remark, P.ProductType FROM ProductView P "
        "WHERE (P.Code = :GetCode) AND (Coalesce(P.Blocked, 'N') <> 'Y') ORDER BY P.Id"));

    m_qProductUnit.setSqlLines(
        {QStringLiteral("SELECT Id, UnitName, Fraction, VolumnFraction, BarCode, PurcPrice, LabourCost "
                        "FROM ProductUnits WHERE (Product = :GetProduct) And (UnitName = :GetUnit) And"),
         QString(), QStringLiteral("ORDER BY Id")});
    m_qFirstUnit.setSqlLines(
        {QStringLiteral("SELECT Id, UnitName, Fraction, BarCode, VolumnFraction, PurcPrice FROM ProductUnits "
                        "WHERE (Product = :GetProduct) And"),
         QString(), QStringLiteral("ORDER BY Fraction, Id")});
    const QString unitRole = QStringLiteral("SELECT Id, UnitName, Fraction, BarCode, VolumnFraction FROM ProductUnits "
                                            "WHERE (Product = :GetProduct) And (%1 = 'Y') ORDER BY Id");
    m_qStockUnit.setSql(unitRole.arg(QStringLiteral("StockUnitFlag")));
    m_qSmallUnit.setSql(unitRole.arg(QStringLiteral("SmallUnitFlag")));

    m_qWarehouse.setSqlLines(
        {QStringLiteral("SELECT W.Id, W.Code, W.Name, W.islocation FROM Warehouse W WHERE (W.Code = :GetCode)"),
         QString()});
    m_qLotNo.setSql(
        QStringLiteral("SELECT Id, Code, HasExpired, ExpiredDate, CASE WHEN ExpiredDate >= :GetDate THEN 'Y' "
                       "ELSE 'N' END AS StillValid FROM LotNo WHERE (Code = :GetCode) ORDER BY Id"));
    m_qLotOnHand.setSql(
        QStringLiteral("SELECT Sum(L.Quantity) AS LotQnty FROM LotOnHand L WHERE (L.Product = :GetProduct) "
                       "And (L.LotNo = :GetLotNo) And (L.BalanceYear <= :GetYear) And (L.Warehouse = :GetWarehouse)"));
    // A null CheckSerialOnhand reads as 'N', as the product look-up reports it.
    m_qSerialProduct.setSql(QStringLiteral("SELECT Id FROM Product WHERE (Id = :ProductId) And (UseSerial = 'Y') "
                                           "And (Coalesce(CheckSerialOnhand, 'N') = 'N')"));
    m_qSerialNo.setSql(QStringLiteral(
        "SELECT Id, Serial, OnHand FROM SerialNo WHERE (Product = :GetProduct) And (Serial = :GetSerial)"));
    m_qProdAttrCode.setSql(QStringLiteral("SELECT Id, GroupId, Code, Description FROM ProdAttrCode "
                                          "WHERE (GroupId = :GetGroup) And (Code = :GetCode) ORDER BY Id"));
    m_qProjectItem.setSql(QStringLiteral("SELECT Id, Project, Code, Description FROM projectitemhd "
                                         "WHERE (Code = :GetCode) And (Project = :GetProject) ORDER BY Id"));
    m_qVendorPartCode.setSql(
        QStringLiteral("SELECT S.Product, S.ProductUnits, S.PurchaseCode, S.PurchaseName, P.Code, P.ThaiName, "
                       "U.UnitName, U.Fraction, U.BarCode "
                       "FROM PartSource S INNER JOIN Product P On (P.Id = S.Product) INNER JOIN ProductUnits U On "
                       "(U.Id = S.ProductUnits) "
                       "WHERE (S.PurchaseCode = :GetCode) And (S.Vendor = :GetVendor) ORDER BY S.Id"));
    m_qPartSource.setSql(
        QStringLiteral("SELECT Price, PurchaseCode, PurchaseName, DiscountStr, lastprice, lastdoccode, "
                       "lastdocno, lastdate FROM PartSource WHERE (ProductUnits = :GetUnit) "
                       "And (Vendor = :GetVendor) ORDER BY Id"));
    m_qPurchasePrice.setSql(QStringLiteral(
        "SELECT 0 AS LabourCost, CASE WHEN M.Code = 'LAK' THEN (SELECT PurcPriceKip FROM ProductUnits WHERE Id = "
        ":GetId) "
        "WHEN M.Code = 'USD' THEN (SELECT PurcPriceUsd FROM ProductUnits WHERE Id = :GetId) "
        "WHEN M.Code = 'THB' THEN (SELECT PurcPriceBaht FROM ProductUnits WHERE Id = :GetId) END AS PurcPrice "
        "FROM vendor V INNER JOIN Misc M On (M.Id = V.VendorCurrency) WHERE V.Id = :vendorid"));

    m_qListPrice.setSql(QStringLiteral("SELECT Price, PriceType FROM ProductPrice WHERE (Product = :GetProduct) "
                                       "And (ProductUnits = :GetUnits) And (PriceType IN (:GetType, :DefaultType)) "
                                       "ORDER BY CASE WHEN PriceType = :GetType THEN 0 ELSE 1 END"));
    m_qStockUnitPrice.setSql(QStringLiteral(
        "SELECT P.Price, U.Fraction, U.Id FROM ProductPrice P Inner Join ProductUnits U On (U.Product = P.Product) "
        "And (U.StockUnitFlag = 'Y') And (U.Id = P.ProductUnits) WHERE (P.Product = :GetProduct) And (P.PriceType = "
        ":GetType) "
        "ORDER BY U.Id"));
    m_qCustomerPrice.setSql(
        QStringLiteral("SELECT price, quantity, discount FROM customerproductprice WHERE customer = :cid "
                       "And product = :pid And productunits = :uid ORDER BY Id"));
    // The customer's own promotion before the one for everybody (customer 0); the newest row wins an overlap.
    m_qPromotion.setSql(dialect.limit(
        QStringLiteral("SELECT price, discpercent FROM promotion_dt WHERE product = :pid And productunits = :uid "
                       "And pricetype = :tid And customer IN (:cid, 0) And (:pdate BETWEEN startdate And stopdate) "
                       "ORDER BY CASE WHEN customer = 0 THEN 1 ELSE 0 END, id DESC"),
        1));
    m_qProjectPrice.setSql(
        QStringLiteral("SELECT price, discount FROM CustomerProductPriceProject WHERE product = :pid "
                       "And productunits = :uid And customer = :cid And project = :projectid ORDER BY Id"));
    m_qVendorPrice.setSql(QStringLiteral("SELECT price FROM PartSource WHERE (Product = :pid) And (Vendor = :vid) "
                                         "And (ProductUnits = :uid) ORDER BY Id"));
}

std::vector<const Query*> TDmProduct::statements() const
{
    return {&m_qChkProduct,
            &m_qChkBarCode,
            &m_qProductView,
            &m_qProductUnit,
            &m_qFirstUnit,
            &m_qStockUnit,
            &m_qSmallUnit,
            &m_qWarehouse,
            &m_qLotNo,
            &m_qLotOnHand,
            &m_qSerialProduct,
            &m_qSerialNo,
            &m_qProdAttrCode,
            &m_qProjectItem,
            &m_qVendorPartCode,
            &m_qPartSource,
            &m_qPurchasePrice,
            &m_qListPrice,
            &m_qStockUnitPrice,
            &m_qCustomerPrice,
            &m_qPromotion,
            &m_qProjectPrice,
            &m_qVendorPrice,
            &m_qProductQuantity,
            &m_qProductWHQuantity,
            &m_qProductUnitsWHQuantity,
            &m_qShowQuantity};
}

void TDmProduct::message(const QString& text)
{
    if (m_message)
        m_message(text);
}

bool TDmProduct::ExistsProduct(const QString& code)
{
    const ProductSettings s = settings();
    m_specialName.clear();
    QString productCode = code;
    if (m_useBarCode) {
        // In barcode mode a product typed by its code is not found.
        if (!ExistsBarCode(code)) {
            m_qChkProduct.close();
            return false;
        }
        productCode = m_qChkBarCode.field(QStringLiteral("Code")).asString();
    }
    chooseLine(m_qChkProduct, kProductWarehouseLine, s.checkUserWarehouse ? kProductUserWarehouse : kProductWarehouse);
    m_qChkProduct.setParam(QStringLiteral("GetCode"), productCode);
    m_qChkProduct.setParam(QStringLiteral("UserId"), m_dm.config().session().UserId);
    m_qChkProduct.open();
    if (m_qChkProduct.isEmpty())
        return false;
    if (s.searchProductNo == 2) {
        m_qProductView.setParam(QStringLiteral("GetCode"), productCode);
        m_qProductView.open();
        m_specialName = m_qProductView.field(QStringLiteral("ThaiName")).asString();
    }
    return true;
}

bool TDmProduct::ExistsBarCode(const QString& barCode)
{
    settings();
    m_qChkBarCode.setParam(QStringLiteral("GetCode"), barCode);
    m_qChkBarCode.open();
    return !m_qChkBarCode.isEmpty();
}

bool TDmProduct::ExistsProductUnit(int productId, const QString& unitName, UnitRoles roles)
{
    settings();
    m_qProductUnit.setParam(QStringLiteral("GetProduct"), productId);
    m_qProductUnit.setParam(QStringLiteral("GetUnit"), unitName);
    chooseLine(m_qProductUnit, kRoleLine, roleCondition(m_db.dialect(), roles, "'X%'", " Or "));
    m_qProductUnit.open();
    return !m_qProductUnit.isEmpty();
}

QString TDmProduct::GetFirstUnit(int productId, UnitRoles roles)
{
    settings();
    m_qFirstUnit.setParam(QStringLiteral("GetProduct"), productId);
    chooseLine(m_qFirstUnit, kRoleLine, roleCondition(m_db.dialect(), roles, "'%'", " And "));
    m_qFirstUnit.open();
    return m_qFirstUnit.field(QStringLiteral("UnitName")).asString();
}

QString TDmProduct::GetStockUnit(int productId)
{
    settings();
    m_qStockUnit.setParam(QStringLiteral("GetProduct"), productId);
    m_qStockUnit.open();
    return m_qStockUnit.field(QStringLiteral("UnitName")).asString();
}

QString TDmProduct::GetSmallUnit(int productId)
{
    settings();
    m_qSmallUnit.setParam(QStringLiteral("GetProduct"), productId);
    m_qSmallUnit.open();
    return m_qSmallUnit.field(QStringLiteral("UnitName")).asString();
}

bool TDmProduct::ExistsWarehouse(const QString& code)
{
    const ProductSettings s = settings();
    chooseLine(m_qWarehouse, kWarehouseFilterLine, s.checkUserWarehouse ? kUserWarehouseFilter : QString());
    m_qWarehouse.setParam(QStringLiteral("GetCode"), code);
    m_qWarehouse.setParam(QStringLiteral("UserId"), m_dm.config().session().UserId);
    m_qWarehouse.open();
    return !m_qWarehouse.isEmpty();
}

bool TDmProduct::ExistsLotNo(const QString& code, const QDateTime& date)
{
    settings();
    m_qLotNo.setParam(QStringLiteral("GetCode"), code);
    // Without a shift date nothing that expires is valid.
    m_qLotNo.setParam(QStringLiteral("GetDate"), date.isValid() ? QVariant(date) : QVariant());
    m_qLotNo.open();
    if (m_qLotNo.isEmpty())
        return false;
    if (m_qLotNo.field(QStringLiteral("HasExpired")).asString() == QLatin1String("N"))
        return true;
    if (m_qLotNo.field(QStringLiteral("StillValid")).asString() == QLatin1String("Y"))
        return true;
    message(QStringLiteral("LotNo หมดอายุแล้ว"));
    return false;
}

double TDmProduct::LotNoOnHand(int lotId, int productId, int warehouseId, int year)
{
    settings();
    m_qLotOnHand.setParam(QStringLiteral("GetProduct"), productId);
    m_qLotOnHand.setParam(QStringLiteral("GetLotNo"), lotId);
    m_qLotOnHand.setParam(QStringLiteral("GetYear"), year);
    m_qLotOnHand.setParam(QStringLiteral("GetWarehouse"), warehouseId);
    m_qLotOnHand.open();
    return m_qLotOnHand.field(QStringLiteral("LotQnty")).asFloat();
}

bool TDmProduct::ExistsSerialNo(const QString& serial, int productId)
{
    settings();
    m_qSerialNo.close();
    // An empty serial is never registered: it would become a piece in stock that nobody can name.
    if (serial.trimmed().isEmpty())
        return false;
    m_qSerialProduct.setParam(QStringLiteral("ProductId"), productId);
    m_qSerialProduct.open();
    if (!m_qSerialProduct.isEmpty()) {
        m_spCreateSerialNo.clearParams();
        m_spCreateSerialNo.setParam(QStringLiteral("@ProductId"), productId);
        m_spCreateSerialNo.setParam(QStringLiteral("@SerialCode"), serial);
        m_spCreateSerialNo.execProc();
    }
    m_qSerialNo.setParam(QStringLiteral("GetProduct"), productId);
    m_qSerialNo.setParam(QStringLiteral("GetSerial"), serial);
    m_qSerialNo.open();
    return !m_qSerialNo.isEmpty() && m_qSerialNo.field(QStringLiteral("OnHand")).asString() == QLatin1String("Y");
}

bool TDmProduct::ExistsProdAttrCode(int groupId, const QString& code)
{
    settings();
    m_qProdAttrCode.setParam(QStringLiteral("GetGroup"), groupId);
    m_qProdAttrCode.setParam(QStringLiteral("GetCode"), code);
    m_qProdAttrCode.open();
    return !m_qProdAttrCode.isEmpty();
}

bool TDmProduct::ExistsProjectItemCode(const QString& code, int projectId)
{
    settings();
    m_qProjectItem.setParam(QStringLiteral("GetCode"), code);
    m_qProjectItem.setParam(QStringLiteral("GetProject"), projectId);
    m_qProjectItem.open();
    return !m_qProjectItem.isEmpty();
}

bool TDmProduct::ExistsVendorPartCode(const QString& code, int vendorId)
{
    settings();
    m_qVendorPartCode.setParam(QStringLiteral("GetCode"), code);
    m_qVendorPartCode.setParam(QStringLiteral("GetVendor"), vendorId);
    m_qVendorPartCode.open();
    return !m_qVendorPartCode.isEmpty();
}

bool TDmProduct::ExistsPartSource(int unitId, int vendorId)
{
    settings();
    m_qPartSource.setParam(QStringLiteral("GetUnit"), unitId);
    m_qPartSource.setParam(QStringLiteral("GetVendor"), vendorId);
    m_qPartSource.open();
    m_qPurchasePrice.setParam(QStringLiteral("GetId"), unitId);
    m_qPurchasePrice.setParam(QStringLiteral("vendorid"), vendorId);
    m_qPurchasePrice.open();
    return !m_qPartSource.isEmpty();
}

bool TDmProduct::runSearch(const std::function<bool(ProductSearchDialogs&, QString&)>& run)
{
    if (!m_searchDialogs)
        return false;
    QString chosen;
    if (!run(*m_searchDialogs, chosen))
        return false;
    m_searchResult = chosen;
    return true;
}

bool TDmProduct::SearchProduct()
{
    return runSearch([](ProductSearchDialogs& d, QString& chosen) { return d.searchProduct(chosen); });
}

bool TDmProduct::SearchLotNo()
{
    return runSearch([](ProductSearchDialogs& d, QString& chosen) { return d.searchLotNo(chosen); });
}

bool TDmProduct::SearchWarehouse()
{
    return runSearch([](ProductSearchDialogs& d, QString& chosen) { return d.searchWarehouse(chosen); });
}

bool TDmProduct::SearchProductBarCode()
{
    return runSearch([](ProductSearchDialogs& d, QString& chosen) { return d.searchProductBarCode(chosen); });
}

bool TDmProduct::SearchUnitName(int productId, UnitRole role)
{
    return runSearch([productId, role](ProductSearchDialogs& d, QString& chosen) {
        return d.searchUnitName(productId, role, chosen);
    });
}

} // namespace kvr::products
