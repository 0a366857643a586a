#include "SessionPlatform.h"

namespace av {

QByteArray sessionPlatform(const QProcessEnvironment& env, const QStringList& arguments) {
    if (!env.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty()) return {};
    for (const QString& arg : arguments)
        if (arg == QLatin1String("-platform") || arg == QLatin1String("--platform") ||
            arg.startsWith(QLatin1String("-platform=")) ||
            arg.startsWith(QLatin1String("--platform=")))
            return {};
    const bool wayland = !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
                         env.value(QStringLiteral("XDG_SESSION_TYPE"))
                                 .compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    return wayland ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

void chooseSessionPlatform(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QByteArray platform =
        sessionPlatform(QProcessEnvironment::systemEnvironment(), arguments);
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace av
