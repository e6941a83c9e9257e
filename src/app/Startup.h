#pragma once

#include "app/FunctionTable.h"

namespace kvr::app {

// Exit codes of a run; the suite's menu program only tells zero from the rest.
enum ExitCode { ExitOk = 0, ExitStartupError = 1, ExitBadParameters = 2 };

// The whole run: parameters, splash, data modules, rights, company, the one function, the loop.
int runProgram(int argc, char** argv, const FunctionTable& functions);

} // namespace kvr::app
