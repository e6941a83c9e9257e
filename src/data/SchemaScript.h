#pragma once

#include <QString>
#include <QStringList>

namespace kvr::data {

class Connection;

// A schema script: statements separated by lines holding only "/", each safe to run at every
// start. A statement may open with a guard line, which replaces the original server's
// "If Not Exists (Select ... From SysColumns ...) Begin ... End" in a form every backend can run:
//   IF NOT EXISTS TABLE Name
//   IF NOT EXISTS COLUMN Table.Column
//   IF NOT EXISTS INDEX Name
// Column types may use the tokens of Dialect::expandTypes().
class SchemaScript
{
public:
    explicit SchemaScript(const QStringList& lines);
    static SchemaScript fromText(const QString& text);
    static SchemaScript fromResource(const QString& path);

    const QStringList& statements() const { return m_statements; }
    // Each statement on its own, in order; the first failure raises and stops the script.
    void run(Connection& connection) const;

private:
    QStringList m_statements;
};

// The schema a database needs, versioned: when the stored version is older, the script runs in
// one transaction and the version advances; otherwise nothing happens.
void upgradeSchema(Connection& connection, const QString& schemaName, int version, const SchemaScript& script);

} // namespace kvr::data
