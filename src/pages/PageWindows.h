#pragma once

namespace av {

class App;

// Makes the page viewer and the teachers' guide known to the window manager.
void registerPageWindows(App& app);

} // namespace av
