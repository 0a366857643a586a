#include "WorksheetWindows.h"

#include "shell/App.h"

namespace av {

void registerWorksheetWindows(App&) {}

} // namespace av
