#pragma once

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"
#include "support/ScriptedPrompter.h"
#include "support/SessionSeed.h"
#include "support/ShopBuilder.h"
#include "support/TestServer.h"

#include <memory>

namespace kvr::test {

// Both backends and the program's session on a company, ready for a user: the configuration
// database of seedSession, the company database with the shop the test describes, TDMConfig,
// TDM and TDmProduct. Their messages go to the scripted prompter, so an unexpected one fails the
// test. A fixture describes its shop in buildShop:
//
//     void buildShop(ShopBuilder& shop) override
//     {
//         vat7 = shop.tax("V7", 7);
//         water = shop.product({.code = "P001", .name = "น้ำดื่ม", .tax = vat7});
//         bottle = shop.unit(water, {.name = "ขวด", .barcode = "8850001000011", .sale = true, .small = true});
//     }
class SessionFixture : public BackendTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The shop, written before the session opens so that the session reads its Config row as a
    // start would. `shop` stays usable for what a test adds later.
    virtual void buildShop(ShopBuilder& shop) { Q_UNUSED(shop); }
    // What the server holds before the session opens: seedSession's users, menu and company SHOP,
    // then the shop. A fixture on another company (a generated one) fills the server itself and
    // has no `shop`.
    virtual void prepareServer();

    // Changes the company's Config row and reloads it, as a new start would.
    void setConfig(const Columns& settings);
    // The session of another user of the menu item: rights, language, warehouses.
    void switchUser(int userId);
    // The first column of the first row of a statement on the session's company connection; null
    // when there is no row.
    QVariant scalar(const QString& sql, const Columns& params = {});
    // The same as a whole number: what a COUNT(*) counted.
    int count(const QString& sql, const Columns& params = {}) { return scalar(sql, params).toInt(); }
    // Every row of a statement there, as queryRows writes them.
    QStringList rows(const QString& sql, const Columns& params = {}) { return queryRows(dm->DMdata(), sql, params); }

    // Whose session, on which company; set them in the fixture's constructor.
    QString companyCode = QStringLiteral("SHOP");
    int menuId = 101;
    int userId = 1;

    ScriptedPrompter prompter;
    // Writes on a connection of its own, as another program would.
    std::unique_ptr<ShopBuilder> shop;
    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    std::unique_ptr<products::TDmProduct> product;

private:
    std::unique_ptr<data::Connection> m_shopConnection;
};

} // namespace kvr::test
