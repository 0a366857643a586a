#pragma once

#include "App.h"

#include "platform/RuntimeError.h"

namespace av {

// A widget of another window, by the window's and the widget's names. Touching it creates the
// window (running its Form_Load) when it is not loaded, so settings made through it land after
// the window's own load and override it.
template <class T>
T& widgetOf(App& app, const QString& window, const QString& name, int index = -1) {
    T* widget = qobject_cast<T*>(app.windows.touch(window).widget(name, index));
    if (!widget)
        throw RuntimeError(RuntimeError::ObjectMissing, window + QLatin1Char('.') + name);
    return *widget;
}

} // namespace av
