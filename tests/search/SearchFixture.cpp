#include "SearchFixture.h"

namespace kvr::test {

void SearchFixture::buildShop(ShopBuilder& shop)
{
    shop.config({{"RunYear", 2026}, {"CheckUserWarehouseFlag", flag(false)}});
    vat7 = shop.tax("V7", 7, "ภาษี 7%");
    vat0 = shop.tax("V0", 0, "ยกเว้นภาษี");
    saleDepartment = shop.department("SALE", "ฝ่ายขายหน้าร้าน");
    shop.department("ACC", "บัญชี");
    bangkok = shop.misc("CITY", "BKK", "กรุงเทพมหานคร");
    chiangMai = shop.misc("CITY", "CNX", "เชียงใหม่");
    shop.misc("REM_SALE", "R1", "ลูกค้าประจำ");
    shop.misc("REM_SALE", "R2", "ส่งของทางไปรษณีย์");
    somsri = shop.salesman("S01", "สมศรี", true, {{"SurName", "ใจดี"}});
    shop.salesman("S02", "สมปอง", false, {{"SurName", "ลาออก"}});
    somsak = shop.salesman("S03", "Somsak", true, {{"SurName", "Rakdee"}});

    mainWarehouse = shop.warehouse("MAIN", "หน้าร้าน");
    backWarehouse = shop.warehouse("BACK", "หลังร้าน");
    const int rmaWarehouse = shop.warehouse("RMA", "สินค้ารับคืน");
    shop.allowWarehouse(1, mainWarehouse);
    shop.allowWarehouse(1, rmaWarehouse);
    shop.allowWarehouse(2, backWarehouse);

    const auto customer = [&shop](const char* code, const char* name, const char* nameEng, int salesman, int province,
                                  const char* phone = nullptr) {
        return shop.customer({.code = code,
                              .name = name,
                              .nameEng = nameEng,
                              .salesman = salesman,
                              .province = province,
                              .extra = {{"PhoneNo", phone ? QVariant(phone) : QVariant()}}});
    };
    walkIn = customer("C001", "ลูกค้าทั่วไป", "Walk-in", somsri, bangkok, "021234567");
    deemak = customer("C002", "บริษัท ดีมาก จำกัด", "Deemak Co.", somsak, chiangMai, "053111222");
    branch = customer("C003", "ร้านสาขาลาดพร้าว", "Ladprao branch", somsri, bangkok);
    shop.update("Customer", branch, {{"StoreCode", "B01"}});
    shop.update("Customer", customer("C004", "ลูกค้าถูกระงับ", "Blocked one", somsri, bangkok), {{"Blocked", flag(true)}});

    kbank = shop.bank("KBANK", "กสิกรไทย สาขาสีลม", "123-4-56789-0");
    shop.bank("SCB", "ไทยพาณิชย์", "987", true);
    bbl = shop.bank("BBL", "กรุงเทพ", "555");
    shop.update("CompanyBank", bbl, {{"Blocked", {}}});
    shop.machine({.code = "POS01", .location = "หน้าร้าน ชั้น 1", .extra = {{"Remark", "เครื่องหลัก"}}});
    shop.machine({.code = "POS02", .location = "Counter 2"});
    shop.machine({.code = "POS03", .extra = {{"Remark", "ยังไม่ติดตั้ง"}}});

    water = shop.product({.code = "P001", .name = "น้ำดื่ม 600 มล.", .posName = "น้ำดื่ม", .nameEng = "Drinking water"});
    const int bottle = shop.unit(water, {.name = "ขวด", .barcode = "8850001000011", .sale = true, .small = true});
    shop.unit(
        water,
        {.name = "แพ็ค", .fraction = 12, .barcode = "8850001000128", .sale = true, .purchase = true, .stock = true});
    shop.unit(water, {.name = "ลัง", .fraction = 24, .purchase = true});
    const int soap =
        shop.product({.code = "P002", .name = "สบู่เหลว", .posName = "สบู่", .nameEng = "Liquid soap", .blocked = true});
    shop.unit(soap, {.name = "ขวด", .barcode = "8850002000010", .sale = true, .stock = true, .small = true});
    shop.product({.code = "P003", .name = "เสื้อ (แม่แบบ)", .posName = "เสื้อ", .nameEng = "Shirt master", .master = true});
    const int installation =
        shop.product({.code = "S001", .name = "ค่าติดตั้ง", .posName = "ติดตั้ง", .nameEng = "Installation", .service = true});
    shop.unit(installation, {.name = "งาน", .sale = true, .stock = true, .small = true});
    // Type and flags null, as older rows have them.
    const int rice = shop.product({.code = "P005",
                                   .name = "ข้าวหอมมะลิ 5 กก.",
                                   .posName = "ข้าว",
                                   .nameEng = "Jasmine rice 5 kg",
                                   .extra = {{"ProductType", {}}, {"Blocked", {}}, {"MasterCode", {}}}});
    shop.unit(rice,
              {.name = "ถุง", .barcode = "8850005000015", .sale = true, .purchase = true, .stock = true, .small = true});
    shop.stock(water, bottle, mainWarehouse, 2025, 100);
    shop.stock(water, bottle, mainWarehouse, 2026, 44);

    // Lots of water received and made, and of rice received.
    const int received = shop.lot({.code = "L2601", .description = "รับเข้า ม.ค."});
    const int riceLot = shop.lot({.code = "L2602", .description = "รับเข้า ก.พ."});
    const int made = shop.lot({.code = "M2601", .description = "ผลิตเอง"});
    shop.insert("mrdt", {{"MrHd", 1}, {"Product", water}, {"LotNo", received}});
    shop.insert("mrdt", {{"MrHd", 1}, {"Product", rice}, {"LotNo", riceLot}});
    shop.insert("MFGFinishDt", {{"MFGFinishHd", 1}, {"Product", water}, {"LotNo", made}});

    const auto of = [](int product, double quantity) { return BillLineSpec{.product = product, .quantity = quantity}; };
    const auto bill = [&shop](const char* number, int day, int customer, int salesman, double total,
                              const std::vector<BillLineSpec>& lines) {
        return shop.bill({.number = number,
                          .type = QString::fromLatin1(number).trimmed().left(1),
                          .date = QDateTime(QDate(2026, 1, day), QTime(10, 0)),
                          .customer = customer,
                          .salesman = salesman,
                          .total = total,
                          .lines = lines});
    };
    bill("  P2600001", 3, walkIn, somsri, 107, {of(water, 1)});
    const int byCard = bill("  P2600002", 5, deemak, somsak, 2500.5, {of(water, 2), of(rice, 1)});
    cancelledBill = bill("  P2600003", 4, walkIn, somsri, 64.2, {of(water, 3), of(rice, 1)});
    shop.update("PosHd", cancelledBill, {{"DelFlag", flag(true)}, {"DelRemark", "ลูกค้าเปลี่ยนใจ"}});
    bill("  P2600004", 6, 0, somsri, 15, {of(water, 1)});
    bill("  S2600001", 5, walkIn, somsri, 500, {of(installation, 1)});
    shop.insert("CreditCardInfo", {{"RcptType", 1}, {"RcptDocId", byCard}, {"CardRcpt", 2500.5}});
    shop.insert("CreditCardInfo", {{"RcptType", 1}, {"RcptDocId", cancelledBill}, {"CardRcpt", 64.2}});
}

} // namespace kvr::test
