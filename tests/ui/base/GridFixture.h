#pragma once

#include "data/CachedDataset.h"
#include "data/Connection.h"
#include "data/SchemaScript.h"
#include "support/RecordingErrorSink.h"
#include "support/ShopBuilder.h"
#include "support/TestServer.h"

#include <memory>

namespace kvr::test {

// A database "GRID" on each backend with three bill lines and three warehouses, and a cached
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
        ShopBuilder rows(*db);
        const auto warehouse = [&rows](const char* code, const char* name, bool blocked) {
            return rows.insert(QStringLiteral("Warehouse"),
                               {{"Code", code}, {"Name", name}, {"Blocked", flag(blocked)}});
        };
        mainWarehouse = warehouse("MAIN", "หน้าร้าน", false);
        backWarehouse = warehouse("BACK", "หลังร้าน", false);
        oldWarehouse = warehouse("OLD", "คลังเก่า", true);
        const auto line = [&rows](const char* code, const char* name, double quantity, int warehouse) {
            rows.insert(QStringLiteral("Line"),
                        {{"ProductCode", code},
                         {"PosName", name},
                         {"Quantity", quantity},
                         {"Warehouse", warehouse ? QVariant(warehouse) : QVariant()}});
        };
        line("P001", "น้ำดื่ม", 1, mainWarehouse);
        line("P002", "สบู่", 2.5, 0);
        line("P003", "ข้าวสาร", 1200, backWarehouse);
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

    std::unique_ptr<data::Connection> db;
    std::unique_ptr<data::CachedDataset> lines;
    int mainWarehouse = 0, backWarehouse = 0, oldWarehouse = 0; // OLD is blocked
};

} // namespace kvr::test
