#pragma once

#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace av {

// The quiz's links; the values are the links' indices.
enum class QuizLink { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };

// The quiz: the ten questions of the loaded set, one at a time, each with four choices.
// Leaving a question forwards records whether its correct choice was selected; leaving the
// tenth scores the quiz and hands over to the results screen.
class QuizScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Quiz;
    // The no-choice box lies under the picture: selecting it shows a question with no answer.
    static constexpr int NoChoice = 5;

    explicit QuizScreen(App& app);

    void onLoad() override;
    void showQuestion();
    void onLinkClicked(QuizLink link);
    void onLinkHovered(QuizLink link);
    void onChoiceClicked(int choice);
    // Prints the loaded worksheet on paper. Its link is offered only to quizzes taken from the
    // worksheet catalogue, which shows it.
    void printWorksheet();
    // Starts the quiz on this question set under the heading, with the picture, and shows it;
    // a printable quiz offers its worksheet on paper.
    void start(const QuestionSet& set, const QString& heading, const QString& picturePath,
               bool printable);
    void start(const QuestionSet& set, const QString& heading, const PicturePtr& picture,
               bool printable);
    // Sets the quiz up for a topic's own questions: its heading and picture.
    void prepareForTopic(const QString& heading, const QString& picturePath);
    // Sets the quiz up for a worksheet from the catalogue: its heading and the picture given,
    // with the link that prints the worksheet on paper.
    void prepareForWorksheet(const QString& heading, const PicturePtr& picture);
    void closeButtonPressed() override { onLinkClicked(QuizLink::Exit); }

    // Choice c, 1 to 4; NoChoice is the hidden box that shows a question unanswered.
    OptionButton& choiceBox(int c) const { return m_choiceBoxes[c]; }
    OptionButton& noChoiceBox() const { return m_choiceBoxes[NoChoice]; }
    Label& link(QuizLink l) const { return m_links[int(l)]; }
    const Group<Label>& links() const { return m_links; }

    Label& screenTitle;
    Label& topicHeading;
    Label& quizTitle;
    PicturePanel& topicPicture;
    Label& questionNumber;
    Label& questionText;

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;
    // The keys 1 to 4 and A to D choose an answer as a click on it does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addLinks();
    // The choice 1 to 4 selected now, or 0.
    int selectedChoice() const;
    void finishQuiz();
    void begin(const QuestionSet& set, const QString& heading, bool printable);

    Group<OptionButton> m_choiceBoxes;
    Group<Label> m_links;
};

} // namespace av
