#include "WrongAnswersScreen.h"

#include "QuizLabels.h"
#include "ResultsScreen.h"

#include "shell/LinkLabels.h"

namespace av {

using quiz::tahomaBold;
using quiz::textLabel;
using quiz::Yellow;

WrongAnswersScreen::WrongAnswersScreen(App& app)
    : Screen(app, QString::fromLatin1(Name), Border::Sizable),
      Label6(textLabel(*this, QStringLiteral("Label6"), -1, {0, 120, 12000, 540}, QString(),
                       tahomaBold(20.25), Yellow)),
      Label4(textLabel(*this, QStringLiteral("Label4"), -1, {240, 960, 12000, 540},
                       QStringLiteral("You answered the following questions incorrectly."),
                       tahomaBold(15.75), Yellow, Label::Align::Left)),
      Label5(textLabel(*this, QStringLiteral("Label5"), -1, {0, 7920, 12000, 540},
                       QStringLiteral("Read the Key Facts and try again."), tahomaBold(20.25),
                       Yellow)) {
    for (int k = 0; k < Rows; ++k) {
        Label& row =
            textLabel(*this, QStringLiteral("Label2"), k, {120, 1680 + 600.0 * k, 12000, 540},
                      QString(), tahomaBold(15.75), QColor(255, 255, 255), Label::Align::Left);
        row.setVisible(false);
        Label2.add(k, &row);
    }
    // The only link; it has no hover, so it keeps its dark box.
    addLink(*this, label3, QStringLiteral("label3"), 1, 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
}

void WrongAnswersScreen::onLoad() {
    applyCommonFrame(*this, app());
}

// Leaving the list leaves the results too; the pupil is back where the score was asked for.
void WrongAnswersScreen::label3_Click(int) {
    app().windows.unload(QString::fromLatin1(ResultsScreen::Name));
    unload();
}

} // namespace av
