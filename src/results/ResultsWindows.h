#pragma once

namespace av {

class App;

// Registers the teacher's window of pupils' results with the application.
void registerResultsWindows(App& app);

} // namespace av
