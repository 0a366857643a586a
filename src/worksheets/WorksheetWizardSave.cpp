#include "WorksheetWizard.h"
#include "model/PlantedLink.h"
#include "model/Register.h"
#include "model/RegisterLock.h"
#include "model/RegisterRecovery.h"
#include "model/WorksheetFile.h"

#include "model/QuestionFile.h"

#include "shell/Style.h"

#include "platform/NumberText.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"
#include "platform/TextRules.h"
#include "platform/WorksheetFolderProblem.h"

namespace av {

void WorksheetWizard::say(const QString& text) {
    app().services.messages.show(text, style::programTitle(), MessageBoxService::Buttons::Ok);
}

// The first gap in question n, or the empty text when it is complete and ticked once. Only the
// empty text is missing: a blank is content.
QString WorksheetWizard::missingPart(int n) const {
    const int q = n - 1;
    const QString number = numberText(n);
    if (questionBoxes[q].text().isEmpty())
        return QStringLiteral("You have not completed Question") + number;
    int ticked = 0;
    for (int c = 0; c < Choices; ++c) {
        const int i = Choices * q + c;
        if (choiceBoxes[i].text().isEmpty())
            return QStringLiteral("You have not completed Question") + number;
        if (correctTicks[i].isChecked()) ++ticked;
    }
    if (ticked == 0)
        return QStringLiteral("You have not ticked the correct answer for Question") + number;
    if (ticked > 1)
        return QStringLiteral("You have ticked more than one correct answer for Question") + number;
    return {};
}

void WorksheetWizard::checkAndSave() {
    // Blanks alone would file a worksheet with a name nobody can see in the catalogue.
    if (titleBox.text().trimmed().isEmpty()) {
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
    QList<const TextBox*> boxes{&titleBox};
    for (int q = 0; q < Questions; ++q) {
        boxes.append(&questionBoxes[q]);
        for (int c = 0; c < Choices; ++c)
            boxes.append(&choiceBox(q, c));
    }
    for (const TextBox* box : boxes)
        for (QChar c : box->text())
            if (c.unicode() < 0x20 || !textrules::storable(c.unicode()))
                return box->accessibleName();
    return {};
}

// The widgets as a question set; the correct line holds the digit of each ticked box, which
// after checkAndSave is exactly one.
QuestionSet WorksheetWizard::worksheet() const {
    QuestionSet set;
    set.title = titleBox.text();
    for (int n = 1; n <= Questions; ++n) {
        const int first = Choices * (n - 1);
        set.question(n).text = questionBoxes[n - 1].text();
        for (int c = 0; c < Choices; ++c) {
            set.question(n).choice(c + 1) = choiceBoxes[first + c].text();
            if (correctTicks[first + c].isChecked())
                set.question(n).correct += QString::number(c + 1);
        }
    }
    return set;
}

// Asked only over a worksheet this wizard does not hold already.
bool WorksheetWizard::mayReplace(const QString& title) {
    if (title == m_heldTitle || !state().worksheets.contains(title)) return true;
    const auto answer =
        app().services.messages.show(QStringLiteral("There is already a worksheet called ") +
                                         title + QStringLiteral(". Do you want to replace it?"),
                                     style::programTitle(), MessageBoxService::Buttons::OkCancel);
    return answer == MessageBoxService::Answer::Ok;
}

// The question file goes under a temporary name and takes its own only once the register lists
// it; a failure on the way removes the temporary file and puts the register back.
void WorksheetWizard::writeAndRegister(const QString& title) {
    const ProgramFolder& folder = app().services.folder;
    removeAbandonedStagedFiles(folder.worksheetFolder(), AbandonedAfter);
    SequentialFile sheet(folder);
    sheet.openOutput(worksheetPathForSaving(folder, title));
    writeQuestionFile(sheet, worksheet());
    sheet.flush();
    const std::optional<QByteArray> before = registerSnapshot(folder);
    bool registered = false; // a failed registration has left the register as it was
    try {
        registered = registerWorksheet(app().dataFile, state().worksheets, title);
        sheet.close();
    } catch (const RuntimeError&) {
        app().dataFile.abandon();
        if (registered) restoreRegister(folder, before);
        throw;
    }
}

void WorksheetWizard::saveWorksheet() {
    SequentialFile& file = app().dataFile;
    try {
        const QString title = titleBox.text();
        const QString refusal = titleRefusal(app().services.folder, title);
        if (!refusal.isEmpty()) {
            say(refusal);
            return;
        }
        worksheetPathForSaving(app().services.folder, title);
        const QString keptAs = recoverRegister(file, app().services.folder, state().worksheets);
        if (!keptAs.isEmpty()) say(rebuiltMessage(keptAs));
        if (!file.exists(RegisterPath)) state().worksheets.setCount(0); // made on this first save
        if (!mayReplace(title)) return;
        {
            // Taken first, so without it nothing at all is written; let go before the message,
            // which may stay open for as long as the teacher likes.
            RegisterLock lock(app().services.folder);
            writeAndRegister(title);
        }
        holdWorksheet(title);
        say(QStringLiteral("Your worksheet has been saved."));
    } catch (const PlantedLink&) {
        file.abandon();
        say(PlantedLink::message());
    } catch (const RuntimeError&) {
        file.abandon();
        say(withWorksheetFolderProblem(QStringLiteral("There was a problem saving your worksheet"),
                                       app().services.folder));
    }
}

} // namespace av
