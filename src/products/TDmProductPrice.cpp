#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"

namespace kvr::products {

double TDmProduct::listPrice(int productId, int unitId, int priceType, int fallbackType)
{
    m_qListPrice.setParam(QStringLiteral("GetProduct"), productId);
    m_qListPrice.setParam(QStringLiteral("GetUnits"), unitId);
    m_qListPrice.setParam(QStringLiteral("GetType"), priceType);
    m_qListPrice.setParam(QStringLiteral("DefaultType"), fallbackType);
    m_qListPrice.open();
    return m_qListPrice.field(QStringLiteral("Price")).asFloat();
}

// The customer's promotion, else the one for everybody: its price replaces the price whatever it
// is, and its discount text (possibly empty) replaces the discount.
bool TDmProduct::applyPromotion(int customerId, int productId, int unitId, int priceType, const QDateTime& date,
                                double& price)
{
    m_qPromotion.setParam(QStringLiteral("pid"), productId);
    m_qPromotion.setParam(QStringLiteral("uid"), unitId);
    m_qPromotion.setParam(QStringLiteral("tid"), priceType);
    m_qPromotion.setParam(QStringLiteral("cid"), customerId);
    // The time of day plays no part: a promotion stopping on the bill date applies all day.
    m_qPromotion.setParam(QStringLiteral("pdate"), date.date());
    m_qPromotion.open();
    if (m_qPromotion.isEmpty())
        return false;
    m_priceDiscount = m_qPromotion.field(QStringLiteral("discpercent")).asString();
    price = m_qPromotion.field(QStringLiteral("price")).asFloat();
    return true;
}

double TDmProduct::GetPrice(int customerId, int productId, int unitId, int priceType, const QDateTime& date)
{
    const ProductSettings s = settings();
    m_priceDiscount.clear();
    const bool stockUnitMode = s.searchProductNo == 2 && s.displayFraction && m_printFrac;

    double price = 0;
    int customerUnit = unitId;
    if (stockUnitMode) {
        m_qStockUnitPrice.setParam(QStringLiteral("GetProduct"), productId);
        m_qStockUnitPrice.setParam(QStringLiteral("GetType"), priceType);
        m_qStockUnitPrice.open();
        price = m_qStockUnitPrice.field(QStringLiteral("Price")).asFloat();
        customerUnit = m_qStockUnitPrice.field(QStringLiteral("Id")).asInteger();
    } else {
        price = listPrice(productId, unitId, priceType, m_dm.config().session().Pos1_PriceType);
    }

    m_qCustomerPrice.setParam(QStringLiteral("cid"), customerId);
    m_qCustomerPrice.setParam(QStringLiteral("pid"), productId);
    m_qCustomerPrice.setParam(QStringLiteral("uid"), customerUnit);
    m_qCustomerPrice.open();
    if (!m_qCustomerPrice.isEmpty()) {
        m_priceDiscount = m_qCustomerPrice.field(QStringLiteral("discount")).asString();
        // A customer price of 0 keeps the list price but still brings its discount.
        const double own = m_qCustomerPrice.field(QStringLiteral("price")).asFloat();
        if (own > 0)
            price = own;
    }

    applyPromotion(customerId, productId, unitId, priceType, date, price);
    m_priceQuantity = 1;
    return price;
}

double TDmProduct::GetProjectPrice(int customerId, int productId, int unitId, int priceType, int projectId,
                                   const QDateTime& date)
{
    settings();
    m_priceDiscount.clear();
    double price = listPrice(productId, unitId, priceType, priceType);

    m_qCustomerPrice.setParam(QStringLiteral("cid"), customerId);
    m_qCustomerPrice.setParam(QStringLiteral("pid"), productId);
    m_qCustomerPrice.setParam(QStringLiteral("uid"), unitId);
    m_qCustomerPrice.open();
    if (!m_qCustomerPrice.isEmpty()) {
        m_priceQuantity = m_qCustomerPrice.field(QStringLiteral("quantity")).asInteger();
        m_priceDiscount = m_qCustomerPrice.field(QStringLiteral("discount")).asString();
        price = m_qCustomerPrice.field(QStringLiteral("price")).asFloat();
    } else {
        m_priceQuantity = 0;
    }

    applyPromotion(customerId, productId, unitId, priceType, date, price);

    m_qProjectPrice.setParam(QStringLiteral("pid"), productId);
    m_qProjectPrice.setParam(QStringLiteral("uid"), unitId);
    m_qProjectPrice.setParam(QStringLiteral("cid"), customerId);
    m_qProjectPrice.setParam(QStringLiteral("projectid"), projectId);
    m_qProjectPrice.open();
    if (!m_qProjectPrice.isEmpty()) {
        m_priceDiscount = m_qProjectPrice.field(QStringLiteral("discount")).asString();
        price = m_qProjectPrice.field(QStringLiteral("price")).asFloat();
    }
    return price;
}

double TDmProduct::SetPurchasePrice(int productId, int vendorId, int unitId, double defaultPrice)
{
    settings();
    m_qVendorPrice.setParam(QStringLiteral("pid"), productId);
    m_qVendorPrice.setParam(QStringLiteral("vid"), vendorId);
    m_qVendorPrice.setParam(QStringLiteral("uid"), unitId);
    m_qVendorPrice.open();
    if (!m_qVendorPrice.isEmpty())
        return m_qVendorPrice.field(QStringLiteral("price")).asFloat();

    m_qPurchasePrice.setParam(QStringLiteral("GetId"), unitId);
    m_qPurchasePrice.setParam(QStringLiteral("vendorid"), vendorId);
    m_qPurchasePrice.open();
    // A vendor in a currency without a price column gives 0; an unknown vendor the default.
    if (m_qPurchasePrice.isEmpty())
        return defaultPrice;
    return m_qPurchasePrice.field(QStringLiteral("PurcPrice")).asFloat();
}

} // namespace kvr::products
