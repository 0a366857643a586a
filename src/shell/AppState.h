#pragma once

namespace av {

// Program-wide state: one instance, owned by the application and handed to every window.
struct AppState {
    bool soundOn = false;     // silent until the menu or a test turns it on
    bool keepResults = false; // pupils' results are kept, and the teacher may see them
};

} // namespace av
