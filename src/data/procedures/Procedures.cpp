#include "data/procedures/Procedures.h"

namespace kvr::data {

void registerCompanyProcedures();
void registerConfigProcedures();
void registerSerialProcedures();

void registerSuiteProcedures()
{
    registerCompanyProcedures();
    registerConfigProcedures();
    registerSerialProcedures();
}

} // namespace kvr::data
