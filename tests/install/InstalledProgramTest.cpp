// Run by install_test.sh against a freshly installed tree, from another working folder and with
// a temporary home: the real windows over the folder rules the installed program uses.
#include "TestApp.h"
#include "views/MainMenuView.h"
#include "views/TitleScreenView.h"
#include "views/TopicScreenView.h"

#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "platform/QtServices.h"
#include "program/FolderRules.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
using namespace Qt::StringLiterals;
namespace win = av::glossary::window;

namespace {

class InstalledProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bin = qEnvironmentVariable("VELMORA_INSTALLED_BIN");
        if (bin.isEmpty()) GTEST_SKIP() << "VELMORA_INSTALLED_BIN unset: install_test.sh runs this";
    }
    template <class W> W& window(const char* name) {
        auto* w = dynamic_cast<W*>(t->windows().loaded(QString::fromLatin1(name)));
        if (!w) throw std::runtime_error(std::string("not loaded: ") + name);
        return *w;
    }
    QString bin;
    std::unique_ptr<TestApp> t;
};

TEST_F(InstalledProgramTest, FindsItsDataOpensATopicQuizAndSavesUnderTheHome) {
    const FolderPlan plan = planFolders(bin, QString(), QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(plan.data, QDir::cleanPath(bin + u"/../share/ancient-velmora"_s));
    const QString home = qEnvironmentVariable("HOME");
    const QString worksheets = home + u"/.local/share/ancient-velmora/multiple"_s;
    EXPECT_EQ(plan.worksheets, worksheets);
    t = std::make_unique<TestApp>(ProgramFolder(plan));
    registerAllWindows(t->app());

    // The real picture service finds the installed pictures and pages.
    FilePictureService pictures(t->app().services.folder);
    EXPECT_NO_THROW(pictures.load(u"images\\sphinx2sm.jpg"_s));
    EXPECT_NO_THROW(pictures.load(u"wmf\\key wordsa.wmf"_s));

    t->windows().show(QString::fromLatin1(win::Title));
    TitleScreenView(window<TitleScreen>(win::Title)).okButton().click();
    processDeferredDeletes();
    const MainMenuView menu(window<MainMenu>(win::MainMenu));
    menu.entry(MenuEntry::Pyramids).click();
    TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
        .link(TopicLink::MultipleChoice)
        .click();
    EXPECT_EQ(window<QuizScreen>(win::Quiz).quizTitle().caption(), u"The Pyramids"_s);
    EXPECT_EQ(window<QuizScreen>(win::Quiz).questionSet().question(10).correct.size(), 1);

    menu.entry(MenuEntry::QuizWizard).click();
    WorksheetWizard& wizard = window<WorksheetWizard>(win::WorksheetWizard);
    wizard.titleBox().setText(u"Romans"_s);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        wizard.questionBox(q).setText(u"Who?"_s);
        for (int c = 0; c < WorksheetWizard::Choices; ++c)
            wizard.choiceBox(q, c).setText(u"Them"_s);
        wizard.correctTick(q, 0).setChecked(true);
    }
    wizard.onLinkClicked(WorksheetWizard::WizardLink::SaveWorksheet);
    EXPECT_EQ(t->messages.texts().last(), u"Your worksheet has been saved."_s);
    EXPECT_TRUE(QFile::exists(worksheets + u"/Romans.txt"_s));
    QFile track(worksheets + u"/track.txt"_s);
    ASSERT_TRUE(track.open(QIODevice::ReadOnly));
    EXPECT_EQ(track.readAll(), QByteArray(" 1 \r\nRomans\r\n"));
    // A title naming a shipped quiz is refused, here as in the build folder.
    wizard.titleBox().setText(u"The Pyramids"_s);
    wizard.onLinkClicked(WorksheetWizard::WizardLink::SaveWorksheet);
    EXPECT_EQ(t->messages.texts().last(),
              u"That title is kept for the program's own quizzes; please choose another."_s);

    // The catalogue lists the new worksheet and opens it as a quiz.
    wizard.onLinkClicked(WorksheetWizard::WizardLink::Exit);
    menu.entry(MenuEntry::WorksheetCatalogue).click();
    processDeferredDeletes();
    WorksheetCatalogue& catalogue = window<WorksheetCatalogue>(win::WorksheetCatalogue);
    ASSERT_EQ(catalogue.entry(1).caption(), u"Romans"_s);
    catalogue.entry(1).click();
    EXPECT_EQ(window<QuizScreen>(win::Quiz).questionSet().title, u"Romans"_s);
}

} // namespace
