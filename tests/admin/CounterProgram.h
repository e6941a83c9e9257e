#pragma once

// What the programs share that play one counter or user in the tests of several acting at the same
// moment: the session they open, with no search dialogs, a prompter nobody answers, and the signal
// that lets them all go at once. Header-only: the programs link their screen library and nothing else.
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchRunner.h"
#include "support/UnansweredPrompter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>

namespace kvr::test {

class NoSearch : public search::SearchRunner
{
public:
    bool run(search::SearchScreen&) override { return false; }
};

// The cashier (user 1) on the sale menu item, on the company of the working folder, as a start
// of the program opens it; its screens open no search dialog.
struct CounterSession
{
    CounterSession(const QString& workDir, const QString& company)
        : config(workDir)
        , dm(config, workDir)
    {
        config.CheckRight(101, 1);
        config.GetCompanyConfig(company);
        dm.setCompanyCode(company);
    }

    data::TDMConfig config;
    data::TDM dm;
    NoSearch searches;
};

// Prints "ready" and waits for a line on standard input: the test sends it to every program at once.
inline void waitForGo()
{
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
}

// The main of such a program, whose arguments `usage` names, WORKDIR and COMPANY first: `act` runs
// on their session with every argument and returns the exit code. Wrong arguments end the program
// with exit code 2, an exception with 1.
inline int runCounter(int argc, char** argv, const char* usage,
                      const std::function<int(CounterSession&, const QStringList&)>& act)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != QString::fromLatin1(usage).count(QLatin1Char(' ')) + 1) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return 2;
    }
    try {
        CounterSession session(arguments[1], arguments[2]);
        return act(session, arguments);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

} // namespace kvr::test
