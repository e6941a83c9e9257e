#include "PrintFixture.h"

#include "support/Files.h"

#include <QDate>
#include <QDir>

namespace kvr::test {

void PrintFixture::buildShop(ShopBuilder& shop)
{
    shop.config({{"OnhandDecimal", 0}, {"UnitLeft", ""}, {"UnitRight", ""}});
    const int water = shop.product({.code = "P001", .name = "น้ำดื่ม"});
    piece = shop.unit(water, {.name = "ขวด", .sale = true, .small = true});
    box = shop.unit(water, {.name = "แพ็ค", .fraction = 12, .sale = true, .stock = true});
}

void PrintFixture::addBill(const QString& number, int lines, const std::function<QString(int)>& name)
{
    const int billNo = count(QStringLiteral("SELECT COUNT(*) FROM PosHd")) + 1;
    BillSpec bill{.number = number, .date = QDate(2026, 3, 14).startOfDay()};
    for (int n = 1; n <= lines; ++n) {
        const int product = shop->product({.code = QStringLiteral("B%1L%2").arg(billNo).arg(n, 3, 10, QLatin1Char('0')),
                                           .name = name ? name(n) : QStringLiteral("สินค้าบรรทัดที่ %1").arg(n)});
        bill.lines.push_back({.product = product, .unit = piece, .quantity = double(n), .price = 10.5});
        bill.total += 10.5 * n;
    }
    bill.extra = {{"TaxRate", 7}, {"TaxTotal", bill.total * 7 / 107}, {"Cash", bill.total}, {"Change", 0}};
    shop->bill(bill);
}

void PrintFixture::addForm(const QString& code, int order, const QString& description, const QString& file,
                           const QString& procedure, const QString& preview)
{
    shop->insert(QStringLiteral("SystemForm"),
                 {{"FormCode", code},
                  {"FormOrderNo", order},
                  {"FormDesc", description},
                  {"FrfName", file},
                  {"SpName", procedure},
                  {"DocCode", code},
                  {"ShowPrintPreview", preview}});
}

QString PrintFixture::writeLayout(const QString& name, const QString& text)
{
    const QString path = QDir(server->workingDirectory()).filePath(name);
    EXPECT_TRUE(writeFile(path, text.toUtf8()));
    return path;
}

int PrintFixture::usageLogs(int function)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = :F"), {{"F", function}});
}

} // namespace kvr::test
