#pragma once

#include "model/ScoredOutcome.h"
#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

namespace av {

// The results screen's links; the values are the links' indices. The next step prints the
// certificate after a full score and lists the wrong answers otherwise.
enum class ResultsLink { NextStep = 0, Exit = 1 };

// The results screen every scored activity ends on. Its load reads the score once, from the
// program-wide score at that moment; a quiz then shows it through showQuizOutcome.
class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Results;
    static constexpr int NameLength = 25;

    explicit ResultsScreen(App& app);

    void onLoad() override;
    // Shows the screen after a quiz: the wrong-answers hint and the next step in place of the
    // try-again line.
    void showQuizOutcome(const ScoredOutcome& outcome);
    // Shows the screen after an activity: the try-again line under the score.
    void showActivityOutcome(const ScoredOutcome& outcome);
    void onLinkClicked(ResultsLink link);
    void onLinkHovered(ResultsLink link);
    // Prints the certificate and says so; a printer failure is reported here.
    void printCertificate();
    // The timer chain after loading: the picture, then the name box's focus and the links'
    // boxes, then the celebration sound.
    void onPictureTimer();
    void onFocusTimer();
    void onCelebrationTimer();
    void closeButtonPressed() override { onLinkClicked(ResultsLink::Exit); }

    // The sounds one of which celebrates a score; empty when the score earns none.
    static QStringList celebrationSounds(int score);

    Label& link(ResultsLink l) const { return m_links[int(l)]; }
    const Group<Label>& links() const { return m_links; }

    Label& heading;
    PicturePanel& sphinxPicture;
    Label& scoreMessage;
    Label& wrongAnswersHint;
    Label& tryAgainHint;
    TextBox& pupilName;
    Label& nameHint;
    Timer& pictureTimer;
    Timer& focusTimer;
    Timer& celebrationTimer;

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;

  private:
    Timer& addTimer(const char* name, int interval);
    void addLinks();
    void showScoreMessage();

    Group<Label> m_links;
};

} // namespace av
