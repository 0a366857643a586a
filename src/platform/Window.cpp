#include "Window.h"

#include "FocusOrder.h"
#include "FocusRing.h"
#include "Timer.h"
#include "WindowManager.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace av {
namespace {
// A caption bar and a thin border: the common frame's 12000 x 9000 outside leaves a client
// area of 11880 x 8610.
constexpr float FrameWidth = 120;
constexpr float FrameHeight = 390;
} // namespace

Window::Window(const QString& name, Border border) : m_name(name), m_border(border) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setObjectName(name);
    Qt::WindowFlags flags = Qt::Window;
    if (border == Border::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint;
    setWindowFlags(flags);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, &Window::followFocus);
}

Window::~Window() = default;

void Window::closeButtonPressed() {
    unload();
}

QSize Window::frameExtra() const {
    if (m_border == Border::None) return QSize(0, 0);
    return QSize(toPixels(FrameWidth), toPixels(FrameHeight));
}

float Window::clientWidth() const {
    return m_border == Border::None ? m_width : m_width - FrameWidth;
}

float Window::clientHeight() const {
    return m_border == Border::None ? m_height : m_height - FrameHeight;
}

void Window::setLeft(float left) {
    m_left = left;
    applyGeometry();
}

void Window::setTop(float top) {
    m_top = top;
    applyGeometry();
}

void Window::setOuterSize(float width, float height) {
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Window::setClientSize(float width, float height) {
    const bool framed = m_border != Border::None;
    setOuterSize(width + (framed ? FrameWidth : 0), height + (framed ? FrameHeight : 0));
}

void Window::applyGeometry() {
    const QSize client(std::max(0, toPixels(clientWidth())), std::max(0, toPixels(clientHeight())));
    if (m_border == Border::Sizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(client);
    } else {
        setFixedSize(client);
    }
    move(toPixels(m_left), toPixels(m_top));
}

void Window::setBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Window::backColor() const {
    return palette().color(QPalette::Window);
}

void Window::showWindow() {
    if (m_manager) m_manager->noteShown(*this);
    const bool keyboard = m_manager && m_manager->keyboardUsed();
    show();
    // A window kept at the bottom (the backdrop) never comes in front of the others.
    if (windowFlags().testFlag(Qt::WindowStaysOnBottomHint))
        lower();
    else
        raise();
    if (keyboard || firstFocus()) placeFirstFocus();
    if (keyboard) markKeyboardInUse();
    // A window that takes no focus (the backdrop) must not ask for it.
    if (!windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)) activateWindow();
    cameForward();
}

void Window::unload() {
    if (m_manager)
        m_manager->unload(m_name);
    else
        prepareUnload();
}

QWidget* Window::widget(const QString& name, int index) const {
    const QString key =
        index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    return m_widgets.value(key, nullptr);
}

void Window::registerWidget(const QString& name, QWidget* widget, int index) {
    const QString key =
        index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    m_widgets.insert(key, widget);
    widget->setObjectName(key);
}

void Window::prepareUnload() {
    for (Timer* timer : findChildren<Timer*>())
        timer->setEnabled(false);
    m_closing = true;
    hide();
}

void Window::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint())) return;
    const MouseArgs args = mouseArgs(*event);
    onPointerOverBackground(args);
    emit formMouseMove(args);
}

void Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_manager)
        m_manager->noteMinimised(*this, isMinimized());
}

void Window::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    closeButtonPressed();
}

QList<QWidget*> Window::tabStops() const {
    return readingOrder(*this);
}

void Window::setFocusCycle(const QList<QWidget*>& widgets) {
    m_cycle.clear();
    for (QWidget* w : widgets)
        m_cycle.append(w);
}

void Window::markKeyboardInUse() {
    if (m_manager) m_manager->noteKeyboardUsed();
    if (showsFocus()) return;
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = focusWidget()) focused->update();
    followFocus();
}

QWidget* Window::firstFocus() const {
    return nullptr;
}

void Window::placeFirstFocus() {
    const QWidget* focused = focusWidget();
    if (focused && focused != this && focused->isVisibleTo(this) && focused->isEnabled()) return;
    QWidget* first = firstFocus();
    if (!first) {
        const QList<QWidget*> stops = tabStops();
        if (stops.isEmpty()) return;
        first = stops.first();
    }
    first->setFocus(Qt::OtherFocusReason);
}

void Window::followFocus() {
    if (!m_ring && !showsFocus()) return;
    if (!m_ring) m_ring = new FocusRing(*this);
    m_ring->follow();
}

bool Window::focusNextPrevChild(bool next) {
    QList<QWidget*> chain;
    for (const QPointer<QWidget>& w : std::as_const(m_cycle))
        if (w && w->isVisibleTo(this) && w->isEnabled()) chain.append(w);
    if (chain.isEmpty() && m_ownTabOrder) {
        markKeyboardInUse();
        return QWidget::focusNextPrevChild(next);
    }
    if (chain.isEmpty()) chain = tabStops();
    return moveFocusIn(chain, next);
}

// From an item outside the chain, or before the keyboard was first used here, the focus
// starts at the chain's first (or, going back, last) item.
bool Window::moveFocusIn(const QList<QWidget*>& chain, bool next) {
    if (chain.isEmpty()) return false;
    const qsizetype at = showsFocus() ? chain.indexOf(focusWidget()) : -1;
    const qsizetype n = chain.size();
    QWidget* target =
        at < 0 ? (next ? chain.first() : chain.last()) : chain.at((at + (next ? 1 : n - 1)) % n);
    markKeyboardInUse();
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    target->update();
    return true;
}

void Window::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        event->accept();
        escapePressed();
        return;
    }
    if (hasFocusCycle() &&
        (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down)) {
        event->accept();
        focusNextPrevChild(key == Qt::Key_Right || key == Qt::Key_Down);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace av
