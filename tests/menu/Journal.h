#pragma once

#include "TestApp.h"

#include <QEvent>
#include <QStringList>

namespace av::test {

// Records, in order, every window shown, with how many sounds had played by then.
class Journal : public QObject {
  public:
    explicit Journal(const QStringList& sounds) : m_sounds(sounds) {}
    bool eventFilter(QObject* object, QEvent* event) override;

    QStringList events;

  private:
    const QStringList& m_sounds;
};

// A shipped question file of 72 lines whose title is the given one, cut to `lines` lines.
QByteArray questionFile(const QString& title, int lines = 72);

} // namespace av::test
