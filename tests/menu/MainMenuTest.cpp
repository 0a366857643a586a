#include "Journal.h"
#include "views/MainMenuView.h"
#include "views/PageViewerView.h"
#include "views/TitleScreenView.h"
#include "views/TopicScreenView.h"

#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"
#include "program/Program.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetCatalogue.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

const QString Click = ClickSound;

class MainMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerAllWindows(t.app());
        qApp->installEventFilter(&journal);
    }
    void TearDown() override { qApp->removeEventFilter(&journal); }

    // Opens the menu the pupil's way, from the title screen, and forgets what that took.
    MainMenu& openMenu() {
        t.windows().show(QString::fromLatin1(TitleScreen::Name));
        TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
        processDeferredDeletes();
        t.sound.played.clear();
        t.pictures.loaded.clear();
        journal.events.clear();
        return *t.windows().find<MainMenu>();
    }
    bool loaded(const char* name) { return t.windows().isLoaded(QString::fromLatin1(name)); }
    void writeRegister(int count, int names) {
        QByteArray text = " " + QByteArray::number(count) + " \r\n";
        for (int i = 1; i <= names; ++i)
            text += "Sheet " + QByteArray::number(i) + "\r\n";
        t.writeFile(QStringLiteral("multiple/track.txt"), text);
    }

    QStringList titles() { return t.app().worksheets.titles(); }

    TestApp t;
    Journal journal{t.sound.played};
};

TEST_F(MainMenuTest, LoadsWithItsEntriesSoundOnAndTheRegisterReaderArmed) {
    t.pictures.setSize(QStringLiteral("Images\\memnonsm.jpg"), {3000, 2250});
    t.windows().show(QString::fromLatin1(TitleScreen::Name));
    TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
    const MainMenuView m(*t.windows().find<MainMenu>());
    EXPECT_EQ(t.state().soundOn, 1);
    EXPECT_TRUE(m.soundOnOption().isChecked());
    EXPECT_TRUE(m.registerTimer().isEnabled());
    EXPECT_EQ(m.registerTimer().interval(), 1);
    EXPECT_EQ(m.pictureFrame().backColor(), QColor(0, 78, 152));
    EXPECT_EQ(m.soundOffOption().backColor(), QColor(0, 78, 152));
    EXPECT_EQ(m.picture().parentWidget(), &m.pictureFrame());
    EXPECT_FLOAT_EQ(m.picture().Width(), 3000) << "the menu picture at its own size";

    std::set<int> indices;
    for (const auto& [i, label] : m.entries()) {
        indices.insert(i);
        const bool teachers = i >= 17;
        EXPECT_EQ(label->labelBackColor(), teachers ? QColor(0, 0, 128) : QColor(0, 0, 0)) << i;
        const double points = (i == 19 || i == 20) ? 14.25 : (i >= 16 ? 18 : 12);
        EXPECT_DOUBLE_EQ(label->fontSpec().size, points) << i;
        EXPECT_TRUE(label->isOpaque() && label->isEnabled() && label->fontSpec().bold) << i;
        EXPECT_FALSE(label->caption().isEmpty()) << i;
    }
    std::set<int> expected{15, 16, 17, 18, 19, 20};
    for (int i = 0; i <= 12; ++i)
        expected.insert(i);
    EXPECT_EQ(indices, expected);
    EXPECT_FLOAT_EQ(m.entry(MenuEntry::Exit).Left(), 10560);
    EXPECT_FLOAT_EQ(m.entry(MenuEntry::Exit).Top(), 7920);
}

TEST_F(MainMenuTest, RegisterIsReadOnceAfterTheMenuOpens) {
    writeRegister(2, 2);
    // Checked before any event runs: the timer's millisecond may pass in the first round.
    t.windows().show(QString::fromLatin1(TitleScreen::Name));
    TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
    const MainMenuView m(*t.windows().find<MainMenu>());
    EXPECT_EQ(titles().size(), 0) << "not yet: the timer reads it";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.registerTimer().isEnabled(); }, 2000));
    EXPECT_EQ(titles().size(), 2);
    EXPECT_EQ(titles().value(1), QStringLiteral("Sheet 2"));
    writeRegister(3, 3);
    QTest::qWait(20);
    EXPECT_EQ(titles().size(), 2) << "once per creation of the menu";
}

TEST_F(MainMenuTest, RegisterFailuresStopSilentlyKeepingWhatWasRead) {
    MainMenu& m = openMenu();
    writeRegister(1005, 1005);
    m.onRegisterTimerFired();
    EXPECT_EQ(titles().size(), 1000) << "the first thousand slots were read";
    EXPECT_EQ(titles().value(999), QStringLiteral("Sheet 1000"));
    EXPECT_FALSE(MainMenuView(m).registerTimer().isEnabled());

    // A register cut short: the slots it did not reach keep the titles from before.
    t.writeFile(QStringLiteral("multiple/track.txt"), " 5 \r\nNew 1\r\nNew 2\r\n");
    m.onRegisterTimerFired();
    ASSERT_EQ(titles().size(), 5);
    EXPECT_EQ(titles().value(1), QStringLiteral("New 2"));
    EXPECT_EQ(titles().value(2), QStringLiteral("Sheet 3")) << "from before";

    QFile::remove(t.folderPath() + QStringLiteral("/multiple/track.txt"));
    m.onRegisterTimerFired();
    EXPECT_EQ(titles().size(), 5);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST_F(MainMenuTest, SoundStaysOffThroughATopicAndComesBackOnThroughTheCatalogue) {
    MainMenu& m = openMenu();
    MainMenuView(m).soundOffOption().click();
    EXPECT_EQ(t.state().soundOn, 0);
    MainMenuView(m).entry(MenuEntry::Pyramids).click();
    ASSERT_NE(t.windows().loaded(QString::fromLatin1(glossary::window::PyramidsTopic)), nullptr);
    TopicScreenView(static_cast<TopicScreen&>(
                        t.windows().touch(QString::fromLatin1(glossary::window::PyramidsTopic))))
        .link(TopicLink::Exit)
        .click();
    processDeferredDeletes();
    EXPECT_EQ(t.windows().find<MainMenu>(), &m);
    EXPECT_FALSE(loaded(glossary::window::PyramidsTopic));
    EXPECT_EQ(t.state().soundOn, 0);
    EXPECT_TRUE(MainMenuView(m).soundOffOption().isChecked());
    EXPECT_TRUE(t.sound.played.isEmpty());

    MainMenuView(m).entry(MenuEntry::WorksheetCatalogue).click();
    EXPECT_FALSE(loaded(MainMenu::Name)) << "the catalogue closes the menu";
    processDeferredDeletes();
    t.windows().get<WorksheetCatalogue>().closeButtonPressed();
    MainMenu* fresh = t.windows().find<MainMenu>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(t.state().soundOn, 1);
    EXPECT_TRUE(MainMenuView(*fresh).soundOnOption().isChecked());
}

TEST_F(MainMenuTest, ExitThenCancelReturnsToTheSameMenuWithItsSoundSetting) {
    MainMenu& m = openMenu();
    MainMenuView(m).entry(MenuEntry::Exit).click();
    auto* title = t.windows().find<TitleScreen>();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(TitleScreenView(*title).okButton().text(), QStringLiteral("Cancel"));
    EXPECT_EQ(journal.events, QStringList{QStringLiteral("Titlefrm shown after 0 sounds")});
    EXPECT_EQ(t.sound.played, QStringList{Click});
    EXPECT_TRUE(loaded(MainMenu::Name));

    MainMenuView(m).soundOffOption().click();
    TitleScreenView(*title).okButton().click();
    processDeferredDeletes();
    EXPECT_EQ(t.windows().find<MainMenu>(), &m);
    EXPECT_EQ(t.state().soundOn, 0);
    EXPECT_FALSE(loaded(TitleScreen::Name));
}

TEST_F(MainMenuTest, TopicsOutsideThePackSayWhyAndClick) {
    MainMenu& m = openMenu();
    const QList<int> missing{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 15};
    for (int n = 0; n < missing.size(); ++n) {
        const int i = missing[n];
        MainMenuView(m).entry(MenuEntry(i)).click();
        ASSERT_EQ(t.messages.shown.size(), size_t(n + 1)) << i;
        const ShownMessage& shown = t.messages.shown.back();
        EXPECT_TRUE(shown.text.contains(MainMenuView(m).entry(MenuEntry(i)).caption())) << i;
        EXPECT_TRUE(shown.text.contains(QStringLiteral("not part of this pack"))) << i;
        EXPECT_EQ(shown.title, QStringLiteral("Ancient Velmora"));
        EXPECT_EQ(shown.buttons, MessageBoxService::Buttons::Ok);
        EXPECT_EQ(t.sound.played.size(), n + 1) << i;
    }
    EXPECT_TRUE(journal.events.isEmpty()) << journal.events.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenuTest, EntriesShowTheirWindowThenClick) {
    const std::pair<MenuEntry, const char*> entries[] = {
        {MenuEntry::Pyramids, glossary::window::PyramidsTopic},
        {MenuEntry::WordsAndNumbers, glossary::window::WordsTopic},
        {MenuEntry::QuizWizard, glossary::window::WorksheetWizard},
        {MenuEntry::WorksheetCatalogue, glossary::window::WorksheetCatalogue}};
    for (const auto& [entry, window] : entries) {
        MainMenu& m = t.windows().isLoaded(QString::fromLatin1(MainMenu::Name))
                          ? *t.windows().find<MainMenu>()
                          : openMenu();
        t.sound.played.clear();
        journal.events.clear();
        MainMenuView(m).entry(entry).click();
        const QString name = QString::fromLatin1(window);
        EXPECT_EQ(journal.events.last(), name + QStringLiteral(" shown after 0 sounds"));
        EXPECT_EQ(t.sound.played, QStringList{Click}) << window;
        EXPECT_EQ(loaded(MainMenu::Name), entry != MenuEntry::WorksheetCatalogue) << window;
        t.windows().unload(name);
        processDeferredDeletes();
    }
}

TEST_F(MainMenuTest, AcknowledgmentsDressThePageViewerInOrder) {
    MainMenu& m = openMenu();
    MainMenuView(m).entry(MenuEntry::Acknowledgments).click();
    auto* found = t.windows().find<PageViewer>();
    ASSERT_NE(found, nullptr);
    const PageViewerView viewer(*found);
    EXPECT_TRUE(viewer.pageNumber().isHidden());
    EXPECT_FALSE(viewer.link(PageWindow::ExitLink).isHidden());
    EXPECT_TRUE(viewer.link(PageWindow::NextLink).isHidden());
    EXPECT_TRUE(viewer.link(PageWindow::PreviousLink).isHidden());
    EXPECT_EQ(t.pictures.loaded, (QStringList{QStringLiteral("wmf\\acknowledgments.wmf"),
                                              QStringLiteral("logo\\marlowind2.bmp"),
                                              QStringLiteral("wmf2\\acknowledgments.wmf")}));
    EXPECT_NE(viewer.pageBox().picture(), nullptr);
    EXPECT_NE(viewer.publisherLogo().picture(), nullptr);
    EXPECT_NE(viewer.printBox().picture(), nullptr);
    EXPECT_EQ(found->backColor(), QColor(49, 130, 212)) << "after the viewer's own frame";
    EXPECT_TRUE(viewer.logoTimer().isEnabled());
    EXPECT_EQ(viewer.pageNumber().caption(), pageCaption(1, 0)) << "loaded with no page set";
    EXPECT_TRUE(found->pageSet().key.isEmpty());
    EXPECT_EQ(journal.events, QStringList{QStringLiteral("teacher shown after 0 sounds")});
    EXPECT_EQ(t.sound.played, QStringList{Click});
}

TEST_F(MainMenuTest, TeachersGuideOpensAtPageOne) {
    MainMenu& m = openMenu();
    t.pictures.setMissing(QStringLiteral("wmf2\\guide1.wmf"));
    MainMenuView(m).entry(MenuEntry::TeachersGuide).click();
    auto* guide = t.windows().find<TeachersGuide>();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("wmf\\guide1.wmf")});
    EXPECT_NE(PageWindowView(*guide).pageBox().picture(), nullptr);
    EXPECT_EQ(PageWindowView(*guide).printBox().picture(), nullptr)
        << "a missing page leaves the box empty";
    EXPECT_EQ(guide->page(), 1);
    EXPECT_EQ(journal.events.last(), QStringLiteral("guide shown after 0 sounds"));
    EXPECT_EQ(t.sound.played, QStringList{Click});

    // Opened again while still open at page 4, it goes back to page 1.
    for (int i = 0; i < 3; ++i)
        PageWindowView(*guide).link(PageWindow::NextLink).click();
    ASSERT_EQ(guide->page(), 4);
    t.pictures.loaded.clear();
    MainMenuView(m).entry(MenuEntry::TeachersGuide).click();
    EXPECT_EQ(t.windows().find<TeachersGuide>(), guide);
    EXPECT_EQ(guide->page(), 1);
    ASSERT_FALSE(t.pictures.loaded.isEmpty());
    EXPECT_EQ(t.pictures.loaded.first(), QStringLiteral("wmf\\guide1.wmf"));
}

} // namespace
