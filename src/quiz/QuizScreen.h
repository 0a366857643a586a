#pragma once

#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace av {

// The quiz: the ten questions of the loaded set, one at a time, each with four choices.
// Leaving a question forwards records whether its correct choice was selected; leaving the
// tenth scores the quiz and hands over to the results screen.
class QuizScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "multiple";
    // Option1(NoChoice) lies under the picture: selecting it shows a question with no answer.
    static constexpr int NoChoice = 5;

    explicit QuizScreen(App& app);

    void onLoad() override;
    void showquest();
    void label3_Click(int index);
    void label3_MouseMove(int index);
    void Option1_Click(int index);
    // Prints the loaded worksheet on paper. Its link is offered only to quizzes taken from the
    // worksheet catalogue, which shows it.
    void printWorksheet();
    // Sets the quiz up for a topic's own questions: its heading and picture.
    void prepareForTopic(const QString& heading, const QString& picturePath);
    // Sets the quiz up for a worksheet from the catalogue: its heading and the picture given,
    // with the link that prints the worksheet on paper.
    void prepareForWorksheet(const QString& heading, const PicturePtr& picture);
    void closeButtonPressed() override { label3_Click(2); }

    Label& Label1;
    Label& Label5;
    Label& Label6;
    PicturePanel& Picture1;
    Label& Label4;
    Label& Label2;
    Group<OptionButton> Option1;
    Group<Label> label3;

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;
    // The keys 1 to 4 and A to D choose an answer as a click on it does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void recordMark();
    void checkScore();
};

} // namespace av
