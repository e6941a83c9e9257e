#include "app/Startup.h"

int main(int argc, char** argv)
{
    return kvr::app::runProgram(argc, argv, kvr::app::FunctionTable::standard());
}
