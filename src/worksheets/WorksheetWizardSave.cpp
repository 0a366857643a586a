#include "WorksheetWizard.h"

#include "shell/Style.h"

#include "platform/NumberText.h"
#include "platform/TextRules.h"

namespace av {

void WorksheetWizard::say(const QString& text) {
    app().services.messages.show(text, style::programTitle(), MessageBoxService::Buttons::Ok);
}

// The first gap in question n, or the empty text when it is complete and ticked once. Only the
// empty text is missing: a blank is content.
QString WorksheetWizard::missingPart(int n) const {
    const int q = n - 1;
    const QString number = numberText(n);
    if (m_questionBoxes[q].text().isEmpty())
        return QStringLiteral("You have not completed Question") + number;
    int ticked = 0;
    for (int c = 0; c < Choices; ++c) {
        const int i = Choices * q + c;
        if (m_choiceBoxes[i].text().isEmpty())
            return QStringLiteral("You have not completed Question") + number;
        if (m_correctTicks[i].isChecked()) ++ticked;
    }
    if (ticked == 0)
        return QStringLiteral("You have not ticked the correct answer for Question") + number;
    if (ticked > 1)
        return QStringLiteral("You have ticked more than one correct answer for Question") + number;
    return {};
}

void WorksheetWizard::checkAndSave() {
    // Blanks alone would file a worksheet with a name nobody can see in the catalogue.
    if (m_titleBox.text().trimmed().isEmpty()) {
        say(QStringLiteral("You have not chosen a title for your worksheet"));
        return;
    }
    for (int n = 1; n <= Questions; ++n) {
        const QString gap = missingPart(n);
        if (!gap.isEmpty()) {
            say(gap);
            return;
        }
    }
    const QString spoilt = unstorableBox();
    if (!spoilt.isEmpty()) {
        say(QStringLiteral("The box \"") + spoilt +
            QStringLiteral("\" holds a line break or a character that a worksheet file cannot "
                           "keep, so the worksheet was not saved. Please type that text again."));
        return;
    }
    saveWorksheet();
}

// The boxes keep out what a file cannot hold; checked again here so that nothing that got past
// them is ever written as a '?' or a line of its own. The name of the first such box, or empty.
QString WorksheetWizard::unstorableBox() const {
    QList<const TextBox*> boxes{&m_titleBox};
    for (int q = 0; q < Questions; ++q) {
        boxes.append(&m_questionBoxes[q]);
        for (int c = 0; c < Choices; ++c)
            boxes.append(&choiceBox(q, c));
    }
    for (const TextBox* box : boxes)
        for (QChar c : box->text())
            if (c.unicode() < 0x20 || !textrules::storable(c.unicode()))
                return box->accessibleName();
    return {};
}

QuestionSet WorksheetWizard::worksheet() const {
    QuestionSet set;
    set.title = m_titleBox.text();
    for (int n = 1; n <= Questions; ++n) {
        const int first = Choices * (n - 1);
        set.question(n).text = m_questionBoxes[n - 1].text();
        for (int c = 0; c < Choices; ++c) {
            set.question(n).choice(c + 1) = m_choiceBoxes[first + c].text();
            if (m_correctTicks[first + c].isChecked())
                set.question(n).correct += QString::number(c + 1);
        }
    }
    return set;
}

// Asked only over a worksheet this wizard does not hold already.
bool WorksheetWizard::mayReplace(const QString& title) {
    const auto answer =
        app().services.messages.show(QStringLiteral("There is already a worksheet called ") +
                                         title + QStringLiteral(". Do you want to replace it?"),
                                     style::programTitle(), MessageBoxService::Buttons::OkCancel);
    return answer == MessageBoxService::Answer::Ok;
}

void WorksheetWizard::saveWorksheet() {
    using Library = WorksheetLibrary;
    Library& library = app().worksheets;
    const QString title = m_titleBox.text();
    const QuestionSet set = worksheet();
    const Library::Replace held =
        title == m_heldTitle ? Library::Replace::Yes : Library::Replace::Ask;
    Library::Outcome outcome = library.save(title, set, held);
    if (!outcome.notice.isEmpty()) say(outcome.notice);
    if (outcome.failure == Library::Failure::Exists) {
        if (!mayReplace(title)) return;
        outcome = library.save(title, set, Library::Replace::Yes);
        if (!outcome.notice.isEmpty()) say(outcome.notice);
    }
    if (!outcome.ok()) {
        say(outcome.message);
        return;
    }
    holdWorksheet(title);
    say(QStringLiteral("Your worksheet has been saved."));
}

} // namespace av
