#pragma once

#include <QCoreApplication>

namespace kvr::test {

// Timers, queued calls and the serial ports' polls want an application object. Tests without
// windows make the plain one when they first need it, for the rest of the run; window tests
// already have the program's own.
inline void ensureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "kvr-test";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

} // namespace kvr::test
