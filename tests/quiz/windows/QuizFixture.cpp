#include "QuizFixture.h"

#include "quiz/QuizWindows.h"

#include <QTest>

namespace av::test {

QuizFixture::QuizFixture() {
    registerQuizWindows(t.app());
    t.state().soundOn = 1;
    QuestionSet& set = t.state().questionSet;
    set.title = QStringLiteral("Rivers and Roads");
    for (int n = 1; n <= 10; ++n) {
        set.question[n] = questionText(n);
        set.choice1[n] = QStringLiteral("North %1").arg(n);
        set.choice2[n] = QStringLiteral("East %1").arg(n);
        set.choice3[n] = QStringLiteral("South %1").arg(n);
        set.choice4[n] = QStringLiteral("West %1").arg(n);
        set.correct[n] = QString::number(correctChoice(n));
    }
}

QuizScreen& QuizFixture::openQuiz() {
    QuizScreen& quiz = t.windows().get<QuizScreen>();
    quiz.loadPicture(quiz.Picture1, QStringLiteral("images\\pyramidssm.jpg"));
    quiz.Label5.setCaption(QStringLiteral("Ancient Velmora"));
    quiz.showWindow();
    return quiz;
}

void QuizFixture::answer(QuizScreen& quiz, int choice) {
    if (choice != 0) quiz.Option1[choice].click();
    quiz.label3[1].click();
}

void QuizFixture::takeQuiz(const std::set<int>& wrong) {
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 10; ++n)
        answer(quiz, wrong.count(n) != 0 ? wrongChoice(n) : correctChoice(n));
}

ResultsScreen& QuizFixture::showResults(int score, int total) {
    t.state().scoreState = {score, total};
    t.windows().show(QString::fromLatin1(ResultsScreen::Name));
    return results();
}

bool QuizFixture::loaded(const char* name) {
    return t.windows().isLoaded(QString::fromLatin1(name));
}

void QuizFixture::runTimerChain() {
    ResultsScreen& w = results();
    auto running = [&w] {
        return w.Timer1.isEnabled() || w.Timer2.isEnabled() || w.Timer3.isEnabled();
    };
    for (int waited = 0; running() && waited < 2000; waited += 5)
        QTest::qWait(5);
    ASSERT_FALSE(running()) << "the timer chain did not finish";
}

} // namespace av::test
