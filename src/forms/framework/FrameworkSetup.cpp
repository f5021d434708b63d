#include "FrameworkSetup.h"

namespace framework {

void install() {}

} // namespace framework
