#pragma once

#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"
#include "support/TestServer.h"
#include "util/QStringPrinter.h"

#include <memory>

namespace kvr::test {

// Ids of the small shop every product test starts from (see ProductFixture.cpp).
namespace shop {
constexpr int water = 1; // Pce 1 (sale, small), Box 12 (sale, purc, stock), Pack 6 (purc only); warehouse BACK
constexpr int blocked = 2; // Blocked 'Y'
constexpr int nullBlocked = 3; // Blocked NULL; warehouse MAIN
constexpr int master = 4; // MasterCode 'Y'
constexpr int serialFree = 5; // UseSerial, serial need not be in stock
constexpr int serialOnHand = 6; // UseSerial, serial must be in stock
constexpr int service = 7; // ProductType 'S'
constexpr int noStockUnit = 8; // a single unit Bag that is no stock unit
constexpr int rice = 9; // Kg 1 (stock and small unit)
constexpr int pce = 11, box = 12, pack = 13;
constexpr int mainWh = 1, backWh = 2, rmaWh = 3, shelfWh = 4;
} // namespace shop

// Both backends, the session of user 1 on SHOP and the small shop above; TDM and TDmProduct ready.
class ProductFixture : public BackendTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    void exec(const QString& sql);
    // Changes the company's Config row and reloads it, as a new start would.
    void setConfig(const QString& assignments);
    void switchUser(int userId);

    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    std::unique_ptr<products::TDmProduct> product;
    QStringList messages;
};

} // namespace kvr::test
