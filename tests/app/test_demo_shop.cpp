// The demo shop as the generator leaves it: bills that add up, shifts with their floats, numbering
// series, menu rights, the company session, products and stock, and ids left for new rows.
#include "support/DemoSession.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "util/Discount.h"
#include "util/Rounding.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace kvr::data;
using kvr::util::RoundHalfUp;

namespace {

// Bill amounts are kept as the sale screen leaves them: to the database's four places.
double stored(double value)
{
    return RoundHalfUp(value, 15, 4);
}

bool sameMoney(double a, double b)
{
    return std::abs(a - b) < 0.005;
}

class DemoShopTest : public kvr::test::DemoSessionFixture
{
protected:
    std::unique_ptr<Query> select(const QString& sql)
    {
        auto q = std::make_unique<Query>(dm->DMdata(), sql);
        q->open();
        return q;
    }
};

} // namespace

TEST_P(DemoShopTest, bills_add_up_line_by_line_and_payments_cover_them)
{
    // Lines and card payments belong to a bill, and a bill's lines are numbered 1, 2, 3 in order.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosDt D WHERE NOT EXISTS (SELECT 1 FROM PosHd H WHERE "
                                   "H.Id = D.PosHd) OR D.PosRecNo <> (SELECT COUNT(*) FROM PosDt E WHERE "
                                   "E.PosHd = D.PosHd AND E.PosRecNo <= D.PosRecNo)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CreditCardInfo C WHERE C.RcptType = 1 AND NOT EXISTS "
                                   "(SELECT 1 FROM PosHd H WHERE H.Id = C.RcptDocId)")),
              0);

    const auto lines = select(QStringLiteral(
        "SELECT D.PosHd, D.PosRecNo, D.Product, D.Quantity, D.Price, D.Discount, D.DiscountAmt, D.Total, "
        "D.ProductAmount, D.TaxRate, D.Fraction, D.Warehouse, D.LotNo, D.SerialNo, U.Product AS UnitProduct, "
        "U.Fraction AS UnitFraction, P.LotControl, P.UseSerial, S.Product AS SerialProduct, H.PosType FROM PosDt D "
        "INNER JOIN PosHd H ON H.Id = D.PosHd LEFT JOIN ProductUnits U ON U.Id = D.ProductUnits "
        "LEFT JOIN Product P ON P.Id = D.Product LEFT JOIN SerialNo S ON S.Id = D.SerialNo "
        "ORDER BY D.PosHd, D.PosRecNo"));
    for (lines->first(); !lines->eof(); lines->next()) {
        const auto f = [&](const char* name) { return lines->field(QString::fromLatin1(name)); };
        SCOPED_TRACE(
            QStringLiteral("bill %1 line %2").arg(f("PosHd").asInteger()).arg(f("PosRecNo").asInteger()).toStdString());
        const double gross = f("Quantity").asFloat() * f("Price").asFloat();
        const double total = stored(kvr::util::NetAfterDiscount(f("Discount").asString(), gross));
        EXPECT_DOUBLE_EQ(f("Total").asFloat(), total);
        EXPECT_TRUE(sameMoney(f("DiscountAmt").asFloat(), gross - total));
        const double rate = f("TaxRate").asFloat();
        EXPECT_NEAR(f("ProductAmount").asFloat(), rate > 0 ? stored(total * 100 / (rate + 100)) : total, 2e-4);
        EXPECT_EQ(f("UnitProduct").asInteger(), f("Product").asInteger()) << "the unit belongs to another product";
        EXPECT_EQ(f("Fraction").asFloat(), f("UnitFraction").asFloat());
        if (f("PosType").asString() == QLatin1String("P")) {
            EXPECT_FALSE(f("Warehouse").isNull());
            EXPECT_EQ(f("LotNo").isNull(), f("LotControl").asString() != QLatin1String("Y"));
            if (f("UseSerial").asString() == QLatin1String("Y")) {
                EXPECT_EQ(f("Quantity").asFloat(), 1);
                EXPECT_EQ(f("SerialProduct").asInteger(), f("Product").asInteger());
            }
        } else {
            EXPECT_TRUE(f("Warehouse").isNull() && f("LotNo").isNull() && f("SerialNo").isNull())
                << "service and miscellaneous lines have no warehouse, lot or serial";
        }
    }

    const auto cards = select(QStringLiteral("SELECT CardRcpt, CardRate, CardCharge, CardAmount "
                                             "FROM CreditCardInfo WHERE RcptType = 1"));
    EXPECT_GT(cards->recordCount(), 0);
    for (cards->first(); !cards->eof(); cards->next()) {
        const auto f = [&](const char* name) { return cards->field(QString::fromLatin1(name)).asFloat(); };
        // The surcharge to the satang, the amount to the four stored places.
        EXPECT_DOUBLE_EQ(f("CardCharge"), RoundHalfUp(f("CardRcpt") * f("CardRate") / 100, 15, 2));
        EXPECT_DOUBLE_EQ(f("CardAmount"), stored(f("CardRcpt") + f("CardCharge")));
    }

    // Each bill's payments; its totals are recomputed from its lines on the sale screen by
    // tests/pos/test_pos_demo_bills.
    const auto bills = select(QStringLiteral(
        "SELECT H.PosNo, H.Total, H.Cash, H.CardAmount, H.Coupon, H.BankAmount, H.CompanyBank, H.Change, "
        "(SELECT COUNT(*) FROM PosDt D WHERE D.PosHd = H.Id) AS Lines, "
        "(SELECT SUM(C.CardCharge) FROM CreditCardInfo C WHERE C.RcptType = 1 AND C.RcptDocId = H.Id) AS CardCharges, "
        "(SELECT SUM(C.CardAmount) FROM CreditCardInfo C WHERE C.RcptType = 1 AND C.RcptDocId = H.Id) AS CardAmounts "
        "FROM PosHd H"));
    ASSERT_GE(bills->recordCount(), 20);
    for (bills->first(); !bills->eof(); bills->next()) {
        const auto f = [&](const char* name) { return bills->field(QString::fromLatin1(name)).asFloat(); };
        SCOPED_TRACE(bills->field(QStringLiteral("PosNo")).asString().toStdString());
        EXPECT_GT(f("Lines"), 0);
        EXPECT_TRUE(sameMoney(f("CardAmount"), f("CardAmounts")));
        // Card surcharges never pay the bill, and change is given from cash only.
        const double change =
            f("Cash") + f("CardAmount") - f("CardCharges") + f("Coupon") + f("BankAmount") - f("Total");
        EXPECT_TRUE(sameMoney(f("Change"), change));
        EXPECT_GE(f("Change"), 0);
        EXPECT_GE(f("Cash"), f("Change"));
        EXPECT_EQ(f("BankAmount") > 0, bills->field(QStringLiteral("CompanyBank")).asInteger() > 0);
    }
}

TEST_P(DemoShopTest, bills_belong_to_shifts_of_their_day_with_a_counted_float)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosHd H LEFT JOIN PosShiftNo S ON S.Id = H.PosShiftNo "
                                   "LEFT JOIN PosMachineNo M ON M.Id = S.PosMachineNo WHERE S.Id IS NULL "
                                   "OR S.ShiftDate <> H.PosDate OR M.Blocked <> 'N'")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosShiftMoney M JOIN Coin C ON C.Id = M.Coin "
                                   "WHERE ABS(M.Amount - M.Quantity * C.Fraction) > 0.001")),
              0);
    const auto shifts = select(QStringLiteral(
        "SELECT S.Id, S.Closed, S.ShiftDate, S.OpenMoney, S.SaleAmount, "
        "(SELECT SUM(Amount) FROM PosShiftMoney M WHERE M.PosShiftNo = S.Id) AS Counted, "
        "(SELECT COUNT(*) FROM PosShiftMoney M WHERE M.PosShiftNo = S.Id) AS Pieces, "
        "(SELECT COALESCE(SUM(Total), 0) FROM PosHd H WHERE H.PosShiftNo = S.Id AND H.DelFlag = 'N') AS Sold "
        "FROM PosShiftNo S"));
    ASSERT_GT(shifts->recordCount(), 2);
    const int coins = count(QStringLiteral("SELECT COUNT(*) FROM Coin"));
    for (shifts->first(); !shifts->eof(); shifts->next()) {
        const auto f = [&](const char* name) { return shifts->field(QString::fromLatin1(name)); };
        SCOPED_TRACE(f("Id").asInteger());
        EXPECT_TRUE(sameMoney(f("OpenMoney").asFloat(), f("Counted").asFloat()));
        EXPECT_EQ(f("Pieces").asFloat(), coins) << "one float row per coin and note";
        const bool today = f("ShiftDate").asDate() == QDate::currentDate();
        EXPECT_EQ(f("Closed").asString(), today ? QStringLiteral("N") : QStringLiteral("Y"));
        if (!today) {
            EXPECT_TRUE(sameMoney(f("SaleAmount").asFloat(), f("Sold").asFloat()));
        }
    }
}

// That each number is given once and within what its series gave, so that the next one is new, is
// checked over every bill, the demo days' too, by DemoHistoryTest in test_demo_runs.
TEST_P(DemoShopTest, bill_numbers_have_their_series_length)
{
    const auto numbers = select(QStringLiteral(
        "SELECT H.PosNo, H.FullTaxNo, D.DocumentLength, X.Prefix AS TaxPrefix, X.LastNo AS TaxLastNo FROM PosHd H "
        "LEFT JOIN DocumentNo D ON D.Code = 'POS-' || H.PosType "
        "AND D.DocYear = CAST(SUBSTR(CAST(H.PosDate AS VARCHAR(30)), 1, 4) AS INTEGER) "
        "LEFT JOIN DocumentNo X ON X.Code = 'POS-X1' AND X.DocYear = D.DocYear"));
    int fullTax = 0;
    for (numbers->first(); !numbers->eof(); numbers->next()) {
        const auto f = [&](const char* name) { return numbers->field(QString::fromLatin1(name)); };
        const QString number = f("PosNo").asString();
        SCOPED_TRACE(number.toStdString());
        EXPECT_EQ(number.size(), f("DocumentLength").asInteger());
        if (!f("FullTaxNo").isNull()) {
            ++fullTax;
            EXPECT_TRUE(f("FullTaxNo").asString().startsWith(f("TaxPrefix").asString()));
            EXPECT_GE(f("TaxLastNo").asInteger(), 1);
        }
    }
    // The bills' own invoice, one to a branch and a combined one on two receipts.
    EXPECT_EQ(fullTax, 4);
}

TEST_P(DemoShopTest, company_session_opens_on_this_year_with_baht_and_one_closed_period)
{
    EXPECT_EQ(dm->QConfig().field(QStringLiteral("RunYear")).asInteger(), QDate::currentDate().year());
    EXPECT_EQ(dm->MainCurrencyName(), QStringLiteral("บาท"));

    // Every currency has a rate up to today; which one the session shows is checked by
    // tests/data/test_session.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Misc M WHERE M.GroupCode = 'CURRENCY' AND NOT EXISTS "
                                   "(SELECT 1 FROM CurrencyEx X WHERE X.Currency = M.Id AND X.ExchangeDate <= :Today)"),
                    {{"Today", QDate::currentDate().startOfDay()}}),
              0);

    // Twelve months without gaps for each of the two years; exactly one of them locked.
    const auto periods = select(QStringLiteral("SELECT * FROM accountperiod ORDER BY accountyear"));
    ASSERT_EQ(periods->recordCount(), 2);
    QList<QDate> locked;
    for (periods->first(); !periods->eof(); periods->next()) {
        const int year = periods->field(QStringLiteral("accountyear")).asInteger();
        EXPECT_EQ(year, QDate::currentDate().year() - 1 + periods->recNo());
        QDate expected(year, 1, 1);
        for (int n = 1; n <= 12; ++n) {
            const QDate start = periods->field(QStringLiteral("Start%1").arg(n)).asDate();
            const QDate stop = periods->field(QStringLiteral("Stop%1").arg(n)).asDate();
            EXPECT_EQ(start, expected);
            EXPECT_EQ(stop, start.addMonths(1).addDays(-1));
            expected = stop.addDays(1);
            if (periods->field(QStringLiteral("Lock%1").arg(n)).asString() == QLatin1String("Y"))
                locked << start.addDays(14);
        }
    }
    ASSERT_EQ(locked.size(), 1);
    prompter.expectInformation();
    EXPECT_FALSE(dm->IsPeriodOpen(locked.front().startOfDay()));
    EXPECT_TRUE(dm->IsPeriodOpen(QDateTime::currentDateTime()));
}

TEST_P(DemoShopTest, products_have_their_units_prices_and_the_stock_their_lots_and_serials_add_up_to)
{
    const auto barcodes = select(QStringLiteral("SELECT BarCode FROM ProductUnits WHERE BarCode IS NOT NULL"));
    for (barcodes->first(); !barcodes->eof(); barcodes->next()) {
        const QString code = barcodes->field(QStringLiteral("BarCode")).asString();
        ASSERT_EQ(code.size(), 13);
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += code.at(i).digitValue() * (i % 2 ? 3 : 1);
        EXPECT_EQ(code.at(12).digitValue(), (10 - sum % 10) % 10) << code.toStdString();
    }

    // Why, and a query counting rows the demo must not leave (0) or must have (kSome).
    constexpr int kSome = -1;
    const std::tuple<const char*, int, const char*> checks[] = {
        {"each product has one stock unit and one smallest unit", 0,
         "SELECT COUNT(*) FROM Product P WHERE (SELECT COUNT(*) FROM ProductUnits U WHERE U.Product = P.Id AND "
         "U.StockUnitFlag = 'Y') <> 1 OR (SELECT COUNT(*) FROM ProductUnits U WHERE U.Product = P.Id AND "
         "U.SmallUnitFlag = 'Y' AND U.Fraction = 1) <> 1"},
        {"barcodes are unique", 0,
         "SELECT COUNT(*) - COUNT(DISTINCT BarCode) FROM ProductUnits WHERE BarCode IS NOT NULL"},
        {"every unit on sale has a price at the company's default level", 0,
         "SELECT COUNT(*) FROM ProductUnits U JOIN Product P ON P.Id = U.Product WHERE P.Blocked = 'N' AND "
         "U.SaleFlag = 'Y' AND NOT EXISTS (SELECT 1 FROM ProductPrice R WHERE R.ProductUnits = U.Id AND "
         "R.PriceType = (SELECT POS_PriceType FROM Config))"},
        {"services found the way the service screen looks them up", kSome,
         "SELECT COUNT(*) FROM Product P INNER JOIN Tax T ON T.Id = P.TaxCode INNER JOIN Warehouse W ON "
         "W.Id = P.DefaultWh WHERE P.Blocked <> 'Y' AND P.ProductType = 'S'"},
        {"the lots of a product hold its whole balance", 0,
         "SELECT COUNT(*) FROM (SELECT O.Product, O.Warehouse, O.BalanceYear, SUM(O.Quantity) AS Stock, "
         "(SELECT SUM(L.Quantity) FROM LotOnHand L WHERE L.Product = O.Product AND L.Warehouse = O.Warehouse "
         "AND L.BalanceYear = O.BalanceYear) AS InLots FROM ProductOnHand O JOIN Product P ON P.Id = O.Product "
         "WHERE P.LotControl = 'Y' GROUP BY O.Product, O.Warehouse, O.BalanceYear) X "
         "WHERE X.InLots IS NULL OR X.InLots <> X.Stock"},
        {"one serial number in stock for every piece in stock", 0,
         "SELECT COUNT(*) FROM Product P WHERE P.UseSerial = 'Y' AND (SELECT COUNT(*) FROM SerialNo S "
         "WHERE S.Product = P.Id AND S.OnHand = 'Y') <> (SELECT COALESCE(SUM(O.Quantity), 0) FROM "
         "ProductOnHand O WHERE O.Product = P.Id AND O.BalanceYear = (SELECT RunYear FROM Config))"},
        {"the current stock view shows the balance", 0,
         "SELECT COUNT(*) FROM view_currentstock C WHERE C.OnhandQnty <> (SELECT SUM(O.Quantity) FROM "
         "ProductOnHand O WHERE O.Product = C.Product AND O.Warehouse = C.Warehouse AND O.BalanceYear = "
         "(SELECT RunYear FROM Config))"},
    };
    for (const auto& [why, expected, sql] : checks) {
        SCOPED_TRACE(why);
        const int found = count(QString::fromLatin1(sql));
        if (expected == kSome)
            EXPECT_GT(found, 0);
        else
            EXPECT_EQ(found, expected);
    }
}

TEST_P(DemoShopTest, rows_added_after_the_demo_get_fresh_ids)
{
    // The demo writes explicit ids; the screens then insert without them.
    const std::pair<bool, const char*> inserts[] = {
        {false, "INSERT INTO Misc (GroupCode, Code, Description) VALUES ('REM_SALE', 'NEW', 'x')"},
        {false, "INSERT INTO Product (Code, ThaiName) VALUES ('NEW-1', 'x')"},
        {false, "INSERT INTO ProductUnits (Product, UnitName, Fraction) VALUES (1, 'x', 1)"},
        {false, "INSERT INTO SerialNo (Product, Serial, OnHand) VALUES (1, 'NEW-1', 'Y')"},
        {false, "INSERT INTO PosShiftNo (ShiftDate, ShiftNo, PosMachineNo) VALUES ('2026-01-01 00:00:00', 9, 1)"},
        {false, "INSERT INTO PosHd (PosNo, PosType) VALUES ('NEW-1', 'P')"},
        {false, "INSERT INTO PosDt (PosHd, PosRecNo) VALUES (1, 99)"},
        {false, "INSERT INTO CreditCardInfo (RcptType, RcptDocId) VALUES (1, 1)"},
        {false, "INSERT INTO UserLog (LogDate, Remark) VALUES ('2026-01-01 00:00:00', 'x')"},
        {false, "INSERT INTO PosMachineNo (MachineCode) VALUES ('NEW')"},
        {true, "INSERT INTO UserName (Code) VALUES ('NEWUSER')"},
        {true, "INSERT INTO Menu (Caption) VALUES ('x')"},
        {true, "INSERT INTO UserRight (UserId, MenuId) VALUES (99, 999)"},
        {true, "INSERT INTO Company (Code) VALUES ('NEWCO')"},
    };
    for (const auto& [inConfig, sql] : inserts) {
        SCOPED_TRACE(sql);
        EXPECT_NO_THROW(Query(inConfig ? config->DmCfg() : dm->DMdata(), QString::fromLatin1(sql)).execSql());
    }
}

KVR_INSTANTIATE_BACKENDS(DemoShopTest);
