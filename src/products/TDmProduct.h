#pragma once

#include "data/Query.h"
#include "data/StoredProc.h"
#include "products/ProductSettings.h"
#include "products/UnitRoles.h"

#include <QDateTime>
#include <functional>
#include <vector>

namespace kvr::data {
class TDM;
}

namespace kvr::products {

class ProductSearchDialogs;

// The product services of the sale screen: product, unit, warehouse, lot and serial look-ups,
// prices and stock on hand. Each call runs its statements afresh on the company connection; the
// row it found stays readable in the operation's query until the same operation runs again.
class TDmProduct
{
public:
    explicit TDmProduct(data::TDM& dm);
    TDmProduct(const TDmProduct&) = delete;
    TDmProduct& operator=(const TDmProduct&) = delete;

    // The expired-lot notice goes here (the screens pass their information box).
    void setMessageHandler(std::function<void(const QString&)> handler) { m_message = std::move(handler); }
    // The F5 search dialogs; without them every search answers "not confirmed".
    void setSearchDialogs(ProductSearchDialogs* dialogs) { m_searchDialogs = dialogs; }
    ProductSearchDialogs* searchDialogs() const { return m_searchDialogs; }

    // Set by the sale screen: barcodes only (Config.PosUseBarCode), the current product's PrintFrac,
    // the open shift's date against which lots expire.
    void setUseBarCode(bool on) { m_useBarCode = on; }
    bool UseBarCode() const { return m_useBarCode; }
    void setPrintFrac(bool on) { m_printFrac = on; }
    bool PrintFrac() const { return m_printFrac; }
    void setCurrentShiftDate(const QDateTime& date) { m_currentShiftDate = date; }
    const QDateTime& CurrentShiftDate() const { return m_currentShiftDate; }

    // Outputs of the last call that produces them.
    const QString& SearchResult() const { return m_searchResult; }
    const QString& SpecialName() const { return m_specialName; }
    int PriceQuantity() const { return m_priceQuantity; }
    const QString& PriceDiscount() const { return m_priceDiscount; }
    double OnHandQuantity() const { return m_onHandQuantity; }

    // ---- look-ups
    bool ExistsProduct(const QString& code);
    bool ExistsBarCode(const QString& barCode);
    bool ExistsProductUnit(int productId, const QString& unitName, UnitRoles roles);
    QString GetFirstUnit(int productId, UnitRoles roles);
    QString GetStockUnit(int productId);
    QString GetSmallUnit(int productId);
    bool ExistsWarehouse(const QString& code);
    bool ExistsLotNo(const QString& code, const QDateTime& date);
    bool ExistsLotNo(const QString& code) { return ExistsLotNo(code, m_currentShiftDate); }
    // Over every balance year up to and including year.
    double LotNoOnHand(int lotId, int productId, int warehouseId, int year);
    // Registers the serial first for products that do not require it to be in stock.
    bool ExistsSerialNo(const QString& serial, int productId);
    bool ExistsProdAttrCode(int groupId, const QString& code);
    bool ExistsProjectItemCode(const QString& code, int projectId);
    bool ExistsVendorPartCode(const QString& code, int vendorId);
    bool ExistsPartSource(int unitId, int vendorId);

    // ---- search dialogs: true when the user confirmed, the choice in SearchResult()
    bool SearchProduct();
    bool SearchLotNo();
    bool SearchWarehouse();
    bool SearchProductBarCode();
    bool SearchUnitName(int productId, UnitRole role = UnitRole::Purc);

    // ---- prices
    double GetPrice(int customerId, int productId, int unitId, int priceType, const QDateTime& date);
    double GetProjectPrice(int customerId, int productId, int unitId, int priceType, int projectId,
                           const QDateTime& date);
    double SetPurchasePrice(int productId, int vendorId, int unitId, double defaultPrice);

    // ---- stock on hand, as text in the stock and small unit ("Error" for an unknown product)
    QString ProductQuantity(int productId, int year);
    QString ShowQuantity(int productId, double quantity);
    QString ProductWHQuantity(int productId, int warehouseId, int year);
    // Warehouse 'RMA' left out.
    QString ProductUnitsWHQuantity(int productId, int unitId, int warehouseId, int year);

    // ---- the rows found, readable until the same operation runs again
    const data::Query& QChkProduct() const { return m_qChkProduct; }
    const data::Query& QChkBarCode() const { return m_qChkBarCode; }
    const data::Query& QProductView() const { return m_qProductView; }
    const data::Query& QProductUnit() const { return m_qProductUnit; }
    const data::Query& QFirstUnit() const { return m_qFirstUnit; }
    const data::Query& QStockUnit() const { return m_qStockUnit; }
    const data::Query& QSmallUnit() const { return m_qSmallUnit; }
    const data::Query& QWarehouse() const { return m_qWarehouse; }
    const data::Query& QLotNo() const { return m_qLotNo; }
    const data::Query& QSerialNo() const { return m_qSerialNo; }
    const data::Query& QProdAttrCode() const { return m_qProdAttrCode; }
    const data::Query& QProjectItem() const { return m_qProjectItem; }
    const data::Query& QVendorPartCode() const { return m_qVendorPartCode; }
    const data::Query& QPartSource() const { return m_qPartSource; }
    const data::Query& QPurchasePrice() const { return m_qPurchasePrice; }
    // GetPrice in stock-unit mode: the stock unit's Price, Fraction and Id.
    const data::Query& QStockUnitPrice() const { return m_qStockUnitPrice; }

    // Every statement of the module, with the parameters of its last run: for query-plan checks
    // and for replaying them bare in the benchmark.
    std::vector<const data::Query*> statements() const;

private:
    ProductSettings settings();
    void prepareStatements();
    void prepareStockStatements();
    void message(const QString& text);
    bool runSearch(const std::function<bool(ProductSearchDialogs&, QString&)>& run);
    // Base price of GetPrice and GetProjectPrice: the list price at priceType, else at fallbackType.
    double listPrice(int productId, int unitId, int priceType, int fallbackType);
    bool applyPromotion(int customerId, int productId, int unitId, int priceType, const QDateTime& date, double& price);
    QString stockText(data::Query& query, bool keepOnHand);

    data::TDM& m_dm;
    data::Connection& m_db;
    std::function<void(const QString&)> m_message;
    ProductSearchDialogs* m_searchDialogs = nullptr;
    bool m_prepared = false;

    bool m_useBarCode = false;
    bool m_printFrac = false;
    QDateTime m_currentShiftDate;
    QString m_searchResult;
    QString m_specialName;
    int m_priceQuantity = 0;
    QString m_priceDiscount;
    double m_onHandQuantity = 0;

    data::Query m_qChkProduct;
    data::Query m_qChkBarCode;
    data::Query m_qProductView;
    data::Query m_qProductUnit;
    data::Query m_qFirstUnit;
    data::Query m_qStockUnit;
    data::Query m_qSmallUnit;
    data::Query m_qWarehouse;
    data::Query m_qLotNo;
    data::Query m_qLotOnHand;
    data::Query m_qSerialProduct;
    data::StoredProc m_spCreateSerialNo;
    data::Query m_qSerialNo;
    data::Query m_qProdAttrCode;
    data::Query m_qProjectItem;
    data::Query m_qVendorPartCode;
    data::Query m_qPartSource;
    data::Query m_qPurchasePrice;

    data::Query m_qListPrice;
    data::Query m_qStockUnitPrice;
    data::Query m_qCustomerPrice;
    data::Query m_qPromotion;
    data::Query m_qProjectPrice;
    data::Query m_qVendorPrice;

    data::Query m_qProductQuantity;
    data::Query m_qProductWHQuantity;
    data::Query m_qProductUnitsWHQuantity;
    data::Query m_qShowQuantity;
};

} // namespace kvr::products
