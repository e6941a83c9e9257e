#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/ServerName.h"
#include "data/dialect/Dialect.h"
#include "support/Files.h"
#include "support/RaisedMessage.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace kvr::data;
using kvr::test::writeFile;

TEST(ServerName, first_line_of_server_dat_names_the_server_and_kvr_stands_in_for_nothing)
{
    // What the file holds, if there is one, and the name read.
    const std::tuple<const char*, std::optional<QByteArray>, QString> cases[] = {
        {"missing file", std::nullopt, QStringLiteral("KVR")},
        {"empty first line", QByteArray("\r\nsqlite:db\r\n"), QStringLiteral("KVR")},
        {"windows line end", QByteArray("SHOP-SRV\r\nignored\r\n"), QStringLiteral("SHOP-SRV")},
        {"trailing blanks kept", QByteArray("pgsql:10.0.0.5  \n"), QStringLiteral("pgsql:10.0.0.5  ")},
        {"no line end", QByteArray("sqlite:data"), QStringLiteral("sqlite:data")},
        {"thai text", QByteArray("เครื่องแม่"), QStringLiteral("เครื่องแม่")},
    };
    for (const auto& [label, content, expected] : cases) {
        SCOPED_TRACE(label);
        QTemporaryDir dir;
        if (content) {
            ASSERT_TRUE(writeFile(QDir(dir.path()).filePath(QStringLiteral("Server.Dat")), *content));
        }
        EXPECT_EQ(readServerName(dir.path()), expected);
    }
}

TEST(ServerName, form_of_the_name_chooses_the_backend)
{
    const ServerSpec sqlite = ServerSpec::parse(QStringLiteral("sqlite:data/dbs"), QStringLiteral("/srv/pos"));
    EXPECT_EQ(sqlite.backend, ServerSpec::Backend::Sqlite);
    EXPECT_EQ(sqlite.directory, QStringLiteral("/srv/pos/data/dbs"));

    const ServerSpec absolute = ServerSpec::parse(QStringLiteral("sqlite:/var/lib/kvr"), QStringLiteral("/srv/pos"));
    EXPECT_EQ(absolute.directory, QStringLiteral("/var/lib/kvr"));

    // A host and port are read by every PostgreSQL test's connection; a host alone takes the default port.
    const ServerSpec pg = ServerSpec::parse(QStringLiteral("pgsql:central.shop"), QString());
    EXPECT_EQ(pg.backend, ServerSpec::Backend::Postgres);
    EXPECT_EQ(pg.port, 5432);
}

TEST(NamedParameters, become_positional_markers_outside_quotes_and_casts)
{
    // The statement, the statement sent and the parameters in the order of their markers.
    const std::tuple<QString, QString, QStringList> cases[] = {
        {QStringLiteral("UPDATE T SET A = :A WHERE Id = :OLD_Id AND B = :A"),
         QStringLiteral("UPDATE T SET A = ? WHERE Id = ? AND B = ?"),
         {QStringLiteral("A"), QStringLiteral("OLD_Id"), QStringLiteral("A")}},
        {QStringLiteral("SELECT 'time 10:30', \":x\" FROM T WHERE D = :D"),
         QStringLiteral("SELECT 'time 10:30', \":x\" FROM T WHERE D = ?"),
         {QStringLiteral("D")}},
        {QStringLiteral("SELECT 'it''s :no' || x::text FROM T"),
         QStringLiteral("SELECT 'it''s :no' || x::text FROM T"),
         {}},
        {QStringLiteral("SELECT :a1_b,:c"),
         QStringLiteral("SELECT ?,?"),
         {QStringLiteral("a1_b"), QStringLiteral("c")}},
    };
    for (const auto& [sql, expected, names] : cases) {
        SCOPED_TRACE(sql.toStdString());
        const TranslatedSql t = translateNamedParameters(sql);
        EXPECT_EQ(t.sql, expected);
        EXPECT_EQ(t.placeholders, names);
    }
}

TEST(ServerName, sql_server_is_refused_with_how_to_name_a_server)
{
    const QString message =
        kvr::test::raisedMessage<DbError>([] { Dialect::forBackend(ServerSpec::Backend::SqlServer); });
    EXPECT_TRUE(message.contains(QLatin1String("sqlite:FOLDER or pgsql:HOST[:PORT]"))) << message.toStdString();
}

TEST(StatementSlots, a_named_slot_is_empty_until_filled_and_keeps_its_name_when_other_lines_change)
{
    Connection connection(QStringLiteral("slots")); // never opened: only the text is built
    Query query(connection);
    query.setSqlLines({QStringLiteral("SELECT Code FROM Warehouse"), Query::slotLine(QStringLiteral("Condition")),
                       QStringLiteral("ORDER BY Code")});
    EXPECT_EQ(query.sqlText(), QStringLiteral("SELECT Code FROM Warehouse\n\nORDER BY Code"));
    query.setSlot(QStringLiteral("Condition"), QStringLiteral("WHERE Code LIKE :GetCode"));
    EXPECT_EQ(query.paramNames(), QStringList{QStringLiteral("GetCode")});
    query.setLine(2, QStringLiteral("ORDER BY 1 Desc"));
    query.setSlot(QStringLiteral("Condition"), QString());
    EXPECT_EQ(query.sqlText(), QStringLiteral("SELECT Code FROM Warehouse\n\nORDER BY 1 Desc"));
}

// How long the program waits on a server comes from KVR.INI; a silent server once cost ten
// seconds at every start, and a stalled one held a save for as long as it stalled.
TEST(ServerName, waits_on_the_server_are_set_in_kvr_ini_and_reach_the_connection)
{
    // KVR.INI, if there is one, and the connect and save time-outs read from it.
    const std::tuple<const char*, std::optional<QByteArray>, int, int> cases[] = {
        {"no KVR.INI", std::nullopt, ServerSpec::kDefaultConnectTimeout, ServerSpec::kDefaultSaveTimeout},
        {"both set", QByteArray("[Database]\r\nUser=kvr\r\nConnectTimeout = 2\r\nSaveTimeout=15\r\n"), 2, 15},
        {"not numbers, or out of range: the defaults", QByteArray("[Database]\nConnectTimeout=soon\nSaveTimeout=0\n"),
         ServerSpec::kDefaultConnectTimeout, ServerSpec::kDefaultSaveTimeout},
        {"another section", QByteArray("[SerialPorts]\nConnectTimeout=2\n"), ServerSpec::kDefaultConnectTimeout,
         ServerSpec::kDefaultSaveTimeout},
    };
    for (const auto& [label, ini, connect, save] : cases) {
        SCOPED_TRACE(label);
        QTemporaryDir dir;
        ASSERT_TRUE(writeFile(QDir(dir.path()).filePath(QStringLiteral("Server.Dat")), "pgsql:central.shop\n"));
        if (ini) {
            ASSERT_TRUE(writeFile(QDir(dir.path()).filePath(QStringLiteral("KVR.INI")), *ini));
        }
        const ServerSpec spec = ServerSpec::ofWorkingDirectory(dir.path());
        EXPECT_EQ(spec.host, QStringLiteral("central.shop"));
        EXPECT_EQ(spec.connectTimeout, connect);
        EXPECT_EQ(spec.saveTimeout, save);
    }

    ServerSpec spec = ServerSpec::parse(QStringLiteral("pgsql:central.shop"), QString());
    spec.connectTimeout = 3;
    const auto pg = Dialect::forBackend(ServerSpec::Backend::Postgres);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(pg->qtDriver(), QStringLiteral("options-only"));
        pg->configure(db, spec, QStringLiteral("SHOP"), QStringLiteral("kvr"), QString());
        const QStringList options = db.connectOptions().split(QLatin1Char(';'));
        EXPECT_TRUE(options.contains(QStringLiteral("connect_timeout=3"))) << db.connectOptions().toStdString();
        EXPECT_TRUE(options.contains(QStringLiteral("keepalives=1"))) << db.connectOptions().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("options-only"));
}
