#pragma once

namespace av {

// The program-wide settings, read by every window; what a screen shows it is handed by call.
struct AppState {
    bool soundOn = false;     // silent until the menu or a test turns it on
    bool keepResults = false; // pupils' results are kept, and the teacher may see them
};

} // namespace av
