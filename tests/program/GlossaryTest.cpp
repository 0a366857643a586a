// The glossary is the one place that ties role names to the designer names windows are looked
// up by, so every entry must name a widget or timer its loaded window really holds.
#include "ShippedQuizzes.h"
#include "TestApp.h"

#include "platform/Timer.h"
#include "program/Program.h"
#include "shell/Glossary.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

bool holds(Window& window, const glossary::Entry& entry) {
    const QString object = QString::fromLatin1(entry.object);
    if (window.widget(object, entry.index)) return true;
    return entry.index < 0 && window.findChild<Timer*>(object) != nullptr;
}

TEST(GlossaryTest, EveryEntryIsFoundOnItsLoadedWindow) {
    TestApp t;
    registerAllWindows(t.app());
    copyShippedQuizzes(t);
    t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    int checked = 0;
    for (const glossary::WindowEntries& w : glossary::AllWindows) {
        Window& window = t.windows().touch(QString::fromLatin1(w.window));
        for (const glossary::Entry& entry : w.widgets) {
            EXPECT_TRUE(holds(window, entry))
                << w.window << ": " << entry.object << "(" << entry.index << ") for " << entry.role;
            ++checked;
        }
        t.windows().unload(QString::fromLatin1(w.window));
        processDeferredDeletes();
    }
    EXPECT_GE(checked, int(std::size(glossary::AllWindows)));
}

TEST(GlossaryTest, RoleNamesAreUniqueWithinAWindow) {
    for (const glossary::WindowEntries& w : glossary::AllWindows) {
        for (size_t i = 0; i < w.widgets.size(); ++i)
            for (size_t j = i + 1; j < w.widgets.size(); ++j)
                EXPECT_STRNE(w.widgets[i].role, w.widgets[j].role) << w.window;
    }
}

} // namespace
