#pragma once

#include "data/Connection.h"

#include <QString>
#include <chrono>

namespace kvr::data {

class TDM;

// The head office's database of the customer link (DBHead): another database on a server of the
// shop's own backend, named by the company's Config row (UseCustomerLinkHead, MainServerIP,
// MainDbName). Nothing is created or upgraded there; the shop only reads it.
//
// MainServerIP names the head office's server as the backend understands it:
//   PostgreSQL  "host" or "host:port"; without a port, the port of the shop's own server.
//   SQLite      the folder holding the head office's database file, relative to the shop's
//               database folder ("." for the same folder). A folder answers no probe, so it
//               counts as reachable when the database file is there: opening a missing SQLite
//               file would quietly create an empty one.
// An empty MainServerIP or MainDbName names no head office: it is never reachable.
class HeadOffice
{
public:
    // How hard the head office is probed before it is used.
    struct Probe
    {
        int attempts;
        std::chrono::milliseconds timeout;
    };
    static constexpr Probe kSearchProbe{4, std::chrono::milliseconds(1000)};
    static constexpr Probe kSyncProbe{3, std::chrono::milliseconds(1000)};

    explicit HeadOffice(TDM& dm);

    Connection& DBHead() { return m_dbHead; }
    // UseCustomerLinkHead is "Y".
    bool linkEnabled();
    // Closes DBHead, points it at the head office as configured now, probes the server and opens
    // the connection. False, with DBHead closed, when the head office is not configured, does
    // not answer within the probe or refuses the connection: the caller then works offline.
    bool connect(const Probe& probe);

private:
    QString configText(const char* field);
    bool answers(const ServerSpec& server, const QString& databaseName, const Probe& probe);
    // The shop goes on offline; the reason goes to the error log.
    void noteRefused(const QString& message);

    TDM& m_dm;
    Connection m_dbHead;
};

} // namespace kvr::data
