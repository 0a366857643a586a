#pragma once

#include <QPointer>
#include <QWidget>

namespace av {

class Window;

// The keyboard focus outline of a window, drawn just outside the focused control, so that it
// never covers the control's caption or marks. It lies above every other widget and takes no
// pointer.
class FocusRing : public QWidget {
    Q_OBJECT
  public:
    // Room the outline takes around the control, in pixels.
    static constexpr int Margin = 4;

    explicit FocusRing(Window& window);

    // Goes round the window's focused control while the window shows its focus, else hides.
    void follow();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Window& m_window;
    QPointer<QWidget> m_target;
};

} // namespace av
