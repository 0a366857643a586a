#include "TopicScreen.h"

#include "activities/ActivityDescriptions.h"
#include "activities/ActivityWindow.h"
#include "pages/PageViewer.h"
#include "quiz/QuizScreen.h"
#include "shell/Captions.h"
#include "shell/DrawAhead.h"
#include "shell/Glossary.h"
#include "shell/LinkLabels.h"

namespace av {
namespace {

constexpr float WindowWidth = 12000;

} // namespace

TopicScreen::TopicScreen(App& app, TopicRecord topic)
    : Screen(app, topic.window),
      topicTitle(add<Label>(QString::fromLatin1(glossary::topic::TopicTitle))),
      picture(add<Image>(QString::fromLatin1(glossary::topic::Picture))),
      m_topic(std::move(topic)) {
    applyCaption(topicTitle, {240, 0, 6240, 900}, m_topic.title, style::times(27.75, true),
                 style::Yellow, Label::Align::Left);

    picture.setBounds(2640, 840, 4800, 3600);
    picture.setBorder(true);
    picture.setDescription(m_topic.title);

    const QString name = QString::fromLatin1(glossary::topic::Links);
    const auto add = [&](TopicLink l, float left, float top, float width, const QString& caption) {
        addLink(*this, links, name, int(l), left, top, width, 495, caption);
    };
    add(TopicLink::KeyFacts, 6360, 120, 1995, QStringLiteral("Key Facts"));
    add(TopicLink::TeachersNotes, 8640, 120, 3195, QStringLiteral("Teacher's Notes"));
    add(TopicLink::MultipleChoice, 120, 7920, 3195, QStringLiteral("Multiple Choice"));
    add(TopicLink::LabellingActivity, 3600, 7920, 3195, QStringLiteral("Labelling Activity"));
    add(TopicLink::OrderingActivity, 7080, 7920, 3195, QStringLiteral("Ordering Activity"));
    add(TopicLink::Exit, 10560, 7920, 1245, QStringLiteral("Exit"));
    links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(TopicLink(i)); });
    links.connectEach(&Label::mouseMove, this,
                      [this](int i, const MouseArgs&) { onLinkHovered(TopicLink(i)); });
}

void TopicScreen::onLoad() {
    applyCommonFrame(*this, app());
    // A topic whose picture has gone still opens, with an empty frame where the picture was.
    loadPictureOrClear(picture, m_topic.picture);
    picture.setLeft((WindowWidth - picture.Width()) / 2);
}

// Key facts and teacher's notes open with their first page already drawn, and the activities
// with their pictures decoded.
void TopicScreen::cameForward() {
    drawPagesAhead(*this, {firstScreenPage(m_topic.keyFactsKey), firstScreenPage(m_topic.notesKey)},
                   OtherPages::LetGo);
    // An activity's window has this screen's frame, so its pictures have the same room.
    std::vector<PictureAhead> pictures;
    for (const ActivityDescription* activity : allActivities())
        if (activity->name == m_topic.labellingWindow || activity->name == m_topic.orderingWindow)
            for (const ActivityPicture& picture : activity->pictures) {
                const QPoint at(toPixels(picture.place.left), toPixels(picture.place.top));
                pictures.push_back({picture.file, PictureBox::imageRoom(size(), at), true});
            }
    decodePicturesAhead(*this, pictures);
}

void TopicScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(links, {{0, 5}});
}

void TopicScreen::onLinkHovered(TopicLink l) {
    hoverOn(link(l));
}

void TopicScreen::onLinkClicked(TopicLink l) {
    switch (l) {
    case TopicLink::MultipleChoice:
        if (!openQuiz()) return; // the error message ends the command
        break;
    case TopicLink::LabellingActivity:
        openActivity(m_topic.labellingWindow);
        break;
    case TopicLink::OrderingActivity:
        openActivity(m_topic.orderingWindow);
        break;
    case TopicLink::KeyFacts:
        openPages(m_topic.keyFactsKey);
        break;
    case TopicLink::TeachersNotes:
        openPages(m_topic.notesKey);
        break;
    case TopicLink::Exit:
        exitToMenu();
        break;
    default:
        return;
    }
    playSound(ClickSound);
}

bool TopicScreen::openQuiz() {
    // A missing or cut-short quiz must not open half filled; the catalogue says the same.
    const WorksheetLibrary::Opened quiz = app().worksheets.openTopicQuiz(m_topic.questionFile);
    if (!quiz.ok()) {
        app().services.messages.show(quiz.message, style::programTitle(),
                                     MessageBoxService::Buttons::Ok);
        return false;
    }
    app().windows.get<QuizScreen>().start(quiz.set, style::programTitle(), m_topic.quizPicture,
                                          false);
    return true;
}

void TopicScreen::openActivity(const QString& window) {
    auto& activity = dynamic_cast<ActivityWindow&>(app().windows.touch(window));
    activity.setHeading(topicTitle.caption());
    activity.showWindow();
}

void TopicScreen::openPages(const QString& key) {
    // The viewer reads both on its first load, which the touch below may run.
    state().pageCount = m_topic.pageCount;
    state().pageSetKey = key;
    PageViewer& viewer = app().windows.get<PageViewer>();
    viewer.loadPage(firstScreenPage(key), firstPrintPage(key));
    viewer.showWindow();
}

void TopicScreen::exitToMenu() {
    app().windows.show(QString::fromLatin1(glossary::window::MainMenu));
    unload();
}

} // namespace av
