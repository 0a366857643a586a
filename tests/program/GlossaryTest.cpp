// The glossary is the one place that ties role names to the designer names windows are looked
// up by, so every entry must name a widget or timer its loaded window really holds.
#include "ShippedQuizzes.h"
#include "TestApp.h"

#include "platform/Timer.h"
#include "program/Program.h"
#include "shell/Glossary.h"

#include <gtest/gtest.h>
#include <set>
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

// The names a loaded window answers to: its registered widgets and its timers.
QStringList namesOn(Window& window) {
    QStringList names;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && window.widget(child->objectName()) == child)
            names << child->objectName();
    for (Timer* timer : window.findChildren<Timer*>())
        names << timer->objectName();
    names.sort();
    return names;
}

// The other way round: every widget and timer a loaded window holds has its role here, so
// the glossary is each window's whole vocabulary (the activities' comes from their
// descriptions, which are easily changed without a look at it).
TEST(GlossaryTest, EveryWidgetOfEveryWindowHasARole) {
    TestApp t;
    registerAllWindows(t.app());
    copyShippedQuizzes(t);
    t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    QStringList done;
    for (const glossary::WindowEntries& w : glossary::AllWindows) {
        const QString name = QString::fromLatin1(w.window);
        if (done.contains(name)) continue;
        done << name;
        QStringList listed;
        for (const glossary::Entry& entry : entriesOf(w.window))
            listed << objectNameOf(entry);
        listed.sort();
        const QStringList held = namesOn(t.windows().touch(name));
        EXPECT_EQ(held.join(QLatin1Char(' ')).toStdString(),
                  listed.join(QLatin1Char(' ')).toStdString())
            << w.window;
        t.windows().unload(name);
        processDeferredDeletes();
    }
    EXPECT_EQ(done.size(), 15) << "every window but the backdrop";
}

} // namespace

// Test names and messages speak of windows by role; each id has one role and no two share it.
TEST(GlossaryTest, EveryWindowHasOneRole) {
    std::set<std::string> roles;
    for (const glossary::WindowEntries& w : glossary::AllWindows)
        EXPECT_STRNE(glossary::roleOfWindow(w.window), "") << w.window;
    for (const glossary::WindowRole& w : glossary::WindowRoles)
        EXPECT_TRUE(roles.insert(w.role).second) << w.role;
}
