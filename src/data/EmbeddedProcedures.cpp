#include "EmbeddedProcedures.h"

namespace data {

// Defined with the procedures of each area.
void registerConfigProcedures();
void registerNumberingProcedures();
void registerLedgerProcedures();
void registerReportProcedures();

void registerStandardProcedures()
{
    registerConfigProcedures();
    registerNumberingProcedures();
    registerLedgerProcedures();
    registerReportProcedures();
}

} // namespace data
