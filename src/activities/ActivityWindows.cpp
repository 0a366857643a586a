#include "ActivityWindows.h"

#include "ActivityDescriptions.h"
#include "ActivityWindow.h"

#include "shell/App.h"

namespace av {

void registerActivityWindows(App& app) {
    for (const ActivityDescription* description : allActivities())
        app.windows.define(description->name,
                           [&app, description] { return new ActivityWindow(app, *description); });
}

} // namespace av
