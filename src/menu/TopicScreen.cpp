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
    : Screen(app, topic.window), m_topic(std::move(topic)),
      m_topicTitle(add<Label>(QString::fromLatin1(glossary::topic::TopicTitle))),
      m_picture(add<Image>(QString::fromLatin1(glossary::topic::Picture))) {
    applyCaption(m_topicTitle, {240, 0, 6240, 900}, m_topic.title, style::times(27.75, true),
                 style::Yellow, Label::Align::Left);

    m_picture.setBounds(2640, 840, 4800, 3600);
    m_picture.setBorder(true);
    m_picture.setDescription(m_topic.title);

    const QString name = QString::fromLatin1(glossary::topic::Links);
    const auto add = [&](TopicLink l, float left, float top, float width, const QString& caption) {
        addLink(*this, m_links, name, int(l), left, top, width, 495, caption);
    };
    add(TopicLink::KeyFacts, 6360, 120, 1995, QStringLiteral("Key Facts"));
    add(TopicLink::TeachersNotes, 8640, 120, 3195, QStringLiteral("Teacher's Notes"));
    add(TopicLink::MultipleChoice, 120, 7920, 3195, QStringLiteral("Multiple Choice"));
    add(TopicLink::LabellingActivity, 3600, 7920, 3195, QStringLiteral("Labelling Activity"));
    add(TopicLink::OrderingActivity, 7080, 7920, 3195, QStringLiteral("Ordering Activity"));
    add(TopicLink::Exit, 10560, 7920, 1245, QStringLiteral("Exit"));
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(TopicLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(TopicLink(i)); });
}

void TopicScreen::onLoad() {
    applyCommonFrame(*this, app());
    // A topic whose picture has gone still opens, with an empty frame where the picture was.
    loadPictureOrClear(m_picture, m_topic.picture);
    m_picture.setLeft((WindowWidth - m_picture.Width()) / 2);
}

// Key facts and teacher's notes open with their first page already drawn, and the activities
// with their pictures decoded.
void TopicScreen::cameForward() {
    drawPagesAhead(*this,
                   {screenPagePath(m_topic.keyFactsKey, 1), screenPagePath(m_topic.notesKey, 1)},
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
    hoverReset(m_links, {{0, 5}});
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
    activity.setHeading(m_topic.title);
    activity.showWindow();
}

void TopicScreen::openPages(const QString& key) {
    app().windows.get<PageViewer>().open({key, m_topic.pageCount});
}

void TopicScreen::exitToMenu() {
    app().windows.show(QString::fromLatin1(glossary::window::MainMenu));
    unload();
}

} // namespace av
