#pragma once

#include <QString>

namespace kvr::data {

// Where the databases live, as named by the first line of "Server.Dat":
//   sqlite:DIR        one SQLite file per database in DIR (relative to the working directory)
//   pgsql:HOST[:PORT] a PostgreSQL server shared by several counters
//   anything else     a Microsoft SQL Server name (not supported by this build)
struct ServerSpec
{
    enum class Backend { Sqlite, Postgres, SqlServer };

    Backend backend = Backend::SqlServer;
    QString name; // the whole first line, trailing blanks included
    QString directory; // SQLite: absolute folder of the database files
    QString host; // PostgreSQL
    int port = 5432;

    static ServerSpec parse(const QString& serverName, const QString& workingDirectory);
};

// The server name: the first line of "Server.Dat" in the folder, taken whole;
// "KVR" when the file is missing, unreadable or its first line is empty.
QString readServerName(const QString& workingDirectory);

} // namespace kvr::data
