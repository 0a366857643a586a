// The main menu's entry to the teacher's window: there only while results are kept.
#include "KeyEvents.h"
#include "TestApp.h"
#include "views/MainMenuView.h"
#include "views/TitleScreenView.h"

#include "menu/MainMenu.h"
#include "program/Program.h"
#include "results/PupilsResultsScreen.h"
#include "shell/TitleScreen.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// Every widget of the menu as a screen reader and the keyboard meet it: name, place, caption.
QStringList menuAsMet(const MainMenu& menu) {
    QStringList seen;
    for (const QWidget* w : menu.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const Label*>(w);
        seen << QStringLiteral("%1 %2 %3 %4")
                    .arg(w->objectName())
                    .arg(QString::number(w->geometry().x()) + u',' +
                         QString::number(w->geometry().y()))
                    .arg(label ? label->caption() : QString())
                    .arg(w->isVisibleTo(&menu));
    }
    seen.sort();
    return seen;
}

MainMenu& openMenu(TestApp& t) {
    t.windows().show(QString::fromLatin1(TitleScreen::Name));
    TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
    processDeferredDeletes();
    return *t.windows().find<MainMenu>();
}

TEST(ResultsMenuEntryTest, WithResultsOffTheMenuIsExactlyAsItWas) {
    TestApp before;
    registerAllWindows(before.app());
    MainMenu& menu = openMenu(before);
    EXPECT_FALSE(MainMenuView(menu).entries().contains(int(MenuEntry::PupilsResults)));
    EXPECT_EQ(MainMenuView(menu).entries().size(), 19);

    TestApp on;
    registerAllWindows(on.app());
    on.state().keepResults = true;
    MainMenu& withResults = openMenu(on);
    const QStringList off = menuAsMet(menu);
    QStringList added = menuAsMet(withResults);
    for (const QString& line : off)
        added.removeOne(line);
    // The one difference results make: their entry.
    ASSERT_EQ(added.size(), 1) << qPrintable(added.join(u'\n'));
    EXPECT_TRUE(added[0].contains(QStringLiteral("Pupils' Results")));
    EXPECT_EQ(menu.tabStops().size() + 1, withResults.tabStops().size());
}

TEST(ResultsMenuEntryTest, TheEntrySitsUnderTheCatalogueClearOfExitAndOpensTheWindow) {
    TestApp t;
    registerAllWindows(t.app());
    t.state().keepResults = true;
    MainMenu& menu = openMenu(t);
    const Label& entry = MainMenuView(menu).entry(MenuEntry::PupilsResults);
    const Label& catalogue = MainMenuView(menu).entry(MenuEntry::WorksheetCatalogue);
    EXPECT_EQ(entry.caption(), QStringLiteral("Pupils' Results"));
    EXPECT_TRUE(entry.isCommand());
    EXPECT_EQ(entry.labelBackColor(), catalogue.labelBackColor());
    EXPECT_EQ(entry.fontSpec().size, catalogue.fontSpec().size);
    EXPECT_EQ(entry.fontSpec().bold, catalogue.fontSpec().bold);
    EXPECT_EQ(entry.Left(), catalogue.Left());
    EXPECT_GT(entry.Top(), catalogue.Top() + catalogue.Height());
    for (const Label* other : menu.findChildren<Label*>()) {
        if (other == &entry || !other->isCommand() || !other->isVisibleTo(&menu)) continue;
        EXPECT_FALSE(entry.geometry().intersects(other->geometry()))
            << qPrintable(other->caption());
    }
    EXPECT_LE(entry.geometry().bottom(), MainMenuView(menu).copyright().geometry().top());

    // By keyboard: Tab to it, Enter opens the teacher's window; Escape comes back.
    Window& active = activeWindow(t.windows(), MainMenu::Name);
    ASSERT_TRUE(tabTo(active, entry));
    key(active, Qt::Key_Return);
    ASSERT_TRUE(t.windows().isLoaded(QString::fromLatin1(PupilsResultsScreen::Name)));
    EXPECT_TRUE(t.windows().get<PupilsResultsScreen>().isVisible());
}

} // namespace
