#pragma once

#include <QObject>
#include <functional>

namespace av {

// Runs its work once, at the first key, button, wheel, touch or pointer movement anywhere in
// the program, unless it is gone first. A window that appears under a resting pointer does not
// count.
class FirstInput : public QObject {
  public:
    explicit FirstInput(std::function<void()> work);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> m_work;
};

} // namespace av
