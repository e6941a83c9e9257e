#include "app/demo/BatchInserter.h"
#include "app/demo/DemoCatalog.h"
#include "app/demo/DemoShop.h"

#include "data/Connection.h"
#include "util/Rounding.h"

#include <QDateTime>
#include <cmath>

namespace kvr::demo {

namespace {

using util::RoundHalfUp;

QString yes(bool flag)
{
    return flag ? QStringLiteral("Y") : QStringLiteral("N");
}

double quarterBaht(double value)
{
    return std::round(value * 4) / 4;
}

// EAN-13 with the Thai country prefix 885 and a valid check digit.
QString barcodeFor(int unitId)
{
    const QString body = QStringLiteral("885") + QStringLiteral("%1").arg(unitId, 9, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += body.at(i).digitValue() * (i % 2 ? 3 : 1);
    return body + QString::number((10 - sum % 10) % 10);
}

struct Writers
{
    explicit Writers(data::Connection& c)
        : products(c, QStringLiteral("Product"),
                   QStringLiteral("Id, Code, ThaiName, EngName, PosName, ProductType, ItemClassify, TaxCode, "
                                  "DefaultWh, PriceIE, PrintFrac, Discount, PerDiscountOver, CostMoving, UseSerial, "
                                  "CheckSerialPurc, CheckSerialSale, CheckSerialStock, CheckSerialOnhand, LotControl, "
                                  "Negative, ProductFree, PriceByVolumn, MasterCode, Blocked"))
        , units(c, QStringLiteral("ProductUnits"),
                QStringLiteral("Id, Product, UnitName, Fraction, VolumnFraction, BarCode, PurcPrice, PurcPriceKip, "
                               "PurcPriceUsd, PurcPriceBaht, LabourCost, SaleFlag, PurcFlag, StockUnitFlag, "
                               "SmallUnitFlag"))
        , prices(c, QStringLiteral("ProductPrice"), QStringLiteral("Id, Product, ProductUnits, PriceType, Price"))
        , lots(c, QStringLiteral("LotNo"), QStringLiteral("Id, Code, Description, HasExpired, ExpiredDate"))
    { }
    void finish()
    {
        products.finish();
        units.finish();
        prices.finish();
        lots.finish();
    }
    BatchInserter products;
    BatchInserter units;
    BatchInserter prices;
    BatchInserter lots;
};

void addUnit(Writers& w, DemoProduct& product, const CatalogItem& item, const QString& name, int fraction, bool single,
             bool box, int& unitId, int& priceId)
{
    DemoUnit unit;
    unit.id = ++unitId;
    unit.name = name;
    unit.fraction = fraction;
    unit.smallUnit = !box;
    unit.stockUnit = box || single;
    const double retail = box ? std::round(item.piecePrice * fraction * 0.97) : item.piecePrice;
    unit.price = {retail, box ? std::round(retail * 0.95) : quarterBaht(retail * 0.93),
                  box ? std::round(retail * 0.97) : quarterBaht(retail * 0.95)};
    // Every tenth generated product has no member price: the price falls back to the default level.
    if (product.id > int(showcaseItems().size()) && product.id % 10 == 0)
        unit.price[2] = 0;
    const double purchase = RoundHalfUp(product.unitCost * fraction, 15, 2);
    w.units.add({unit.id, product.id, name, fraction, 1, item.service ? QVariant() : QVariant(barcodeFor(unit.id)),
                 purchase, std::round(purchase * 620), RoundHalfUp(purchase / 35.5, 15, 2), purchase, 0.0,
                 QStringLiteral("Y"), yes(box || single), yes(unit.stockUnit), yes(unit.smallUnit)});
    for (std::size_t level = 0; level < ids::priceLevels.size(); ++level) {
        if (unit.price[level] > 0 || item.free)
            w.prices.add({++priceId, product.id, unit.id, ids::priceLevels[level], unit.price[level]});
    }
    product.units.push_back(unit);
}

void addLots(Writers& w, DemoProduct& product, const QDate& today, int& lotId, bool withExpired)
{
    const auto add = [&](int expiresInDays, bool expires) {
        ++lotId;
        const QDate made = today.addDays(-30 - lotId % 60);
        w.lots.add({lotId, QStringLiteral("LOT%1").arg(lotId, 6, 10, QLatin1Char('0')),
                    QStringLiteral("ผลิต %1").arg(made.toString(QStringLiteral("dd/MM/yyyy"))), yes(expires),
                    expires ? QVariant(today.addDays(expiresInDays).startOfDay()) : QVariant()});
        return lotId;
    };
    if (withExpired)
        product.expiredLot = add(-5, true);
    // The first lot expires today at midnight: still valid for a shift dated today.
    product.lots << add(withExpired ? 0 : 20 + product.id % 40, true) << add(90 + product.id % 100, true)
                 << add(0, false);
}

void writeCustomerPricesAndPromotions(data::Connection& company, const DemoShop& shop)
{
    const auto customer = [&](const char* code) {
        for (const DemoCustomer& c : shop.customers) {
            if (c.code == QLatin1String(code))
                return c.id;
        }
        Q_ASSERT(false);
        return 0;
    };
    // Showcase items by position: 0 water, 2 cola, 3 coffee, 4 rice, 10 noodles, 11 fish sauce,
    // 13 oil, 14 sugar, 15 soap, 18 detergent.
    const auto piece = [&](int index) { return shop.products[std::size_t(index)].units.front(); };
    const auto box = [&](int index) { return shop.products[std::size_t(index)].units.back(); };
    const auto productId = [&](int index) { return shop.products[std::size_t(index)].id; };

    BatchInserter own(company, QStringLiteral("customerproductprice"),
                      QStringLiteral("Id, customer, product, productunits, price, quantity, discount"));
    int id = 0;
    own.add({++id, customer("M0001"), productId(3), piece(3).id, 4.75, 1, QString()});
    own.add({++id, customer("M0001"), productId(4), piece(4).id, 179.0, 1, QString()});
    // A customer price of 0 keeps the list price but still brings its discount.
    own.add({++id, customer("M0001"), productId(13), piece(13).id, 0.0, 1, QStringLiteral("3%")});
    own.add({++id, customer("C0001"), productId(10), box(10).id, 195.0, 10, QStringLiteral("2%")});
    own.add({++id, customer("C0001"), productId(11), box(11).id, 360.0, 5, QString()});
    own.add({++id, customer("C0001"), productId(18), box(18).id, 880.0, 5, QStringLiteral("3%")});
    own.add({++id, customer("C0002"), productId(14), box(14).id, 490.0, 5, QString()});
    own.finish();

    BatchInserter promotions(company, QStringLiteral("promotion_dt"),
                             QStringLiteral("id, product, productunits, pricetype, customer, startdate, stopdate, "
                                            "price, discpercent"));
    const QDate t = shop.today;
    const QDate monthStart(t.year(), t.month(), 1);
    struct Promotion
    {
        int index;
        bool box;
        int level;
        int customer;
        QDate start, stop;
        double price;
        QVariant discount;
    };
    const Promotion list[] = {
        {2, false, ids::priceRetail, 0, t.addDays(-7), t.addDays(23), 14.0, QVariant()},
        {10, false, ids::priceRetail, 0, t.addDays(-3), t.addDays(4), 6.0, QString()},
        {15, true, ids::priceRetail, 0, monthStart, monthStart.addMonths(1).addDays(-1), 65.0, QStringLiteral("5%")},
        {0, false, ids::priceMember, customer("M0001"), t.addDays(-10), t.addDays(20), 6.0, QVariant()},
        // Two promotions for the same unit overlap today: the later one (higher id) wins.
        {0, false, ids::priceRetail, 0, t.addDays(-30), t.addDays(30), 6.5, QVariant()},
        {0, false, ids::priceRetail, 0, t.addDays(-2), t.addDays(2), 6.25, QVariant()},
        {11, false, ids::priceRetail, 0, monthStart.addMonths(-1), monthStart.addDays(-1), 29.0, QVariant()},
        {14, false, ids::priceRetail, 0, t.addDays(-14), t, 24.0, QVariant()},
    };
    int promotionId = 0;
    for (const Promotion& p : list) {
        const DemoUnit& unit = p.box ? box(p.index) : piece(p.index);
        promotions.add({++promotionId, productId(p.index), unit.id, p.level, p.customer, p.start.startOfDay(),
                        p.stop.startOfDay(), p.price, p.discount});
    }
    promotions.finish();

    BatchInserter sources(company, QStringLiteral("PartSource"),
                          QStringLiteral("Id, Product, Vendor, ProductUnits, Price, PurchaseCode, PurchaseName"));
    for (int index = 0; index < 24; ++index) {
        const DemoProduct& product = shop.products[std::size_t(index)];
        const DemoUnit& unit = product.units.back();
        const int vendor = index < 15 ? 1 : 2;
        sources.add({index + 1, product.id, vendor, unit.id, RoundHalfUp(product.unitCost * unit.fraction, 15, 2),
                     QStringLiteral("V%1-%2").arg(vendor).arg(product.code), product.name});
    }
    sources.finish();
}

} // namespace

const DemoUnit& DemoProduct::stockUnit() const
{
    for (const DemoUnit& unit : units) {
        if (unit.stockUnit)
            return unit;
    }
    return units.front();
}

QString fillProducts(data::Connection& company, DemoShop& shop, int productCount)
{
    const std::vector<CatalogItem>& showcase = showcaseItems();
    Q_ASSERT(productCount >= int(showcase.size()));
    Writers w(company);
    shop.products.reserve(std::size_t(productCount));
    int goodsNo = 0;
    int serviceNo = 0;
    int unitId = 0;
    int priceId = 0;
    int lotId = 0;
    bool firstLotProduct = true;
    for (int i = 0; i < productCount; ++i) {
        const CatalogItem item =
            i < int(showcase.size()) ? showcase[std::size_t(i)] : generatedItem(i - int(showcase.size()));
        DemoProduct product;
        product.id = i + 1;
        product.code = item.service ? QStringLiteral("SV%1").arg(++serviceNo, 3, 10, QLatin1Char('0'))
                                    : QStringLiteral("P%1").arg(++goodsNo, 6, 10, QLatin1Char('0'));
        product.name = item.thaiName;
        product.service = item.service;
        product.blocked = item.blocked;
        product.freeGift = item.free;
        product.lotControl = item.lotControl;
        product.useSerial = item.useSerial;
        product.taxCode = item.vatExempt ? ids::taxExempt : ids::taxVat7;
        product.taxRate = item.vatExempt ? 0 : 7;
        product.discount = item.discount;
        product.unitCost = RoundHalfUp(item.piecePrice * (item.service ? 0.4 : 0.72), 15, 2);

        w.products.add({product.id,
                        product.code,
                        item.thaiName,
                        item.englishName,
                        item.posName,
                        item.service ? QStringLiteral("S") : QStringLiteral("P"),
                        item.group,
                        product.taxCode,
                        ids::warehouseMain,
                        QStringLiteral("I"),
                        QStringLiteral("N"),
                        item.discount,
                        0.0,
                        product.unitCost,
                        yes(item.useSerial),
                        yes(item.useSerial),
                        yes(item.useSerial),
                        yes(item.useSerial),
                        yes(item.useSerial),
                        yes(item.lotControl),
                        yes(item.mayGoNegative),
                        yes(item.free),
                        QStringLiteral("N"),
                        QStringLiteral("N"),
                        yes(item.blocked)});
        const bool single = item.boxUnit.isEmpty();
        addUnit(w, product, item, item.pieceUnit, 1, single, false, unitId, priceId);
        if (!single)
            addUnit(w, product, item, item.boxUnit, item.boxFraction, false, true, unitId, priceId);
        if (item.lotControl) {
            addLots(w, product, shop.today, lotId, firstLotProduct);
            firstLotProduct = false;
        }
        shop.products.push_back(std::move(product));
    }
    w.finish();
    writeCustomerPricesAndPromotions(company, shop);
    syncIdentities(company,
                   {QStringLiteral("Product"), QStringLiteral("ProductUnits"), QStringLiteral("ProductPrice"),
                    QStringLiteral("LotNo"), QStringLiteral("customerproductprice"), QStringLiteral("promotion_dt"),
                    QStringLiteral("PartSource")});
    return QStringLiteral("%1 products (%2 services), %3 units, %4 prices, %5 lots")
        .arg(productCount)
        .arg(serviceNo)
        .arg(w.units.rowCount())
        .arg(w.prices.rowCount())
        .arg(w.lots.rowCount());
}

} // namespace kvr::demo
