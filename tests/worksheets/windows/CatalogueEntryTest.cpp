#include "WorksheetFixture.h"

#include "model/Register.h"

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
            if (!w.Label2[j].isHidden() && w.Label2[j].caption() == title) {
                w.Label2[j].click();
                return;
            }
        ADD_FAILURE() << "not listed: " << title.toStdString();
    }
    QByteArray registerFile() { return t.readFile(QStringLiteral("multiple/track.txt")); }
};

TEST_F(CatalogueEntryTest, TakingAWorksheetShowsTheQuizWithTheMenusPicture) {
    // Saved through the wizard, so the register quotes what it must.
    for (const QString& title : {QStringLiteral("Rome, Greece"), QStringLiteral(" Romans")}) {
        fillWizard(title);
        save();
    }
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved}));
    t.windows().unload(QStringLiteral("wizard"));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Rome, Greece"), QStringLiteral(" Romans")}));

    // The file's first line loses its leading blanks, as every field does.
    const QStringList loadedTitles{QStringLiteral("Rome, Greece"), QStringLiteral("Romans")};
    for (int k = 0; k < 2; ++k) {
        const QString title = shown()[k];
        SCOPED_TRACE(title.toStdString());
        t.windows().unload(QStringLiteral("multiple"));
        t.windows().unload(QStringLiteral("intro0"));
        processDeferredDeletes();
        t.sound.played.clear();
        clickTitle(title);
        ASSERT_TRUE(loaded("multiple"));
        QuizScreen& q = quiz();
        EXPECT_TRUE(q.isVisible());
        EXPECT_EQ(t.state().questionSet.title, loadedTitles[k]);
        EXPECT_EQ(q.Label6.caption(), loadedTitles[k])
            << "the set was loaded before the quiz was touched";
        EXPECT_EQ(q.Label5.caption(), QStringLiteral("Ancient Velmora"));
        ASSERT_TRUE(loaded("intro0")) << "reading the menu's picture loads the menu";
        EXPECT_FALSE(menu().isVisible());
        ASSERT_NE(q.Picture1.picture(), nullptr);
        EXPECT_EQ(q.Picture1.picture(), menu().menuPicture());
        EXPECT_TRUE(q.label3[3].isVisibleTo(&q)) << "the worksheet can be printed";
        EXPECT_TRUE(loaded("worksheets")) << "the catalogue stays open behind the quiz";
        EXPECT_EQ(t.sound.played, QStringList{click});
    }
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("Images\\memnonsm.jpg"));
    EXPECT_EQ(t.messages.shown.size(), 2u) << "no message on the way";
}

TEST_F(CatalogueEntryTest, DeletingAsksThenRemovesTheTitleOnly) {
    listed({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    catalogue().Check2.click();
    clickTitle(QStringLiteral("B"));
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].text,
              QStringLiteral("Are you sure that you want to delete the worksheet B?"));
    EXPECT_TRUE(t.messages.shown[0].title.isEmpty());
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(registerFile(), QByteArray(" 2 \r\nA\r\nC\r\n"));
    EXPECT_EQ(t.state().worksheets.names(),
              (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_FALSE(t.readFile(QStringLiteral("multiple/B.txt")).isEmpty())
        << "the question file stays";
    EXPECT_FALSE(loaded("multiple"));
}

TEST_F(CatalogueEntryTest, CancelledDeleteChangesNothing) {
    listed({QStringLiteral("A"), QStringLiteral("B")});
    const QByteArray before = registerFile();
    catalogue().Check2.click();
    t.messages.answers.push_back(Answer::Cancel);
    clickTitle(QStringLiteral("A"));
    EXPECT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(registerFile(), before);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(t.state().worksheets.names(),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST_F(CatalogueEntryTest, DeletingTheOnlyTitleOfTheLastPageKeepsThatPage) {
    QStringList titles = registerNames(25);
    listed(titles);
    WorksheetCatalogue& w = catalogue();
    w.label3[1].click();
    w.Check2.click();
    clickTitle(QStringLiteral("Sheet25"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(w.Label4.caption(), QStringLiteral("Page 2"));
    EXPECT_FALSE(w.label3[0].isHidden());
    EXPECT_TRUE(w.label3[1].isHidden());
    EXPECT_EQ(t.state().worksheets.count(), 24);
    titles.removeLast();
    w.label3[0].click();
    EXPECT_EQ(shown(), titles);
    EXPECT_TRUE(w.label3[1].isHidden()) << "24 titles now fit page 1";
}

TEST_F(CatalogueEntryTest, DeletingFromPageOneKeepsItsPagingLabels) {
    listed(registerNames(25));
    WorksheetCatalogue& w = catalogue();
    w.Check2.click();
    clickTitle(QStringLiteral("Sheet1"));
    EXPECT_EQ(shown(), registerNames(25).mid(1));
    EXPECT_FALSE(w.label3[1].isHidden()) << "the paging labels are left as they were";
    w.label3[1].click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(w.label3[1].isHidden());
}

TEST_F(CatalogueEntryTest, AMissingQuestionFileIsCorruptedToTakeOrEdit) {
    listed({QStringLiteral("Gone")});
    QFile::remove(t.folderPath() + QStringLiteral("/multiple/Gone.txt"));
    const QByteArray before = registerFile();
    WorksheetCatalogue& w = catalogue();
    for (int mode = 0; mode < 2; ++mode) {
        SCOPED_TRACE(mode);
        w.Check1.setChecked(mode == 1);
        t.messages.shown.clear();
        clickTitle(QStringLiteral("Gone"));
        EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
        EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
        EXPECT_FALSE(t.app().file1.isOpen());
    }
    EXPECT_EQ(registerFile(), before);
    EXPECT_FALSE(loaded("multiple"));
    EXPECT_FALSE(loaded("wizard"));
}

TEST_F(CatalogueEntryTest, AShortQuestionFileIsCorrupted) {
    listed({QStringLiteral("Short")});
    t.writeFile(QStringLiteral("multiple/Short.txt"), "Short\r\n \r\nOnly one question\r\n");
    catalogue().Label2[1].click();
    EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
    EXPECT_EQ(t.state().questionSet.question(1).text, QStringLiteral("Only one question"))
        << "what was read stays read";
    EXPECT_FALSE(loaded("multiple"));
}

TEST_F(CatalogueEntryTest, ACorrectChoiceOutsideOneToFourIsNotTicked) {
    for (const char* correct : {"0", "5", "x", ""}) {
        SCOPED_TRACE(correct);
        writeWorksheet(QStringLiteral("Odd"), QString::fromLatin1(correct));
        writeRegister({QStringLiteral("Odd")});
        t.messages.shown.clear();
        catalogue().Check1.setChecked(true);
        catalogue().Label2[1].click();
        EXPECT_EQ(t.messages.texts(), QStringList{corrupted});
        EXPECT_FALSE(loaded("wizard")) << "the wizard is not half filled";
    }
}

TEST_F(CatalogueEntryTest, TakeEditAndSaveRoundTrip) {
    fillWizard(QStringLiteral("Round Trip"));
    save();
    wizard().label3[0].click();
    processDeferredDeletes();
    const QByteArray track = registerFile();
    const QByteArray original = t.readFile(QStringLiteral("multiple/Round Trip.txt"));

    clickTitle(QStringLiteral("Round Trip"));
    ASSERT_TRUE(loaded("multiple"));
    EXPECT_EQ(t.state().questionSet.question(4).text, QStringLiteral("Question text 4"));
    t.windows().unload(QStringLiteral("multiple"));

    catalogue().Check1.click();
    clickTitle(QStringLiteral("Round Trip"));
    ASSERT_TRUE(loaded("wizard"));
    WorksheetWizard& w = wizard();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Text1.text(), QStringLiteral("Round Trip"));
    EXPECT_EQ(w.Text2[9].text(), QStringLiteral("Question text 10"));
    EXPECT_EQ(w.Text3[4 * 6 + 2].text(), QStringLiteral("Choice 7C"));
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(w.Check1[i].isChecked(), i % 4 == (i / 4) % 4) << i;

    save();
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/Round Trip.txt")), original)
        << "an unchanged worksheet writes back byte for byte";
    w.Text3[4 * 6 + 2].setText(QStringLiteral("Edited, again"));
    save();
    EXPECT_EQ(lines(QStringLiteral("multiple/Round Trip.txt"))[2 + 7 * 6 + 3],
              QStringLiteral("Edited& again"));
    EXPECT_EQ(registerFile(), track) << "saving under its own title leaves the register";
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved, saved}));
    EXPECT_EQ(catalogue().Label2[1].caption(), QStringLiteral("Round Trip"));
}

TEST_F(CatalogueEntryTest, EditingKeepsTheNameTheWorksheetIsFiledUnder) {
    for (const QString& title : {QStringLiteral(" Romans"), QStringLiteral("Salt & Pepper")}) {
        fillWizard(title);
        save();
    }
    t.windows().unload(QStringLiteral("wizard"));
    processDeferredDeletes();
    const QByteArray track = registerFile();
    catalogue().Check1.click();
    for (const QString& title : {QStringLiteral(" Romans"), QStringLiteral("Salt & Pepper")}) {
        SCOPED_TRACE(title.toStdString());
        clickTitle(title);
        EXPECT_EQ(wizard().Text1.text(), title);
        save();
        t.windows().unload(QStringLiteral("wizard"));
        processDeferredDeletes();
    }
    EXPECT_EQ(registerFile(), track) << "no second worksheet filed";
    EXPECT_EQ(allFiles().size(), 3);
}

} // namespace
