// Every way text enters a box meets the same rules: keys, paste, an input method's commit and
// accessibility tools setting or inserting text through Qt's accessibility interfaces.
#include "platform/Fonts.h"
#include "platform/TextBox.h"
#include "platform/Window.h"

#include "TypeText.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string_view>

using namespace av;

namespace {

class TextEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setOuterSize(6000, 4000);
        box.setBounds(300, 300, 4000, 375);
        box.setMaxLength(12);
        window.showWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        box.setFocus();
    }
    QAccessibleInterface* accessible() { return QAccessible::queryAccessibleInterface(&box); }

    // Each way in, entering text into the empty box or at its end.
    std::vector<std::pair<const char*, std::function<void(const QString&)>>> ways() {
        return {
            {"keys", [this](const QString& s) { test::typeText(box, s); }},
            {"paste",
             [this](const QString& s) {
                 QApplication::clipboard()->setText(s);
                 box.end(false);
                 box.paste();
             }},
            {"input method",
             [this](const QString& s) {
                 QInputMethodEvent commit;
                 commit.setCommitString(s);
                 QApplication::sendEvent(&box, &commit);
             }},
            {"accessible insert",
             [this](const QString& s) {
                 accessible()->editableTextInterface()->insertText(int(box.text().size()), s);
             }},
            {"accessible value",
             [this](const QString& s) {
                 accessible()->setText(QAccessible::Value, box.text() + s);
             }},
        };
    }

    Window window{QStringLiteral("test")};
    TextBox& box = window.add<TextBox>(QStringLiteral("textBox"));
};

TEST_F(TextEntryTest, EveryWayInKeepsWhatAFileCanHoldAndTurnsBreaksIntoSpaces) {
    ASSERT_NE(accessible(), nullptr);
    ASSERT_NE(accessible()->editableTextInterface(), nullptr);
    for (const auto& [way, enter] : ways()) {
        SCOPED_TRACE(way);
        box.clear();
        // Characters the code page lacks are dropped one by one; the rest stay.
        enter(QStringLiteral("\u0141\u00f3d\u017a a"));
        EXPECT_EQ(box.text(), QStringLiteral("\u00f3d a"));
        box.clear();
        // Typing has no line break or tab; one that comes in another way is a space.
        if (std::string_view(way) != "keys") {
            enter(QStringLiteral("l1\r\nl2\tx"));
            EXPECT_EQ(box.text(), QStringLiteral("l1 l2 x"));
            box.clear();
        }
        // The limit keeps the first characters that fit, as typing them would.
        enter(QStringLiteral("abcdefgh"));
        enter(QStringLiteral("\u4e2d12\u4e2d34567"));
        EXPECT_EQ(box.text(), QStringLiteral("abcdefgh1234"));
        enter(QStringLiteral("z"));
        EXPECT_EQ(box.text(), QStringLiteral("abcdefgh1234"));
    }
}

TEST_F(TextEntryTest, ReplacingASelectionKeepsTheTextAroundIt) {
    box.setText(QStringLiteral("Rome Egypt"));
    accessible()->editableTextInterface()->replaceText(5, 10, QStringLiteral("Gr\u0113ece\nNow"));
    EXPECT_EQ(box.text(), QStringLiteral("Rome Grece N"));
    box.setText(QStringLiteral("Rome Egypt"));
    box.setSelection(0, 4);
    QApplication::clipboard()->setText(QStringLiteral("\u0141\u00f3d\u017a"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("\u00f3d Egypt"));
    EXPECT_EQ(box.cursorPosition(), 2);
}

// A box whose text is only printed keeps whatever the face can draw, not just the code page.
TEST_F(TextEntryTest, APrintedBoxKeepsEveryLetterItsFaceHas) {
    const QFont face(fonts::familyFor(QStringLiteral("Times New Roman")));
    box.setMaxLength(60);
    box.keepPrintableIn(face);
    const QString name = QStringLiteral("\u0141ucja \u0106wik \u011e\u00fcl \u0397\u03c1\u03ce "
                                        "\u0416\u0430\u043d\u043d\u0430");
    test::typeText(box, name);
    EXPECT_EQ(box.text(), name);
    box.clear();
    QApplication::clipboard()->setText(name + QStringLiteral("\n\u4e2d\u0007!"));
    box.paste();
    EXPECT_EQ(box.text(), name + QStringLiteral(" !")) << "no glyph, no control character";
}

} // namespace
