#include "WrongAnswersScreen.h"

#include "QuizLabels.h"
#include "ResultsScreen.h"

#include "shell/LinkLabels.h"

namespace av {
namespace {

namespace names = glossary::wrongAnswers;

} // namespace

using quiz::tahomaBold;
using quiz::textLabel;
using quiz::Yellow;

WrongAnswersScreen::WrongAnswersScreen(App& app)
    : Screen(app, QString::fromLatin1(Name), Border::Sizable),
      quizTitle(textLabel(*this, names::QuizTitle, -1, {0, 120, 12000, 540}, QString(),
                          tahomaBold(20.25), Yellow)),
      introduction(textLabel(*this, names::Introduction, -1, {240, 960, 12000, 540},
                             QStringLiteral("You answered the following questions incorrectly."),
                             tahomaBold(15.75), Yellow, Label::Align::Left)),
      readKeyFactsHint(textLabel(*this, names::ReadKeyFactsHint, -1, {0, 7920, 12000, 540},
                                 QStringLiteral("Read the Key Facts and try again."),
                                 tahomaBold(20.25), Yellow)) {
    for (int k = 0; k < Rows; ++k) {
        Label& row =
            textLabel(*this, names::Rows, k, {120, 1680 + 600.0 * k, 12000, 540}, QString(),
                      tahomaBold(15.75), QColor(255, 255, 255), Label::Align::Left);
        row.setVisible(false);
        m_rows.add(k, &row);
    }
    // The only link; it has no hover, so it keeps its dark box.
    addLink(*this, m_links, QString::fromLatin1(names::Links), int(WrongAnswersLink::Exit), 10560,
            7920, 1245, 495, QStringLiteral("Exit"));
    m_links.connectEach(&Label::clicked, this,
                        [this](int i) { onLinkClicked(WrongAnswersLink(i)); });
}

void WrongAnswersScreen::onLoad() {
    applyCommonFrame(*this, app());
}

void WrongAnswersScreen::list(const QString& title, const QStringList& wrongQuestions) {
    for (int k = 0; k < int(wrongQuestions.size()) && m_rows.contains(k); ++k) {
        m_rows[k].setCaption(wrongQuestions[k]);
        m_rows[k].setVisible(true);
    }
    quizTitle.setCaption(title);
}

// Leaving the list leaves the results too; the pupil is back where the score was asked for.
void WrongAnswersScreen::onLinkClicked(WrongAnswersLink) {
    app().windows.unload(QString::fromLatin1(ResultsScreen::Name));
    unload();
}

} // namespace av
