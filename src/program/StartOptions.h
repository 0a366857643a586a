#pragma once

namespace av {

// What the command line asks of a start.
struct StartOptions {
    // End with code 0 once the title screen's first frame is on the display (for timing starts).
    bool quitAfterFirstFrame = false;
};

} // namespace av
