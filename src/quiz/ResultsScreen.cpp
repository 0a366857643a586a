#include "ResultsScreen.h"

#include "CertificatePrint.h"
#include "WrongAnswersScreen.h"
#include "shell/Captions.h"

#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

#include <algorithm>
#include <stdexcept>

namespace av {
namespace {

namespace names = glossary::results;

const QString WrongName = QString::fromLatin1(WrongAnswersScreen::Name);

QStringList wavs(std::initializer_list<const char*> files) {
    QStringList out;
    for (const char* name : files)
        out.append(QStringLiteral("wav\\") + QLatin1String(name));
    return out;
}

} // namespace

ResultsScreen::ResultsScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      heading(addCaption(*this, names::Heading, -1, {0, 120, 12000, 900},
                         QStringLiteral("Well Done!"), style::tahomaBold(36), style::Yellow)),
      sphinxPicture(add<PicturePanel>(QString::fromLatin1(names::SphinxPicture))),
      scoreMessage(addCaption(*this, names::ScoreMessage, -1, {0, 5400, 12000, 855}, QString(),
                              style::times(24), style::Yellow)),
      wrongAnswersHint(addCaption(*this, names::WrongAnswersHint, -1, {1680, 6000, 8640, 1335},
                                  QString(), style::times(24), style::Yellow)),
      tryAgainHint(addCaption(*this, names::TryAgainHint, -1, {0, 6240, 12000, 855},
                              QStringLiteral("Read the Key Facts and try again."), style::times(24),
                              style::Yellow)),
      pupilName(add<TextBox>(QString::fromLatin1(names::PupilName))),
      nameHint(addCaption(*this, names::NameHint, -1, {3120, 7440, 5775, 855},
                          QStringLiteral("Enter your name in the box above before printing your "
                                         "certificate"),
                          style::times(18), style::Yellow)),
      pictureTimer(addTimer(names::PictureTimer, 1)), focusTimer(addTimer(names::FocusTimer, 10)),
      celebrationTimer(addTimer(names::CelebrationTimer, 1)) {
    sphinxPicture.setBounds(5880, 1440, 4800, 3600);
    sphinxPicture.setDescription(QStringLiteral("The great sphinx of Velmora"));
    wrongAnswersHint.setVisible(false);
    pupilName.setBounds(3120, 6600, 5760, 615);
    pupilName.setFontSpec(style::times(24));
    pupilName.setMaxLength(NameLength);
    // The name is only printed, never saved: any letter the certificate's face has is welcome.
    pupilName.keepPrintableIn(QFont(fonts::familyFor(style::serifFace())));
    pupilName.setAccessibleName(QStringLiteral("Your name"));
    pupilName.setVisible(false);
    nameHint.setVisible(false);
    addLinks();
    connect(&pictureTimer, &Timer::tick, this, &ResultsScreen::onPictureTimer);
    connect(&focusTimer, &Timer::tick, this, &ResultsScreen::onFocusTimer);
    connect(&celebrationTimer, &Timer::tick, this, &ResultsScreen::onCelebrationTimer);
}

void ResultsScreen::addLinks() {
    const QString name = QString::fromLatin1(names::Links);
    addLink(*this, m_links, name, int(ResultsLink::NextStep), 240, 1800, 3765, 495, QString())
        .setVisible(false);
    addLink(*this, m_links, name, int(ResultsLink::Exit), 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(ResultsLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(ResultsLink(i)); });
}

// Timers are found by their object names, like the widgets.
Timer& ResultsScreen::addTimer(const char* name, int interval) {
    auto* timer = new Timer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return *timer;
}

void ResultsScreen::onLoad() {
    applyCommonFrame(*this, app());
    showScoreMessage();
    pictureTimer.setEnabled(true);
}

void ResultsScreen::showScoreMessage() {
    const int score = state().scoreState.score;
    const int total = state().scoreState.total;
    const QString scored =
        numberText(score) + QStringLiteral(" out of") + numberText(total) + QLatin1Char('.');
    const QString hint =
        QStringLiteral("Click the button above to check which questions you answered incorrectly.");
    Label& nextStep = link(ResultsLink::NextStep);
    // Shown again for a new score, so everything a score may change starts as first laid out.
    tryAgainHint.setVisible(true);
    nextStep.setVisible(false);
    pupilName.setVisible(false);
    nameHint.setVisible(false);
    if (score == total) {
        tryAgainHint.setVisible(false);
        nextStep.setVisible(true);
        nextStep.setCaption(QStringLiteral("Print Certificate"));
        scoreMessage.setCaption(QStringLiteral("Excellent work. You have scored") + scored);
        pupilName.setVisible(true);
        nameHint.setVisible(true);
    } else if (score == total - 1 || score == total - 2) {
        scoreMessage.setCaption(QStringLiteral("Good work. You have scored") + scored);
        wrongAnswersHint.setCaption(hint);
        nextStep.setCaption(QStringLiteral("Check Wrong Answers"));
    } else if (score < total - 2) {
        scoreMessage.setCaption(QStringLiteral("You have scored") + scored);
        wrongAnswersHint.setCaption(hint);
        nextStep.setCaption(QStringLiteral("Check Wrong Answers"));
    }
    // A screen reader says the message as the screen opens, with its heading.
    setAccessibleName(heading.caption() + QLatin1Char(' ') + scoreMessage.caption());
}

void ResultsScreen::showQuizOutcome(const ScoredOutcome& outcome) {
    state().scoreState = {outcome.score, outcome.total};
    state().quiz.topic = outcome.heading;
    showScoreMessage();
    tryAgainHint.setVisible(false);
    wrongAnswersHint.setVisible(true);
    link(ResultsLink::NextStep).setVisible(true);
    showWindow();
}

void ResultsScreen::showActivityOutcome(const ScoredOutcome& outcome) {
    state().scoreState = {outcome.score, outcome.total};
    showScoreMessage();
    showWindow();
}

void ResultsScreen::onPictureTimer() {
    loadPictureOrClear(sphinxPicture, QStringLiteral("images\\sphinxsm.jpg"));
    pictureTimer.setEnabled(false);
    focusTimer.setEnabled(true);
}

void ResultsScreen::onFocusTimer() {
    if (pupilName.isVisibleTo(this)) pupilName.setFocus();
    focusTimer.setEnabled(false);
    for (const auto& [index, link] : m_links)
        link->setOpaque(true);
    celebrationTimer.setEnabled(true);
}

QStringList ResultsScreen::celebrationSounds(int score) {
    switch (score) {
    case 10:
        return wavs({"fanf2.wav", "fanf3.wav"});
    case 9:
        return wavs({"crowd.wav", "cheer2.wav", "klaxon.wav"});
    case 8:
        return wavs({"flute.wav", "gong.wav", "clap2.wav"});
    case 7:
        return wavs({"drumroll.wav", "laser2.wav", "whizz.wav"});
    case 6:
        return wavs({"clap3.wav", "clown.wav"});
    default:
        return {};
    }
}

void ResultsScreen::onCelebrationTimer() {
    // The random source is seeded from the clock when the program starts.
    if (state().soundOn == 1) {
        const QStringList sounds = celebrationSounds(state().scoreState.score);
        if (!sounds.isEmpty()) {
            const int count = int(sounds.size());
            const int r = int(double(app().services.random.next()) * count);
            playSound(sounds[std::clamp(r, 0, count - 1)]);
        }
    }
    celebrationTimer.setEnabled(false);
}

void ResultsScreen::onLinkClicked(ResultsLink clicked) {
    const ScoreState& s = state().scoreState;
    if (clicked == ResultsLink::NextStep) {
        if (s.score == s.total) {
            try {
                printCertificate();
            } catch (const std::exception&) {
                app().services.messages.show(QStringLiteral("Printing has been cancelled."),
                                             style::programTitle(), MessageBoxService::Buttons::Ok);
            }
            return;
        }
        app().windows.show(WrongName);
    } else if (clicked == ResultsLink::Exit) {
        if (app().windows.isLoaded(WrongName)) app().windows.unload(WrongName);
        unload();
    } else {
        return;
    }
    playSound(ClickSound);
}

void ResultsScreen::onLinkHovered(ResultsLink hovered) {
    hoverOn(link(hovered));
}

void ResultsScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{int(ResultsLink::NextStep), int(ResultsLink::Exit)}});
}

// The topic's size on paper depends on its width as this window's own surface measures it.
void ResultsScreen::printCertificate() {
    const ScoreState& s = state().scoreState;
    const QString topic = state().quiz.topic;
    const Certificate certificate{topic, surfaceTextWidth(surfaceFont(), topic), pupilName.text(),
                                  s.score, s.total};
    if (!printOrReport(app(), [&](PrinterService& p) { av::printCertificate(p, certificate); }))
        return;
    app().services.messages.show(QStringLiteral("Your certificate is now printing."),
                                 style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
