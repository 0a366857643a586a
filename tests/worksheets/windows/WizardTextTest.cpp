// Text that reaches the wizard other than by typing (dictation and automation tools through the
// accessibility interface, a paste) is saved as the box shows it: no '?' for a letter, no
// line break inside a field.
#include "WorksheetFixture.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>

using namespace av;
using namespace av::test;

namespace {

class WizardTextTest : public WorksheetFixture {
  protected:
    const QString sheet = QStringLiteral("multiple/Dictated.txt");
};

TEST_F(WizardTextTest, TextSetByAccessibilityToolsIsSavedAsTheBoxShowsIt) {
    fillWizard(QStringLiteral("Dictated"));
    wizard().showWindow();
    QAccessible::queryAccessibleInterface(&wizard().choiceBox(0, 1))
        ->setText(QAccessible::Value, QStringLiteral("\u0141\u00f3d\u017a test"));
    QAccessible::queryAccessibleInterface(&wizard().questionBox(0))
        ->editableTextInterface()
        ->replaceText(0, int(wizard().questionBox(0).text().size()),
                      QStringLiteral("line1\nline2"));
    QApplication::clipboard()->setText(QStringLiteral("tab\tand\u4e2d more"));
    wizard().choiceBox(3, 3).clear();
    wizard().choiceBox(3, 3).paste();
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    const QStringList file = lines(sheet);
    ASSERT_EQ(file.size(), 72) << "no field split over two lines";
    EXPECT_EQ(file[2], QStringLiteral("line1 line2"));
    EXPECT_EQ(file[4], QString::fromLatin1("\xf3"
                                           "d test"));
    EXPECT_EQ(file[2 + 7 * 3 + 4], QStringLiteral("tab and more"));
    EXPECT_FALSE(t.readFile(sheet).contains('?'));
}

// Should a box ever hold what a file cannot (here its rules are taken away), saving says so
// and writes nothing, rather than a '?' or a broken line.
TEST_F(WizardTextTest, SavingChecksEveryBoxAgain) {
    fillWizard(QStringLiteral("Dictated"));
    for (const QString& bad :
         {QStringLiteral("line1\nline2"), QStringLiteral("\u0141\u00f3d\u017a")}) {
        SCOPED_TRACE(bad.toStdString());
        QLineEdit& box = wizard().choiceBox(4, 2);
        const QValidator* rules = box.validator();
        box.setValidator(nullptr);
        box.QLineEdit::setText(bad);
        box.setValidator(rules);
        ASSERT_EQ(box.text(), bad);
        t.messages.shown.clear();
        save();
        EXPECT_EQ(t.messages.texts(),
                  QStringList{QStringLiteral("The box \"Question 5, choice C\" holds a line break "
                                             "or a character that a worksheet file cannot keep, "
                                             "so the worksheet was not saved. Please type that "
                                             "text again.")});
        EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")});
    }
}

} // namespace
