#include "ResultsScreen.h"

#include "CertificatePrint.h"
#include "QuizLabels.h"
#include "WrongAnswersScreen.h"

#include "platform/NumberText.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

#include <algorithm>
#include <stdexcept>

namespace av {
namespace {

const QString WrongName = QString::fromLatin1(WrongAnswersScreen::Name);

QStringList wavs(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names)
        out.append(QStringLiteral("wav\\") + QLatin1String(name));
    return out;
}

} // namespace

using quiz::textLabel;
using quiz::timesFont;
using quiz::Yellow;

ResultsScreen::ResultsScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      Label4(textLabel(*this, QStringLiteral("Label4"), -1, {0, 120, 12000, 900},
                       QStringLiteral("Well Done!"), quiz::tahomaBold(36), Yellow)),
      Picture1(add<PicturePanel>(QStringLiteral("Picture1"))),
      Label1(textLabel(*this, QStringLiteral("Label1"), -1, {0, 5400, 12000, 855}, QString(),
                       timesFont(24), Yellow)),
      Label5(textLabel(*this, QStringLiteral("Label5"), -1, {1680, 6000, 8640, 1335}, QString(),
                       timesFont(24), Yellow)),
      Label6(textLabel(*this, QStringLiteral("Label6"), -1, {0, 6240, 12000, 855},
                       QStringLiteral("Read the Key Facts and try again."), timesFont(24), Yellow)),
      Text1(add<TextBox>(QStringLiteral("Text1"))),
      Label2(textLabel(*this, QStringLiteral("Label2"), -1, {3120, 7440, 5775, 855},
                       QStringLiteral("Enter your name in the box above before printing your "
                                      "certificate"),
                       timesFont(18), Yellow)),
      Timer1(addTimer("Timer1", 1)), Timer2(addTimer("Timer2", 10)), Timer3(addTimer("Timer3", 1)) {
    Picture1.setBounds(5880, 1440, 4800, 3600);
    Picture1.setDescription(QStringLiteral("The great sphinx of Velmora"));
    Label5.setVisible(false);
    Text1.setBounds(3120, 6600, 5760, 615);
    Text1.setFontSpec(timesFont(24));
    Text1.setMaxLength(NameLength);
    Text1.setAccessibleName(QStringLiteral("Your name"));
    Text1.setVisible(false);
    Label2.setVisible(false);

    addLink(*this, label3, QStringLiteral("label3"), 0, 240, 1800, 3765, 495, QString())
        .setVisible(false);
    addLink(*this, label3, QStringLiteral("label3"), 1, 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
    connect(&Timer1, &Timer::tick, this, &ResultsScreen::Timer1_Timer);
    connect(&Timer2, &Timer::tick, this, &ResultsScreen::Timer2_Timer);
    connect(&Timer3, &Timer::tick, this, &ResultsScreen::Timer3_Timer);
}

// Timers are found by their design names, like the widgets.
Timer& ResultsScreen::addTimer(const char* name, int interval) {
    auto* timer = new Timer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return *timer;
}

void ResultsScreen::onLoad() {
    applyCommonFrame(*this, app());
    showScoreMessage();
    Timer1.setEnabled(true);
}

void ResultsScreen::showScoreMessage() {
    const int score = state().scoreState.score;
    const int total = state().scoreState.total;
    const QString scored = str(score) + QStringLiteral(" out of") + str(total) + QLatin1Char('.');
    const QString hint =
        QStringLiteral("Click the button above to check which questions you answered incorrectly.");
    if (score == total) {
        Label6.setVisible(false);
        label3[0].setVisible(true);
        label3[0].setCaption(QStringLiteral("Print Certificate"));
        Label1.setCaption(QStringLiteral("Excellent work. You have scored") + scored);
        Text1.setVisible(true);
        Label2.setVisible(true);
    } else if (score == total - 1 || score == total - 2) {
        Label1.setCaption(QStringLiteral("Good work. You have scored") + scored);
        Label5.setCaption(hint);
        label3[0].setCaption(QStringLiteral("Check Wrong Answers"));
    } else if (score < total - 2) {
        Label1.setCaption(QStringLiteral("You have scored") + scored);
        Label5.setCaption(hint);
        label3[0].setCaption(QStringLiteral("Check Wrong Answers"));
    }
}

void ResultsScreen::Timer1_Timer() {
    loadPictureOrClear(Picture1, QStringLiteral("images\\sphinxsm.jpg"));
    Timer1.setEnabled(false);
    Timer2.setEnabled(true);
}

void ResultsScreen::Timer2_Timer() {
    if (Text1.isVisibleTo(this)) Text1.setFocus();
    Timer2.setEnabled(false);
    for (const auto& [index, link] : label3)
        link->setOpaque(true);
    Timer3.setEnabled(true);
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

void ResultsScreen::Timer3_Timer() {
    // The random source is seeded from the clock when the program starts.
    if (state().soundOn == 1) {
        const QStringList sounds = celebrationSounds(state().scoreState.score);
        if (!sounds.isEmpty()) {
            const int count = int(sounds.size());
            const int r = int(double(app().services.random.next()) * count);
            playSound(sounds[std::clamp(r, 0, count - 1)]);
        }
    }
    Timer3.setEnabled(false);
}

void ResultsScreen::label3_Click(int index) {
    const ScoreState& s = state().scoreState;
    if (index == 0) {
        if (s.score == s.total) {
            try {
                printCertificate();
            } catch (const std::exception&) {
                app().services.messages.show(QStringLiteral("Printing has been cancelled."),
                                             QStringLiteral("Ancient Velmora"),
                                             MessageBoxService::Buttons::Ok);
            }
            return;
        }
        app().windows.show(WrongName);
    } else if (index == 1) {
        if (app().windows.isLoaded(WrongName)) app().windows.unload(WrongName);
        unload();
    } else {
        return;
    }
    playSound(ClickSound);
}

void ResultsScreen::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void ResultsScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{0, 1}});
}

// The topic's size on paper depends on its width as this window's own surface measures it.
void ResultsScreen::printCertificate() {
    const ScoreState& s = state().scoreState;
    const QString topic = state().topicTitle;
    const Certificate certificate{topic, surfaceTextWidth(surfaceFont(), topic), Text1.text(),
                                  s.score, s.total};
    if (!printOrReport(app(), [&](PrinterService& p) { av::printCertificate(p, certificate); })) return;
    app().services.messages.show(QStringLiteral("Your certificate is now printing."),
                                 QStringLiteral("Ancient Velmora"), MessageBoxService::Buttons::Ok);
}

} // namespace av
