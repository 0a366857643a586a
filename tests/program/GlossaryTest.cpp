// The glossary is the one place that ties role names to the designer names windows are looked
// up by, so every entry must name a widget or timer its loaded window really holds.
#include "ShippedQuizzes.h"
#include "TestApp.h"

#include "platform/Timer.h"
#include "program/Program.h"
#include "shell/Glossary.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

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

// A window may be listed with several tables (the activities share one), so its entries are
// gathered from all of them.
std::vector<glossary::Entry> entriesOf(const char* window) {
    std::vector<glossary::Entry> all;
    for (const glossary::WindowEntries& w : glossary::AllWindows)
        if (std::string_view(w.window) == window)
            all.insert(all.end(), w.widgets.begin(), w.widgets.end());
    return all;
}

QString objectNameOf(const glossary::Entry& entry) {
    const QString object = QString::fromLatin1(entry.object);
    return entry.index < 0 ? object : object + QStringLiteral("(%1)").arg(entry.index);
}

TEST(GlossaryTest, RoleAndObjectNamesAreUniqueWithinAWindow) {
    for (const glossary::WindowEntries& w : glossary::AllWindows) {
        const std::vector<glossary::Entry> all = entriesOf(w.window);
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j) {
                EXPECT_STRNE(all[i].role, all[j].role) << w.window;
                EXPECT_NE(objectNameOf(all[i]), objectNameOf(all[j]))
                    << w.window << " " << all[j].role;
            }
    }
}

// The other way round for the activity windows, whose widgets come from their descriptions:
// every widget such a window registers has a role in the glossary.
TEST(GlossaryTest, EveryWidgetOfAnActivityWindowHasARole) {
    TestApp t;
    registerAllWindows(t.app());
    for (const char* name :
         {glossary::window::PyramidsLabelling, glossary::window::PyramidsOrdering,
          glossary::window::WordsLabelling, glossary::window::WordsOrdering}) {
        QStringList listed;
        for (const glossary::Entry& entry : entriesOf(name))
            listed << objectNameOf(entry);
        Window& window = t.windows().touch(QString::fromLatin1(name));
        int registered = 0;
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (child->objectName().isEmpty() || window.widget(child->objectName()) != child)
                continue;
            ++registered;
            EXPECT_TRUE(listed.contains(child->objectName()))
                << name << ": " << child->objectName().toStdString();
        }
        EXPECT_EQ(registered, listed.size()) << name;
        t.windows().unload(QString::fromLatin1(name));
        processDeferredDeletes();
    }
}

} // namespace
