#include "data/Query.h"
#include "printing/ReceiptQueries.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace kvr::data;
using namespace kvr::printing;

namespace {

// A bill of two lines paid in cash and by coupon, with a discount on a line and two on the bill.
class ReceiptQueriesTest : public kvr::test::SessionFixture
{
protected:
    void buildShop(kvr::test::ShopBuilder& shop) override
    {
        const int water = shop.product({.code = "W-600", .name = "น้ำดื่ม", .posName = "น้ำดื่มสิงห์ 600 มล."});
        const int bottle = shop.unit(water, {.name = "ขวด", .barcode = "8850999320014"});
        const int fish = shop.product({.code = "FISH-155", .name = "ปลากระป๋อง", .posName = "ปลากระป๋องสามแม่ครัว"});
        const int can = shop.unit(fish, {.name = "กป."});
        bill = shop.bill(
            {.number = "  P6900123",
             .total = 61,
             .lines = {{.product = water, .unit = bottle, .quantity = 3, .price = 7, .extra = {{"DiscountAmt", {}}}},
                       {.product = fish,
                        .unit = can,
                        .quantity = 3,
                        .price = 16.5,
                        .total = 45,
                        .extra = {{"DiscountAmt", 4.5}}}},
             .extra = {{"Price_IE", "I"},
                       {"TaxTotal", 3.99},
                       {"DiscAmt1", 3},
                       {"DiscAmt3", 2},
                       {"Cash", 50},
                       {"CardAmount", {}},
                       {"Coupon", 20},
                       {"Change", 9}}});
    }
    int bill = 0;
};

QString money(double value)
{
    return QString::number(value, 'f', 2);
}

TEST_P(ReceiptQueriesTest, company_name_and_tax_number_come_from_the_session_company)
{
    const auto read = [this] {
        const ReceiptCompany company = ReadReceiptCompany(config->QCompany());
        return company.NameThai + u'|' + company.TaxNo;
    };
    EXPECT_EQ(read(), QStringLiteral("ร้านสมชายพาณิชย์|0105551234567"));
    Query(config->DmCfg(), QStringLiteral("UPDATE Company SET TaxNo = NULL WHERE Id = 7")).execSql();
    config->QCompany().close(); // the heading opens it again
    EXPECT_EQ(read(), QStringLiteral("ร้านสมชายพาณิชย์|"));
}

TEST_P(ReceiptQueriesTest, bill_rows_are_read_without_moving_the_line_query)
{
    Connection& db = dm->DMdata();
    Query header(
        db,
        QStringLiteral("SELECT H.PosNo, H.Price_IE, H.NoTaxAmt, H.TaxAmt, H.TaxTotal, H.Total, H.TaxRate, H.Cash, "
                       "H.CardAmount, H.Coupon, H.BankAmount, H.Change, H.PosPrintDateTime, "
                       "(Coalesce(H.DiscAmt1, 0) + Coalesce(H.DiscAmt2, 0) + Coalesce(H.DiscAmt3, 0)) AS DiscountAmt "
                       "FROM PosHd H WHERE H.Id = :Id"));
    header.setParam(QStringLiteral("Id"), bill);
    header.open();
    const ReceiptHeader h = ReadReceiptHeader(header);
    // A null card amount counts as nothing received.
    EXPECT_EQ(QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                  .arg(h.PosNo, h.Price_IE, money(h.Total), money(h.TaxTotal), money(h.DiscountAmt),
                       money(h.received()), money(h.Change)),
              QStringLiteral("  P6900123|I|61.00|3.99|5.00|70.00|9.00"));

    Query lines(db,
                QStringLiteral("SELECT D.Quantity, D.Price, D.DiscountAmt, D.Total, P.Code AS ProductCode, P.PosName, "
                               "U.UnitName, U.BarCode FROM PosDt D INNER JOIN Product P ON (D.Product = P.Id) "
                               "INNER JOIN ProductUnits U ON (D.ProductUnits = U.Id) WHERE D.PosHd = :Id "
                               "ORDER BY D.PosRecNo"));
    lines.setParam(QStringLiteral("Id"), bill);
    lines.open();
    lines.setRecNo(1);
    QStringList read;
    for (const ReceiptLine& l : ReadReceiptLines(lines))
        read << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                    .arg(l.ProductCode, l.BarCode, l.PosName, l.UnitName, money(l.Quantity), money(l.Price),
                         money(l.DiscountAmt), money(l.Total));
    EXPECT_EQ(lines.recNo(), 1);
    EXPECT_EQ(read,
              (QStringList{QStringLiteral("W-600|8850999320014|น้ำดื่มสิงห์ 600 มล.|ขวด|3.00|7.00|0.00|21.00"),
                           QStringLiteral("FISH-155||ปลากระป๋องสามแม่ครัว|กป.|3.00|16.50|4.50|45.00")}));
}

KVR_INSTANTIATE_BACKENDS(ReceiptQueriesTest);

} // namespace
