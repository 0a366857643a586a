#pragma once

#include "model/ScoredOutcome.h"
#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

#include <memory>
#include <optional>

namespace av {

// The results screen's links; the values are the links' indices. The next step prints the
// certificate after a full score and lists the wrong answers otherwise.
enum class ResultsLink { NextStep = 0, Exit = 1 };

// The results screen every scored activity ends on, handed its outcome by call. The message
// shows the score it was first shown with; the certificate, the celebration sound and the next
// step follow the outcome handed over last.
class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Results;
    static constexpr int NameLength = 25;

    // The heading of the last quiz scored in the run outlives this screen: a certificate
    // earned in an activity names it, or nothing before the first quiz.
    ResultsScreen(App& app, std::shared_ptr<QString> lastQuizHeading);

    void onLoad() override;
    // Shows the screen after a quiz with its score, the wrong-answers hint and the next step
    // in place of the try-again line; the certificate names the quiz's heading from now on.
    void showQuizOutcome(const ScoredOutcome& outcome);
    // Shows the screen after an activity: the try-again line under the score. Once shown, a
    // new score changes the certificate and the sound, not the message.
    void showActivityOutcome(const ScoredOutcome& outcome);
    // The outcome handed over last.
    const ScoredOutcome& outcome() const { return m_latest; }
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
    // The box the pupil types a name in for the certificate.
    TextBox& pupilName() const { return m_pupilName; }
    const Label& heading() const { return m_heading; }
    const PicturePanel& sphinxPicture() const { return m_sphinxPicture; }
    const Label& scoreMessage() const { return m_scoreMessage; }
    const Label& wrongAnswersHint() const { return m_wrongAnswersHint; }
    const Label& tryAgainHint() const { return m_tryAgainHint; }
    const Label& nameHint() const { return m_nameHint; }
    const Label& nameCaption() const { return m_nameCaption; }
    const Timer& pictureTimer() const { return m_pictureTimer; }
    const Timer& focusTimer() const { return m_focusTimer; }
    const Timer& celebrationTimer() const { return m_celebrationTimer; }

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;

  private:
    Timer& addTimer(const char* name, int interval);
    void addLinks();
    void showScoreMessage();
    // Appends the outcome shown to the pupils' results while they are kept.
    void keepResult();

    std::optional<ScoredOutcome> m_shown; // the score the message states, once there is one
    ScoredOutcome m_latest;               // the outcome handed over last
    std::shared_ptr<QString> m_lastQuizHeading;
    Label& m_heading;
    PicturePanel& m_sphinxPicture;
    Label& m_scoreMessage;
    Label& m_wrongAnswersHint;
    Label& m_tryAgainHint;
    TextBox& m_pupilName;
    Label& m_nameHint;
    Label& m_nameCaption; // names the box at a score that earns no certificate
    Timer& m_pictureTimer;
    Timer& m_focusTimer;
    Timer& m_celebrationTimer;
    Group<Label> m_links;
};

} // namespace av
