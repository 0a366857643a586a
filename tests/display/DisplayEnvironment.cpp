#include "DisplayEnvironment.h"

namespace av::test::display {
namespace {
QString& reason() {
    static QString text = QStringLiteral("VELMORA_NO_XVFB is set");
    return text;
}
} // namespace

QString unavailableReason() {
    return reason();
}
void setUnavailableReason(const QString& why) {
    reason() = why;
}

} // namespace av::test::display
