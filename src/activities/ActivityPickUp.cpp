// Doing an activity without dragging: a label is picked up by the keyboard or by a click that
// does not move, and put down by the keyboard or by a click on a box. Putting down hands over
// to the same drop step a drag ends with.
#include "ActivityWindow.h"

#include "platform/Accessibility.h"

#include <QMouseEvent>
#include <algorithm>

namespace av {

void ActivityWindow::setUpPickUp() {
    // The boxes are numbered as they are read, whatever their place in the layout's table,
    // so Box 1 to Box N come one after another under Tab.
    m_boxOrder.clear();
    for (int i = 0; i < m_count; ++i)
        m_boxOrder.append(i);
    std::stable_sort(m_boxOrder.begin(), m_boxOrder.end(), [this](int a, int b) {
        const Label& la = targetBoxes[a];
        const Label& lb = targetBoxes[b];
        return la.Top() != lb.Top() ? la.Top() < lb.Top() : la.Left() < lb.Left();
    });
    for (int i = 0; i < m_count; ++i) {
        draggableLabels[i].setFocusPolicy(Qt::TabFocus);
        targetBoxes[m_boxOrder[i]].setAccessibleName(QStringLiteral("Box %1").arg(i + 1));
        homeBoxes[i].setAccessibleName(QStringLiteral("Starting place"));
    }
    // A drag that moved ends any pick-up; a click that did not move picks the label up after
    // the drop step has run as always.
    draggableLabels.connectEach(&Label::mouseUp, this,
                                [this](int, const MouseArgs&) { endPickUp(); });
    draggableLabels.connectEach(&Label::tapped, this, [this](int i) { pickUp(i); });
    draggableLabels.connectEach(&Label::activated, this, [this](int i) { pickUp(i); });
    targetBoxes.connectEach(&Label::tapped, this, [this](int j) { putDown(j); });
    targetBoxes.connectEach(&Label::activated, this, [this](int j) { putDown(j); });
    const auto home = [this](int j) {
        if (j == m_held) putDown(m_count);
    };
    homeBoxes.connectEach(&Label::tapped, this, home);
    homeBoxes.connectEach(&Label::activated, this, home);
    links.connectEach(&Label::clicked, this, [this](int) { cancelPickUp(); });
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

Label& ActivityWindow::place(int p) const {
    return p < m_count ? targetBoxes[p] : homeBoxes[m_held];
}

void ActivityWindow::pickUp(int index) {
    if (m_held >= 0 && m_held != index) draggableLabels[m_held].setLifted(false);
    m_held = index;
    draggableLabels[index].setLifted(true);
    QList<QWidget*> places;
    for (int box : std::as_const(m_boxOrder))
        places.append(&targetBoxes[box]);
    places.append(&place(m_count));
    for (QWidget* p : std::as_const(places))
        p->setFocusPolicy(Qt::TabFocus);
    setFocusCycle(places);
    announce(draggableLabels[index],
             QStringLiteral("Picked up ") + draggableLabels[index].caption());
}

void ActivityWindow::putDown(int p) {
    const int index = m_held;
    if (index < 0) return;
    const bool byKeyboard = focusWidget() == &place(p);
    const float left = place(p).Left();
    const float top = place(p).Top();
    endPickUp();
    Label& label = draggableLabels[index];
    label.setPosition(left, top);
    onLabelDropped(index, MouseArgs{1, 0, 0, 0});
    // The focus first, so that the announcement is the last thing a screen reader hears.
    if (byKeyboard) label.setFocus(Qt::OtherFocusReason);
    announce(label, label.caption() + QStringLiteral(" placed in ") + placeName(index));
}

// Where the label has come to rest: the drop step may have taken it on to another box.
QString ActivityWindow::placeName(int index) const {
    const Label& label = draggableLabels[index];
    for (int j = 0; j < m_count; ++j)
        if (label.Left() == targetBoxes[j].Left() && label.Top() == targetBoxes[j].Top())
            return targetBoxes[j].accessibleName();
    return homeBoxes[index].accessibleName();
}

void ActivityWindow::cancelPickUp() {
    const int index = m_held;
    if (index < 0) return;
    bool placeFocused = false;
    for (int p = 0; p <= m_count; ++p)
        placeFocused = placeFocused || focusWidget() == &place(p);
    endPickUp();
    if (placeFocused) draggableLabels[index].setFocus(Qt::OtherFocusReason);
}

void ActivityWindow::endPickUp() {
    if (m_held < 0) return;
    for (int p = 0; p <= m_count; ++p)
        place(p).setFocusPolicy(Qt::NoFocus);
    draggableLabels[m_held].setLifted(false);
    m_held = -1;
    setFocusCycle({});
}

void ActivityWindow::escapePressed() {
    if (m_held >= 0)
        cancelPickUp();
    else
        Screen::escapePressed();
}

// A press anywhere but on a draggable label, a target box or the held label's own starting
// place lets go of the label.
bool ActivityWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_held >= 0 && event->type() == QEvent::MouseButtonPress) {
        bool keeps = watched == &homeBoxes[m_held];
        for (int i = 0; i < m_count; ++i)
            keeps = keeps || watched == &draggableLabels[i] || watched == &targetBoxes[i];
        if (!keeps) cancelPickUp();
    }
    return Screen::eventFilter(watched, event);
}

void ActivityWindow::mousePressEvent(QMouseEvent* event) {
    cancelPickUp();
    Screen::mousePressEvent(event);
}

} // namespace av
