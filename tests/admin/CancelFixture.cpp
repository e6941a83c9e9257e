#include "CancelFixture.h"

#include "util/ThaiText.h"

namespace kvr::test {

void CancelFixture::buildShop(ShopBuilder& shop)
{
    shop.config({{"RunYear", 2026}, {"LockPosDate", "N"}});
    shop.numbering(QStringLiteral("POS-P"), 2026, 8);
    salesman = shop.salesman(QStringLiteral("S01"), QStringLiteral("สมศักดิ์"));
    shop.update(QStringLiteral("Salesman"), salesman, {{"SurName", QStringLiteral("ใจดี")}});
    customer = shop.customer({.code = QStringLiteral("C001"), .name = QStringLiteral("ร้านป้าแดง")});
    const int machine = shop.machine({.code = QStringLiteral("POS01"), .location = QStringLiteral("หน้าร้าน ชั้น 1")});
    shift = shop.shift({.machine = machine, .opened = QDateTime(QDate(2026, 3, 14), QTime(8, 30)), .number = 2});
}

int CancelFixture::bill(const CancelBillSpec& spec)
{
    Columns extra{{"Posted", flag(false)}, {"PosShiftNo", shift}};
    extra.insert(extra.end(), spec.extra.begin(), spec.extra.end());
    return shop->bill({.number = util::PadLeft(spec.number, 8),
                       .type = spec.posType,
                       .date = QDateTime(QDate(2026, 3, 14), QTime()),
                       .customer = spec.withCustomer ? customer : 0,
                       .salesman = salesman,
                       .total = spec.total,
                       .printed = true,
                       .extra = extra});
}

QString CancelFixture::text(int billId, const char* column)
{
    return scalar(QStringLiteral("SELECT %1 FROM PosHd WHERE Id = :Id").arg(QLatin1String(column)), {{"Id", billId}})
        .toString();
}

int CancelFixture::cancellationLogs(int billId)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = 3 AND DocumentId = :Id"),
                  {{"Id", billId}})
        .toInt();
}

} // namespace kvr::test
