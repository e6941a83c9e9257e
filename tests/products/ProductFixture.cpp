#include "ProductFixture.h"

namespace kvr::test {

void ProductFixture::buildShop(ShopBuilder& shop)
{
    shop.config({{"RunYear", 2026}, {"CheckUserWarehouseFlag", flag(false)}, {"SearchProductNo", 0}});
    vat7 = shop.tax("V7", 7, "VAT 7%");
    mainWh = shop.warehouse("MAIN", "หน้าร้าน");
    backWh = shop.warehouse("BACK", "หลังร้าน");
    rmaWh = shop.warehouse("RMA", "สินค้ารับคืน");
    shelfWh = shop.warehouse("SHELF", "ชั้นวาง A", true);
    shop.allowWarehouse(1, mainWh);
    shop.allowWarehouse(1, rmaWh);
    shop.allowWarehouse(2, backWh);

    water = shop.product({.code = "P001",
                          .name = "น้ำดื่ม 600 มล.",
                          .posName = "น้ำดื่ม",
                          .tax = vat7,
                          .warehouse = backWh,
                          .printFrac = true});
    pce = shop.unit(water, {.name = "Pce", .barcode = "8850001000011", .sale = true, .small = true});
    box = shop.unit(
        water,
        {.name = "Box", .fraction = 12, .barcode = "8850001000128", .sale = true, .purchase = true, .stock = true});
    pack = shop.unit(water, {.name = "Pack", .fraction = 6, .purchase = true});

    const auto soldBy = [&shop](int product, const char* unit, const char* barcode = "") {
        return shop.unit(product, {.name = unit, .barcode = barcode, .sale = true, .stock = true, .small = true});
    };
    const int blocked =
        shop.product({.code = "P002", .name = "เลิกขาย", .tax = vat7, .warehouse = mainWh, .blocked = true});
    soldBy(blocked, "Pce", "8850002000010");
    // Blocked, MasterCode and CheckSerialOnhand null.
    const int nullFlags = shop.product({.code = "P003",
                                        .name = "สบู่",
                                        .tax = vat7,
                                        .warehouse = mainWh,
                                        .extra = {{"Blocked", {}}, {"MasterCode", {}}, {"CheckSerialOnhand", {}}}});
    soldBy(nullFlags, "Bar", "8850003000019");
    const int master = shop.product(
        {.code = "P004", .name = "เสื้อ (แม่แบบ)", .posName = "เสื้อ", .tax = vat7, .warehouse = mainWh, .master = true});
    soldBy(master, "Pce");
    serialFree = shop.product({.code = "P005", .name = "หูฟัง", .tax = vat7, .warehouse = mainWh, .useSerial = true});
    soldBy(serialFree, "Pce");
    serialOnHand = shop.product({.code = "P006",
                                 .name = "โทรศัพท์",
                                 .tax = vat7,
                                 .warehouse = mainWh,
                                 .useSerial = true,
                                 .serialMustBeInStock = true});
    soldBy(serialOnHand, "Pce");
    const int service = shop.product(
        {.code = "S001", .name = "ค่าติดตั้ง", .posName = "ติดตั้ง", .tax = vat7, .warehouse = mainWh, .service = true});
    soldBy(service, "Job");
    noStockUnit = shop.product({.code = "P008", .name = "ถุงผ้า", .tax = vat7, .warehouse = mainWh});
    shop.unit(noStockUnit, {.name = "Bag", .sale = true, .small = true});
    rice = shop.product({.code = "P009", .name = "ข้าวสาร", .tax = vat7, .warehouse = mainWh});
    kg = soldBy(rice, "Kg");
}

} // namespace kvr::test
