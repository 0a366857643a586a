#include "Journal.h"

#include "model/QuestionFile.h"

namespace av::test {

bool Journal::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* window = qobject_cast<Window*>(object))
            events.append(QStringLiteral("%1 shown after %2 sounds")
                              .arg(window->name())
                              .arg(m_sounds.size()));
    return false;
}

QByteArray questionFile(const QString& title, int lines) {
    QuestionSet set;
    set.title = title;
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = QStringLiteral("Question %1").arg(n);
        set.question(n).choice(1) = set.question(n).choice(2) = set.question(n).choice(3) =
            set.question(n).choice(4) = QStringLiteral("a choice");
        set.question(n).correct = QStringLiteral("2");
    }
    const QStringList all = questionFileLines(set);
    return (all.mid(0, lines).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

} // namespace av::test
