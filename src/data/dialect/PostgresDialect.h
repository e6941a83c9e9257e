#pragma once

#include "data/dialect/Dialect.h"

namespace kvr::data {

// PostgreSQL: the central server several counters share; one database per database name.
class PostgresDialect : public Dialect
{
public:
    ServerSpec::Backend backend() const override { return ServerSpec::Backend::Postgres; }
    QString qtDriver() const override { return QStringLiteral("QPSQL"); }
    void configure(QSqlDatabase& db, const ServerSpec& server, const QString& databaseName, const QString& user,
                   const QString& password) const override;
    QStringList sessionSetup() const override;
    QString physicalName(const ServerSpec& server, const QString& databaseName) const override;
    bool databaseExists(const ServerSpec& server, const QString& databaseName, const QString& user,
                        const QString& password) const override;
    void createDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                        const QString& password) const override;
    void dropDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                      const QString& password) const override;
    QStringList databaseSetup() const override;

    QString expandTypes(const QString& ddl) const override;
    QString reversedTrimmed(const QString& column) const override;
    QStringList afterBulkLoadSql(const QStringList& tables) const override;
    QString substringIndexSql(const QString& index, const QString& table, const QString& column,
                              const QStringList& listed) const override;
    QString lastIdentitySql() const override;
    QString now() const override;
    QString today() const override;
    QString dateOnly(const QString& expression) const override;
    // round(double precision, integer) does not exist: the value goes through NUMERIC.
    QString roundTo(const QString& expression, int places) const override;
    // LIKE compares case-sensitively except on CITEXT columns.
    QString likeNoCase(const QString& expression, const QString& pattern) const override;
    QString syncIdentitySql(const QString& table) const override;
    QString forUpdate() const override { return QStringLiteral(" FOR UPDATE"); }
    QStringList transactionSetup(const ServerSpec& server) const override;
    int answerLimit(const ServerSpec& server, bool saving) const override;
    int socketOf(const QSqlDatabase& db) const override;
    QString tableExistsSql() const override;
    QString columnExistsSql() const override;
    QString indexExistsSql() const override;
    DbFailureClass classify(const QSqlError& error, const QString& statement) const override;
};

} // namespace kvr::data
