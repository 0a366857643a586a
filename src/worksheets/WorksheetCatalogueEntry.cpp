#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

#include "menu/MainMenu.h"
#include "quiz/QuizScreen.h"
#include "shell/Style.h"

#include "platform/RuntimeError.h"

namespace av {
namespace {

const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");
// The picture the main menu shows; a quiz taken from the catalogue shows it too.
const QString MenuPicture = QStringLiteral("Images\\memnonsm.jpg");

// Every question names one of its four choices as correct; anything else would tick a box of
// another question, so the file is taken as damaged before the wizard is touched.
bool editable(const QuestionSet& set) {
    for (int n = 1; n <= QuestionSet::Size; ++n)
        if (WorksheetWizard::correctChoice(set.question(n).correct) == 0) return false;
    return true;
}

} // namespace

void WorksheetCatalogue::onExitClicked() {
    try {
        playSound(ClickSound);
        app().windows.show(QString::fromLatin1(MainMenu::Name));
        unload();
    } catch (const RuntimeError&) {
        say(Corrupted);
    }
}

// Entry j stands for the j-th title of the page on show, as listed when the page was filled.
void WorksheetCatalogue::onEntryClicked(int j) {
    playSound(ClickSound);
    const QString title = m_titles.value(Entries * m_page + j - 1);
    // Deleting touches only the register, so a worksheet whose file is gone or damaged can
    // still be taken off the list.
    if (m_deleteMode.isChecked() && !m_editMode.isChecked()) {
        deleteWorksheet(title);
        return;
    }
    // Every mode starts from the worksheet freshly read, so a missing or short file stops each.
    const WorksheetLibrary::Opened sheet = app().worksheets.open(title);
    if (!sheet.ok()) {
        say(sheet.message);
        return;
    }
    try {
        if (m_editMode.isChecked())
            editWorksheet(sheet.set, title);
        else
            takeWorksheet(sheet.set);
    } catch (const RuntimeError&) {
        say(Corrupted);
    }
}

void WorksheetCatalogue::editWorksheet(const QuestionSet& set, const QString& title) {
    if (!editable(set)) {
        say(Corrupted);
        return;
    }
    const bool open = app().windows.isLoaded(QString::fromLatin1(WorksheetWizard::Name));
    WorksheetWizard& wizard = app().windows.get<WorksheetWizard>();
    if (open && !wizard.mayDiscardChanges()) return; // the teacher keeps what was typed
    wizard.edit(set, title);
    wizard.showWindow();
}

void WorksheetCatalogue::deleteWorksheet(const QString& title) {
    const auto answer = app().services.messages.show(
        QStringLiteral("Are you sure that you want to delete the worksheet ") + title +
            QLatin1Char('?'),
        QString(), MessageBoxService::Buttons::OkCancel);
    if (answer != MessageBoxService::Answer::Ok) return;
    const WorksheetLibrary::Outcome outcome = app().worksheets.remove(title);
    sayNotice(outcome);
    if (!outcome.ok()) {
        say(outcome.message);
        return;
    }
    refreshPage();
}

void WorksheetCatalogue::say(const QString& text) {
    app().services.messages.show(text, style::programTitle(), MessageBoxService::Buttons::Ok);
}

void WorksheetCatalogue::sayNotice(const WorksheetLibrary::Outcome& outcome) {
    if (!outcome.notice.isEmpty()) say(outcome.notice);
}

// The page keeps its number, caption and paging labels; only its entries move up.
void WorksheetCatalogue::refreshPage() {
    m_titles = app().worksheets.titles();
    const int base = Entries * m_page;
    for (int j = 1; j <= Entries; ++j) {
        entry(j).hide();
        entry(j).setCaption(m_titles.value(base + j - 1));
    }
    for (int j = 1; j <= Entries && base + j <= m_titles.size(); ++j)
        entry(j).show();
}

// A teacher taking a worksheet may also want it on paper ("Print Worksheet"). The quiz shows
// the main menu's picture, read here from its file.
void WorksheetCatalogue::takeWorksheet(const QuestionSet& set) {
    app().windows.get<QuizScreen>().start(set, style::programTitle(), MenuPicture, true);
}

} // namespace av
