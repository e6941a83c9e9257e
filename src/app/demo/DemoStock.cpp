#include "app/demo/BatchInserter.h"
#include "app/demo/DemoCatalog.h"
#include "app/demo/DemoRandom.h"
#include "app/demo/DemoShop.h"

#include "data/Connection.h"
#include "data/Query.h"

#include <stdexcept>

namespace kvr::demo {

namespace {

// One possible balance of a product: this year or the one before, a warehouse, a unit.
struct Slot
{
    bool previousYear;
    int warehouse; // index into ids::warehouses
    bool smallUnit;
};

enum class Kind { Lots, OneUnit, TwoUnits };

// The slots of a product in the order a shop fills them: the main warehouses this year and
// last first, loose pieces and the branch next, returns and the shelf location last. Lots are
// kept for the running year only, so that a lot's balance is the same read by year or up to it.
const std::vector<Slot>& slotsFor(Kind kind)
{
    static const auto build = [](Kind k) {
        const std::vector<Slot> preferred = {
            {false, 0, false}, {true, 0, false}, {false, 1, false}, {true, 1, false},  {false, 0, true},
            {false, 2, false}, {true, 2, false}, {false, 4, false}, {false, 3, false}, {true, 0, true},
        };
        std::vector<Slot> places;
        const auto usable = [k](const Slot& s) {
            return !(k == Kind::Lots && (s.previousYear || s.smallUnit)) && !(k == Kind::OneUnit && s.smallUnit);
        };
        const auto contains = [&places](const Slot& s) {
            for (const Slot& t : places) {
                if (t.previousYear == s.previousYear && t.warehouse == s.warehouse && t.smallUnit == s.smallUnit)
                    return true;
            }
            return false;
        };
        for (const Slot& s : preferred) {
            if (usable(s))
                places.push_back(s);
        }
        for (bool previous : {false, true}) {
            for (int warehouse = 0; warehouse < int(ids::warehouses.size()); ++warehouse) {
                for (bool small : {false, true}) {
                    const Slot s{previous, warehouse, small};
                    if (usable(s) && !contains(s))
                        places.push_back(s);
                }
            }
        }
        return places;
    };
    static const std::vector<Slot> lots = build(Kind::Lots);
    static const std::vector<Slot> oneUnit = build(Kind::OneUnit);
    static const std::vector<Slot> twoUnits = build(Kind::TwoUnits);
    return kind == Kind::Lots ? lots : kind == Kind::OneUnit ? oneUnit : twoUnits;
}

Kind kindOf(const CatalogItem& item)
{
    if (item.lotControl)
        return Kind::Lots;
    return item.boxUnit.isEmpty() ? Kind::OneUnit : Kind::TwoUnits;
}

Kind kindOf(const DemoProduct& product)
{
    if (product.lotControl)
        return Kind::Lots;
    return product.units.size() == 1 ? Kind::OneUnit : Kind::TwoUnits;
}

// How many balances each stocked product gets: an even share, and what a product cannot hold
// goes to the next ones with room.
std::vector<int> shareRows(const std::vector<DemoProduct*>& stocked, qint64 rows)
{
    std::vector<int> share(stocked.size(), 0);
    if (stocked.empty())
        return share;
    const qint64 each = rows / qint64(stocked.size());
    const qint64 extra = rows % qint64(stocked.size());
    qint64 missing = 0;
    for (std::size_t i = 0; i < stocked.size(); ++i) {
        const qint64 wanted = each + (qint64(i) < extra ? 1 : 0);
        const qint64 room = qint64(slotsFor(kindOf(*stocked[i])).size());
        share[i] = int(std::min(wanted, room));
        missing += wanted - share[i];
    }
    for (std::size_t i = 0; missing > 0 && i < stocked.size(); ++i) {
        const int room = int(slotsFor(kindOf(*stocked[i])).size()) - share[i];
        const int given = int(std::min<qint64>(room, missing));
        share[i] += given;
        missing -= given;
    }
    if (missing > 0)
        throw std::runtime_error("more stock rows than the products can hold");
    return share;
}

double quantityFor(DemoRandom& random, const DemoProduct& product, const DemoUnit& unit, const Slot& slot)
{
    if (product.useSerial)
        return slot.previousYear ? random.between(0, 2) : random.between(slot.warehouse == 0 ? 2 : 0, 4);
    if (ids::warehouses[std::size_t(slot.warehouse)] == ids::warehouseReturns)
        return random.between(0, 3);
    if (unit.fraction == 1 && product.units.size() == 1 && product.taxCode == ids::taxExempt)
        return random.between(0, 600) / 10.0; // goods sold by weight
    const int fraction = product.stockUnit().fraction;
    if (slot.smallUnit)
        return random.between(0, fraction * 2);
    int quantity = fraction * random.between(0, 40);
    if (fraction > 1 && random.chance(40))
        quantity += random.between(1, fraction - 1);
    return quantity;
}

} // namespace

int minimumProducts()
{
    return int(showcaseItems().size());
}

qint64 maxStockRows(int productCount)
{
    qint64 rows = 0;
    for (int i = 0; i < productCount; ++i) {
        const CatalogItem item =
            i < minimumProducts() ? showcaseItems()[std::size_t(i)] : generatedItem(i - minimumProducts());
        if (!item.service)
            rows += qint64(slotsFor(kindOf(item)).size());
    }
    return rows;
}

QString fillStock(data::Connection& company, DemoShop& shop, qint64 stockRows)
{
    DemoRandom random(3);
    std::vector<DemoProduct*> stocked;
    for (DemoProduct& product : shop.products) {
        if (!product.service)
            stocked.push_back(&product);
    }
    if (stockRows < 0)
        stockRows = 4 * qint64(stocked.size());
    const std::vector<int> share = shareRows(stocked, stockRows);

    BatchInserter onHand(company, QStringLiteral("ProductOnHand"),
                         QStringLiteral("Id, Product, ProductUnits, Warehouse, BalanceYear, Quantity"));
    BatchInserter lotOnHand(company, QStringLiteral("LotOnHand"),
                            QStringLiteral("Id, Product, LotNo, Warehouse, BalanceYear, Quantity"));
    BatchInserter serials(company, QStringLiteral("SerialNo"), QStringLiteral("Id, Product, Serial, OnHand"));
    qint64 onHandId = 0;
    int lotRowId = 0;
    for (std::size_t i = 0; i < stocked.size(); ++i) {
        DemoProduct& product = *stocked[i];
        const std::vector<Slot>& places = slotsFor(kindOf(product));
        int piecesThisYear = 0;
        for (int n = 0; n < share[i]; ++n) {
            const Slot& slot = places[std::size_t(n)];
            const DemoUnit& unit = slot.smallUnit ? product.units.front() : product.stockUnit();
            const double quantity = quantityFor(random, product, unit, slot);
            const int warehouse = ids::warehouses[std::size_t(slot.warehouse)];
            const int year = slot.previousYear ? shop.runYear - 1 : shop.runYear;
            onHand.add({++onHandId, product.id, unit.id, warehouse, year, quantity});
            if (!slot.previousYear)
                piecesThisYear += int(quantity);
            if (product.lotControl) {
                // The balance split over the lots still on sale; an expired lot stays, emptied.
                const int whole = int(quantity);
                const int first = whole / 2;
                const int second = whole / 3;
                const int parts[] = {first, second, whole - first - second};
                for (int k = 0; k < product.lots.size() && k < 3; ++k)
                    lotOnHand.add({++lotRowId, product.id, product.lots[k], warehouse, year, parts[k]});
                if (product.expiredLot && warehouse == ids::warehouseMain)
                    lotOnHand.add({++lotRowId, product.id, product.expiredLot, warehouse, year, 0});
            }
        }
        // One serial number for every piece in stock this year.
        if (product.useSerial) {
            for (int piece = 0; piece < piecesThisYear; ++piece) {
                serials.add(
                    {++shop.lastSerialId, product.id,
                     QStringLiteral("SN%1-%2").arg(product.code).arg(++product.serialCount, 4, 10, QLatin1Char('0')),
                     QStringLiteral("Y")});
            }
        }
    }
    onHand.finish();
    lotOnHand.finish();
    serials.finish();

    // What the back office's stock posting keeps: this year's balance per product and warehouse.
    data::Query current(company,
                        QStringLiteral("INSERT INTO view_currentstock (Product, Warehouse, Onhand, OnhandQnty, WaitPO, "
                                       "WaitSO) SELECT Product, Warehouse, SUM(Quantity), SUM(Quantity), 0, 0 "
                                       "FROM ProductOnHand WHERE BalanceYear = :Year GROUP BY Product, Warehouse"));
    current.setParam(QStringLiteral("Year"), shop.runYear);
    const int currentRows = current.execSql();
    syncIdentities(company, {QStringLiteral("ProductOnHand"), QStringLiteral("LotOnHand"), QStringLiteral("SerialNo")});
    return QStringLiteral("%1 balances, %2 lot balances, %3 serial numbers, %4 current-stock rows")
        .arg(onHand.rowCount())
        .arg(lotOnHand.rowCount())
        .arg(serials.rowCount())
        .arg(currentRows);
}

} // namespace kvr::demo
