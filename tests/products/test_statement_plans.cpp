#include "ProductFixture.h"

#include "support/QueryPlan.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::data::Query;

namespace {

// Every statement of the product services reads by an index, never by scanning a table: on the
// shop's catalogue a scan costs milliseconds per scanned barcode.
class StatementPlanTest : public ProductFixture
{ };

} // namespace

TEST_P(StatementPlanTest, every_statement_reads_through_an_index)
{
    if (GetParam() == BackendKind::Postgres)
        dm->DMdata().execDirect(QStringLiteral("SET enable_seqscan = off"));
    const QDateTime when(QDate(2026, 3, 1), QTime(10, 0));
    for (const bool restricted : {false, true}) {
        setConfig({{"CheckUserWarehouseFlag", flag(restricted)},
                   {"SearchProductNo", 2},
                   {"DisplayFraction", flag(restricted)}});
        product->setPrintFrac(true);
        product->setUseBarCode(true);
        product->ExistsProduct(QStringLiteral("8850001000128"));
        product->ExistsProductUnit(water, QStringLiteral("Box"), kvr::products::UnitRole::Sale);
        product->GetFirstUnit(water, kvr::products::UnitRole::Sale);
        product->GetStockUnit(water);
        product->GetSmallUnit(water);
        product->ExistsWarehouse(QStringLiteral("MAIN"));
        product->ExistsLotNo(QStringLiteral("L1"), when);
        product->LotNoOnHand(1, water, mainWh, 2026);
        product->ExistsSerialNo(QStringLiteral("S1"), serialOnHand);
        product->ExistsProdAttrCode(1, QStringLiteral("A"));
        product->ExistsProjectItemCode(QStringLiteral("A"), 1);
        product->ExistsVendorPartCode(QStringLiteral("A"), 1);
        product->ExistsPartSource(box, 1);
        product->GetPrice(1, water, pce, 19, when);
        product->GetProjectPrice(1, water, pce, 19, 1, when);
        product->SetPurchasePrice(water, 1, box, 0);
        product->ProductQuantity(water, 2026);
        product->ProductWHQuantity(water, mainWh, 2026);
        product->ProductUnitsWHQuantity(water, box, mainWh, 2026);
        product->ShowQuantity(water, 1);

        static const QRegularExpression scan(QStringLiteral("^SCAN (?!CONSTANT ROW)|Seq Scan"));
        for (const Query* statement : product->statements()) {
            SCOPED_TRACE(statement->sqlText().toStdString());
            const QStringList lines = queryPlan(dm->DMdata(), *statement);
            EXPECT_FALSE(lines.isEmpty());
            for (const QString& line : lines)
                EXPECT_FALSE(scan.match(line).hasMatch()) << line.toStdString();
        }
    }
}

KVR_INSTANTIATE_BACKENDS(StatementPlanTest);
