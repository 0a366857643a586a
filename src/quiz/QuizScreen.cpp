#include "QuizScreen.h"

#include "ResultsScreen.h"
#include "WorksheetPrint.h"
#include "WrongAnswersScreen.h"
#include "shell/Captions.h"

#include "platform/Accessibility.h"
#include "platform/Keys.h"
#include "platform/NumberText.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

namespace av {
namespace {

namespace names = glossary::quiz;

const QString TypeKeySound = QStringLiteral("wav\\typekey.wav");
const QColor& ChoiceBack = style::FrameBlue;

} // namespace

QuizScreen::QuizScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      screenTitle(addCaption(*this, names::ScreenTitle, -1, {120, 120, 6240, 900},
                             QStringLiteral("Multiple Choice"), style::tahomaBold(36),
                             style::Yellow)),
      topicHeading(addCaption(*this, names::TopicHeading, -1, {120, 1200, 6465, 585}, QString(),
                              style::times(24), style::Green)),
      quizTitle(addCaption(*this, names::QuizTitle, -1, {120, 1920, 6465, 705}, QString(),
                           style::times(24), style::Lavender)),
      topicPicture(add<PicturePanel>(QString::fromLatin1(names::TopicPicture))),
      questionNumber(addCaption(*this, names::QuestionNumber, -1, {360, 3240, 5415, 615},
                                QStringLiteral("Question"), style::times(24), style::Yellow,
                                Label::Align::Left)),
      questionText(addCaption(*this, names::QuestionText, -1, {960, 3960, 9840, 1455}, QString(),
                              style::times(30), style::Yellow)) {
    topicPicture.setBounds(6840, 240, 855, 615);
    topicPicture.setDescription(QStringLiteral("Topic picture"));
    for (int i = 1; i <= NoChoice; ++i) {
        auto& box = add<OptionButton>(QString::fromLatin1(names::ChoiceBoxes), i);
        if (i < NoChoice)
            box.setBounds(2400, 5400 + 600 * float(i - 1), 6975, 525);
        else
            box.setBounds(2400, 7800, 495, 375);
        box.setFontSpec(style::times(20.25));
        box.setForeColor(style::Yellow);
        m_choiceBoxes.add(i, &box);
    }
    // The no-choice box must stay beneath the picture that hides it.
    noChoiceBox().stackUnder(&topicPicture);
    noChoiceBox().setAccessibleName(QStringLiteral("No answer chosen"));
    // It shows a question unanswered; neither Tab nor the arrows lead to it, and a screen
    // reader never meets it.
    noChoiceBox().setKeyboardReachable(false);
    keepFromAssistiveTechnology(noChoiceBox());
    addLinks();
    // Only the pupil's own choice makes a sound; showQuestion's selection does not.
    m_choiceBoxes.connectEach(&OptionButton::clicked, this,
                              [this](int i, bool) { onChoiceClicked(i); });
}

void QuizScreen::addLinks() {
    const QString name = QString::fromLatin1(names::Links);
    addLink(*this, m_links, name, int(QuizLink::PreviousQuestion), 2040, 7920, 3765, 495,
            QStringLiteral("<< Previous Question"))
        .setVisible(false);
    addLink(*this, m_links, name, int(QuizLink::NextQuestion), 6000, 7920, 3765, 495,
            QStringLiteral("Next Question >>"));
    addLink(*this, m_links, name, int(QuizLink::Exit), 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    addLink(*this, m_links, name, int(QuizLink::PrintWorksheet), 7920, 1920, 3045, 495,
            QStringLiteral("Print Worksheet"))
        .setVisible(false);
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(QuizLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(QuizLink(i)); });
}

void QuizScreen::onLoad() {
    applyCommonFrame(*this, app());
    state().quiz.start();
    noChoiceBox().setPosition(topicPicture.Left() + 240, topicPicture.Top() + 240);
    for (int c = 1; c <= Question::Choices; ++c)
        choiceBox(c).setBackColor(ChoiceBack);
    quizTitle.setCaption(state().questionSet.title);
    showQuestion();
}

void QuizScreen::showQuestion() {
    const int n = state().quiz.currentQuestion();
    const Question& question = state().questionSet.question(n);
    noChoiceBox().setChecked(true);
    link(QuizLink::PreviousQuestion).setVisible(true);
    link(QuizLink::NextQuestion).setCaption(QStringLiteral("Next Question >>"));
    questionNumber.setCaption(QStringLiteral("Question") + numberText(n));
    questionText.setCaption(question.text);
    for (int c = 1; c <= Question::Choices; ++c)
        choiceBox(c).setText(question.choice(c));
    if (n == 1) link(QuizLink::PreviousQuestion).setVisible(false);
    if (n == QuizSession::Questions)
        link(QuizLink::NextQuestion).setCaption(QStringLiteral("Check Score >>"));
    // A screen reader names the screen for the question and reads it before the first answer,
    // which takes the focus as each question appears.
    setAccessibleName(questionNumber.caption());
    introduce(choiceBox(1),
              questionNumber.caption() + QStringLiteral(". ") + questionText.caption());
    choiceBox(1).setFocus(Qt::OtherFocusReason);
}

void QuizScreen::onLinkClicked(QuizLink clicked) {
    QuizSession& session = state().quiz;
    switch (clicked) {
    case QuizLink::PreviousQuestion:
        session.goBack();
        showQuestion();
        break;
    case QuizLink::NextQuestion:
        session.answerAndGoOn(state().questionSet, selectedChoice());
        if (!session.isOver())
            showQuestion();
        else
            finishQuiz();
        break;
    case QuizLink::Exit:
        unload();
        break;
    case QuizLink::PrintWorksheet:
        printWorksheet();
        break;
    default:
        break;
    }
    // Requested after the command, even when the screen has just been unloaded.
    playSound(ClickSound);
}

int QuizScreen::selectedChoice() const {
    for (int c = 1; c <= Question::Choices; ++c)
        if (choiceBox(c).isChecked()) return c;
    return 0;
}

// The wrong answers are listed before the results screen loads, and the results screen loads
// with the final score before it is adjusted for a quiz and shown.
void QuizScreen::finishQuiz() {
    QuizSession& session = state().quiz;
    QStringList wrongRows;
    for (int n : session.wrongQuestions())
        wrongRows.append(numberText(n) + QStringLiteral(". ") +
                         state().questionSet.question(n).text);
    app().windows.get<WrongAnswersScreen>().list(quizTitle.caption(), wrongRows);
    ScoredOutcome outcome{
        quizTitle.caption(), topicHeading.caption(), session.score(), session.total(), {}};
    for (int n : session.wrongQuestions())
        outcome.wrong.append(QString::number(n));
    state().scoreState = {outcome.score, outcome.total};
    app().windows.get<ResultsScreen>().showQuizOutcome(outcome);
    unload();
}

void QuizScreen::onLinkHovered(QuizLink hovered) {
    hoverOn(link(hovered));
}

void QuizScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{int(QuizLink::PreviousQuestion), int(QuizLink::PrintWorksheet)}});
}

void QuizScreen::keyPressEvent(QKeyEvent* event) {
    const int choice = choiceKey(*event);
    if (choice == 0) {
        Screen::keyPressEvent(event);
        return;
    }
    event->accept();
    markKeyboardInUse();
    choiceBox(choice).setFocus(Qt::ShortcutFocusReason);
    choiceBox(choice).click();
}

void QuizScreen::onChoiceClicked(int) {
    playSound(TypeKeySound);
}

void QuizScreen::start(const QuestionSet& set, const QString& heading, const QString& picturePath,
                       bool printable) {
    loadPictureOrClear(topicPicture, picturePath);
    begin(set, heading, printable);
}

void QuizScreen::start(const QuestionSet& set, const QString& heading, const PicturePtr& picture,
                       bool printable) {
    topicPicture.setPicture(picture);
    begin(set, heading, printable);
}

void QuizScreen::begin(const QuestionSet& set, const QString& heading, bool printable) {
    state().questionSet = set;
    state().quiz.start();
    topicHeading.setCaption(heading);
    quizTitle.setCaption(set.title);
    link(QuizLink::PrintWorksheet).setVisible(printable);
    showQuestion();
    showWindow();
}

void QuizScreen::prepareForTopic(const QString& heading, const QString& picturePath) {
    loadPictureOrClear(topicPicture, picturePath);
    topicHeading.setCaption(heading);
}

void QuizScreen::prepareForWorksheet(const QString& heading, const PicturePtr& picture) {
    topicPicture.setPicture(picture);
    topicHeading.setCaption(heading);
    link(QuizLink::PrintWorksheet).setVisible(true);
}

void QuizScreen::printWorksheet() {
    const QString topic = topicHeading.caption();
    const QString title = quizTitle.caption();
    const QuestionSet& set = state().questionSet;
    if (!printOrReport(app(), [&](PrinterService& p) { av::printWorksheet(p, topic, title, set); }))
        return;
    app().services.messages.show(QStringLiteral("Your worksheet is now printing."),
                                 style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
