#pragma once

namespace av {

// Runs the program from main(): reads the command line, hands over to a program already
// running in this desktop session, or starts the title screen. Returns the exit code.
int launch(int argc, char* argv[]);

} // namespace av
