#include "data/procedures/Procedures.h"

namespace kvr::data {

void registerCompanyProcedures();
void registerConfigProcedures();

void registerSuiteProcedures()
{
    registerCompanyProcedures();
    registerConfigProcedures();
}

} // namespace kvr::data
