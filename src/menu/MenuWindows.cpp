#include "MenuWindows.h"

#include "MainMenu.h"
#include "TopicScreen.h"

#include "shell/App.h"

namespace av {

void registerMenuWindows(App& app) {
    app.windows.define(QString::fromLatin1(MainMenu::Name), [&app] { return new MainMenu(app); });
    for (const TopicRecord& topic : {pyramidsTopic(), wordsTopic()})
        app.windows.define(topic.window, [&app, topic] { return new TopicScreen(app, topic); });
}

} // namespace av
