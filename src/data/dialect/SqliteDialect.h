#pragma once

#include "data/dialect/Dialect.h"

namespace kvr::data {

// SQLite: one file per database in the server's folder, shared by several counters through WAL.
class SqliteDialect : public Dialect
{
public:
    ServerSpec::Backend backend() const override { return ServerSpec::Backend::Sqlite; }
    QString qtDriver() const override { return QStringLiteral("QSQLITE"); }
    void configure(QSqlDatabase& db, const ServerSpec& server, const QString& databaseName, const QString& user,
                   const QString& password) const override;
    QStringList sessionSetup() const override;
    int sessionSetupRetryMs() const override;
    QString physicalName(const ServerSpec& server, const QString& databaseName) const override;
    bool databaseExists(const ServerSpec& server, const QString& databaseName, const QString& user,
                        const QString& password) const override;
    void createDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                        const QString& password) const override;
    void dropDatabase(const ServerSpec& server, const QString& databaseName, const QString& user,
                      const QString& password) const override;

    QString expandTypes(const QString& ddl) const override;
    QString reversedTrimmed(const QString& column) const override;
    QString lastIdentitySql() const override;
    QString now() const override;
    QString today() const override;
    QString dateOnly(const QString& expression) const override;
    // The write lock is taken at the start: a reader upgrading to writer in WAL mode can fail
    // with "database is locked" no matter how long it waits.
    QString beginTransactionSql() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString tableExistsSql() const override;
    QString columnExistsSql() const override;
    QString indexExistsSql() const override;
    DbFailureClass classify(const QSqlError& error, const QString& statement) const override;
    bool transactionAlreadyEnded(const QSqlError& error) const override;
};

} // namespace kvr::data
