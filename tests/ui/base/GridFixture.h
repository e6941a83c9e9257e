#pragma once

#include "data/CachedDataset.h"
#include "data/Connection.h"
#include "data/SchemaScript.h"
#include "support/TestServer.h"
#include "util/QStringPrinter.h"

#include <memory>

namespace kvr::test {

// A database "GRID" on each backend with three bill lines and a few warehouses, and a cached
// dataset over the lines as a document screen sets one up.
class GridFixture : public BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        server->createDatabase(QStringLiteral("GRID"));
        db = server->connection(QStringLiteral("GRID"));
        for (const QString& sql : db->dialect().databaseSetup())
            db->execDirect(sql);
        data::SchemaScript::fromText(
            QStringLiteral(
                "CREATE TABLE IF NOT EXISTS Line (Id %IDENTITY%, ProductCode %CODE(20)%, PosName VARCHAR(100), "
                "Quantity DECIMAL(19,4), Warehouse INTEGER)\n/\n"
                "CREATE TABLE IF NOT EXISTS Warehouse (Id %IDENTITY%, Code %CODE(20)%, Name VARCHAR(100), "
                "Blocked CHAR(1))\n/\n"))
            .run(*db);
        exec(QStringLiteral("INSERT INTO Line (ProductCode, PosName, Quantity, Warehouse) VALUES "
                            "('P001', 'น้ำดื่ม', 1, 1), ('P002', 'สบู่', 2.5, NULL), ('P003', 'ข้าวสาร', 1200, 2)"));
        exec(QStringLiteral("INSERT INTO Warehouse (Code, Name, Blocked) VALUES "
                            "('MAIN', 'หน้าร้าน', 'N'), ('BACK', 'หลังร้าน', 'N'), ('OLD', 'คลังเก่า', 'Y')"));
        lines = std::make_unique<data::CachedDataset>(
            *db, QStringLiteral("SELECT Id, ProductCode, PosName, Quantity, Warehouse FROM Line ORDER BY Id"));
        lines->modifySql() << QStringLiteral("UPDATE Line SET ProductCode = :ProductCode, PosName = :PosName, "
                                             "Quantity = :Quantity, Warehouse = :Warehouse WHERE Id = :OLD_Id");
        lines->open();
    }
    void TearDown() override
    {
        lines.reset();
        db.reset();
        BackendTest::TearDown();
    }
    void exec(const QString& sql) { data::Query(*db, sql).execSql(); }

    std::unique_ptr<data::Connection> db;
    std::unique_ptr<data::CachedDataset> lines;
};

} // namespace kvr::test
