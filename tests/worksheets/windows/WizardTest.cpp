#include "WorksheetFixture.h"

#include "model/QuestionFile.h"

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
    EXPECT_EQ(w.Text1.maxLength(), 25);
    EXPECT_FLOAT_EQ(w.Text1.Left(), 7560);
    ASSERT_EQ(w.Text2.size(), 10);
    ASSERT_EQ(w.Text3.size(), 40);
    ASSERT_EQ(w.Check1.size(), 40);
    ASSERT_EQ(w.Label1.size(), 52);
    for (const auto& [q, box] : w.Text2)
        EXPECT_EQ(box->maxLength(), 60);
    for (const auto& [i, box] : w.Text3)
        EXPECT_EQ(box->maxLength(), 30);
    for (const auto& [i, check] : w.Check1) {
        EXPECT_TRUE(check->text().isEmpty());
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(check->backColor(), QColor(0, 78, 152));
    }
    EXPECT_EQ(w.Label1[0].caption(), QStringLiteral("Multiple Choice Wizard"));
    EXPECT_EQ(w.Label1[1].caption(), QStringLiteral("Worksheet Title"));
    EXPECT_EQ(w.Label1[2].caption(), QStringLiteral("Question 1"));
    EXPECT_EQ(w.Label1[11].caption(), QStringLiteral("Question 10"));
    EXPECT_EQ(w.Label1[12].caption(), QStringLiteral("A."));
    EXPECT_EQ(w.Label1[51].caption(), QStringLiteral("D."));
    EXPECT_EQ(w.label3[0].caption(), QStringLiteral("Exit"));
    EXPECT_EQ(w.label3[1].caption(), QStringLiteral("Save Worksheet"));
    EXPECT_FLOAT_EQ(w.label3[0].Left(), 10560);
    EXPECT_FLOAT_EQ(w.label3[1].Left(), 240);
    // Reachable by name from other windows.
    EXPECT_EQ(w.widget(QStringLiteral("Text3"), 39), &w.Text3[39]);
    EXPECT_EQ(w.widget(QStringLiteral("Check1"), 0), &w.Check1[0]);
}

TEST_F(WizardTest, QuestionBlocksStandInTwoColumnsOfFive) {
    WorksheetWizard& w = wizard();
    EXPECT_FLOAT_EQ(w.Text2[0].Left(), 240);
    EXPECT_FLOAT_EQ(w.Text2[4].Top(), 840 + 4 * 1440);
    EXPECT_FLOAT_EQ(w.Text2[5].Left(), 6120);
    EXPECT_FLOAT_EQ(w.Text2[5].Top(), 840);
    EXPECT_FLOAT_EQ(w.Text2[5].Width(), 5655);
    // Question 2: A and B a row above C and D; ticks 240 or 270 before their boxes.
    const float top = 2280;
    const float lefts[] = {720, 3600, 720, 3600};
    const float tops[] = {top + 390, top + 390, top + 720, top + 720};
    const float gaps[] = {240, 270, 240, 270};
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        EXPECT_FLOAT_EQ(w.Text3[4 + c].Left(), lefts[c]);
        EXPECT_FLOAT_EQ(w.Text3[4 + c].Top(), tops[c]);
        EXPECT_FLOAT_EQ(w.Text3[4 + c].Width(), 2295);
        EXPECT_FLOAT_EQ(w.Check1[4 + c].Left(), lefts[c] - gaps[c]);
        EXPECT_FLOAT_EQ(w.Check1[4 + c].Width(), 255);
    }
    EXPECT_FLOAT_EQ(w.Text3[39].Left(), 9480);
    EXPECT_FLOAT_EQ(w.Text3[38].Left(), 6600);
}

TEST_F(WizardTest, TabFollowsTheEnterOrderThenTheTicks) {
    WorksheetWizard& w = wizard();
    std::vector<QWidget*> expected{&w.Text1};
    for (int q = 0; q < 10; ++q) {
        expected.push_back(&w.Text2[q]);
        for (int c = 0; c < 4; ++c)
            expected.push_back(&w.Text3[4 * q + c]);
    }
    for (int i = 0; i < 40; ++i)
        expected.push_back(&w.Check1[i]);
    std::vector<QWidget*> chain{&w.Text1};
    for (QWidget* x = w.Text1.nextInFocusChain(); x != &w.Text1 && chain.size() < expected.size();
         x = x->nextInFocusChain())
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
    EXPECT_EQ(enterIn(w.Text1), &w.Text2[0]);
    EXPECT_EQ(enterIn(w.Text2[3]), &w.Text3[12]);
    EXPECT_EQ(enterIn(w.Text3[13]), &w.Text3[14]);
    EXPECT_EQ(enterIn(w.Text3[19]), &w.Text2[5]) << "choice D of question 5";
    EXPECT_EQ(enterIn(w.Text3[38]), &w.Text3[39]);
    EXPECT_EQ(enterIn(w.Text3[39]), &w.Text3[39]) << "choice D of question 10";
    w.Text3[39].setFocus();
    QTest::keyClick(&w.Text3[39], Qt::Key_A);
    EXPECT_EQ(QApplication::focusWidget(), &w.Text3[39]) << "other keys do nothing";
    EXPECT_EQ(w.Text3[39].text(), QStringLiteral("a"));
}

TEST_F(WizardTest, GenworkReportsTheFirstGapInItsFixedOrder) {
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not chosen a title for your worksheet"))
        << "all empty reports only the title";

    WorksheetWizard& w = wizard();
    fillWizard(QStringLiteral("Gaps"));
    w.Check1[0].setChecked(false);
    w.Text2[1].setText(QString());
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have not ticked the correct answer for Question 1"));

    w.Check1[0].setChecked(true);
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 2"));

    w.Text2[1].setText(QStringLiteral("Back"));
    w.Text3[6].setText(QString());
    w.Check1[7].setChecked(true);
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 2"))
        << "an empty choice comes before the ticks";

    w.Text3[6].setText(QStringLiteral("C"));
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have ticked more than one correct answer for Question 2"));

    w.Check1[7].setChecked(false);
    w.Check1[36].setChecked(true);
    EXPECT_EQ(saveMessage(),
              QStringLiteral("You have ticked more than one correct answer for Question 10"));

    w.Check1[36].setChecked(false);
    w.Text2[9].setText(QString());
    EXPECT_EQ(saveMessage(), QStringLiteral("You have not completed Question 10"));

    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")})
        << "no file is touched while the worksheet is incomplete";
    EXPECT_EQ(w.Text1.text(), QStringLiteral("Gaps")) << "entries stay as they are";
    EXPECT_EQ(t.sound.played.size(), 7) << "a click after each message";
}

TEST_F(WizardTest, BlanksCountAsContent) {
    fillWizard(QStringLiteral("Blank"));
    wizard().Text2[0].setText(QStringLiteral(" "));
    wizard().Text3[1].setText(QStringLiteral("  "));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    const QStringList file = lines(QStringLiteral("multiple/Blank.txt"));
    ASSERT_EQ(file.size(), 72);
    EXPECT_EQ(file[2], QStringLiteral(" "));
    EXPECT_EQ(file[4], QStringLiteral("  "));
}

TEST_F(WizardTest, SavesTheQuestionFileAndRegistersTheTitle) {
    fillWizard(QStringLiteral("Rome, Greece"));
    wizard().Text3[0].setText(QStringLiteral("salt, pepper"));
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

    t.app().file1.openInput(QStringLiteral("multiple/Rome, Greece.txt"));
    QuestionSet set;
    readQuestionSet(t.app().file1, set);
    t.app().file1.close();
    EXPECT_EQ(set.title, QStringLiteral("Rome, Greece"));
    EXPECT_EQ(set.question(1).choice(1), QStringLiteral("salt, pepper"));
    EXPECT_EQ(set.question(8).choice(4), QStringLiteral("Choice 8D"));
    EXPECT_EQ(set.question(3).correct, QStringLiteral("3"));

    ASSERT_TRUE(loaded("wizard")) << "the wizard stays open with its content";
    EXPECT_EQ(wizard().Text1.text(), QStringLiteral("Rome, Greece"));
    EXPECT_TRUE(wizard().Check1[0].isChecked());
}

TEST_F(WizardTest, SavingAgainRewritesTheFileAndKeepsOneEntry) {
    fillWizard(QStringLiteral("Romans"));
    save();
    const QByteArray registerAfterFirst = t.readFile(QStringLiteral("multiple/track.txt"));
    EXPECT_EQ(registerAfterFirst, QByteArray(" 1 \r\nRomans\r\n"));
    wizard().Text2[0].setText(QStringLiteral("Changed"));
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
    EXPECT_FALSE(t.app().file1.isOpen());
    EXPECT_EQ(t.sound.played, QStringList{click});
}

TEST_F(WizardTest, ExitDiscardsTheEntries) {
    fillWizard(QStringLiteral("Unsaved"));
    wizard().label3[0].click();
    EXPECT_FALSE(loaded("wizard"));
    EXPECT_EQ(t.sound.played, QStringList{click});
    processDeferredDeletes();
    EXPECT_TRUE(wizard().Text1.text().isEmpty());
    EXPECT_FALSE(wizard().Check1[0].isChecked());
    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")});
}

TEST_F(WizardTest, LinksFollowTheHoverConvention) {
    WorksheetWizard& w = wizard();
    w.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseMove(&w, QPoint(790, 5));
    EXPECT_FALSE(w.label3[0].isOpaque());
    EXPECT_FALSE(w.label3[1].isOpaque());
    emit w.label3[1].mouseMove(MouseArgs{});
    EXPECT_TRUE(w.label3[1].isOpaque());
    EXPECT_FALSE(w.label3[0].isOpaque());
}

} // namespace
