#pragma once

#include "shell/App.h"

#include "platform/RuntimeError.h"
#include "platform/Timer.h"

namespace av {

// Tests look windows up as the window manager does. A widget of another window, by the window's and
// the widget's names. Touching it creates the window (running its onLoad) when it is not loaded, so
// settings made through it land after the window's own load and override it.
template <class T>
T& widgetOf(App& app, const QString& window, const QString& name, int index = -1) {
    T* widget = qobject_cast<T*>(app.windows.touch(window).widget(name, index));
    if (!widget) throw RuntimeError(RuntimeError::ObjectMissing, window + QLatin1Char('.') + name);
    return *widget;
}

// A timer of another window. Timers are no widgets: each window makes them children of itself
// named after their design name ("Timer1").
inline Timer& timerOf(App& app, const QString& window, const QString& name) {
    auto* timer = app.windows.touch(window).findChild<Timer*>(name);
    if (!timer) throw RuntimeError(RuntimeError::ObjectMissing, window + QLatin1Char('.') + name);
    return *timer;
}

} // namespace av
