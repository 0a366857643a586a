#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/TextBox.h"
#include "platform/Window.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

using namespace av;

namespace {

class WidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setOuterSize(6000, 4000);
        label.setBounds(300, 300, 1815, 615);
        label.setCaption(QStringLiteral("26"));
        window.showWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Window window{QStringLiteral("test")};
    Label& label = window.add<Label>(QStringLiteral("draggable"), 0);
};

TEST_F(WidgetTest, APressedLabelKeepsTheMovesAndReleaseOutsideItself) {
    std::vector<MouseArgs> moves, ups;
    int formMoves = 0;
    QObject::connect(&label, &Label::mouseMove, [&](const MouseArgs& a) { moves.push_back(a); });
    QObject::connect(&label, &Label::mouseUp, [&](const MouseArgs& a) { ups.push_back(a); });
    QObject::connect(&window, &Window::formMouseMove, [&] { ++formMoves; });
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 150), label.mapToGlobal(QPointF(200, 150)),
                     Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&label, &move);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 150));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].button, 1);
    EXPECT_EQ(moves[0].shift, 1);
    EXPECT_FLOAT_EQ(moves[0].x, 3000);
    EXPECT_FLOAT_EQ(moves[0].y, 2250);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].button, 1);
    EXPECT_EQ(formMoves, 0);
}

TEST_F(WidgetTest, ButtonSetAndClickFollowTheButtons) {
    int clicks = 0;
    std::vector<int> buttons;
    QObject::connect(&label, &Label::clicked, [&] { ++clicks; });
    QObject::connect(&label, &Label::mouseMove,
                     [&](const MouseArgs& a) { buttons.push_back(a.button); });
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::RightButton | Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &move);
    EXPECT_EQ(buttons, std::vector<int>{6});
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    label.setEnabled(false);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
}

TEST_F(WidgetTest, OnlyTheWindowBackgroundReportsFormMoves) {
    int formMoves = 0;
    QObject::connect(&window, &Window::formMouseMove, [&] { ++formMoves; });
    auto& line = window.add<Line>(QStringLiteral("line"), 0);
    line.setEnds(3000, 2000, 3000, 3500);
    QTest::mouseMove(&window, QPoint(380, 200));
    QTest::mouseMove(&window, QPoint(200, 180)); // over the line: it takes no pointer input
    QTest::mouseMove(&label, QPoint(5, 5));
    EXPECT_EQ(formMoves, 2);
}

TEST_F(WidgetTest, LabelsAreExposedToAssistiveTechnology) {
    label.setCommand(true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("26"));
    EXPECT_EQ(iface->role(), QAccessible::Button);
    int clicks = 0;
    QObject::connect(&label, &Label::clicked, [&] { ++clicks; });
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST_F(WidgetTest, GroupsAreSparseAndHandlersGetTheIndex) {
    Group<Label> group;
    auto& a = window.add<Label>(QStringLiteral("links"), 0);
    auto& b = window.add<Label>(QStringLiteral("links"), 15);
    group.add(0, &a);
    group.add(15, &b);
    EXPECT_FALSE(group.contains(13));
    EXPECT_THROW(group[13], RuntimeError);
    std::vector<int> clicked;
    group.connectEach(&Label::clicked, &window, [&](int i) { clicked.push_back(i); });
    b.click();
    a.click();
    EXPECT_EQ(clicked, (std::vector<int>{15, 0}));
    EXPECT_EQ(window.widget(QStringLiteral("links"), 15), &b);
}

TEST_F(WidgetTest, TextBoxKeepsOnlyWhatTheFilesCanStore) {
    auto& box = window.add<TextBox>(QStringLiteral("textBox"));
    box.setMaxLength(25);
    box.setText(QStringLiteral("Caf\u00e9 \u4e2d\u6587 and more text than fits here"));
    EXPECT_EQ(box.text(), QStringLiteral("Caf\u00e9  and more text than "));
    box.clear();
    box.setFocus();
    for (QChar c : QStringLiteral("R\u4e2dome")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &key);
    }
    EXPECT_EQ(box.text(), QStringLiteral("Rome"));
}

// The box draws its own sunken edge, whole even where its text overflows.
TEST_F(WidgetTest, TextBoxDrawsItsTextWithinASunkenEdge) {
    auto& box = window.add<TextBox>(QStringLiteral("textBox"));
    box.setBounds(300, 1200, 1500, 330);
    box.setFontSpec({QStringLiteral("Tahoma"), 9.75});
    box.setText(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    box.setCursorPosition(0);
    const QImage pixels = box.grab().toImage();
    const int right = pixels.width() - 1, bottom = pixels.height() - 1;
    for (int y = 0; y < pixels.height(); ++y) {
        EXPECT_EQ(pixels.pixelColor(0, y).lightness(), y < bottom ? 128 : 255) << y;
        EXPECT_EQ(pixels.pixelColor(right, y), QColor(Qt::white)) << y;
    }
    for (int x = 1; x < right - 1; ++x) {
        EXPECT_EQ(pixels.pixelColor(x, 1), QColor(64, 64, 64)) << x;
        EXPECT_EQ(pixels.pixelColor(x, bottom - 1), QColor(212, 208, 200)) << x;
    }
    bool inked = false;
    for (int x = 2; x < right - 1; ++x)
        inked = inked || pixels.pixelColor(x, pixels.height() / 2).lightness() < 100;
    EXPECT_TRUE(inked) << "the text is drawn";
}

} // namespace
