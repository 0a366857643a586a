#include "WorksheetFixture.h"

#include "model/QuestionFile.h"
#include "platform/SequentialFile.h"
#include "shell/ShellWindows.h"
#include "shell/TitleScreen.h"

#include "TypeText.h"
#include "views/TitleScreenView.h"

#include <QApplication>
#include <QTest>

using namespace av;
using namespace av::test;

namespace {

class WizardTest : public WorksheetFixture {
  protected:
    // The message shown when Save is pressed on the wizard as it stands.
    QString saveMessage() {
        t.messages.shown.clear();
        save();
        EXPECT_EQ(t.messages.shown.size(), 1u);
        return t.messages.shown.empty() ? QString() : t.messages.shown.back().text;
    }
};

TEST_F(WizardTest, HasEveryControlOfItsTable) {
    WorksheetWizard& w = wizard();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(w.titleBox().maxLength(), 25);
    EXPECT_FLOAT_EQ(w.titleBox().Left(), 7560);
    ASSERT_EQ(w.questionBoxes().size(), 10);
    ASSERT_EQ(w.choiceBoxes().size(), 40);
    ASSERT_EQ(w.correctTicks().size(), 40);
    ASSERT_EQ(w.captions().size(), 52);
    for (const auto& [q, box] : w.questionBoxes())
        EXPECT_EQ(box->maxLength(), 60);
    for (const auto& [i, box] : w.choiceBoxes())
        EXPECT_EQ(box->maxLength(), 30);
    for (const auto& [i, tick] : w.correctTicks()) {
        EXPECT_TRUE(tick->text().isEmpty());
        EXPECT_FALSE(tick->isChecked());
        EXPECT_EQ(tick->backColor(), QColor(0, 78, 152));
    }
    EXPECT_EQ(w.captions()[0].caption(), QStringLiteral("Multiple Choice Wizard"));
    EXPECT_EQ(w.captions()[1].caption(), QStringLiteral("Worksheet Title"));
    EXPECT_EQ(w.captions()[2].caption(), QStringLiteral("Question 1"));
    EXPECT_EQ(w.captions()[11].caption(), QStringLiteral("Question 10"));
    EXPECT_EQ(w.captions()[12].caption(), QStringLiteral("A."));
    EXPECT_EQ(w.captions()[51].caption(), QStringLiteral("D."));
    EXPECT_EQ(w.link(WizardLink::Exit).caption(), QStringLiteral("Exit"));
    EXPECT_EQ(w.link(WizardLink::SaveWorksheet).caption(), QStringLiteral("Save Worksheet"));
    EXPECT_FLOAT_EQ(w.link(WizardLink::Exit).Left(), 10560);
    EXPECT_FLOAT_EQ(w.link(WizardLink::SaveWorksheet).Left(), 240);
    // Reachable by name from other windows.
    EXPECT_EQ(w.widget(QString::fromLatin1(glossary::wizard::ChoiceBoxes), 39),
              &w.choiceBoxes()[39]);
    EXPECT_EQ(w.widget(QString::fromLatin1(glossary::wizard::CorrectTicks), 0),
              &w.correctTicks()[0]);
}

TEST_F(WizardTest, QuestionBlocksStandInTwoColumnsOfFive) {
    WorksheetWizard& w = wizard();
    EXPECT_FLOAT_EQ(w.questionBox(0).Left(), 240);
    EXPECT_FLOAT_EQ(w.questionBox(4).Top(), 840 + 4 * 1440);
    EXPECT_FLOAT_EQ(w.questionBox(5).Left(), 6120);
    EXPECT_FLOAT_EQ(w.questionBox(5).Top(), 840);
    EXPECT_FLOAT_EQ(w.questionBox(5).Width(), 5655);
    // Question 2: A and B a row above C and D; ticks 240 or 270 before their boxes.
    const float top = 2280;
    const float lefts[] = {720, 3600, 720, 3600};
    const float tops[] = {top + 390, top + 390, top + 720, top + 720};
    const float gaps[] = {240, 270, 240, 270};
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        EXPECT_FLOAT_EQ(w.choiceBoxes()[4 + c].Left(), lefts[c]);
        EXPECT_FLOAT_EQ(w.choiceBoxes()[4 + c].Top(), tops[c]);
        EXPECT_FLOAT_EQ(w.choiceBoxes()[4 + c].Width(), 2295);
        EXPECT_FLOAT_EQ(w.correctTicks()[4 + c].Left(), lefts[c] - gaps[c]);
        EXPECT_FLOAT_EQ(w.correctTicks()[4 + c].Width(), 255);
    }
    EXPECT_FLOAT_EQ(w.choiceBoxes()[39].Left(), 9480);
    EXPECT_FLOAT_EQ(w.choiceBoxes()[38].Left(), 6600);
}

TEST_F(WizardTest, TabFollowsTheEnterOrderThenTheTicks) {
    WorksheetWizard& w = wizard();
    std::vector<QWidget*> expected{&w.titleBox()};
    for (int q = 0; q < 10; ++q) {
        expected.push_back(&w.questionBox(q));
        for (int c = 0; c < 4; ++c)
            expected.push_back(&w.choiceBox(q, c));
    }
    for (int i = 0; i < 40; ++i)
        expected.push_back(&w.correctTicks()[i]);
    std::vector<QWidget*> chain{&w.titleBox()};
    for (QWidget* x = w.titleBox().nextInFocusChain();
         x != &w.titleBox() && chain.size() < expected.size(); x = x->nextInFocusChain())
        if (x->focusPolicy() & Qt::TabFocus) chain.push_back(x);
    EXPECT_EQ(chain, expected);
}

TEST_F(WizardTest, EnterMovesThroughTheTableAndStopsAtTheLastChoice) {
    WorksheetWizard& w = wizard();
    w.showWindow();
    QApplication::setActiveWindow(&w);
    auto enterIn = [&](QWidget& from) {
        from.setFocus();
        QTest::keyClick(&from, Qt::Key_Return);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(enterIn(w.titleBox()), &w.questionBox(0));
    EXPECT_EQ(enterIn(w.questionBox(3)), &w.choiceBoxes()[12]);
    EXPECT_EQ(enterIn(w.choiceBoxes()[13]), &w.choiceBoxes()[14]);
    EXPECT_EQ(enterIn(w.choiceBoxes()[19]), &w.questionBox(5)) << "choice D of question 5";
    EXPECT_EQ(enterIn(w.choiceBoxes()[38]), &w.choiceBoxes()[39]);
    EXPECT_EQ(enterIn(w.choiceBoxes()[39]), &w.choiceBoxes()[39]) << "choice D of question 10";
    w.choiceBoxes()[39].setFocus();
    QTest::keyClick(&w.choiceBoxes()[39], Qt::Key_A);
    EXPECT_EQ(QApplication::focusWidget(), &w.choiceBoxes()[39]) << "other keys do nothing";
    EXPECT_EQ(w.choiceBoxes()[39].text(), QStringLiteral("a"));
}

TEST_F(WizardTest, GenworkReportsTheFirstGapInItsFixedOrder) {
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not chosen a title for your worksheet"))
        << "all empty reports only the title";

    WorksheetWizard& w = wizard();
    fillWizard(QStringLiteral("Gaps"));
    w.correctTicks()[0].setChecked(false);
    w.questionBox(1).setText(QString());
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have not ticked the correct answer for Question 1"));

    w.correctTicks()[0].setChecked(true);
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 2"));

    w.questionBox(1).setText(QStringLiteral("Back"));
    w.choiceBoxes()[6].setText(QString());
    w.correctTicks()[7].setChecked(true);
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 2"))
        << "an empty choice comes before the ticks";

    w.choiceBoxes()[6].setText(QStringLiteral("C"));
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have ticked more than one correct answer for Question 2"));

    w.correctTicks()[7].setChecked(false);
    w.correctTicks()[36].setChecked(true);
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have ticked more than one correct answer for Question 10"));

    w.correctTicks()[36].setChecked(false);
    w.questionBox(9).setText(QString());
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 10"));

    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")})
        << "no file is touched while the worksheet is incomplete";
    EXPECT_EQ(w.titleBox().text(), QStringLiteral("Gaps")) << "entries stay as they are";
    EXPECT_EQ(t.sound.played.size(), 7) << "a click after each message";
}

TEST_F(WizardTest, BlanksCountAsContent) {
    fillWizard(QStringLiteral("Blank"));
    wizard().questionBox(0).setText(QStringLiteral(" "));
    wizard().choiceBoxes()[1].setText(QStringLiteral("  "));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    const QStringList file = lines(QStringLiteral("multiple/Blank.txt"));
    ASSERT_EQ(file.size(), 72);
    EXPECT_EQ(file[2], QStringLiteral(" "));
    EXPECT_EQ(file[4], QStringLiteral("  "));
}

TEST_F(WizardTest, SavesTheQuestionFileAndRegistersTheTitle) {
    fillWizard(QStringLiteral("Rome, Greece"));
    wizard().choiceBoxes()[0].setText(QStringLiteral("salt, pepper"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(t.sound.played, QStringList{click});

    const QStringList file = lines(QStringLiteral("multiple/Rome, Greece.txt"));
    ASSERT_EQ(file.size(), 72);
    EXPECT_EQ(file[0], QStringLiteral("Rome& Greece"));
    EXPECT_EQ(file[1], QStringLiteral(" "));
    EXPECT_EQ(file[2], QStringLiteral("Question text 1"));
    EXPECT_EQ(file[3], QStringLiteral("salt& pepper"));
    EXPECT_EQ(file[7], QStringLiteral("1"));
    EXPECT_EQ(file[14], QStringLiteral("2"));
    EXPECT_EQ(file[70], QStringLiteral("2")) << "question 10 ticks B";
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")),
              QByteArray(" 1 \r\n\"Rome, Greece\"\r\n"));

    SequentialFile reader(t.app().services.folder);
    reader.openInput(QStringLiteral("multiple/Rome, Greece.txt"));
    QuestionSet set;
    readQuestionSet(reader, set);
    reader.close();
    EXPECT_EQ(set.title, QStringLiteral("Rome, Greece"));
    EXPECT_EQ(set.question(1).choice(1), QStringLiteral("salt, pepper"));
    EXPECT_EQ(set.question(8).choice(4), QStringLiteral("Choice 8D"));
    EXPECT_EQ(set.question(3).correct, QStringLiteral("3"));

    ASSERT_TRUE(loaded(WorksheetWizard::Name)) << "the wizard stays open with its content";
    EXPECT_EQ(wizard().titleBox().text(), QStringLiteral("Rome, Greece"));
    EXPECT_TRUE(wizard().correctTicks()[0].isChecked());
}

TEST_F(WizardTest, SavingAgainRewritesTheFileAndKeepsOneEntry) {
    fillWizard(QStringLiteral("Romans"));
    save();
    const QByteArray registerAfterFirst = t.readFile(QStringLiteral("multiple/track.txt"));
    EXPECT_EQ(registerAfterFirst, QByteArray(" 1 \r\nRomans\r\n"));
    wizard().questionBox(0).setText(QStringLiteral("Changed"));
    save();
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved}));
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), registerAfterFirst);
    EXPECT_EQ(lines(QStringLiteral("multiple/Romans.txt"))[2], QStringLiteral("Changed"));
}

TEST_F(WizardTest, ARegisterFailureWritesNoQuestionFile) {
    writeRegister(registerNames(1000));
    const QByteArray full = t.readFile(QStringLiteral("multiple/track.txt"));
    fillWizard(QStringLiteral("Romans"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{problem});
    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")});
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), full);
    EXPECT_EQ(t.sound.played, QStringList{click});
}

TEST_F(WizardTest, ExitDiscardsTheEntries) {
    fillWizard(QStringLiteral("Unsaved"));
    wizard().link(WizardLink::Exit).click();
    EXPECT_FALSE(loaded(WorksheetWizard::Name));
    EXPECT_EQ(t.sound.played, QStringList{click});
    processDeferredDeletes();
    EXPECT_TRUE(wizard().titleBox().text().isEmpty());
    EXPECT_FALSE(wizard().correctTicks()[0].isChecked());
    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")});
}

// Escape, the close button and Exit all ask before typed text is lost; Cancel keeps the wizard and
// every box, OK leaves. A wizard with nothing unsaved leaves at once.
TEST_F(WizardTest, LeavingWithUnsavedTextAsksFirst) {
    using Answer = MessageBoxService::Answer;
    const QString unsaved = QStringLiteral("The wizard holds changes to this worksheet that have "
                                           "not been saved. Do you want to lose them?");
    wizard().showWindow();
    wizard().correctTicks()[5].click();
    QTest::keyClick(&wizard().titleBox(), Qt::Key_Escape);
    EXPECT_FALSE(loaded(WorksheetWizard::Name)) << "an empty wizard leaves at once";
    EXPECT_TRUE(t.messages.shown.empty());
    processDeferredDeletes();

    wizard().showWindow();
    QTest::keyClicks(&wizard().questionBox(3), QStringLiteral("Who built it?"));
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&wizard().questionBox(3), Qt::Key_Escape); },
        [&] { wizard().close(); },
        [&] { wizard().link(WizardLink::Exit).click(); },
    };
    for (const auto& leave : ways) {
        t.messages.shown.clear();
        t.messages.answers = {Answer::Cancel};
        leave();
        EXPECT_EQ(t.messages.texts(), QStringList{unsaved});
        ASSERT_TRUE(loaded(WorksheetWizard::Name)) << "Cancel stays";
        EXPECT_EQ(wizard().questionBox(3).text(), QStringLiteral("Who built it?"));
    }
    t.messages.shown.clear();
    t.messages.answers = {Answer::Ok};
    QTest::keyClick(&wizard().questionBox(3), Qt::Key_Escape);
    EXPECT_EQ(t.messages.texts(), QStringList{unsaved});
    EXPECT_FALSE(loaded(WorksheetWizard::Name)) << "OK leaves";
    processDeferredDeletes();

    // Just saved, and later opened by Edit unchanged: nothing to lose, so no question.
    fillWizard(QStringLiteral("Kept"));
    wizard().showWindow();
    save();
    t.messages.shown.clear();
    wizard().close();
    EXPECT_FALSE(loaded(WorksheetWizard::Name));
    processDeferredDeletes();
    catalogue().editMode().click();
    catalogue().entry(1).click();
    ASSERT_TRUE(loaded(WorksheetWizard::Name));
    wizard().correctTicks()[1].click();
    wizard().correctTicks()[1].click();
    QTest::keyClick(&wizard().titleBox(), Qt::Key_Escape);
    EXPECT_FALSE(loaded(WorksheetWizard::Name));
    EXPECT_TRUE(t.messages.shown.empty());
}

// Edit in the catalogue does not overwrite what the open wizard holds unsaved without asking.
TEST_F(WizardTest, EditOverUnsavedTextAsksFirst) {
    writeWorksheet(QStringLiteral("Romans"));
    writeRegister({QStringLiteral("Romans")});
    wizard().showWindow();
    QTest::keyClicks(&wizard().titleBox(), QStringLiteral("My own"));
    catalogue().editMode().click();
    t.messages.answers = {MessageBoxService::Answer::Cancel};
    catalogue().entry(1).click();
    EXPECT_EQ(wizard().titleBox().text(), QStringLiteral("My own"));
    EXPECT_EQ(t.messages.shown.size(), 1u);
    catalogue().entry(1).click(); // OK this time
    EXPECT_EQ(wizard().titleBox().text(), QStringLiteral("Romans"));
}

// The title screen's Exit ends the program at once, but not over a worksheet not yet saved.
TEST_F(WizardTest, EndingTheProgramAsksOverUnsavedText) {
    registerShellWindows(t.app());
    wizard().showWindow();
    typeText(wizard().titleBox(), QStringLiteral("Half done"));
    TitleScreen& title = t.windows().get<TitleScreen>();
    t.messages.answers = {MessageBoxService::Answer::Cancel};
    TitleScreenView(title).exitButton().click();
    EXPECT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.display.quitCalls, 0);
    EXPECT_EQ(wizard().titleBox().text(), QStringLiteral("Half done"));
    TitleScreenView(title).exitButton().click(); // OK this time
    EXPECT_EQ(t.display.quitCalls, 1);
}

// The wizard is handed a worksheet and hands back the one it holds; ticks left from before go.
TEST_F(WizardTest, EditFillsTheWorksheetAndHandsItBackUnchanged) {
    writeRegister({QStringLiteral("Salt & Pepper")});
    fillWizard(QStringLiteral("Typed before"));
    for (int i = 0; i < 40; ++i)
        wizard().correctTicks()[i].setChecked(true);
    QuestionSet set;
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = QStringLiteral("Where is %1?").arg(n);
        for (int c = 1; c <= 4; ++c)
            set.question(n).choice(c) = QStringLiteral("Place %1%2").arg(n).arg(c);
        set.question(n).correct = QString::number((n % 4) + 1);
    }
    set.title = QStringLiteral("Salt , Pepper");
    wizard().edit(set, QStringLiteral("Salt & Pepper"));

    const QuestionSet held = wizard().worksheet();
    EXPECT_EQ(held.title, QStringLiteral("Salt & Pepper")) << "the title it is filed under";
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(held.question(n).text, set.question(n).text);
        EXPECT_EQ(held.question(n).choices, set.question(n).choices);
        EXPECT_EQ(held.question(n).correct, set.question(n).correct) << "one tick each";
    }
    EXPECT_FALSE(wizard().hasUnsavedChanges());
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved}) << "its own title is replaced unasked";
    EXPECT_EQ(WorksheetWizard::correctChoice(QStringLiteral(" 3 ")), 3);
    for (const char* field : {"0", "5", "x", "", "12"})
        EXPECT_EQ(WorksheetWizard::correctChoice(QString::fromLatin1(field)), 0) << field;
}

} // namespace
