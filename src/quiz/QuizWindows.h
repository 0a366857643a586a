#pragma once

namespace av {

class App;

// Makes the quiz, results and wrong-answers screens known to the window manager.
void registerQuizWindows(App& app);

} // namespace av
