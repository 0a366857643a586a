#include "ResultsScreen.h"

#include "CertificatePrint.h"
#include "WrongAnswersScreen.h"
#include "model/RecordResult.h"
#include "platform/ProgramFolder.h"
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

ResultsScreen::ResultsScreen(App& app, std::shared_ptr<QString> lastQuizHeading)
    : Screen(app, QString::fromLatin1(Name)), m_lastQuizHeading(std::move(lastQuizHeading)),
      m_heading(addCaption(*this, names::Heading, -1, {0, 120, 12000, 900},
                           QStringLiteral("Well Done!"), style::tahomaBold(36), style::Yellow)),
      m_sphinxPicture(add<PicturePanel>(QString::fromLatin1(names::SphinxPicture))),
      m_scoreMessage(addCaption(*this, names::ScoreMessage, -1, {0, 5400, 12000, 855}, QString(),
                                style::times(24), style::Yellow)),
      m_wrongAnswersHint(addCaption(*this, names::WrongAnswersHint, -1, {1680, 6000, 8640, 1335},
                                    QString(), style::times(24), style::Yellow)),
      m_tryAgainHint(addCaption(*this, names::TryAgainHint, -1, {0, 6240, 12000, 855},
                                QStringLiteral("Read the Key Facts and try again."),
                                style::times(24), style::Yellow)),
      m_pupilName(add<TextBox>(QString::fromLatin1(names::PupilName))),
      m_nameHint(addCaption(*this, names::NameHint, -1, {3120, 7440, 5775, 855},
                            QStringLiteral("Enter your name in the box above before printing your "
                                           "certificate"),
                            style::times(18), style::Yellow)),
      m_nameCaption(addCaption(*this, names::NameCaption, -1, {360, 7440, 2640, 495},
                               QStringLiteral("Your name:"), style::times(18), style::Yellow,
                               Label::Align::Right)),
      m_pictureTimer(addTimer(names::PictureTimer, 1)),
      m_focusTimer(addTimer(names::FocusTimer, 10)),
      m_celebrationTimer(addTimer(names::CelebrationTimer, 1)) {
    m_sphinxPicture.setBounds(5880, 1440, 4800, 3600);
    m_sphinxPicture.setDescription(QStringLiteral("The great sphinx of Velmora"));
    m_wrongAnswersHint.setVisible(false);
    m_pupilName.setBounds(3120, 6600, 5760, 615);
    m_pupilName.setFontSpec(style::times(24));
    m_pupilName.setMaxLength(NameLength);
    // The name is only printed, never saved: any letter the certificate's face has is welcome.
    m_pupilName.keepPrintableIn(QFont(fonts::familyFor(style::serifFace())));
    m_pupilName.setAccessibleName(QStringLiteral("Your name"));
    m_pupilName.setVisible(false);
    m_nameHint.setVisible(false);
    m_nameCaption.setVisible(false);
    addLinks();
    connect(&m_pictureTimer, &Timer::tick, this, &ResultsScreen::onPictureTimer);
    connect(&m_focusTimer, &Timer::tick, this, &ResultsScreen::onFocusTimer);
    connect(&m_celebrationTimer, &Timer::tick, this, &ResultsScreen::onCelebrationTimer);
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
    m_pictureTimer.setEnabled(true);
}

void ResultsScreen::showScoreMessage() {
    const ScoredOutcome shown = m_shown.value_or(ScoredOutcome{});
    const int score = shown.score;
    const int total = shown.total;
    const QString scored =
        numberText(score) + QStringLiteral(" out of") + numberText(total) + QLatin1Char('.');
    const QString hint =
        QStringLiteral("Click the button above to check which questions you answered incorrectly.");
    Label& nextStep = link(ResultsLink::NextStep);
    // Shown again for a new score, so everything a score may change starts as first laid out.
    m_tryAgainHint.setVisible(true);
    nextStep.setVisible(false);
    m_pupilName.setVisible(false);
    m_nameHint.setVisible(false);
    m_nameCaption.setVisible(false);
    m_pupilName.setBounds(3120, 6600, 5760, 615);
    if (app().state.keepResults) {
        // The same pupil's next score starts with the name they typed last.
        m_pupilName.setText(app().lastPupilName);
        if (score != total) {
            // Below the hints, where no certificate's box would be.
            m_pupilName.setBounds(3120, 7440, 5760, 495);
            m_pupilName.setVisible(true);
            m_nameCaption.setVisible(true);
        }
    }
    if (score == total) {
        m_tryAgainHint.setVisible(false);
        nextStep.setVisible(true);
        nextStep.setCaption(QStringLiteral("Print Certificate"));
        m_scoreMessage.setCaption(QStringLiteral("Excellent work. You have scored") + scored);
        m_pupilName.setVisible(true);
        m_nameHint.setVisible(true);
    } else if (score == total - 1 || score == total - 2) {
        m_scoreMessage.setCaption(QStringLiteral("Good work. You have scored") + scored);
        m_wrongAnswersHint.setCaption(hint);
        nextStep.setCaption(QStringLiteral("Check Wrong Answers"));
    } else if (score < total - 2) {
        m_scoreMessage.setCaption(QStringLiteral("You have scored") + scored);
        m_wrongAnswersHint.setCaption(hint);
        nextStep.setCaption(QStringLiteral("Check Wrong Answers"));
    }
    // A screen reader says the message as the screen opens, with its heading.
    setAccessibleName(m_heading.caption() + QLatin1Char(' ') + m_scoreMessage.caption());
}

void ResultsScreen::showQuizOutcome(const ScoredOutcome& outcome) {
    m_shown = outcome;
    m_latest = outcome;
    *m_lastQuizHeading = outcome.heading;
    showScoreMessage();
    m_tryAgainHint.setVisible(false);
    m_wrongAnswersHint.setVisible(true);
    link(ResultsLink::NextStep).setVisible(true);
    showWindow();
}

// An activity checked again while this screen is up only changes what the certificate and
// the sound read, as the screen has always done.
void ResultsScreen::showActivityOutcome(const ScoredOutcome& outcome) {
    m_latest = outcome;
    if (!m_shown) {
        m_shown = outcome;
        showScoreMessage();
    }
    showWindow();
}

void ResultsScreen::onPictureTimer() {
    loadPictureOrClear(m_sphinxPicture, QStringLiteral("images\\sphinxsm.jpg"));
    m_pictureTimer.setEnabled(false);
    m_focusTimer.setEnabled(true);
}

void ResultsScreen::onFocusTimer() {
    if (m_pupilName.isVisibleTo(this)) m_pupilName.setFocus();
    m_focusTimer.setEnabled(false);
    for (const auto& [index, link] : m_links)
        link->setOpaque(true);
    m_celebrationTimer.setEnabled(true);
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
        const QStringList sounds = celebrationSounds(m_latest.score);
        if (!sounds.isEmpty()) {
            const int count = int(sounds.size());
            const int r = int(double(app().services.random.next()) * count);
            playSound(sounds[std::clamp(r, 0, count - 1)]);
        }
    }
    m_celebrationTimer.setEnabled(false);
}

void ResultsScreen::onLinkClicked(ResultsLink clicked) {
    if (clicked == ResultsLink::NextStep) {
        if (m_latest.score == m_latest.total) {
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
        keepResult();
        if (app().windows.isLoaded(WrongName)) app().windows.unload(WrongName);
        unload();
    } else {
        return;
    }
    playSound(ClickSound);
}

// Kept whole on disk before the screen closes; a school whose folder refuses it is told, so no
// result is lost unseen.
void ResultsScreen::keepResult() {
    if (!app().state.keepResults || !m_shown) return;
    app().lastPupilName = m_pupilName.text();
    QString why;
    if (recordResult(app().services.folder.worksheetFolder(), m_latest, m_pupilName.text(), &why))
        return;
    app().services.messages.show(
        QStringLiteral("Your result could not be kept for your teacher (") + why + u')',
        style::programTitle(), MessageBoxService::Buttons::Ok);
}

void ResultsScreen::onLinkHovered(ResultsLink hovered) {
    hoverOn(link(hovered));
}

void ResultsScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{int(ResultsLink::NextStep), int(ResultsLink::Exit)}});
}

// The topic's size on paper depends on its width as this window's own surface measures it.
void ResultsScreen::printCertificate() {
    const QString topic = *m_lastQuizHeading;
    const Certificate certificate{topic, surfaceTextWidth(surfaceFont(), topic), m_pupilName.text(),
                                  m_latest.score, m_latest.total};
    if (!printOrReport(app(), [&](PrinterService& p) { av::printCertificate(p, certificate); }))
        return;
    app().services.messages.show(QStringLiteral("Your certificate is now printing."),
                                 style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
