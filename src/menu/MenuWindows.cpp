#include "MenuWindows.h"

#include "shell/App.h"

namespace av {

void registerMenuWindows(App&) {}

} // namespace av
