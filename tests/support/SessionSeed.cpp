#include "support/SessionSeed.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"

namespace kvr::test {

void seedSession(const TestServer& server)
{
    server.createDatabase(QStringLiteral("KVR_CONFIG"));
    server.createDatabase(QStringLiteral("SHOP"));
    data::TDMConfig config(server.workingDirectory());
    data::Connection& cfg = config.DmCfg();
    const auto exec = [&](const char* sql) { data::Query(cfg, QString::fromUtf8(sql)).execSql(); };
    exec("INSERT INTO UserName (Id, Code, FullName, LanguageNo, EditSalePrice, CanModifyCusSale) VALUES "
         "(1, 'U1', 'สมชาย', 1, 'Y', 'y'), (2, 'U2', 'John', 2, 'y', 'Y'), (3, 'U3', 'สมหญิง', NULL, NULL, NULL)");
    exec(
        "INSERT INTO Menu (Id, Caption, CaptionEng, Command) VALUES (101, '  ขายหน้าร้าน  ', 'Point of sale', 'KVRPOS')");
    exec("INSERT INTO UserRight (UserId, MenuId, ACCESS_R, ADD_R, MODIFY_R, DELETE_R) VALUES "
         "(1, 101, 'Y', 'Y', 'N', 'Y'), (2, 101, 'Y', 'Y', 'Y', 'Y'), (3, 101, 'y', 'n', '', NULL)");
    exec("INSERT INTO Company (Id, Code, NameThai, TaxNo, RunYear) VALUES (7, 'SHOP', 'ร้านสมชายพาณิชย์', "
         "'0105551234567', 2026)");
    exec("INSERT INTO DatabaseList (Company, DatabaseName, YearNo) VALUES (7, 'SHOP', 2026)");
    exec("INSERT INTO CompanyConfig (Company, POS1_PriceType) VALUES (7, 3)");
    for (const char* table : {"UserName", "Menu", "Company"}) {
        const QString sync = cfg.dialect().syncIdentitySql(QString::fromLatin1(table));
        if (!sync.isEmpty())
            data::Query(cfg, sync).open();
    }

    // The company schema is created by its first connection.
    data::TDM dm(config, server.workingDirectory());
    dm.setCompanyCode(QStringLiteral("SHOP"));
    dm.DMdata().open();
}

QStringList queryRows(data::Connection& connection, const QString& sql, const Columns& params)
{
    data::Query query(connection, sql);
    for (const auto& [name, value] : params)
        query.setParam(name, value);
    query.open();
    QStringList rows;
    for (; !query.eof(); query.next()) {
        QStringList columns;
        for (const QString& name : query.fieldNames())
            columns << query.field(name).asString();
        rows << columns.join(u'/');
    }
    return rows;
}

QStringList errorLog(data::Connection& configuration)
{
    return queryRows(configuration, QStringLiteral("SELECT ErrorMsg FROM ErrorLog ORDER BY Id"));
}

} // namespace kvr::test
