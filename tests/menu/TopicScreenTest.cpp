#include "EventWait.h"
#include "Journal.h"
#include "views/PageViewerView.h"
#include "views/TopicScreenView.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageViewer.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "shell/Glossary.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace av {
// Failures name the topic rather than dumping the record's bytes.
void PrintTo(const TopicRecord& topic, std::ostream* out) {
    *out << topic.window.toStdString();
}
} // namespace av

namespace {

class TopicScreenTest : public ::testing::TestWithParam<TopicRecord> {
  protected:
    void SetUp() override {
        registerAllWindows(t.app());
        qApp->installEventFilter(&journal);
        t.state().soundOn = true;
    }
    void TearDown() override { qApp->removeEventFilter(&journal); }

    const TopicRecord& topic() const { return GetParam(); }
    TopicScreen& open() {
        t.windows().show(topic().window);
        journal.events.clear();
        t.pictures.loaded.clear();
        return static_cast<TopicScreen&>(t.windows().touch(topic().window));
    }
    QString shown(const QString& window) const {
        return window + QStringLiteral(" shown after 0 sounds");
    }
    void writeQuestions(const QString& title, int lines = 72) {
        QString path = topic().questionFile;
        t.writeFile(path.replace(QLatin1Char('\\'), QLatin1Char('/')), questionFile(title, lines));
    }

    TestApp t;
    Journal journal{t.sound.played};
};

TEST_P(TopicScreenTest, ShowsItsTitleAndSixLinks) {
    TopicScreen& screen = open();
    const TopicScreenView s(screen);
    EXPECT_EQ(screen.name(), topic().window);
    EXPECT_EQ(s.topicTitle().caption(), topic().title);
    const QStringList captions{QStringLiteral("Multiple Choice"),
                               QStringLiteral("Labelling Activity"),
                               QStringLiteral("Exit"),
                               QStringLiteral("Ordering Activity"),
                               QStringLiteral("Key Facts"),
                               QStringLiteral("Teacher's Notes")};
    ASSERT_EQ(s.links().size(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(s.link(TopicLink(i)).caption(), captions[i]);
}

TEST_P(TopicScreenTest, CentresItsPictureEvenWhenWiderThanTheWindow) {
    t.pictures.setSize(topic().picture, {6000, 4500});
    TopicScreen& s = open();
    EXPECT_FLOAT_EQ(TopicScreenView(s).picture().Width(), 6000);
    EXPECT_FLOAT_EQ(TopicScreenView(s).picture().Left(), 3000);
    EXPECT_FLOAT_EQ(TopicScreenView(s).picture().Top(), 840);
    s.unload();
    processDeferredDeletes();

    t.pictures.setSize(topic().picture, {15000, 3000});
    EXPECT_FLOAT_EQ(TopicScreenView(open()).picture().Left(), -1500);
}

TEST_P(TopicScreenTest, MissingPictureLeavesAnEmptyCentredFrameAndAWorkingScreen) {
    t.pictures.setMissing(topic().picture);
    const TopicScreenView s(open());
    EXPECT_EQ(s.picture().picture(), nullptr);
    EXPECT_FLOAT_EQ(s.picture().Left(), 3600);
    s.link(TopicLink::Exit).click();
    EXPECT_TRUE(t.windows().isLoaded(QString::fromLatin1(MainMenu::Name)));
    EXPECT_FALSE(t.windows().isLoaded(topic().window));
    EXPECT_EQ(t.sound.played.last(), ClickSound);
}

TEST_P(TopicScreenTest, PageLinksOpenTheViewerWithTheirSet) {
    for (const TopicLink link : {TopicLink::KeyFacts, TopicLink::TeachersNotes}) {
        const QString key = link == TopicLink::KeyFacts ? topic().keyFactsKey : topic().notesKey;
        TopicScreenView(open()).link(link).click();
        auto* viewer = t.windows().find<PageViewer>();
        ASSERT_NE(viewer, nullptr) << int(link);
        EXPECT_EQ(PageViewerView(*viewer).pageNumber().caption(), pageCaption(1, 3));
        EXPECT_EQ(viewer->pageSet().key, key);
        EXPECT_EQ(journal.events, QStringList{shown(QString::fromLatin1(win::PageViewer))})
            << int(link);
        EXPECT_EQ(t.pictures.loaded,
                  (QStringList{QStringLiteral("wmf\\") + key + QStringLiteral("a.wmf"),
                               QStringLiteral("wmf2\\") + key + QStringLiteral("a.wmf")}));
        EXPECT_EQ(t.sound.played, QStringList{ClickSound});
        t.sound.played.clear();
        t.windows().unload(QString::fromLatin1(win::PageViewer));
        processDeferredDeletes();
    }
}

TEST_P(TopicScreenTest, ActivitiesTakeTheTopicsTitleAsTheirHeading) {
    const TopicScreenView s(open());
    const std::pair<TopicLink, QString> links[] = {
        {TopicLink::LabellingActivity, topic().labellingWindow},
        {TopicLink::OrderingActivity, topic().orderingWindow}};
    for (const auto& [link, window] : links) {
        journal.events.clear();
        t.sound.played.clear();
        s.link(link).click();
        auto* activity = t.windows().loaded(window);
        ASSERT_NE(activity, nullptr) << window.toStdString();
        // Set after the activity's own load, which would otherwise have the last word.
        EXPECT_EQ(dynamic_cast<ActivityWindow&>(*activity).heading().caption(), topic().title);
        EXPECT_EQ(journal.events, QStringList{shown(window)});
        EXPECT_EQ(t.sound.played, QStringList{ClickSound});
    }
}

// Once the topic's frame is out its labelling activity's pictures are decoded, for the boxes
// the activity's window then asks for, and let go with the topic.
TEST_P(TopicScreenTest, DecodesItsActivitysPicturesAheadForTheBoxesTheyAreShownIn) {
    TopicScreen& s = open();
    EXPECT_TRUE(t.pictures.ahead.empty()) << "nothing is read before the frame";
    ASSERT_TRUE(runUntil([&] { return !t.pictures.ahead.empty(); }, 2000));
    for (const auto& request : t.pictures.ahead)
        EXPECT_EQ(request.holder, &s) << request.path.toStdString();

    t.pictures.asked.clear();
    TopicScreenView(s).link(TopicLink::LabellingActivity).click();
    ASSERT_EQ(t.pictures.asked.size(), t.pictures.ahead.size());
    for (size_t i = 0; i < t.pictures.ahead.size(); ++i) {
        const auto& before = t.pictures.ahead[i];
        const auto& shown = t.pictures.asked[i];
        EXPECT_EQ(before.path, shown.path);
        EXPECT_EQ(before.box, shown.box) << shown.path.toStdString();
        EXPECT_EQ(before.crop, shown.crop) << shown.path.toStdString();
    }
}

TEST_P(TopicScreenTest, MultipleChoiceLoadsTheQuestionsBeforeTheQuizOpens) {
    writeQuestions(QStringLiteral("Quiz about ") + topic().title);
    TopicScreenView(open()).link(TopicLink::MultipleChoice).click();
    EXPECT_EQ(t.windows().get<QuizScreen>().questionSet().question(10).text,
              QStringLiteral("Question 10"));
    EXPECT_EQ(journal.events, QStringList{shown(QString::fromLatin1(win::Quiz))});
    auto* quiz = t.windows().find<QuizScreen>();
    ASSERT_NE(quiz, nullptr);
    // The quiz shows the set's title from its load, so the questions were read before it.
    EXPECT_EQ(quiz->quizTitle().caption(), QStringLiteral("Quiz about ") + topic().title);
    EXPECT_EQ(t.pictures.loaded, QStringList{topic().quizPicture});
    EXPECT_NE(quiz->topicPicture().picture(), nullptr);
    EXPECT_EQ(quiz->topicHeading().caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(t.sound.played, QStringList{ClickSound});
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST_P(TopicScreenTest, MissingOrShortQuestionFileSaysSoAndKeepsTheQuizShut) {
    for (const int lines : {0, 30}) {
        if (lines > 0) writeQuestions(QStringLiteral("Cut short"), lines);
        TopicScreenView(open()).link(TopicLink::MultipleChoice).click();
        ASSERT_EQ(t.messages.shown.size(), 1u) << lines;
        EXPECT_EQ(t.messages.shown[0].text,
                  QStringLiteral("This worksheet seems to be corrupted."));
        EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
        EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::Quiz)));
        EXPECT_TRUE(t.sound.played.isEmpty());
        EXPECT_TRUE(t.windows().isLoaded(topic().window));
        t.messages.shown.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Topics, TopicScreenTest, ::testing::Values(pyramidsTopic(), wordsTopic()),
                         [](const auto& info) {
                             return std::string(
                                 glossary::roleOfWindow(info.param.window.toStdString()));
                         });

} // namespace
