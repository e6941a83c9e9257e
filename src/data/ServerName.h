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
    // Seconds a connect may wait for a server that does not answer.
    int connectTimeout = kDefaultConnectTimeout;
    // Seconds one statement of a saving transaction may take before the save is abandoned.
    int saveTimeout = kDefaultSaveTimeout;

    static constexpr int kDefaultConnectTimeout = 5;
    static constexpr int kDefaultSaveTimeout = 60;
    static ServerSpec parse(const QString& serverName, const QString& workingDirectory);
    // The server of a working folder: "Server.Dat" names it; "KVR.INI", section Database, may set
    // ConnectTimeout and SaveTimeout (seconds, 1 to 600).
    static ServerSpec ofWorkingDirectory(const QString& workingDirectory);
};

// The server name: the first line of "Server.Dat" in the folder, taken whole;
// "KVR" when the file is missing, unreadable or its first line is empty.
QString readServerName(const QString& workingDirectory);

} // namespace kvr::data
