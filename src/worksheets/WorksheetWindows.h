#pragma once

namespace av {

class App;

// Makes the wizard and the worksheet catalogue known to the window manager.
void registerWorksheetWindows(App& app);

} // namespace av
