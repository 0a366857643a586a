#pragma once

namespace av {

class App;

// Makes the four drag-and-drop activities known to the window manager.
void registerActivityWindows(App& app);

} // namespace av
