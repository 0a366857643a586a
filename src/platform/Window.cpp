#include "Window.h"

#include "Timer.h"
#include "WindowManager.h"

#include <QCloseEvent>

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
}

Window::~Window() = default;

void Window::closeButtonPressed() { unload(); }

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

QColor Window::backColor() const { return palette().color(QPalette::Window); }

void Window::showWindow() {
    if (m_manager) m_manager->noteShown(*this);
    show();
    raise();
    // A window that takes no focus (the backdrop) must not ask for it.
    if (!windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)) activateWindow();
}

void Window::unload() {
    if (m_manager)
        m_manager->unload(m_name);
    else
        prepareUnload();
}

QWidget* Window::widget(const QString& name, int index) const {
    const QString key = index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    return m_widgets.value(key, nullptr);
}

void Window::registerWidget(const QString& name, QWidget* widget, int index) {
    const QString key = index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    m_widgets.insert(key, widget);
    widget->setObjectName(key);
}

void Window::prepareUnload() {
    for (Timer* timer : findChildren<Timer*>()) timer->setEnabled(false);
    m_closing = true;
    hide();
}

void Window::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint())) return;
    const MouseArgs args = mouseArgs(*event);
    Form_MouseMove(args);
    emit formMouseMove(args);
}

void Window::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    closeButtonPressed();
}

} // namespace av
