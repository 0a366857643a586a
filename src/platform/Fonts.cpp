#include "Fonts.h"

#include "Twips.h"
#include "wmf/FaceMap.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <dlfcn.h>

namespace av::fonts {
namespace {

bool installed(const QString& family) {
    return QFontDatabase::hasFamily(family);
}

} // namespace

void loadSystemConfiguration() {
    // Qt's font database has loaded fontconfig already; the program does not link it itself.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!fontconfig) return;
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(fontconfig, "FcInit"))) init();
    dlclose(fontconfig);
}

void registerFaces() {
    // Pages are drawn on a worker thread too, so the first caller may be on either.
    static const bool registered = [] {
        const QString wine = QStringLiteral("/usr/share/wine/fonts/");
        for (const char* file : {"tahoma.ttf", "tahomabd.ttf"})
            QFontDatabase::addApplicationFont(wine + QString::fromLatin1(file));
        return true;
    }();
    (void)registered;
}

namespace {
QString lookUpFamily(const QString& windowsName) {
    // Loaded on first use: the title screen needs no Tahoma.
    if (wmf::isTahomaLike(windowsName)) registerFaces();
    const QString family = wmf::defaultFace(windowsName);
    return installed(family) ? family : QStringLiteral("DejaVu Sans");
}
} // namespace

QString familyFor(const QString& windowsName) {
    // Each lookup asks fontconfig to resolve aliases, which is slow; a page or a screen
    // asks for the same few faces again and again, from the screens and the page worker alike.
    static QMutex lock;
    static QHash<QString, QString> known;
    const QMutexLocker locker(&lock);
    const auto it = known.constFind(windowsName);
    if (it != known.cend()) return *it;
    return *known.insert(windowsName, lookUpFamily(windowsName));
}

static QFont baseFont(const FontSpec& spec) {
    QFont font(familyFor(spec.name));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont toQFont(const FontSpec& spec) {
    QFont font = baseFont(spec);
    font.setPixelSize(pointsToPixels(spec.size));
    return font;
}

QFont toPrinterFont(const FontSpec& spec) {
    QFont font = baseFont(spec);
    font.setPointSizeF(spec.size);
    return font;
}

} // namespace av::fonts
