#include "Journal.h"

#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"
#include "program/Program.h"
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
        t.windows().get<TitleScreen>().Command1.click();
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

    TestApp t;
    Journal journal{t.sound.played};
};

TEST_F(MainMenuTest, LoadsWithItsEntriesSoundOnAndTheRegisterReaderArmed) {
    t.pictures.setSize(QStringLiteral("Images\\memnonsm.jpg"), {3000, 2250});
    t.windows().show(QString::fromLatin1(TitleScreen::Name));
    t.windows().get<TitleScreen>().Command1.click();
    MainMenu& m = *t.windows().find<MainMenu>();
    EXPECT_EQ(t.state().soundOn, 1);
    EXPECT_TRUE(m.Option1.isChecked());
    EXPECT_TRUE(m.Timer1.isEnabled());
    EXPECT_EQ(m.Timer1.interval(), 1);
    EXPECT_EQ(m.Frame1.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(m.Option2.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(m.Image1.parentWidget(), &m.Frame1);
    EXPECT_FLOAT_EQ(m.Image1.Width(), 3000) << "the menu picture at its own size";

    std::set<int> indices;
    for (const auto& [i, label] : m.Label2) {
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
    EXPECT_FLOAT_EQ(m.Label2[16].Left(), 10560);
    EXPECT_FLOAT_EQ(m.Label2[16].Top(), 7920);
}

TEST_F(MainMenuTest, HoverHighlightsOneEntryAndTheBackgroundClearsThemAll) {
    MainMenu& m = openMenu();
    m.onPointerOverBackground(MouseArgs{});
    for (const auto& [i, label] : m.Label2)
        EXPECT_FALSE(label->isOpaque()) << i;
    emit m.Label2[20].mouseMove(MouseArgs{});
    EXPECT_TRUE(m.Label2[20].isOpaque());
    EXPECT_FALSE(m.Label2[19].isOpaque());
}

TEST_F(MainMenuTest, RegisterIsReadOnceAfterTheMenuOpens) {
    writeRegister(2, 2);
    MainMenu& m = openMenu();
    EXPECT_EQ(t.state().registerCount, 0) << "not yet: the timer reads it";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.Timer1.isEnabled(); }, 2000));
    EXPECT_EQ(t.state().registerCount, 2);
    EXPECT_EQ(t.state().registerNames[2], QStringLiteral("Sheet 2"));
    writeRegister(3, 3);
    QTest::qWait(20);
    EXPECT_EQ(t.state().registerCount, 2) << "once per creation of the menu";
}

TEST_F(MainMenuTest, RegisterFailuresStopSilentlyKeepingWhatWasRead) {
    MainMenu& m = openMenu();
    writeRegister(1005, 1005);
    m.Timer1_Timer();
    EXPECT_EQ(t.state().registerCount, 1005);
    EXPECT_EQ(t.state().registerNames[1000], QStringLiteral("Sheet 1000"));
    EXPECT_FALSE(t.app().file1.isOpen());
    EXPECT_FALSE(m.Timer1.isEnabled());

    t.state().registerNames[3] = QStringLiteral("from before");
    writeRegister(5, 2);
    m.Timer1_Timer();
    EXPECT_EQ(t.state().registerCount, 5);
    EXPECT_EQ(t.state().registerNames[2], QStringLiteral("Sheet 2"));
    EXPECT_EQ(t.state().registerNames[3], QStringLiteral("from before"));
    EXPECT_FALSE(t.app().file1.isOpen());

    QFile::remove(t.folderPath() + QStringLiteral("/multiple/track.txt"));
    m.Timer1_Timer();
    EXPECT_EQ(t.state().registerCount, 5);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST_F(MainMenuTest, SoundStaysOffThroughATopicAndComesBackOnThroughTheCatalogue) {
    MainMenu& m = openMenu();
    m.Option2.click();
    EXPECT_EQ(t.state().soundOn, 0);
    m.Label2[5].click();
    ASSERT_NE(t.windows().loaded(QStringLiteral("pyramids")), nullptr);
    static_cast<TopicScreen&>(t.windows().touch(QStringLiteral("pyramids"))).label3[2].click();
    processDeferredDeletes();
    EXPECT_EQ(t.windows().find<MainMenu>(), &m);
    EXPECT_FALSE(loaded("pyramids"));
    EXPECT_EQ(t.state().soundOn, 0);
    EXPECT_TRUE(m.Option2.isChecked());
    EXPECT_TRUE(t.sound.played.isEmpty());

    m.Label2[18].click();
    EXPECT_FALSE(loaded("intro0")) << "the catalogue closes the menu";
    processDeferredDeletes();
    t.windows().get<WorksheetCatalogue>().closeButtonPressed();
    MainMenu* fresh = t.windows().find<MainMenu>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(t.state().soundOn, 1);
    EXPECT_TRUE(fresh->Option1.isChecked());
}

TEST_F(MainMenuTest, ExitThenCancelReturnsToTheSameMenuWithItsSoundSetting) {
    MainMenu& m = openMenu();
    m.Label2[MainMenu::ExitEntry].click();
    auto* title = t.windows().find<TitleScreen>();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Command1.text(), QStringLiteral("Cancel"));
    EXPECT_EQ(journal.events, QStringList{QStringLiteral("Titlefrm shown after 0 sounds")});
    EXPECT_EQ(t.sound.played, QStringList{Click});
    EXPECT_TRUE(loaded("intro0"));

    m.Option2.click();
    title->Command1.click();
    processDeferredDeletes();
    EXPECT_EQ(t.windows().find<MainMenu>(), &m);
    EXPECT_EQ(t.state().soundOn, 0);
    EXPECT_FALSE(loaded("Titlefrm"));
}

TEST_F(MainMenuTest, TopicsOutsideThePackSayWhyAndClick) {
    MainMenu& m = openMenu();
    const QList<int> missing{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 15};
    for (int n = 0; n < missing.size(); ++n) {
        const int i = missing[n];
        m.Label2[i].click();
        ASSERT_EQ(t.messages.shown.size(), size_t(n + 1)) << i;
        const ShownMessage& shown = t.messages.shown.back();
        EXPECT_TRUE(shown.text.contains(m.Label2[i].caption())) << i;
        EXPECT_TRUE(shown.text.contains(QStringLiteral("not part of this pack"))) << i;
        EXPECT_EQ(shown.title, QStringLiteral("Ancient Velmora"));
        EXPECT_EQ(shown.buttons, MessageBoxService::Buttons::Ok);
        EXPECT_EQ(t.sound.played.size(), n + 1) << i;
    }
    EXPECT_TRUE(journal.events.isEmpty()) << journal.events.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenuTest, EntriesShowTheirWindowThenClick) {
    const std::pair<int, const char*> entries[] = {
        {5, "pyramids"}, {6, "words"}, {17, "wizard"}, {18, "worksheets"}};
    for (const auto& [index, window] : entries) {
        MainMenu& m = t.windows().isLoaded(QStringLiteral("intro0")) ? *t.windows().find<MainMenu>()
                                                                     : openMenu();
        t.sound.played.clear();
        journal.events.clear();
        m.Label2[index].click();
        const QString name = QString::fromLatin1(window);
        EXPECT_EQ(journal.events.last(), name + QStringLiteral(" shown after 0 sounds"));
        EXPECT_EQ(t.sound.played, QStringList{Click}) << window;
        EXPECT_EQ(loaded("intro0"), index != 18) << window;
        t.windows().unload(name);
        processDeferredDeletes();
    }
}

TEST_F(MainMenuTest, AcknowledgmentsDressThePageViewerInOrder) {
    MainMenu& m = openMenu();
    m.Label2[19].click();
    auto* viewer = t.windows().find<PageViewer>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Label1.isHidden());
    EXPECT_FALSE(viewer->label3[PageWindow::ExitLink].isHidden());
    EXPECT_TRUE(viewer->label3[PageWindow::NextLink].isHidden());
    EXPECT_TRUE(viewer->label3[PageWindow::PreviousLink].isHidden());
    EXPECT_EQ(t.pictures.loaded, (QStringList{QStringLiteral("wmf\\acknowledgments.wmf"),
                                              QStringLiteral("logo\\marlowind2.bmp"),
                                              QStringLiteral("wmf2\\acknowledgments.wmf")}));
    EXPECT_NE(viewer->Image1.picture(), nullptr);
    EXPECT_NE(viewer->Picture2.picture(), nullptr);
    EXPECT_NE(viewer->Image2.picture(), nullptr);
    EXPECT_EQ(viewer->backColor(), QColor(49, 130, 212)) << "after the viewer's own frame";
    EXPECT_TRUE(viewer->Timer1.isEnabled());
    EXPECT_EQ(viewer->Label1.caption(), pageCaption(1, 0)) << "loaded with no page set";
    EXPECT_TRUE(t.state().pageSetKey.isEmpty());
    EXPECT_EQ(journal.events, QStringList{QStringLiteral("teacher shown after 0 sounds")});
    EXPECT_EQ(t.sound.played, QStringList{Click});
}

TEST_F(MainMenuTest, TeachersGuideOpensAtPageOne) {
    MainMenu& m = openMenu();
    t.state().currentPage = 4;
    t.pictures.setMissing(QStringLiteral("wmf2\\guide1.wmf"));
    m.Label2[20].click();
    auto* guide = t.windows().find<TeachersGuide>();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("wmf\\guide1.wmf")});
    EXPECT_NE(guide->Image1.picture(), nullptr);
    EXPECT_EQ(guide->Image2.picture(), nullptr) << "a missing page leaves the box empty";
    EXPECT_EQ(t.state().currentPage, 1);
    EXPECT_EQ(journal.events.last(), QStringLiteral("guide shown after 0 sounds"));
    EXPECT_EQ(t.sound.played, QStringList{Click});
}

} // namespace
