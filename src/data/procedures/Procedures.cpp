#include "data/procedures/Procedures.h"

namespace kvr::data {

void registerCompanyProcedures();
void registerConfigProcedures();
void registerSerialProcedures();
void registerPrintProcedures();

void registerSuiteProcedures()
{
    registerCompanyProcedures();
    registerConfigProcedures();
    registerSerialProcedures();
    registerPrintProcedures();
}

} // namespace kvr::data
