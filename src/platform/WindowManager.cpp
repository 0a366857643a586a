#include "WindowManager.h"

#include "CoveredWindows.h"
#include "RuntimeError.h"

#include <QTimer>

namespace av {

WindowManager::~WindowManager() {
    // Owned windows first, the backdrop that owns them last.
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it)
        if (it.key() != m_backdropName) delete it.value().data();
    if (Window* backdrop = loaded(m_backdropName)) delete backdrop;
}

void WindowManager::define(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

Window* WindowManager::loaded(const QString& name) const {
    const auto it = m_windows.constFind(name);
    return it == m_windows.cend() ? nullptr : it.value().data();
}

bool WindowManager::isLoaded(const QString& name) const {
    return loaded(name) != nullptr;
}

Window& WindowManager::touch(const QString& name) {
    if (Window* window = loaded(name)) return *window;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.cend())
        throw RuntimeError(RuntimeError::ObjectMissing, QStringLiteral("no window ") + name);
    Window* window = (*factory)();
    window->m_manager = this;
    m_windows.insert(name, window);
    adopt(window);
    window->onLoad();
    return *window;
}

void WindowManager::adopt(Window* window) {
    auto reparent = [](Window* child, QWidget* owner) {
        const bool visible = child->isVisible();
        child->setParent(owner, child->windowFlags());
        if (visible) child->show();
    };
    if (window->name() == m_backdropName) {
        for (const auto& other : std::as_const(m_windows))
            if (other && other != window) reparent(other, window);
    } else if (Window* backdrop = loaded(m_backdropName)) {
        reparent(window, backdrop);
    }
}

void WindowManager::unload(const QString& name) {
    QPointer<Window> window = m_windows.take(name);
    if (!window) return;
    if (name == m_backdropName)
        for (const auto& other : std::as_const(m_windows))
            if (other) other->setParent(nullptr, other->windowFlags());
    const bool wasFront = !m_shownOrder.isEmpty() && m_shownOrder.last() == window;
    m_shownOrder.removeAll(window);
    window->prepareUnload();
    window->deleteLater();
    if (!wasFront) return;
    for (auto it = m_shownOrder.crbegin(); it != m_shownOrder.crend(); ++it)
        if (*it && (*it)->isVisible()) {
            // The keyboard focus goes to the screen uncovered, with or without a window
            // manager to hand it on.
            (*it)->activateWindow();
            (*it)->cameForward();
            break;
        }
}

void WindowManager::closeAll() {
    m_shownOrder.clear(); // no window comes forward on the way out
    const QStringList names = m_windows.keys();
    for (const QString& name : names)
        if (name != m_backdropName) unload(name);
    unload(m_backdropName);
}

void WindowManager::noteShown(Window& window) {
    if (window.name() == m_backdropName) return;
    m_front = &window;
    m_shownOrder.removeAll(&window);
    m_shownOrder.append(&window);
    QTimer::singleShot(AfterTheFrame, &window, [this, &window] { letGoOfCopiesUnder(window); });
    // A covered screen repaints itself as the focus leaves it, which gives its copy back; on a
    // slow machine that comes after the first pass, so a second one follows.
    QTimer::singleShot(AfterTheFrame * 20, &window,
                       [this, &window] { letGoOfCopiesUnder(window); });
}

void WindowManager::letGoOfCopiesUnder(Window& front) {
    if (m_shownOrder.isEmpty() || m_shownOrder.last() != &front || !front.isVisible()) return;
    const QRect over = front.frameGeometry();
    for (const auto& window : std::as_const(m_windows))
        if (window && window != &front && window->isVisible() &&
            over.contains(window->frameGeometry()))
            covered::letGoOfCopy(*window);
}

void WindowManager::noteMinimised(Window& window, bool minimised) {
    if (m_followingState || minimised == m_minimised || !window.isVisible()) return;
    m_minimised = minimised;
    m_followingState = true;
    Window* backdrop = loaded(m_backdropName);
    if (minimised) {
        // The backdrop is taken off the display rather than minimised: some window managers
        // (mutter) bring a minimised window back only when it is activated, and the backdrop
        // takes no focus.
        if (backdrop && backdrop != &window && backdrop->isVisible()) {
            backdrop->hide();
            m_backdropPutAway = true;
        }
        for (const auto& other : std::as_const(m_windows))
            if (other && other != &window && other != backdrop && other->isVisible() &&
                !other->isMinimized())
                other->showMinimized();
    } else {
        if (backdrop && m_backdropPutAway) {
            backdrop->show();
            backdrop->lower();
        }
        m_backdropPutAway = false;
        for (const auto& other : std::as_const(m_shownOrder))
            if (other && other->isVisible() && other->isMinimized()) {
                other->showNormal();
                other->activateWindow();
            }
    }
    m_followingState = false;
    if (!minimised) bringToFront();
}

void WindowManager::bringToFront() {
    Window* backdrop = loaded(m_backdropName);
    if (backdrop && backdrop->isVisible()) backdrop->raise();
    Window* front = m_front;
    if (!front || !front->isVisible()) {
        front = nullptr;
        for (const auto& window : std::as_const(m_windows))
            if (window && window != backdrop && window->isVisible()) front = window;
    }
    // The others keep their order above the backdrop, under the one in front.
    for (const auto& window : std::as_const(m_shownOrder))
        if (window && window != front && window->isVisible()) window->raise();
    if (front) front->showWindow();
}

} // namespace av
