#pragma once

#include "data/CachedDataset.h"

namespace kvr::pos {

// The "printed" mark of saved bills, set once their receipt is out.
class PrintedMarkStore
{
public:
    explicit PrintedMarkStore(data::Connection& connection);

    // Marks the bill of that number and type printed, in a transaction of its own; false when
    // there is no such bill. A database failure is raised, with nothing changed.
    bool markPrinted(const QString& number, const QString& posType);

private:
    data::Connection& m_connection;
    data::CachedDataset m_qPrint;
};

} // namespace kvr::pos
