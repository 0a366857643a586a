#pragma once

#include "Xvfb.h"

#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace av::test::desktop {

// A window manager from the distribution, run on a private X server of its own.
struct WindowManagerCommand {
    const char* name;
    QStringList command; // the program and its arguments
};

// One X window, as the X tools show it.
struct XWindow {
    QString id; // "0x..."
    QRect geometry;
};

// A private Xvfb with a real window manager on it, and the program started on that display as a
// user starts it. Everything is looked at and done through the X tools (xprop, xdotool), as
// the window manager itself sees it. Each part stops with this object.
class Desktop {
  public:
    explicit Desktop(const WindowManagerCommand& manager, QSize screen = QSize(1280, 1024));
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Why the desktop could not be had; empty when it runs.
    QString unavailable() const { return m_unavailable; }

    // Starts the program with the given arguments; false when it did not come up.
    bool startProgram(const QStringList& arguments = {});
    QProcess& program() { return m_program; }

    // The program's windows that are mapped, as the window manager lists them.
    QList<XWindow> programWindows();
    // The window manager's stacking order of all its windows, bottom first.
    QStringList stacking();
    // Output of an X tool run on this display; empty when it failed.
    QString run(const QString& tool, const QStringList& arguments);
    QString property(const QString& window, const QString& name);
    // Whether the window is on the display: mapped, not minimised nor withdrawn.
    bool shown(const QString& window);

    QSize screen() const { return m_screen; }

  private:
    QProcessEnvironment environment() const;

    QSize m_screen;
    std::unique_ptr<xvfb::Xvfb> m_xvfb;
    QProcess m_manager;
    QProcess m_program;
    QTemporaryDir m_runtime;
    QString m_unavailable;
};

// Waits, running nothing else, until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000);

} // namespace av::test::desktop
