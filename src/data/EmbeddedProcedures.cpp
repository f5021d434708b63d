#include "EmbeddedProcedures.h"

namespace data {

// Placeholder until the procedures of the two databases are written.
void registerStandardProcedures() {}

} // namespace data
