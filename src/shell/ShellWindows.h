#pragma once

namespace av {

class App;

// Makes the title screen and the backdrop known to the window manager.
void registerShellWindows(App& app);

} // namespace av
