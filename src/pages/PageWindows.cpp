#include "PageWindows.h"

#include "shell/App.h"

namespace av {

void registerPageWindows(App&) {}

} // namespace av
