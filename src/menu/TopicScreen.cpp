#include "TopicScreen.h"

#include "model/QuestionFile.h"
#include "shell/LinkLabels.h"
#include "activities/ActivityWindow.h"
#include "pages/PageViewer.h"
#include "quiz/QuizScreen.h"

namespace av {
namespace {

const QString Title = QStringLiteral("Ancient Velmora");
constexpr float WindowWidth = 12000;

} // namespace

TopicScreen::TopicScreen(App& app, TopicRecord topic)
    : Screen(app, topic.window), Label1(add<Label>(QStringLiteral("Label1"))),
      Image1(add<Image>(QStringLiteral("Image1"))), m_topic(std::move(topic)) {
    Label1.setBounds(240, 0, 6240, 900);
    Label1.setCaption(m_topic.title);
    Label1.setFontSpec({QStringLiteral("Times New Roman"), 27.75, true});
    Label1.setLabelForeColor(QColor(255, 255, 0));
    Label1.setAlignment(Label::Align::Left);
    Label1.setOpaque(false);

    Image1.setBounds(2640, 840, 4800, 3600);
    Image1.setBorder(true);
    Image1.setDescription(m_topic.title);

    const QString name = QStringLiteral("label3");
    addLink(*this, label3, name, 4, 6360, 120, 1995, 495, QStringLiteral("Key Facts"));
    addLink(*this, label3, name, 5, 8640, 120, 3195, 495, QStringLiteral("Teacher's Notes"));
    addLink(*this, label3, name, 0, 120, 7920, 3195, 495, QStringLiteral("Multiple Choice"));
    addLink(*this, label3, name, 1, 3600, 7920, 3195, 495, QStringLiteral("Labelling Activity"));
    addLink(*this, label3, name, 3, 7080, 7920, 3195, 495, QStringLiteral("Ordering Activity"));
    addLink(*this, label3, name, 2, 10560, 7920, 1245, 495, QStringLiteral("Exit"));
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
}

void TopicScreen::onLoad() {
    applyCommonFrame(*this, app());
    // A topic whose picture has gone still opens, with an empty frame where the picture was.
    loadPictureOrClear(Image1, m_topic.picture);
    Image1.setLeft((WindowWidth - Image1.Width()) / 2);
}

void TopicScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{0, 5}});
}

void TopicScreen::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void TopicScreen::label3_Click(int index) {
    switch (index) {
    case 0:
        if (!multipleChoice()) return; // the error message ends the command
        break;
    case 1:
        openActivity(m_topic.labellingWindow);
        break;
    case 3:
        openActivity(m_topic.orderingWindow);
        break;
    case 4:
        openPages(m_topic.keyFactsKey);
        break;
    case 5:
        openPages(m_topic.notesKey);
        break;
    case 2:
        exitToMenu();
        break;
    default:
        return;
    }
    playSound(ClickSound);
}

bool TopicScreen::multipleChoice() {
    SequentialFile& file = app().file1;
    try {
        file.openInput(m_topic.questionFile);
        readQuestionSet(file, state().questionSet);
        file.close();
    } catch (const RuntimeError&) {
        // A missing or cut-short quiz must not open half filled; the catalogue says the same.
        file.close();
        app().services.messages.show(QStringLiteral("This worksheet seems to be corrupted."), Title,
                                     MessageBoxService::Buttons::Ok);
        return false;
    }
    // The quiz loads on this first touch, so it sees the questions just read.
    QuizScreen& quiz = app().windows.get<QuizScreen>();
    quiz.prepareForTopic(Title, m_topic.quizPicture);
    quiz.showWindow();
    return true;
}

void TopicScreen::openActivity(const QString& window) {
    auto& activity = dynamic_cast<ActivityWindow&>(app().windows.touch(window));
    activity.setHeading(Label1.caption());
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
    app().windows.show(QStringLiteral("intro0"));
    unload();
}

} // namespace av
