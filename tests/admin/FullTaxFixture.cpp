#include "FullTaxFixture.h"

namespace kvr::test {

namespace column = data::fulltax;

void FullTaxFixture::buildShop(ShopBuilder& shop)
{
    bangkok = shop.misc(QStringLiteral("CITY"), QStringLiteral("10"), QStringLiteral("กรุงเทพมหานคร"));
    // The receipts' salesman: the receipt search lists bills with one only.
    shop.salesman(QStringLiteral("S01"), QStringLiteral("สมหญิง"));
    walkIn = shop.customer({.code = "CASH", .name = "ลูกค้าเงินสด"});
    headOffice = shop.customer({.code = "C0001",
                                .name = "บริษัท สยามการค้า จำกัด",
                                .province = bangkok,
                                .extra = {{"Address1", QStringLiteral("  1024 ถนนพระราม 4  ")},
                                          {"Address2", QStringLiteral("แขวงคลองเตย เขตคลองเตย")},
                                          {"ZipCode", QStringLiteral("10110")},
                                          {"PhoneNo", QStringLiteral("02-249-1000")},
                                          {"TaxNumber", kHeadOfficeTaxId}}});
    branch =
        shop.customer({.code = "C0002", .name = "ห้างหุ้นส่วนจำกัด รุ่งเรืองพาณิชย์", .extra = {{"TaxNumber", kBranchTaxId}}});
    water = shop.product({.code = "P001", .name = "น้ำดื่มตราช้าง 600 มล."});
    waterBottle = shop.unit(water, {.name = "ขวด", .sale = true, .small = true});
    rice = shop.product({.code = "P002", .name = "ข้าวหอมมะลิ 5 กก."});
    riceBag = shop.unit(rice, {.name = "ถุง", .sale = true, .small = true});
    shop.numbering(QStringLiteral("POS-X1"), 2026, 10, true, QStringLiteral("TX69"));
    shop.numbering(QStringLiteral("POS-X2"), 2026, 10, true, QStringLiteral("TY69"));
    shop.numbering(QStringLiteral("POS-X103"), 2026, 10, true, QStringLiteral("TX6903"));
}

int FullTaxFixture::receipt(const data::FullTaxTables& tables, const ReceiptSpec& spec)
{
    const QVariant fullTaxNo = spec.fullTaxNo.isEmpty() ? QVariant() : QVariant(spec.fullTaxNo);
    Columns header = {{"PosType", QStringLiteral("P")},
                      {column::kPosNo, spec.number},
                      {column::kPosDate, spec.date.startOfDay()},
                      {"Customer", spec.customer == 0 ? QVariant() : QVariant(spec.customer)},
                      {"Salesman", scalar(QStringLiteral("SELECT Id FROM Salesman"))},
                      {column::kTotal, 185.0},
                      {column::kFullTaxNo, fullTaxNo},
                      {column::kDelFlag, flag(spec.cancelled)},
                      {"Posted", flag(spec.posted)}};
    header.insert(header.end(), spec.extra.begin(), spec.extra.end());
    const int id = shop->insert(tables.header, header);
    // Rung up as water then rice; the line numbers put rice first.
    const struct
    {
        int product, unit, recNo;
        double quantity, price;
    } lines[] = {{water, waterBottle, 2, 2, 5}, {rice, riceBag, 1, 1, 175}};
    for (const auto& line : lines) {
        shop->insert(tables.lines,
                     {{tables.lineParent, id},
                      {"PosRecNo", line.recNo},
                      {"Product", line.product},
                      {"ProductUnits", line.unit},
                      {"Quantity", line.quantity},
                      {"Price", line.price},
                      {column::kTotal, line.quantity * line.price}});
    }
    return id;
}

void FullTaxFixture::invoicedTo(const QString& number, const QString& name, const QString& phone,
                                const QString& taxNumber)
{
    receipt(kPosHd,
            {.number = number,
             .date = QDate(2026, 5, 2),
             .customer = walkIn,
             .fullTaxNo = QStringLiteral("TX") + number.right(8),
             .extra = {{column::kCustomerName, name},
                       {column::kShipPhone, phone},
                       {column::kShipAddr1, QStringLiteral("9 ถนนสาทร")},
                       {column::kShipProvince, bangkok},
                       {column::kShipZipCode, QStringLiteral("10120")},
                       {column::kTaxCustomer, taxNumber},
                       {column::kBranchHead, QStringLiteral("N")},
                       {column::kBranchCode, QStringLiteral("00003")}}});
}

admin::TFrPosFullTran& FullTaxFixture::open(const admin::FullTaxVariant& variant)
{
    screen = std::make_unique<admin::TFrPosFullTran>(prompter, *dm, searches, print, variant);
    screen->FormShow();
    return *screen;
}

void FullTaxFixture::typeReceipt(const QString& number)
{
    screen->setReceiptNumberText(number);
    screen->EdShotNoExit();
}

int FullTaxFixture::lastNo(const QString& code)
{
    return scalar(QStringLiteral("SELECT LastNo FROM DocumentNo WHERE Code = :Code"), {{"Code", code}}).toInt();
}

QVariant FullTaxFixture::column(const data::FullTaxTables& tables, int id, const QString& name)
{
    return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE Id = :Id").arg(name, tables.header), {{"Id", id}});
}

} // namespace kvr::test
