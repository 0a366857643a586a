#include "ActivityWindows.h"

#include "shell/App.h"

namespace av {

void registerActivityWindows(App&) {}

} // namespace av
