#include "Register.h"
#include "RegisterLock.h"
#include "Wizard.h"
#include "WorksheetFile.h"

#include "quiz/QuestionFile.h"

#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

namespace av {

void Wizard::say(const QString& text) {
    app().services.messages.show(text, QStringLiteral("Ancient Velmora"),
                                 MessageBoxService::Buttons::Ok);
}

// The first gap in question n, or the empty text when it is complete and ticked once. Only the
// empty text is missing: a blank is content.
QString Wizard::missingPart(int n) const {
    const int q = n - 1;
    const QString number = str(n);
    if (Text2[q].text().isEmpty())
        return QStringLiteral("You have not completed Question") + number;
    int ticked = 0;
    for (int c = 0; c < Choices; ++c) {
        const int i = Choices * q + c;
        if (Text3[i].text().isEmpty())
            return QStringLiteral("You have not completed Question") + number;
        if (Check1[i].isChecked()) ++ticked;
    }
    if (ticked == 0)
        return QStringLiteral("You have not ticked the correct answer for Question") + number;
    if (ticked > 1)
        return QStringLiteral("You have ticked more than one correct answer for Question") + number;
    return {};
}

void Wizard::genwork() {
    if (Text1.text().isEmpty()) {
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
    saveworksheet();
}

// The widgets as a question set; the correct line holds the digit of each ticked box, which
// after genwork is exactly one.
QuestionSet Wizard::worksheet() const {
    QuestionSet set;
    set.title = Text1.text();
    for (int n = 1; n <= Questions; ++n) {
        const int first = Choices * (n - 1);
        set.question[n] = Text2[n - 1].text();
        set.choice1[n] = Text3[first].text();
        set.choice2[n] = Text3[first + 1].text();
        set.choice3[n] = Text3[first + 2].text();
        set.choice4[n] = Text3[first + 3].text();
        for (int c = 0; c < Choices; ++c)
            if (Check1[first + c].isChecked()) set.correct[n] += QString::number(c + 1);
    }
    return set;
}

void Wizard::saveworksheet() {
    SequentialFile& file = app().file1;
    try {
        const QString title = Text1.text();
        {
            // Taken first, so without it nothing at all is written; let go before the message,
            // which may stay open for as long as the teacher likes.
            RegisterLock lock(app().services.folder);
            file.openOutput(worksheetPathForSaving(app().services.folder, title));
            writeQuestionFile(file, worksheet());
            file.close();
            trackworksheets(file, state(), title);
        }
        say(QStringLiteral("Your worksheet has been saved."));
    } catch (const RuntimeError&) {
        // An unfinished question file never replaces the one before it.
        file.abandon();
        say(QStringLiteral("There was a problem saving your worksheet"));
    }
}

} // namespace av
