#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/ReceiptQueries.h"
#include "support/SessionSeed.h"
#include "support/TestServer.h"

#include <gtest/gtest.h>

using namespace kvr::data;
using namespace kvr::printing;
using kvr::test::BackendTest;

namespace {

class ReceiptQueriesTest : public BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        kvr::test::seedSession(*server);
        config = std::make_unique<TDMConfig>(server->workingDirectory());
    }

    std::unique_ptr<TDMConfig> config;
};

TEST_P(ReceiptQueriesTest, company_name_and_tax_number_come_from_the_session_company)
{
    config->GetCompanyConfig(QStringLiteral("SHOP"));
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
    TDM dm(*config, server->workingDirectory());
    dm.setCompanyCode(QStringLiteral("SHOP"));
    Connection& db = dm.DMdata();
    const auto exec = [&](const char* sql) { Query(db, QString::fromUtf8(sql)).execSql(); };
    exec("INSERT INTO Product (Id, Code, ThaiName, PosName) VALUES (1, 'W-600', 'น้ำดื่ม', 'น้ำดื่มสิงห์ 600 มล.'), "
         "(2, 'FISH-155', 'ปลากระป๋อง', 'ปลากระป๋องสามแม่ครัว')");
    exec("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, BarCode) VALUES (11, 1, 'ขวด', 1, "
         "'8850999320014'), "
         "(12, 2, 'กป.', 1, NULL)");
    exec("INSERT INTO PosHd (Id, PosType, PosNo, Price_IE, NoTaxAmt, TaxAmt, TaxTotal, Total, TaxRate, DiscAmt1, "
         "DiscAmt3, "
         "Cash, CardAmount, Coupon, BankAmount, Change) VALUES (5, 'P', '  P6900123', 'I', 0, 61, 3.99, 61, 7, 3, 2, "
         "50, NULL, 20, 0, 9)");
    exec("INSERT INTO PosDt (PosHd, PosRecNo, Product, Quantity, ProductUnits, Price, DiscountAmt, Total) VALUES "
         "(5, 2, 2, 3, 12, 16.5, 4.5, 45), (5, 1, 1, 3, 11, 7, NULL, 21)");
    Query header(
        db,
        QStringLiteral("SELECT H.PosNo, H.Price_IE, H.NoTaxAmt, H.TaxAmt, H.TaxTotal, H.Total, H.TaxRate, H.Cash, "
                       "H.CardAmount, H.Coupon, H.BankAmount, H.Change, H.PosPrintDateTime, "
                       "(Coalesce(H.DiscAmt1, 0) + Coalesce(H.DiscAmt2, 0) + Coalesce(H.DiscAmt3, 0)) AS DiscountAmt "
                       "FROM PosHd H WHERE H.Id = 5"));
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
                               "INNER JOIN ProductUnits U ON (D.ProductUnits = U.Id) WHERE D.PosHd = 5 "
                               "ORDER BY D.PosRecNo"));
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
