#pragma once

namespace av {

class App;

// Makes the main menu and the topic screens known to the window manager.
void registerMenuWindows(App& app);

} // namespace av
