#include "QuizScreen.h"

#include "QuizLabels.h"
#include "ResultsScreen.h"
#include "WorksheetPrint.h"
#include "WrongAnswersScreen.h"

#include "platform/Accessibility.h"
#include "platform/Keys.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

namespace av {
namespace {

const QString TypeKeySound = QStringLiteral("wav\\typekey.wav");
const QColor ChoiceBack(0, 78, 152);

// Question slots run 0..10; anything else is a subscript error, as for any array of the set.
int slot(int n) {
    if (n < 0 || n > 10)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange, QStringLiteral("question slot"));
    return n;
}

// The option a correct-choice value names, or 0 when it names none of the four.
int choiceNumber(const QString& correct) {
    bool ok = false;
    const int c = correct.trimmed().toInt(&ok);
    return ok && c >= 1 && c <= 4 ? c : 0;
}

} // namespace

using quiz::textLabel;
using quiz::timesFont;
using quiz::Yellow;

QuizScreen::QuizScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      Label1(textLabel(*this, QStringLiteral("Label1"), -1, {120, 120, 6240, 900},
                       QStringLiteral("Multiple Choice"), quiz::tahomaBold(36), Yellow)),
      Label5(textLabel(*this, QStringLiteral("Label5"), -1, {120, 1200, 6465, 585}, QString(),
                       timesFont(24), QColor(0, 255, 0))),
      Label6(textLabel(*this, QStringLiteral("Label6"), -1, {120, 1920, 6465, 705}, QString(),
                       timesFont(24), QColor(128, 128, 255))),
      Picture1(add<PicturePanel>(QStringLiteral("Picture1"))),
      Label4(textLabel(*this, QStringLiteral("Label4"), -1, {360, 3240, 5415, 615},
                       QStringLiteral("Question"), timesFont(24), Yellow, Label::Align::Left)),
      Label2(textLabel(*this, QStringLiteral("Label2"), -1, {960, 3960, 9840, 1455}, QString(),
                       timesFont(30), Yellow)) {
    Picture1.setBounds(6840, 240, 855, 615);
    Picture1.setDescription(QStringLiteral("Topic picture"));
    for (int i = 1; i <= NoChoice; ++i) {
        auto& option = add<OptionButton>(QStringLiteral("Option1"), i);
        if (i < NoChoice)
            option.setBounds(2400, 5400 + 600 * float(i - 1), 6975, 525);
        else
            option.setBounds(2400, 7800, 495, 375);
        option.setFontSpec(timesFont(20.25));
        option.setForeColor(Yellow);
        Option1.add(i, &option);
    }
    // The no-choice button must stay beneath the picture that hides it.
    Option1[NoChoice].stackUnder(&Picture1);
    Option1[NoChoice].setAccessibleName(QStringLiteral("No answer chosen"));
    // It shows a question unanswered; neither Tab nor the arrows lead to it.
    Option1[NoChoice].setKeyboardReachable(false);

    addLink(*this, label3, QStringLiteral("label3"), 0, 2040, 7920, 3765, 495,
            QStringLiteral("<< Previous Question"))
        .setVisible(false);
    addLink(*this, label3, QStringLiteral("label3"), 1, 6000, 7920, 3765, 495,
            QStringLiteral("Next Question >>"));
    addLink(*this, label3, QStringLiteral("label3"), 2, 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    addLink(*this, label3, QStringLiteral("label3"), 3, 7920, 1920, 3045, 495,
            QStringLiteral("Print Worksheet"))
        .setVisible(false);

    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
    // Only the pupil's own choice makes a sound; showquest's selection does not.
    Option1.connectEach(&OptionButton::clicked, this, [this](int i, bool) { Option1_Click(i); });
}

void QuizScreen::onLoad() {
    applyCommonFrame(*this, app());
    AppState& s = state();
    s.scoreState.score = 0;
    s.scoreState.total = 10;
    s.currentQuestion = 1;
    for (int n = 1; n <= 10; ++n)
        s.answerMarks[n] = 0;
    Option1[NoChoice].setPosition(Picture1.Left() + 240, Picture1.Top() + 240);
    for (int i = 1; i <= 4; ++i)
        Option1[i].setBackColor(ChoiceBack);
    Label6.setCaption(s.questionSet.title);
    showquest();
}

void QuizScreen::showquest() {
    const int n = state().currentQuestion;
    const QuestionSet& set = state().questionSet;
    Option1[NoChoice].setChecked(true);
    label3[0].setVisible(true);
    label3[1].setCaption(QStringLiteral("Next Question >>"));
    Label4.setCaption(QStringLiteral("Question") + str(n));
    Label2.setCaption(set.question[slot(n)]);
    Option1[1].setText(set.choice1[n]);
    Option1[2].setText(set.choice2[n]);
    Option1[3].setText(set.choice3[n]);
    Option1[4].setText(set.choice4[n]);
    if (n == 1) label3[0].setVisible(false);
    if (n == 10) label3[1].setCaption(QStringLiteral("Check Score >>"));
    if (Option1[NoChoice].isVisibleTo(this)) Option1[NoChoice].setFocus();
    announce(Label2, Label4.caption() + QStringLiteral(". ") + Label2.caption());
}

void QuizScreen::label3_Click(int index) {
    AppState& s = state();
    switch (index) {
    case 0:
        --s.currentQuestion;
        showquest();
        break;
    case 1:
        recordMark();
        ++s.currentQuestion;
        if (s.currentQuestion < 11)
            showquest();
        else
            checkScore();
        break;
    case 2:
        unload();
        break;
    case 3:
        printWorksheet();
        break;
    default:
        break;
    }
    // Requested after the command, even when the screen has just been unloaded.
    playSound(ClickSound);
}

void QuizScreen::recordMark() {
    AppState& s = state();
    const int n = slot(s.currentQuestion);
    const int c = choiceNumber(s.questionSet.correct[n]);
    s.answerMarks[n] = c != 0 && Option1[c].isChecked() ? 1 : 0;
}

void QuizScreen::checkScore() {
    AppState& s = state();
    for (int n = 1; n <= 10; ++n) {
        s.scoreState.score += s.answerMarks[n];
        if (s.answerMarks[n] != 0) continue;
        // The questions before n that were answered wrongly: the rows fill in question order.
        const int k = (n - 1) - s.scoreState.score;
        WrongAnswersScreen& wrong = app().windows.get<WrongAnswersScreen>();
        if (!wrong.Label2.contains(k)) continue;
        wrong.Label2[k].setCaption(str(n) + QStringLiteral(". ") + s.questionSet.question[n]);
        wrong.Label2[k].setVisible(true);
    }
    s.topicTitle = Label5.caption();
    app().windows.get<WrongAnswersScreen>().Label6.setCaption(Label6.caption());
    // Touching the results screen runs its load with the final score before these settings.
    ResultsScreen& results = app().windows.get<ResultsScreen>();
    results.Label6.setVisible(false);
    results.Label5.setVisible(true);
    results.label3[0].setVisible(true);
    results.showWindow();
    unload();
}

void QuizScreen::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void QuizScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{0, 3}});
}

void QuizScreen::keyPressEvent(QKeyEvent* event) {
    const int choice = choiceKey(*event);
    if (choice == 0) {
        Screen::keyPressEvent(event);
        return;
    }
    event->accept();
    markKeyboardInUse();
    Option1[choice].setFocus(Qt::ShortcutFocusReason);
    Option1[choice].click();
}

void QuizScreen::Option1_Click(int) {
    playSound(TypeKeySound);
}

void QuizScreen::prepareForTopic(const QString& heading, const QString& picturePath) {
    loadPictureOrClear(Picture1, picturePath);
    Label5.setCaption(heading);
}

void QuizScreen::prepareForWorksheet(const QString& heading, const PicturePtr& picture) {
    Picture1.setPicture(picture);
    Label5.setCaption(heading);
    label3[3].setVisible(true);
}

void QuizScreen::printWorksheet() {
    const QString topic = Label5.caption();
    const QString title = Label6.caption();
    const QuestionSet& set = state().questionSet;
    if (!printOrReport(app(), [&](PrinterService& p) { av::printWorksheet(p, topic, title, set); }))
        return;
    app().services.messages.show(QStringLiteral("Your worksheet is now printing."),
                                 QStringLiteral("Ancient Velmora"), MessageBoxService::Buttons::Ok);
}

} // namespace av
