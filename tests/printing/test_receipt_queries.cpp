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
                       {"NoTaxAmt", 0},
                       {"TaxAmt", 61},
                       {"TaxTotal", 3.99},
                       {"TaxRate", 7},
                       {"DiscAmt1", 3},
                       {"DiscAmt3", 2},
                       {"Cash", 50},
                       {"CardAmount", {}},
                       {"Coupon", 20},
                       {"BankAmount", 0},
                       {"Change", 9}}});
    }
    int bill = 0;
};

TEST_P(ReceiptQueriesTest, company_name_and_tax_number_come_from_the_session_company)
{
    struct Case
    {
        const char* update; // nullptr: as seeded
        const char* name;
        const char* taxNo;
    };
    const Case cases[] = {
        {nullptr, "ร้านสมชายพาณิชย์", "0105551234567"},
        {"UPDATE Company SET TaxNo = NULL WHERE Id = 7", "ร้านสมชายพาณิชย์", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.update ? c.update : "seeded");
        if (c.update) {
            Query(config->DmCfg(), QString::fromUtf8(c.update)).execSql();
            config->QCompany().close(); // the heading opens it again
        }
        const ReceiptCompany company = ReadReceiptCompany(config->QCompany());
        EXPECT_EQ(company.NameThai, QString::fromUtf8(c.name));
        EXPECT_EQ(company.TaxNo, QString::fromUtf8(c.taxNo));
    }
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
    EXPECT_EQ(h.PosNo, QStringLiteral("  P6900123"));
    EXPECT_EQ(h.Price_IE, QStringLiteral("I"));
    EXPECT_DOUBLE_EQ(h.Total, 61);
    EXPECT_DOUBLE_EQ(h.TaxTotal, 3.99);
    EXPECT_DOUBLE_EQ(h.DiscountAmt, 5);
    EXPECT_DOUBLE_EQ(h.received(), 70); // a null card amount counts as nothing
    EXPECT_DOUBLE_EQ(h.Change, 9);

    Query lines(db,
                QStringLiteral("SELECT D.Quantity, D.Price, D.DiscountAmt, D.Total, P.Code AS ProductCode, P.PosName, "
                               "U.UnitName, U.BarCode FROM PosDt D INNER JOIN Product P ON (D.Product = P.Id) "
                               "INNER JOIN ProductUnits U ON (D.ProductUnits = U.Id) WHERE D.PosHd = :Id "
                               "ORDER BY D.PosRecNo"));
    lines.setParam(QStringLiteral("Id"), bill);
    lines.open();
    lines.setRecNo(1);
    const std::vector<ReceiptLine> read = ReadReceiptLines(lines);
    EXPECT_EQ(lines.recNo(), 1);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].ProductCode, QStringLiteral("W-600"));
    EXPECT_EQ(read[0].PosName, QStringLiteral("น้ำดื่มสิงห์ 600 มล."));
    EXPECT_EQ(read[0].UnitName, QStringLiteral("ขวด"));
    EXPECT_EQ(read[0].BarCode, QStringLiteral("8850999320014"));
    EXPECT_DOUBLE_EQ(read[0].DiscountAmt, 0);
    EXPECT_EQ(read[1].ProductCode, QStringLiteral("FISH-155"));
    EXPECT_EQ(read[1].BarCode, QString());
    EXPECT_DOUBLE_EQ(read[1].Quantity, 3);
    EXPECT_DOUBLE_EQ(read[1].Price, 16.5);
    EXPECT_DOUBLE_EQ(read[1].DiscountAmt, 4.5);
    EXPECT_DOUBLE_EQ(read[1].Total, 45);
}

KVR_INSTANTIATE_BACKENDS(ReceiptQueriesTest);

} // namespace
