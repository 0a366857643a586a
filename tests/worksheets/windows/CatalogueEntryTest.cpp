#include "WorksheetFixture.h"

#include "model/Register.h"

#include <QTest>

using namespace av;
using namespace av::test;

namespace {

using Answer = MessageBoxService::Answer;

class CatalogueEntryTest : public WorksheetFixture {
  protected:
    // Registers the titles and writes a question file for each.
    void listed(const QStringList& titles) {
        for (const QString& title : titles)
            writeWorksheet(title);
        writeRegister(titles);
    }
    // Clicks the entry showing title on the current page.
    void clickTitle(const QString& title) {
        WorksheetCatalogue& w = catalogue();
        for (int j = 1; j <= 24; ++j)
            if (!w.entry(j).isHidden() && w.entry(j).caption() == title) {
                w.entry(j).click();
                return;
            }
        ADD_FAILURE() << "not listed: " << title.toStdString();
    }
    QByteArray registerFile() { return t.readFile(QStringLiteral("multiple/track.txt")); }
};

TEST_F(CatalogueEntryTest, TakingAWorksheetShowsTheQuizWithTheMenusPicture) {
    // Saved through the wizard, so the register quotes what it must.
    // The file's first line keeps "Salt & Pepper" as "Salt , Pepper"; the title is the register's.
    const QStringList loadedTitles{QStringLiteral("Rome, Greece"), QStringLiteral(" Romans"),
                                   QStringLiteral("Salt & Pepper")};
    for (const QString& title : loadedTitles) {
        fillWizard(title);
        save();
    }
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved, saved}));
    unload(WorksheetWizard::Name);
    EXPECT_EQ(shown(), loadedTitles);

    // The quiz shows each title as the catalogue does, leading blanks and "&" included.
    t.pictures.setSize(QStringLiteral("Images\\memnonsm.jpg"), {3000, 2250});
    for (int k = 0; k < 3; ++k) {
        const QString title = shown()[k];
        SCOPED_TRACE(title.toStdString());
        unload(QuizScreen::Name);
        unload(MainMenu::Name);
        processDeferredDeletes();
        t.sound.played.clear();
        clickTitle(title);
        ASSERT_TRUE(loaded(QuizScreen::Name));
        QuizScreen& q = quiz();
        EXPECT_TRUE(q.isVisible());
        EXPECT_EQ(t.windows().get<QuizScreen>().questionSet().title, loadedTitles[k]);
        EXPECT_EQ(q.quizTitle().caption(), loadedTitles[k])
            << "the set was loaded before the quiz was touched";
        EXPECT_EQ(q.topicHeading().caption(), QStringLiteral("Ancient Velmora"));
        EXPECT_FALSE(loaded(MainMenu::Name)) << "no menu is loaded unseen to lend its picture";
        ASSERT_NE(q.topicPicture().picture(), nullptr);
        EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("Images\\memnonsm.jpg"));
        EXPECT_EQ(q.topicPicture().picture()->sizeTwips(), QSizeF(3000, 2250))
            << "the menu's own picture";
        EXPECT_TRUE(q.link(QuizLink::PrintWorksheet).isVisibleTo(&q))
            << "the worksheet can be printed";
        EXPECT_TRUE(loaded(WorksheetCatalogue::Name)) << "the catalogue stays open behind the quiz";
        EXPECT_EQ(t.sound.played, QStringList{click});
    }
    EXPECT_EQ(t.messages.shown.size(), 3u) << "no message on the way";
}

TEST_F(CatalogueEntryTest, DeletingAsksThenRemovesTheTitleOnly) {
    listed({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    catalogue().deleteMode().click();
    clickTitle(QStringLiteral("B"));
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].text,
              QStringLiteral("Are you sure that you want to delete the worksheet B?"));
    EXPECT_TRUE(t.messages.shown[0].title.isEmpty());
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(registerFile(), QByteArray(" 2 \r\nA\r\nC\r\n"));
    EXPECT_EQ(t.app().worksheets.titles(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_FALSE(t.readFile(QStringLiteral("multiple/B.txt")).isEmpty())
        << "the question file stays";
    EXPECT_FALSE(loaded(QuizScreen::Name));
}

TEST_F(CatalogueEntryTest, CancelledDeleteChangesNothing) {
    listed({QStringLiteral("A"), QStringLiteral("B")});
    const QByteArray before = registerFile();
    catalogue().deleteMode().click();
    t.messages.answers.push_back(Answer::Cancel);
    clickTitle(QStringLiteral("A"));
    EXPECT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(registerFile(), before);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(t.app().worksheets.titles(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST_F(CatalogueEntryTest, DeletingTheOnlyTitleOfTheLastPageKeepsThatPage) {
    QStringList titles = registerNames(25);
    listed(titles);
    WorksheetCatalogue& w = catalogue();
    w.link(CatalogueLink::NextPage).click();
    w.deleteMode().click();
    clickTitle(QStringLiteral("Sheet25"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(w.pageCaption().caption(), QStringLiteral("Page 2"));
    EXPECT_FALSE(w.link(CatalogueLink::PreviousPage).isHidden());
    EXPECT_TRUE(w.link(CatalogueLink::NextPage).isHidden());
    EXPECT_EQ(t.app().worksheets.titles().size(), 24);
    titles.removeLast();
    w.link(CatalogueLink::PreviousPage).click();
    EXPECT_EQ(shown(), titles);
    EXPECT_TRUE(w.link(CatalogueLink::NextPage).isHidden()) << "24 titles now fit page 1";
}

TEST_F(CatalogueEntryTest, DeletingFromPageOneKeepsItsPagingLabels) {
    listed(registerNames(25));
    WorksheetCatalogue& w = catalogue();
    w.deleteMode().click();
    clickTitle(QStringLiteral("Sheet1"));
    EXPECT_EQ(shown(), registerNames(25).mid(1));
    EXPECT_FALSE(w.link(CatalogueLink::NextPage).isHidden())
        << "the paging labels are left as they were";
    w.link(CatalogueLink::NextPage).click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(w.link(CatalogueLink::NextPage).isHidden());
}

TEST_F(CatalogueEntryTest, AMissingQuestionFileIsCorruptedToTakeOrEdit) {
    listed({QStringLiteral("Gone")});
    QFile::remove(t.folderPath() + QStringLiteral("/multiple/Gone.txt"));
    const QByteArray before = registerFile();
    WorksheetCatalogue& w = catalogue();
    for (int mode = 0; mode < 2; ++mode) {
        SCOPED_TRACE(mode);
        w.editMode().setChecked(mode == 1);
        t.messages.shown.clear();
        clickTitle(QStringLiteral("Gone"));
        EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
        EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
    }
    EXPECT_EQ(registerFile(), before);
    EXPECT_FALSE(loaded(QuizScreen::Name));
    EXPECT_FALSE(loaded(WorksheetWizard::Name));
}

TEST_F(CatalogueEntryTest, AShortQuestionFileIsCorrupted) {
    listed({QStringLiteral("Short")});
    t.writeFile(QStringLiteral("multiple/Short.txt"), "Short\r\n \r\nOnly one question\r\n");
    catalogue().entry(1).click();
    EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
    EXPECT_FALSE(loaded(QuizScreen::Name));
}

TEST_F(CatalogueEntryTest, ACorrectChoiceOutsideOneToFourIsNotTicked) {
    for (const char* correct : {"0", "5", "x", ""}) {
        SCOPED_TRACE(correct);
        writeWorksheet(QStringLiteral("Odd"), QString::fromLatin1(correct));
        writeRegister({QStringLiteral("Odd")});
        t.messages.shown.clear();
        catalogue().editMode().setChecked(true);
        catalogue().entry(1).click();
        EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
        EXPECT_FALSE(loaded(WorksheetWizard::Name)) << "the wizard is not half filled";
    }
}

TEST_F(CatalogueEntryTest, TakeEditAndSaveRoundTrip) {
    fillWizard(QStringLiteral("Round Trip"));
    save();
    wizard().link(WizardLink::Exit).click();
    processDeferredDeletes();
    const QByteArray track = registerFile();
    const QByteArray original = t.readFile(QStringLiteral("multiple/Round Trip.txt"));

    clickTitle(QStringLiteral("Round Trip"));
    ASSERT_TRUE(loaded(QuizScreen::Name));
    EXPECT_EQ(t.windows().get<QuizScreen>().questionSet().question(4).text,
              QStringLiteral("Question text 4"));
    unload(QuizScreen::Name);

    catalogue().editMode().click();
    clickTitle(QStringLiteral("Round Trip"));
    ASSERT_TRUE(loaded(WorksheetWizard::Name));
    WorksheetWizard& w = wizard();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.titleBox().text(), QStringLiteral("Round Trip"));
    EXPECT_EQ(w.questionBox(9).text(), QStringLiteral("Question text 10"));
    EXPECT_EQ(w.choiceBox(6, 2).text(), QStringLiteral("Choice 7C"));
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(w.correctTicks()[i].isChecked(), i % 4 == (i / 4) % 4) << i;

    save();
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/Round Trip.txt")), original)
        << "an unchanged worksheet writes back byte for byte";
    w.choiceBox(6, 2).setText(QStringLiteral("Edited, again"));
    save();
    EXPECT_EQ(lines(QStringLiteral("multiple/Round Trip.txt"))[2 + 7 * 6 + 3],
              QStringLiteral("Edited& again"));
    EXPECT_EQ(registerFile(), track) << "saving under its own title leaves the register";
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved, saved}));
    EXPECT_EQ(catalogue().entry(1).caption(), QStringLiteral("Round Trip"));
}

TEST_F(CatalogueEntryTest, EditingKeepsTheNameTheWorksheetIsFiledUnder) {
    for (const QString& title : {QStringLiteral(" Romans"), QStringLiteral("Salt & Pepper")}) {
        fillWizard(title);
        save();
    }
    unload(WorksheetWizard::Name);
    processDeferredDeletes();
    const QByteArray track = registerFile();
    catalogue().editMode().click();
    for (const QString& title : {QStringLiteral(" Romans"), QStringLiteral("Salt & Pepper")}) {
        SCOPED_TRACE(title.toStdString());
        clickTitle(title);
        EXPECT_EQ(wizard().titleBox().text(), title);
        save();
        unload(WorksheetWizard::Name);
        processDeferredDeletes();
    }
    EXPECT_EQ(registerFile(), track) << "no second worksheet filed";
    EXPECT_EQ(allFiles().size(), 3);
}

// Typed into the wizard, saved, then opened again by Edit and by Take: every text comes back as
// typed, double quotes and all, and the worksheet is never "corrupted".
// Quotes, leading blanks and commas come back as typed; an "&", which the file keeps for a
// comma, is refused as it is typed.
TEST_F(CatalogueEntryTest, TextTypedInTheWizardComesBackAsTyped) {
    fillWizard(QStringLiteral("Egypt"));
    const QStringList typed{QStringLiteral("\"Ankh\" means what?"), QStringLiteral("\"Life"),
                            QStringLiteral("  \""), QStringLiteral("say, \"hi\"")};
    wizard().questionBox(0).clear();
    QTest::keyClicks(&wizard().questionBox(0), typed[0]);
    for (int c = 0; c < 3; ++c) {
        wizard().choiceBox(0, c).clear();
        QTest::keyClicks(&wizard().choiceBox(0, c), typed[c + 1]);
    }
    wizard().choiceBox(0, 3).clear();
    QTest::keyClicks(&wizard().choiceBox(0, 3), QStringLiteral("salt & pepper"));
    EXPECT_EQ(wizard().choiceBox(0, 3).text(), QStringLiteral("salt  pepper"));
    ASSERT_EQ(wizard().questionBox(0).text(), typed[0]);
    save();
    unload(WorksheetWizard::Name);
    processDeferredDeletes();

    catalogue().editMode().click();
    clickTitle(QStringLiteral("Egypt"));
    ASSERT_TRUE(loaded(WorksheetWizard::Name));
    EXPECT_EQ(wizard().questionBox(0).text(), typed[0]);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(wizard().choiceBox(0, c).text(), typed[c + 1]);
    EXPECT_EQ(wizard().choiceBox(0, 3).text(), QStringLiteral("salt  pepper"));
    EXPECT_EQ(wizard().questionBox(1).text(), QStringLiteral("Question text 2"));
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
}

} // namespace
