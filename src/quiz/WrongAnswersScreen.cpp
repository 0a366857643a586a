#include "WrongAnswersScreen.h"

#include "ResultsScreen.h"
#include "shell/Captions.h"

#include "shell/LinkLabels.h"

namespace av {
namespace {

namespace names = glossary::wrongAnswers;

} // namespace

WrongAnswersScreen::WrongAnswersScreen(App& app)
    : Screen(app, QString::fromLatin1(Name), Border::Sizable),
      m_quizTitle(addCaption(*this, names::QuizTitle, -1, {0, 120, 12000, 540}, QString(),
                             style::tahomaBold(20.25), style::Yellow)),
      m_introduction(addCaption(*this, names::Introduction, -1, {240, 960, 12000, 540},
                                QStringLiteral("You answered the following questions incorrectly."),
                                style::tahomaBold(15.75), style::Yellow, Label::Align::Left)),
      m_readKeyFactsHint(addCaption(*this, names::ReadKeyFactsHint, -1, {0, 7920, 12000, 540},
                                    QStringLiteral("Read the Key Facts and try again."),
                                    style::tahomaBold(20.25), style::Yellow)) {
    for (int k = 0; k < Rows; ++k) {
        Label& row =
            addCaption(*this, names::Rows, k, {120, 1680 + 600.0 * k, 12000, 540}, QString(),
                       style::tahomaBold(15.75), style::White, Label::Align::Left);
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
    m_quizTitle.setCaption(title);
}

// Leaving the list leaves the results too; the pupil is back where the score was asked for.
void WrongAnswersScreen::onLinkClicked(WrongAnswersLink) {
    app().windows.unload(QString::fromLatin1(ResultsScreen::Name));
    unload();
}

} // namespace av
