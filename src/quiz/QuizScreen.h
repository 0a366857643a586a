#pragma once

#include "model/QuestionSet.h"
#include "model/QuizSession.h"
#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace av {

// The quiz's links; the values are the links' indices.
enum class QuizLink { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };

// The quiz: the ten questions of the set it was started with, one at a time, each with four
// choices. Leaving a question forwards records whether its correct choice was selected;
// leaving the tenth scores the quiz and hands the outcome to the results and wrong-answers
// screens.
class QuizScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Quiz;

    explicit QuizScreen(App& app);

    void onLoad() override;
    // Starts the quiz on this question set under the heading, with the picture, and shows it;
    // a printable quiz offers its worksheet on paper. The set's title is the quiz's title.
    void start(const QuestionSet& set, const QString& heading, const QString& picturePath,
               bool printable);
    void start(const QuestionSet& set, const QString& heading, const PicturePtr& picture,
               bool printable);
    void onLinkClicked(QuizLink link);
    void onLinkHovered(QuizLink link);
    void onChoiceClicked(int choice);
    // Prints the quiz's worksheet on paper. Its link is offered only to printable quizzes.
    void printWorksheet();
    void closeButtonPressed() override { onLinkClicked(QuizLink::Exit); }

    const QuestionSet& questionSet() const { return m_set; }
    const QuizSession& session() const { return m_session; }

    // Choice c, 1 to 4.
    OptionButton& choiceBox(int c) const { return m_choiceBoxes[c]; }
    Label& link(QuizLink l) const { return m_links[int(l)]; }
    const Group<Label>& links() const { return m_links; }
    const Label& screenTitle() const { return m_screenTitle; }
    const Label& topicHeading() const { return m_topicHeading; }
    const Label& quizTitle() const { return m_quizTitle; }
    const PicturePanel& topicPicture() const { return m_topicPicture; }
    const Label& questionNumber() const { return m_questionNumber; }
    const Label& questionText() const { return m_questionText; }

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;
    // The keys 1 to 4 and A to D choose an answer as a click on it does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addChoiceBoxes();
    void addLinks();
    void begin(const QuestionSet& set, const QString& heading, bool printable);
    void showQuestion();
    // Shows the question with no answer selected, as the session holds it.
    void clearChoices();
    void finishQuiz();

    QuestionSet m_set;
    QString m_heading;
    QuizSession m_session;
    Label& m_screenTitle;
    Label& m_topicHeading;
    Label& m_quizTitle;
    PicturePanel& m_topicPicture;
    Label& m_questionNumber;
    Label& m_questionText;
    Group<OptionButton> m_choiceBoxes;
    Group<Label> m_links;
};

} // namespace av
