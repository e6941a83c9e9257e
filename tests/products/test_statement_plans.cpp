#include "ProductFixture.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kvr::test;
using kvr::data::Query;

namespace {

// Every statement of the product services reads by an index, never by scanning a table: on the
// shop's catalogue a scan costs milliseconds per scanned barcode.
class StatementPlanTest : public ProductFixture
{
protected:
    // The plan of one statement, with the parameters of its last run, as lines of text.
    QStringList plan(const Query& statement)
    {
        kvr::data::Connection& db = dm->DMdata();
        const kvr::data::TranslatedSql sql = kvr::data::translateNamedParameters(statement.sqlText());
        if (GetParam() == BackendKind::Sqlite) {
            Query explain(db, QStringLiteral("EXPLAIN QUERY PLAN ") + statement.sqlText());
            for (const QString& name : statement.paramNames())
                explain.setParam(name, statement.param(name));
            explain.open();
            QStringList lines;
            for (int row = 0; row < explain.recordCount(); ++row)
                lines << explain.fieldAt(row, QStringLiteral("detail")).asString();
            return lines;
        }
        // A server-side prepared statement, so the plan is the one the parameters get.
        QString text;
        int marker = 0;
        for (const QChar c : sql.sql)
            text += c == QLatin1Char('?') ? QStringLiteral("$%1").arg(++marker) : QString(c);
        QStringList literals;
        for (const QString& name : sql.placeholders) {
            const QVariant value = db.dialect().bindValue(statement.param(name));
            literals << (value.isNull() ? QStringLiteral("NULL")
                                        : QLatin1Char('\'') +
                                 value.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''));
        }
        const QString name = QStringLiteral("kvr_plan_%1").arg(++m_planCount);
        db.execDirect(QStringLiteral("PREPARE ") + name + QStringLiteral(" AS ") + text);
        // EXPLAIN EXECUTE cannot itself be prepared: it runs as plain text.
        QSqlQuery explain(db.database());
        const QString args =
            literals.isEmpty() ? QString() : QLatin1Char('(') + literals.join(QLatin1Char(',')) + QLatin1Char(')');
        EXPECT_TRUE(explain.exec(QStringLiteral("EXPLAIN EXECUTE ") + name + args))
            << explain.lastError().text().toStdString();
        QStringList lines;
        while (explain.next())
            lines << explain.value(0).toString();
        return lines;
    }

private:
    int m_planCount = 0;
};

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
            const QStringList lines = plan(*statement);
            EXPECT_FALSE(lines.isEmpty());
            for (const QString& line : lines)
                EXPECT_FALSE(scan.match(line).hasMatch()) << line.toStdString();
        }
    }
}

KVR_INSTANTIATE_BACKENDS(StatementPlanTest);
