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
      m_screenTitle(addCaption(*this, names::ScreenTitle, -1, {120, 120, 6240, 900},
                               QStringLiteral("Multiple Choice"), style::tahomaBold(36),
                               style::Yellow)),
      m_topicHeading(addCaption(*this, names::TopicHeading, -1, {120, 1200, 6465, 585}, QString(),
                                style::times(24), style::Green)),
      m_quizTitle(addCaption(*this, names::QuizTitle, -1, {120, 1920, 6465, 705}, QString(),
                             style::times(24), style::Lavender)),
      m_topicPicture(add<PicturePanel>(QString::fromLatin1(names::TopicPicture))),
      m_questionNumber(addCaption(*this, names::QuestionNumber, -1, {360, 3240, 5415, 615},
                                  QStringLiteral("Question"), style::times(24), style::Yellow,
                                  Label::Align::Left)),
      m_questionText(addCaption(*this, names::QuestionText, -1, {960, 3960, 9840, 1455}, QString(),
                                style::times(30), style::Yellow)) {
    m_topicPicture.setBounds(6840, 240, 855, 615);
    m_topicPicture.setDescription(QStringLiteral("Topic picture"));
    addChoiceBoxes();
    addLinks();
}

void QuizScreen::addChoiceBoxes() {
    for (int i = 1; i <= Question::Choices; ++i) {
        auto& box = add<OptionButton>(QString::fromLatin1(names::ChoiceBoxes), i);
        box.setBounds(2400, 5400 + 600 * float(i - 1), 6975, 525);
        box.setFontSpec(style::times(20.25));
        box.setForeColor(style::Yellow);
        m_choiceBoxes.add(i, &box);
    }
    // Only the pupil's own choice makes a sound; showQuestion's clearing does not.
    m_choiceBoxes.connectEach(&OptionButton::clicked, this,
                              [this](int i, bool) { onChoiceClicked(i); });
    // Selected by a click, a key or the program alike: the session holds what is chosen.
    m_choiceBoxes.connectEach(&OptionButton::toggled, this, [this](int i, bool on) {
        if (on) m_session.choose(i);
    });
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

// Nothing to show until start() hands the quiz its questions.
void QuizScreen::onLoad() {
    applyCommonFrame(*this, app());
    for (int c = 1; c <= Question::Choices; ++c)
        choiceBox(c).setBackColor(ChoiceBack);
}

void QuizScreen::showQuestion() {
    const int n = m_session.currentQuestion();
    const Question& question = m_set.question(n);
    clearChoices();
    link(QuizLink::PreviousQuestion).setVisible(true);
    link(QuizLink::NextQuestion).setCaption(QStringLiteral("Next Question >>"));
    m_questionNumber.setCaption(QStringLiteral("Question") + numberText(n));
    m_questionText.setCaption(question.text);
    for (int c = 1; c <= Question::Choices; ++c)
        choiceBox(c).setText(question.choice(c));
    if (n == 1) link(QuizLink::PreviousQuestion).setVisible(false);
    if (n == QuizSession::Questions)
        link(QuizLink::NextQuestion).setCaption(QStringLiteral("Check Score >>"));
    // A screen reader names the screen for the question and reads it before the first answer,
    // which takes the focus as each question appears.
    setAccessibleName(m_questionNumber.caption());
    introduce(choiceBox(1),
              m_questionNumber.caption() + QStringLiteral(". ") + m_questionText.caption());
    choiceBox(1).setFocus(Qt::OtherFocusReason);
}

// Options that clear one another cannot all be cleared while they do.
void QuizScreen::clearChoices() {
    for (int c = 1; c <= Question::Choices; ++c) {
        OptionButton& box = choiceBox(c);
        box.setAutoExclusive(false);
        box.setChecked(false);
        box.setAutoExclusive(true);
    }
}

void QuizScreen::onLinkClicked(QuizLink clicked) {
    switch (clicked) {
    case QuizLink::PreviousQuestion:
        m_session.goBack();
        showQuestion();
        break;
    case QuizLink::NextQuestion:
        m_session.answerAndGoOn(m_set);
        if (!m_session.isOver())
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

// The wrong answers are listed before the results screen is shown.
void QuizScreen::finishQuiz() {
    QStringList wrongRows;
    ScoredOutcome outcome{m_set.title, m_heading, m_session.score(), m_session.total(), {}};
    for (int n : m_session.wrongQuestions()) {
        wrongRows.append(numberText(n) + QStringLiteral(". ") + m_set.question(n).text);
        outcome.wrong.append(QString::number(n));
    }
    app().windows.get<WrongAnswersScreen>().list(m_set.title, wrongRows);
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
    loadPictureOrClear(m_topicPicture, picturePath);
    begin(set, heading, printable);
}

void QuizScreen::start(const QuestionSet& set, const QString& heading, const PicturePtr& picture,
                       bool printable) {
    m_topicPicture.setPicture(picture);
    begin(set, heading, printable);
}

void QuizScreen::begin(const QuestionSet& set, const QString& heading, bool printable) {
    m_set = set;
    m_heading = heading;
    m_session.start();
    m_topicHeading.setCaption(heading);
    m_quizTitle.setCaption(set.title);
    link(QuizLink::PrintWorksheet).setVisible(printable);
    showQuestion();
    showWindow();
}

void QuizScreen::printWorksheet() {
    if (!printOrReport(app(), [this](PrinterService& p) {
            av::printWorksheet(p, m_heading, m_set.title, m_set);
        }))
        return;
    app().services.messages.show(QStringLiteral("Your worksheet is now printing."),
                                 style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
