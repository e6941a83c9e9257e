#include "AdminFixture.h"

namespace kvr::test {

void AdminFixture::buildShop(ShopBuilder& shop)
{
    shop.config({{"RunYear", 2026}, {"LockPosDate", flag(false)}});
    baht1 = shop.coin("เหรียญ 1 บาท", 1);
    note1000 = shop.coin("ธนบัตร 1000 บาท", 1000);
    satang25 = shop.coin("เหรียญ 25 สตางค์", 0.25);
    note100 = shop.coin("ธนบัตร 100 บาท", 100);
    baht10 = shop.coin("เหรียญ 10 บาท", 10);
    note20 = shop.coin("ธนบัตร 20 บาท", 20);
    somying = shop.salesman("S01", "สมหญิง");
    frontWarehouse = shop.warehouse("MAIN", "คลังหน้าร้าน");
    frontDepartment = shop.department("FRONT", "หน้าร้าน");
    pos01 = shop.machine({.code = "POS01",
                          .location = "หน้าร้าน ชั้น 1",
                          .warehouse = frontWarehouse,
                          .salesman = somying,
                          .department = frontDepartment});
    shop.machine({.code = "POS02", .location = "ชั้น 2", .blocked = true});
    shop.machine({.code = "POS03", .extra = {{"Blocked", {}}}});
    pos04 = shop.machine({.code = "POS04", .location = "คลังหลังร้าน", .baudRate = 4800});
}

} // namespace kvr::test
