#pragma once

#include <QApplication>

namespace av {

// The program's QApplication. A failure that no handler traps ends that handler only, as the
// screens expect, instead of tearing the whole program down.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace av
