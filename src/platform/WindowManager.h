#pragma once

#include "Window.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

namespace av {

// The program's windows by name, one instance each. Touching a window that is not loaded
// creates it and runs its onLoad; unloading destroys it, and the next touch makes it anew.
class WindowManager : public QObject {
    Q_OBJECT
  public:
    using Factory = std::function<Window*()>;
    // Milliseconds after a window is shown by which its first frame is on the display: work
    // that can wait for the frame waits this long.
    static constexpr int AfterTheFrame = 50;

    WindowManager() = default;
    ~WindowManager() override;

    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const { return m_factories.contains(name); }

    // Every other window stays above the backdrop: it is made the windows' owner.
    void setBackdropName(const QString& name) { m_backdropName = name; }

    bool isLoaded(const QString& name) const;
    Window& touch(const QString& name);
    void show(const QString& name) { touch(name).showWindow(); }

    template <class W> W& get() { return dynamic_cast<W&>(touch(QString::fromLatin1(W::Name))); }
    template <class W> W* find() const {
        return dynamic_cast<W*>(loaded(QString::fromLatin1(W::Name)));
    }
    Window* loaded(const QString& name) const;

    // The window disappears now and is deleted once the running handler has returned, so a
    // handler may unload its own window and carry on.
    void unload(const QString& name);

    // Closes every window at once; no further handler runs.
    void closeAll();

    // Brings the program forward, as a second start asks: the backdrop, then the window shown
    // last, which takes the focus.
    void bringToFront();
    // Called by a window as it is shown.
    void noteShown(Window& window);
    // The program is minimised and restored as one: a window minimised takes every other with
    // it, and one restored brings them all back, the window shown last in front.
    void noteMinimised(Window& window, bool minimised);
    // Whether the keyboard has been used in any window of the run.
    bool keyboardUsed() const { return m_keyboardUsed; }
    void noteKeyboardUsed() { m_keyboardUsed = true; }

  private:
    void adopt(Window* window);
    // The windows wholly under the one in front let go of their off-screen copies.
    void letGoOfCopiesUnder(Window& front);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Window>> m_windows;
    QString m_backdropName;
    QPointer<Window> m_front;
    QList<QPointer<Window>> m_shownOrder; // the window shown last at the end
    bool m_keyboardUsed = false;
    bool m_minimised = false;
    bool m_followingState = false;  // while this manager changes the windows' states itself
    bool m_backdropPutAway = false; // hidden while the program is minimised
};

} // namespace av
