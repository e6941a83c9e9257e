#include "SaleFixture.h"

#include "support/CoreApplication.h"

#include <QtCore/qtestsupport_core.h>

namespace kvr::test {

void SaleFixture::buildShop(ShopBuilder& shop)
{
    PosFixture::buildShop(shop);
    seedCardTypes(shop.connection());
}

pos::TFrPos& SaleFixture::billWith(const std::vector<Line>& lines, bool allowZeroPrice)
{
    pos::TFrPos& s = screen(pos::PosMode::Goods, allowZeroPrice);
    s.AcNewExecute();
    ringUp(s, lines);
    return s;
}

pos::TFrPos& SaleFixture::newCashBill(pos::PosMode mode)
{
    pos::TFrPos& s = screen(mode);
    QObject::connect(&s, &pos::TFrPos::gridFieldRequested, [this](const QString& field) { gridField = field; });
    s.AcNewExecute();
    s.FaGetCustomer1CustomerExit(QStringLiteral("CASH"));
    s.SetDgDtColumn();
    return s;
}

void SaleFixture::ringUp(pos::TFrPos& s, const std::vector<Line>& lines)
{
    s.QHd().edit();
    s.QHd().setValue(QStringLiteral("Customer"), pos_shop::cashCustomer);
    data::CachedDataset& dt = s.QDt();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            dt.append();
        const Line& line = lines[i];
        enterLine(s, line.product, line.quantity, line.price, line.warehouse);
        dt.setValue(QStringLiteral("Discount"), QString());
        dt.setValue(QStringLiteral("UseSerial"), line.serial.isEmpty() ? QStringLiteral("N") : QStringLiteral("Y"));
        dt.setValue(QStringLiteral("Serial"), line.serial);
        // A piece of the product in stock under that serial, registered when new.
        const QString serial = line.serial.trimmed();
        if (serial.isEmpty())
            continue;
        const QVariant known = scalar(QStringLiteral("SELECT Id FROM SerialNo WHERE Product = :P AND Serial = :S"),
                                      {{"P", line.product}, {"S", serial}});
        dt.setValue(QStringLiteral("SerialNo"), known.isNull() ? shop->serial(line.product, serial) : known.toInt());
    }
    dt.post();
    s.CalculateAll();
}

void SaleFixture::pay(pos::TFrPos& screen, double cash, double coupon, double bank)
{
    screen.QHd().edit();
    screen.QHd().setValue(QStringLiteral("Cash"), cash);
    screen.QHd().setValue(QStringLiteral("Coupon"), coupon);
    screen.QHd().setValue(QStringLiteral("BankAmount"), bank);
    screen.ReceiptChange();
}

QString SaleFixture::written()
{
    return QStringLiteral("bills=%1 lines=%2 cards=%3 logged=%4 lastNo=%5")
        .arg(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd")))
        .arg(count(QStringLiteral("SELECT Count(*) AS N FROM PosDt")))
        .arg(count(QStringLiteral("SELECT Count(*) AS N FROM CreditCardInfo")))
        .arg(count(QStringLiteral("SELECT Count(*) AS N FROM UserLog WHERE FunctionListId = 1")))
        .arg(count(QStringLiteral("SELECT LastNo AS N FROM DocumentNo WHERE Code = 'POS-P'")));
}

bool SaleFixture::waitFor(const std::function<bool()>& condition)
{
    ensureCoreApplication();
    return QTest::qWaitFor(condition, 30000);
}

} // namespace kvr::test
