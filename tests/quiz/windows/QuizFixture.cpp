#include "QuizFixture.h"

#include "quiz/QuizWindows.h"

#include <QTest>
#include <stdexcept>

namespace av::test {

QuizFixture::QuizFixture() {
    registerQuizWindows(t.app());
    t.state().soundOn = 1;
    QuestionSet& set = questions;
    set.title = QStringLiteral("Rivers and Roads");
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = questionText(n);
        set.question(n).choice(1) = QStringLiteral("North %1").arg(n);
        set.question(n).choice(2) = QStringLiteral("East %1").arg(n);
        set.question(n).choice(3) = QStringLiteral("South %1").arg(n);
        set.question(n).choice(4) = QStringLiteral("West %1").arg(n);
        set.question(n).correct = QString::number(correctChoice(n));
    }
}

QuizScreen& QuizFixture::openQuiz() {
    QuizScreen& quiz = t.windows().get<QuizScreen>();
    quiz.start(questions, QStringLiteral("Ancient Velmora"),
               QStringLiteral("images\\pyramidssm.jpg"), false);
    return quiz;
}

QuizScreen& QuizFixture::quiz() {
    QuizScreen* quiz = t.windows().find<QuizScreen>();
    if (!quiz) throw std::logic_error("the quiz is not loaded");
    return *quiz;
}

void QuizFixture::answer(QuizScreen& quiz, int choice) {
    if (choice != 0) quiz.choiceBox(choice).click();
    quiz.link(QuizLink::NextQuestion).click();
}

void QuizFixture::takeQuiz(const std::set<int>& wrong) {
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 10; ++n)
        answer(quiz, wrong.count(n) != 0 ? wrongChoice(n) : correctChoice(n));
}

ResultsScreen& QuizFixture::showResults(int score, int total) {
    results().showActivityOutcome({QStringLiteral("An activity"), QString(), score, total, {}});
    return results();
}

bool QuizFixture::loaded(const char* name) {
    return t.windows().isLoaded(QString::fromLatin1(name));
}

void QuizFixture::runTimerChain() {
    ResultsScreen& w = results();
    auto running = [&w] {
        return w.pictureTimer().isEnabled() || w.focusTimer().isEnabled() ||
               w.celebrationTimer().isEnabled();
    };
    for (int waited = 0; running() && waited < 2000; waited += 5)
        QTest::qWait(5);
    ASSERT_FALSE(running()) << "the timer chain did not finish";
}

} // namespace av::test
