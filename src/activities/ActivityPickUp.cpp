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
        const Label& la = m_targetBoxes[a];
        const Label& lb = m_targetBoxes[b];
        return la.Top() != lb.Top() ? la.Top() < lb.Top() : la.Left() < lb.Left();
    });
    for (int i = 0; i < m_count; ++i) {
        m_draggableLabels[i].setFocusPolicy(Qt::TabFocus);
        m_targetBoxes[m_boxOrder[i]].setAccessibleName(QStringLiteral("Box %1").arg(i + 1));
        m_homeBoxes[i].setAccessibleName(QStringLiteral("Starting place"));
    }
    // A drag that moved ends any pick-up; a click that did not move picks the label up after
    // the drop step has run as always.
    m_draggableLabels.connectEach(&Label::mouseUp, this,
                                  [this](int, const MouseArgs&) { endPickUp(); });
    m_draggableLabels.connectEach(&Label::tapped, this, [this](int i) { pickUp(i); });
    m_draggableLabels.connectEach(&Label::activated, this, [this](int i) { pickUp(i); });
    m_targetBoxes.connectEach(&Label::tapped, this, [this](int j) { putDown(j); });
    m_targetBoxes.connectEach(&Label::activated, this, [this](int j) { putDown(j); });
    const auto home = [this](int j) {
        if (j == m_held) putDown(m_count);
    };
    m_homeBoxes.connectEach(&Label::tapped, this, home);
    m_homeBoxes.connectEach(&Label::activated, this, home);
    m_links.connectEach(&Label::clicked, this, [this](int) { cancelPickUp(); });
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

Label& ActivityWindow::place(int p) const {
    return p < m_count ? m_targetBoxes[p] : m_homeBoxes[m_held];
}

void ActivityWindow::pickUp(int index) {
    if (m_held >= 0 && m_held != index) m_draggableLabels[m_held].setLifted(false);
    m_held = index;
    m_draggableLabels[index].setLifted(true);
    QList<QWidget*> places;
    for (int box : std::as_const(m_boxOrder))
        places.append(&m_targetBoxes[box]);
    places.append(&place(m_count));
    for (QWidget* p : std::as_const(places))
        p->setFocusPolicy(Qt::TabFocus);
    setFocusCycle(places);
    announce(m_draggableLabels[index],
             QStringLiteral("Picked up ") + m_draggableLabels[index].caption());
}

void ActivityWindow::putDown(int p) {
    const int index = m_held;
    if (index < 0) return;
    const bool byKeyboard = focusWidget() == &place(p);
    const PlacementArea area = p < m_count ? m_placement.box(p) : m_placement.home(index);
    endPickUp();
    moveLabel(index, area.left, area.top);
    onLabelDropped(index, MouseArgs{1, 0, 0, 0});
    Label& label = m_draggableLabels[index];
    // The focus first, so that the announcement is the last thing a screen reader hears.
    if (byKeyboard) label.setFocus(Qt::OtherFocusReason);
    announce(label, label.caption() + QStringLiteral(" placed in ") + placeName(index));
}

// Where the label has come to rest: the drop step may have taken it on to another box.
QString ActivityWindow::placeName(int index) const {
    const int box = m_placement.boxOf(index);
    return box >= 0 ? m_targetBoxes[box].accessibleName() : m_homeBoxes[index].accessibleName();
}

void ActivityWindow::cancelPickUp() {
    const int index = m_held;
    if (index < 0) return;
    bool placeFocused = false;
    for (int p = 0; p <= m_count; ++p)
        placeFocused = placeFocused || focusWidget() == &place(p);
    endPickUp();
    if (placeFocused) m_draggableLabels[index].setFocus(Qt::OtherFocusReason);
}

void ActivityWindow::endPickUp() {
    if (m_held < 0) return;
    for (int p = 0; p <= m_count; ++p)
        place(p).setFocusPolicy(Qt::NoFocus);
    m_draggableLabels[m_held].setLifted(false);
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
        bool keeps = watched == &m_homeBoxes[m_held];
        for (int i = 0; i < m_count; ++i)
            keeps = keeps || watched == &m_draggableLabels[i] || watched == &m_targetBoxes[i];
        if (!keeps) cancelPickUp();
    }
    return Screen::eventFilter(watched, event);
}

void ActivityWindow::mousePressEvent(QMouseEvent* event) {
    cancelPickUp();
    Screen::mousePressEvent(event);
}

} // namespace av
