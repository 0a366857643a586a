#pragma once

#include "MouseArgs.h"
#include "Twips.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace av {

class FocusRing;
class WindowManager;

// One screen: a top-level window addressed by name, with its widgets addressed by name too.
// Sizes and positions are the window's outer size and place in twips.
class Window : public QWidget {
    Q_OBJECT
  public:
    enum class Border { Fixed, Sizable, None };

    explicit Window(const QString& name, Border border = Border::Fixed);
    ~Window() override;

    const QString& name() const { return m_name; }

    // Runs once, right after the window is created.
    virtual void onLoad() {}

    // The caption bar's close button; by default the window unloads itself.
    virtual void closeButtonPressed();

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float left);
    void setTop(float top);
    void setOuterSize(float width, float height);
    void setClientSize(float width, float height);
    float clientWidth() const;
    float clientHeight() const;

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setBackColor(const QColor& color);
    QColor backColor() const;

    // Shows the window modelessly and brings it to the front.
    void showWindow();
    void unload();

    // Widgets by name and, for groups, index; nullptr when there is none.
    QWidget* widget(const QString& name, int index = -1) const;
    void registerWidget(const QString& name, QWidget* widget, int index = -1);

    template <class T> T& add(const QString& name, int index = -1, QWidget* parent = nullptr) {
        auto* w = new T(parent ? parent : this);
        if constexpr (requires { w->setIndex(index); }) w->setIndex(index);
        registerWidget(name, w, index);
        return *w;
    }

    WindowManager* manager() const { return m_manager; }

    // Tab and Shift+Tab go round the window's commands and boxes in reading order, unless the
    // screen has set an order of its own.
    void keepOwnTabOrder() { m_ownTabOrder = true; }
    QList<QWidget*> tabStops() const;
    // While set, Tab, Shift+Tab and the arrow keys move only among these widgets; an empty
    // list ends it.
    void setFocusCycle(const QList<QWidget*>& widgets);
    bool hasFocusCycle() const { return !m_cycle.isEmpty(); }
    // Whether the keyboard is in use here, so the focused item shows its focus.
    bool showsFocus() const { return testAttribute(Qt::WA_KeyboardFocusChange); }
    // Once the keyboard is used in any window, every window shown after shows its focus at
    // once, so that its first key acts.
    void markKeyboardInUse();

    // Stops the window's timers and hides it; the manager deletes it later.
    void prepareUnload();
    void allowClose() { m_closing = true; }

  signals:
    void formMouseMove(const av::MouseArgs& args);

  protected:
    // Each time showWindow shows the window or brings it forward again, and when the window
    // shown over it unloads.
    virtual void cameForward() {}
    // The pointer moved over the window's own background, not over a widget.
    virtual void onPointerOverBackground(const MouseArgs&) {}
    // Escape does what the screen's own Exit does, which its close button does too.
    virtual void escapePressed() { closeButtonPressed(); }
    // The control that takes the focus when the window is shown without one; by default the
    // first in reading order.
    virtual QWidget* firstFocus() const;

    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    friend class WindowManager;
    void applyGeometry();
    QSize frameExtra() const;
    bool moveFocusIn(const QList<QWidget*>& chain, bool next);
    void placeFirstFocus();
    void followFocus();

    QString m_name;
    Border m_border;
    WindowManager* m_manager = nullptr;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QHash<QString, QWidget*> m_widgets;
    bool m_closing = false;
    bool m_ownTabOrder = false;
    QList<QPointer<QWidget>> m_cycle;
    FocusRing* m_ring = nullptr; // made once the keyboard is used here
};

} // namespace av
