#pragma once

namespace framework {

// Hands the form framework's services to the shared data module (the simple
// code search behind TDM::OpenSimpleSearch). Start-up and tests call it once.
void install();

} // namespace framework
