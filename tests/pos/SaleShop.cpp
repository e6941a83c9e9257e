#include "SaleShop.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "pos/TFrPos.h"

#include <cmath>

namespace kvr::test {

const QDateTime kSaleShiftOpened(QDate(2026, 6, 15), QTime(8, 30));

void runSql(data::Connection& c, const QString& sql, const QVariantMap& params)
{
    data::Query q(c, sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.setParam(it.key(), it.value());
    q.execSql();
}

void insertRows(data::Connection& c, const char* tableAndColumns, const std::vector<QVariantList>& rows)
{
    QStringList values;
    QVariantMap params;
    for (const QVariantList& row : rows) {
        QStringList names;
        for (const QVariant& value : row) {
            names << QStringLiteral(":V%1").arg(params.size());
            params.insert(names.back().mid(1), value);
        }
        values << QLatin1Char('(') + names.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    runSql(c, QStringLiteral("INSERT INTO %1 VALUES %2").arg(QString::fromUtf8(tableAndColumns), values.join(u", ")),
           params);
}

// Written before the session connects so that it reads the Config row as a start would.
void seedSaleShop(data::Connection& c)
{
    const auto exec = [&c](const char* sql) { runSql(c, QString::fromUtf8(sql)); };
    exec("INSERT INTO Config (RunYear, MainCurrencyId, LockPosDate, PosLockTax, POS_IE, DefaultTax, SearchProductNo, "
         "DisplayFraction, SalePercentDisc, PosUseBarCode, CheckUserWarehouseFlag) "
         "VALUES (2026, 1, 'Y', 'N', 'I', 1, 0, 'N', 'N', 'N', 'N')");
    exec("INSERT INTO Misc (Id, GroupCode, Code, Description, OrderNo) VALUES (1, 'CURRENCY', 'THB', 'บาท', 1), "
         "(2, 'CURRENCY', 'USD', 'US Dollar', 2), (3, 'DEPARTMENT', 'FRONT', 'หน้าร้าน', 1)");
    exec("INSERT INTO Tax (Id, Code, Description, Rate) VALUES (1, 'V7', 'VAT 7%', 7), (2, 'V0', 'ยกเว้น', 0)");
    exec("INSERT INTO Warehouse (Id, Code, Name, islocation) VALUES (1, 'MAIN', 'หน้าร้าน', 'N'), "
         "(2, 'BACK', 'หลังร้าน', 'N')");
    exec("INSERT INTO Salesman (Id, Code, Name, Status) VALUES (1, 'S01', 'สมศรี', 'Y'), (2, 'S02', 'วิชัย', 'Y')");
    exec("INSERT INTO Customer (Id, Code, Name, NameEng, TaxCode, Salesman, Blocked, PriceLevel) VALUES "
         "(1, 'CASH', 'ลูกค้าเงินสด', 'Cash customer', 1, 2, 'N', 0), "
         "(2, 'C002', 'มูลนิธิ', 'Foundation', 2, 2, 'N', 0), (3, 'BLK', 'ระงับ', 'Blocked', 1, 1, 'Y', 0)");
    exec("INSERT INTO Product (Id, Code, ThaiName, PosName, ProductType, TaxCode, DefaultWh, UseSerial, LotControl, "
         "PrintFrac, Blocked) VALUES "
         "(1, 'P001', 'น้ำดื่ม 600 มล.', 'น้ำดื่ม', 'P', 1, 1, 'N', 'N', 'N', 'N'), "
         "(2, 'P002', 'ข้าวสาร 5 กก.', 'ข้าวสาร', 'P', 2, 1, 'N', 'N', 'N', 'N'), "
         "(3, 'S001', 'ค่าซ่อม', 'ซ่อม', 'S', 1, NULL, 'N', 'N', 'N', 'N'), "
         "(4, 'P004', 'สกรู', 'สกรู', 'P', 1, 1, 'N', 'N', 'Y', 'N')");
    exec("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, BarCode, SaleFlag, StockUnitFlag, SmallUnitFlag) "
         "VALUES (11, 1, 'ขวด', 1, '8850001000011', 'Y', 'Y', 'Y'), (21, 2, 'ถุง', 1, NULL, 'Y', 'Y', 'Y'), "
         "(31, 3, 'ครั้ง', 1, NULL, 'Y', 'Y', 'Y'), (41, 4, 'ตัว', 1, '8850004000018', 'Y', 'N', 'Y'), "
         "(42, 4, 'โหล', 12, NULL, 'Y', 'Y', 'N')");
    exec("INSERT INTO PosMachineNo (Id, MachineCode, WareHouse, Salesman, Department, CashDrawer, BaudRate) "
         "VALUES (1, 'M01', 2, 1, 3, '', 0)");
    exec("INSERT INTO DocumentNo (Code, DocYear, Prefix, LastNo, DocumentLength, AutoRun) VALUES "
         "('POS-P', 2026, '', 0, 8, 'Y'), ('POS-S', 2026, '', 0, 8, 'Y'), ('POS-M', 2026, '', 0, 8, 'Y')");
    insertRows(c, "PosShiftNo (Id, ShiftDate, ShiftNo, PosMachineNo, Closed)", {{1, kSaleShiftOpened, 1, 1, "N"}});
    // May 2026 is closed to documents, June is open.
    const auto endOf = [](int month, int day) { return QDateTime(QDate(2026, month, day), QTime(23, 59, 59)); };
    insertRows(
        c, "accountperiod (accountyear, Start5, Stop5, Lock5, Start6, Stop6, Lock6)",
        {{2026, QDate(2026, 5, 1).startOfDay(), endOf(5, 31), "Y", QDate(2026, 6, 1).startOfDay(), endOf(6, 30), "N"}});
    for (const char* table : {"Misc", "Tax", "Warehouse", "Salesman", "Customer", "Product", "ProductUnits",
                              "PosMachineNo", "PosShiftNo"}) {
        const QString sync = c.dialect().syncIdentitySql(QString::fromLatin1(table));
        if (!sync.isEmpty())
            data::Query(c, sync).open();
    }
}

void seedCardTypes(data::Connection& c)
{
    runSql(c,
           QStringLiteral("INSERT INTO CreditCard (CardCode, CardName, Charge) VALUES ('VISA', 'Visa', 2), "
                          "('CASHC', 'Cash card', 0)"));
}

void enterLine(pos::TFrPos& screen, int product, double quantity, double price, const QVariant& warehouse)
{
    data::CachedDataset& dt = screen.QDt();
    dt.setValue(QStringLiteral("Product"), product);
    dt.setValue(QStringLiteral("ProductCode"), QStringLiteral("P%1").arg(product, 3, 10, QLatin1Char('0')));
    dt.setValue(QStringLiteral("ProductUnits"), product * 10 + 1);
    dt.setValue(QStringLiteral("UnitName"), QStringLiteral("ขวด"));
    dt.setValue(QStringLiteral("PosName"), QStringLiteral("น้ำดื่ม"));
    dt.setValue(QStringLiteral("Fraction"), 1.0);
    dt.setValue(QStringLiteral("Quantity"), quantity);
    dt.setValue(QStringLiteral("Price"), price);
    dt.setValue(QStringLiteral("TaxCode"), 1);
    dt.setValue(QStringLiteral("TaxRate"), 7.0);
    dt.setValue(QStringLiteral("Warehouse"), warehouse);
    dt.setValue(QStringLiteral("UseSerial"), QStringLiteral("N"));
    dt.setValue(QStringLiteral("LotControl"), QStringLiteral("N"));
    screen.CalculateDtRecord();
}

void typeCardRow(pos::TFrPos& screen, const QString& code, const QString& cardNo, const QString& slipNo, double rcpt)
{
    data::CachedDataset& q = screen.cardInfo().QCreditCard();
    q.append();
    q.setValue(QStringLiteral("cardcode"), code);
    screen.cardInfo().GetCardCodeExit();
    q.setValue(QStringLiteral("CardNo"), cardNo);
    q.setValue(QStringLiteral("SlipNo"), slipNo);
    q.setValue(QStringLiteral("CardRcpt"), rcpt);
    screen.cardInfo().GetRcptExit();
}

void ringUpBill(pos::TFrPos& screen, std::mt19937& random, int lines, int cards)
{
    const auto between = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    screen.QHd().edit();
    screen.QHd().setValue(QStringLiteral("Customer"), 1);
    for (int n = 0; n < lines; ++n) {
        if (n > 0)
            screen.QDt().append();
        enterLine(screen, 1, double(between(1, 9)), between(100, 99999) / 100.0, 1);
    }
    screen.QDt().post();
    screen.CalculateAll();
    const double total = screen.QHd().field(QStringLiteral("Total")).asFloat();
    if (cards > 0) {
        screen.setCardDialog([&screen, cards, total] {
            for (int n = 0; n < cards; ++n)
                typeCardRow(screen, n % 2 == 0 ? QStringLiteral("VISA") : QStringLiteral("CASHC"),
                            QStringLiteral("4111%1").arg(n), QStringLiteral("S%1").arg(n + 1),
                            std::floor(total / (2 * cards)));
            return screen.cardInfo().BOkClick();
        });
        screen.BCreditCardClick();
    }
    screen.QHd().edit();
    screen.QHd().setValue(QStringLiteral("Cash"), std::ceil(total));
    screen.ReceiptChange();
}

} // namespace kvr::test
