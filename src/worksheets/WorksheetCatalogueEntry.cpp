#include "model/Register.h"
#include "model/RegisterLock.h"
#include "model/RegisterRecovery.h"
#include "WorksheetWizard.h"
#include "model/WorksheetFile.h"
#include "WorksheetCatalogue.h"

#include "model/QuestionFile.h"
#include "menu/MainMenu.h"
#include "quiz/QuizScreen.h"

#include "platform/PictureBox.h"
#include "platform/RuntimeError.h"

namespace av {
namespace {

const QString Title = QStringLiteral("Ancient Velmora");

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

void WorksheetCatalogue::Label2_Click(int index) {
    try {
        playSound(ClickSound);
        if (index == 0) {
            app().windows.show(QStringLiteral("intro0"));
            unload();
            return;
        }
        const QString name = Label2[index].caption();
        // Deleting touches only the register, so a worksheet whose file is gone or damaged can
        // still be taken off the list.
        if (Check2.isChecked() && !Check1.isChecked()) {
            deleteWorksheet(name);
            return;
        }
        openWorksheet(name);
        if (Check1.isChecked())
            editworksheet(name);
        else
            takeWorksheet();
    } catch (const RuntimeError&) {
        app().file1.abandon();
        say(QStringLiteral("This worksheet seems to be corrupted."));
    }
}

// Every mode starts from the worksheet freshly loaded, so a missing or short file stops each.
void WorksheetCatalogue::openWorksheet(const QString& name) {
    SequentialFile& file = app().file1;
    file.openInput(worksheetPath(name));
    readQuestionSet(file, state().questionSet);
    file.close();
}

void WorksheetCatalogue::editworksheet(const QString& name) {
    const QuestionSet& set = state().questionSet;
    // Checked before the wizard is touched, so a damaged file never leaves it half filled.
    std::array<int, WorksheetWizard::Questions> correct{};
    for (int q = 0; q < WorksheetWizard::Questions; ++q)
        correct[q] = correctChoice(set.question(q + 1).correct);
    WorksheetWizard& wizard = app().windows.get<WorksheetWizard>();
    wizard.Text1.setText(name);
    wizard.holdWorksheet(name);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        const int first = WorksheetWizard::Choices * q;
        wizard.Text2[q].setText(set.question(q + 1).text);
        wizard.Text3[first].setText(set.question(q + 1).choice(1));
        wizard.Text3[first + 1].setText(set.question(q + 1).choice(2));
        wizard.Text3[first + 2].setText(set.question(q + 1).choice(3));
        wizard.Text3[first + 3].setText(set.question(q + 1).choice(4));
        wizard.Check1[first + correct[q] - 1].setChecked(true);
    }
    wizard.showWindow();
}

void WorksheetCatalogue::deleteWorksheet(const QString& name) {
    const auto answer = app().services.messages.show(
        QStringLiteral("Are you sure that you want to delete the worksheet ") + name +
            QLatin1Char('?'),
        QString(), MessageBoxService::Buttons::OkCancel);
    if (answer != MessageBoxService::Answer::Ok) return;
    SequentialFile& file = app().file1;
    try {
        const QString keptAs = recoverRegister(file, app().services.folder, state().worksheets);
        if (!keptAs.isEmpty()) say(rebuiltMessage(keptAs));
        RegisterLock lock(app().services.folder);
        unregisterWorksheet(file, state().worksheets, name);
    } catch (const RuntimeError&) {
        file.abandon();
        say(QStringLiteral("There was a problem deleting your worksheet."));
        return;
    }
    refreshPage();
}

void WorksheetCatalogue::say(const QString& text) {
    app().services.messages.show(text, Title, MessageBoxService::Buttons::Ok);
}

// The page keeps its number, caption and paging labels; only its entries move up.
void WorksheetCatalogue::refreshPage() {
    const int base = Entries * state().cataloguePage;
    for (int j = 1; j <= Entries; ++j) {
        Label2[j].hide();
        Label2[j].setCaption(state().worksheets.name(base + j));
    }
    for (int j = 1; j <= Entries && base + j <= state().worksheets.count(); ++j)
        Label2[j].show();
}

// The quiz gets the main menu's picture; reading it loads the menu unseen when it is gone.
void WorksheetCatalogue::takeWorksheet() {
    QuizScreen& quiz = app().windows.get<QuizScreen>();
    // A teacher taking a worksheet may also want it on paper ("Print Worksheet").
    quiz.prepareForWorksheet(Title, app().windows.get<MainMenu>().menuPicture());
    quiz.showWindow();
}

} // namespace av
