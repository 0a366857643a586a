#pragma once

#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Group.h"
#include "platform/Label.h"

namespace av {

// The wrong-answers screen's one link; the value is its index.
enum class WrongAnswersLink { Exit = 1 };

// The questions of the last quiz answered wrongly, one row each, under the quiz's title. The
// quiz hands both over through list(); this screen only shows them.
class WrongAnswersScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::WrongAnswers;
    static constexpr int Rows = 10;

    explicit WrongAnswersScreen(App& app);

    void onLoad() override;
    // Titles the list and shows the given rows from the top, one question each; rows past
    // the last are left as they are.
    void list(const QString& title, const QStringList& wrongQuestions);
    void onLinkClicked(WrongAnswersLink link);
    void closeButtonPressed() override { onLinkClicked(WrongAnswersLink::Exit); }

    Label& row(int k) const { return m_rows[k]; }
    const Group<Label>& rows() const { return m_rows; }
    Label& link(WrongAnswersLink l) const { return m_links[int(l)]; }
    const Label& quizTitle() const { return m_quizTitle; }
    const Label& introduction() const { return m_introduction; }
    const Label& readKeyFactsHint() const { return m_readKeyFactsHint; }

  private:
    Label& m_quizTitle;
    Label& m_introduction;
    Label& m_readKeyFactsHint;
    Group<Label> m_rows;
    Group<Label> m_links;
};

} // namespace av
