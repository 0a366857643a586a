#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"
#include "model/PlantedLink.h"
#include "model/Register.h"
#include "model/RegisterLock.h"
#include "model/RegisterRecovery.h"
#include "model/WorksheetFile.h"

#include "menu/MainMenu.h"
#include "model/QuestionFile.h"
#include "quiz/QuizScreen.h"
#include "shell/Style.h"

#include "platform/PictureBox.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"

namespace av {
namespace {

const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");

// The number of the correct choice, 1 to 4; anything else would tick a box of another
// question, so it is refused as a damaged file.
int correctChoice(const QString& field) {
    bool ok = false;
    const int d = field.trimmed().toInt(&ok);
    if (!ok || d < 1 || d > WorksheetWizard::Choices)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange, QStringLiteral("correct ") + field);
    return d;
}

} // namespace

void WorksheetCatalogue::onExitClicked() {
    try {
        playSound(ClickSound);
        app().windows.show(QString::fromLatin1(MainMenu::Name));
        unload();
    } catch (const RuntimeError&) {
        app().dataFile.abandon();
        say(Corrupted);
    }
}

void WorksheetCatalogue::onEntryClicked(int j) {
    try {
        playSound(ClickSound);
        const QString name = entry(j).caption();
        // Deleting touches only the register, so a worksheet whose file is gone or damaged can
        // still be taken off the list.
        if (deleteMode.isChecked() && !editMode.isChecked()) {
            deleteWorksheet(name);
            return;
        }
        openWorksheet(name);
        if (editMode.isChecked())
            editWorksheet(name);
        else
            takeWorksheet();
    } catch (const RuntimeError&) {
        app().dataFile.abandon();
        say(Corrupted);
    }
}

// Every mode starts from the worksheet freshly loaded, so a missing or short file stops each.
void WorksheetCatalogue::openWorksheet(const QString& name) {
    SequentialFile& file = app().dataFile;
    file.openInput(worksheetPath(name));
    readQuestionSet(file, state().questionSet);
    file.close();
}

void WorksheetCatalogue::editWorksheet(const QString& name) {
    const QuestionSet& set = state().questionSet;
    // Checked before the wizard is touched, so a damaged file never leaves it half filled.
    std::array<int, WorksheetWizard::Questions> correct{};
    for (int q = 0; q < WorksheetWizard::Questions; ++q)
        correct[q] = correctChoice(set.question(q + 1).correct);
    const bool open = app().windows.isLoaded(QString::fromLatin1(WorksheetWizard::Name));
    WorksheetWizard& wizard = app().windows.get<WorksheetWizard>();
    if (open && !wizard.mayDiscardChanges()) return; // the teacher keeps what was typed
    wizard.titleBox.setText(name);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        wizard.questionBox(q).setText(set.question(q + 1).text);
        for (int c = 0; c < WorksheetWizard::Choices; ++c)
            wizard.choiceBox(q, c).setText(set.question(q + 1).choice(c + 1));
        wizard.correctTick(q, correct[q] - 1).setChecked(true);
    }
    wizard.holdWorksheet(name);
    wizard.showWindow();
}

void WorksheetCatalogue::deleteWorksheet(const QString& name) {
    const auto answer = app().services.messages.show(
        QStringLiteral("Are you sure that you want to delete the worksheet ") + name +
            QLatin1Char('?'),
        QString(), MessageBoxService::Buttons::OkCancel);
    if (answer != MessageBoxService::Answer::Ok) return;
    SequentialFile& file = app().dataFile;
    try {
        const QString keptAs = recoverRegister(file, app().services.folder, state().worksheets);
        if (!keptAs.isEmpty()) say(rebuiltMessage(keptAs));
        RegisterLock lock(app().services.folder);
        removeAbandonedStagedFiles(app().services.folder.worksheetFolder(), AbandonedAfter);
        unregisterWorksheet(file, state().worksheets, name);
    } catch (const PlantedLink&) {
        file.abandon();
        say(PlantedLink::message());
        return;
    } catch (const RuntimeError&) {
        file.abandon();
        say(QStringLiteral("There was a problem deleting your worksheet."));
        return;
    }
    refreshPage();
}

void WorksheetCatalogue::say(const QString& text) {
    app().services.messages.show(text, style::programTitle(), MessageBoxService::Buttons::Ok);
}

// The page keeps its number, caption and paging labels; only its entries move up.
void WorksheetCatalogue::refreshPage() {
    const int base = Entries * m_page;
    for (int j = 1; j <= Entries; ++j) {
        entry(j).hide();
        entry(j).setCaption(state().worksheets.name(base + j));
    }
    for (int j = 1; j <= Entries && base + j <= state().worksheets.count(); ++j)
        entry(j).show();
}

// The quiz gets the main menu's picture; reading it loads the menu unseen when it is gone.
void WorksheetCatalogue::takeWorksheet() {
    // A teacher taking a worksheet may also want it on paper ("Print Worksheet").
    const PicturePtr picture = app().windows.get<MainMenu>().menuPicture();
    app().windows.get<QuizScreen>().start(state().questionSet, style::programTitle(), picture,
                                          true);
}

} // namespace av
