#include "ProductFixture.h"

#include "products/OnHandChoices.h"
#include "products/QuantityTexts.h"
#include "search/TF_SearchLotShowOnHand.h"
#include "search/TF_SearchWareHouseOnHand.h"

#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::products::OnHandChoices;

namespace {

class OnHandChoicesTest : public ProductFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        ProductFixture::buildShop(shop);
        const int l1 = shop.lot({.code = "L1", .description = "ล็อตแรก"});
        l2 = shop.lot({.code = "L2", .description = "หมดแล้ว"});
        const int l3 = shop.lot({.code = "L3", .description = "ติดลบ"});
        const int l4 = shop.lot({.code = "L4", .description = "หลังร้าน"});
        const int l5 = shop.lot({.code = "L5", .description = "ปีก่อน"});
        shop.lotStock(water, l1, mainWh, 2026, 18);
        shop.lotStock(water, l1, mainWh, 2026, 12);
        shop.lotStock(water, l2, mainWh, 2026, 5);
        shop.lotStock(water, l2, backWh, 2026, -5);
        shop.lotStock(water, l3, mainWh, 2026, -2);
        shop.lotStock(water, l4, backWh, 2026, 12);
        shop.lotStock(water, l5, mainWh, 2025, 40);
        shop.lotStock(rice, l1, mainWh, 2026, 7);
        shop.currentStock(water, mainWh, 30, 24, 6);
        shop.currentStock(water, backWh, 0, 12);
        shop.currentStock(water, rmaWh, 12);
        shop.currentStock(water, shelfWh, 5, 0, 1);
        shop.currentStock(rice, mainWh, 3);
    }

    void SetUp() override
    {
        ProductFixture::SetUp();
        if (IsSkipped())
            return;
        texts = std::make_unique<kvr::products::QuantityTexts>(*dm);
        choices = std::make_unique<OnHandChoices>(*dm, *texts);
    }

    int l2 = 0;
    std::unique_ptr<kvr::products::QuantityTexts> texts;
    std::unique_ptr<OnHandChoices> choices;
};

// What a selection dialog lists: code = the given column, row by row.
QStringList listed(kvr::search::SearchScreen& dialog, const QString& column)
{
    QStringList rows;
    kvr::data::CachedDataset& q = dialog.QSearch();
    for (int row = 0; row < q.recordCount(); ++row)
        rows << q.fieldAt(row, QStringLiteral("Code")).asString() + QLatin1Char('=') +
                q.fieldAt(row, column).asString();
    return rows;
}

} // namespace

TEST_P(OnHandChoicesTest, lots_of_one_year_with_their_balance)
{
    struct Case
    {
        const char* what;
        int warehouse;
        bool showAll;
        QStringList rows; // code = text
    };
    const Case cases[] = {
        {"every warehouse, positive only", 0, false, {"L1=2 Box 6 Pce", "L4=1 Box"}},
        {"every warehouse, all", 0, true, {"L1=2 Box 6 Pce", "L2=0 Box", "L3=-  2 Pce", "L4=1 Box"}},
        {"one warehouse, all", mainWh, true, {"L1=2 Box 6 Pce", "L2=5 Pce", "L3=-  2 Pce"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList rows;
        for (const OnHandChoices::Lot& lot : choices->lots(water, 2026, c.warehouse, c.showAll))
            rows << lot.code + QLatin1Char('=') + lot.quantityText;
        EXPECT_EQ(rows, c.rows);
    }
}

TEST_P(OnHandChoicesTest, warehouses_holding_the_product_within_the_users_own)
{
    struct Case
    {
        const char* what;
        bool restricted;
        int location;
        QStringList codes;
    };
    // Every warehouse of the location kind, holding stock or not.
    const Case cases[] = {
        {"storage locations", false, 2, {"SHELF"}},
        {"the user's own", true, 1, {"MAIN", "RMA"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setConfig({{"CheckUserWarehouseFlag", flag(c.restricted)}});
        QStringList codes;
        for (const OnHandChoices::Warehouse& w : choices->warehouses(water, c.location, false))
            codes << w.code;
        EXPECT_EQ(codes, c.codes);
    }
    setConfig({{"CheckUserWarehouseFlag", flag(false)}});
    const auto main = choices->warehouses(water, 1, true).front();
    EXPECT_EQ(main.name, QStringLiteral("หน้าร้าน"));
    EXPECT_DOUBLE_EQ(main.backOrderPo, 24);
    EXPECT_DOUBLE_EQ(main.backOrderSo, 6);
}

TEST_P(OnHandChoicesTest, selection_dialogs_list_on_opening_and_give_back_the_choice)
{
    using kvr::search::SearchScreen;
    std::vector<SearchScreen::Focus> focus;

    kvr::search::TF_SearchLotShowOnHand lots(*dm, prompter, *texts);
    QObject::connect(&lots, &SearchScreen::focusRequested, [&](SearchScreen::Focus f) { focus.push_back(f); });
    lots.setInputs(water, 2026, mainWh, false);
    lots.FormShow();
    EXPECT_FALSE(lots.hasSearchButton());
    EXPECT_EQ(lots.caption(), QStringLiteral("ค้นหา Lot คงเหลือ คลัง หน้าร้าน"));
    EXPECT_EQ(listed(lots, QStringLiteral("QntyString")), (QStringList{"L1=2 Box 6 Pce", "L2=5 Pce"}));
    EXPECT_EQ(focus.back(), SearchScreen::Focus::Grid);
    lots.QSearch().setRecNo(1);
    ASSERT_TRUE(lots.BtOkClick());
    EXPECT_EQ(lots.result(), QStringLiteral("L2"));
    EXPECT_EQ(lots.chosenId(), l2);
    // Nothing to choose from: the focus goes to Cancel and OK takes nothing.
    lots.setInputs(water, 2024, 0, false);
    lots.FormShow();
    EXPECT_EQ(lots.caption(), QStringLiteral("ค้นหา Lot คงเหลือ"));
    EXPECT_EQ(focus.back(), SearchScreen::Focus::Cancel);
    EXPECT_FALSE(lots.BtOkClick());
    EXPECT_TRUE(lots.result().isEmpty());

    using kvr::search::TF_SearchWareHouseOnHand;
    TF_SearchWareHouseOnHand warehouses(*dm, prompter, *texts);
    warehouses.setInputs(water, 1);
    warehouses.FormShow();
    EXPECT_EQ(listed(warehouses, QStringLiteral("Onhand")), (QStringList{"MAIN=30", "RMA=12"}));
    // Unticking the box lists the empty warehouses too, at once.
    warehouses.setCriterion(TF_SearchWareHouseOnHand::kOnlyWithStock, QStringLiteral("N"));
    EXPECT_EQ(listed(warehouses, QStringLiteral("Onhand")), (QStringList{"BACK=0", "MAIN=30", "RMA=12"}));
    warehouses.QSearch().first();
    ASSERT_TRUE(warehouses.BtOkClick());
    EXPECT_EQ(warehouses.result(), QStringLiteral("BACK"));
    // Every opening starts with the box ticked again.
    warehouses.FormShow();
    EXPECT_EQ(warehouses.criterionText(TF_SearchWareHouseOnHand::kOnlyWithStock), QStringLiteral("Y"));
    EXPECT_EQ(listed(warehouses, QStringLiteral("Onhand")), (QStringList{"MAIN=30", "RMA=12"}));
}

KVR_INSTANTIATE_BACKENDS(OnHandChoicesTest);
