#include "Fonts.h"

#include "Twips.h"

#include <QFontDatabase>
#include <QHash>
#include <dlfcn.h>

namespace av::fonts {
namespace {

QString g_tahoma;

void loadFirst(const QStringList& files, QString& family) {
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && family.isEmpty()) {
            const QStringList names = QFontDatabase::applicationFontFamilies(id);
            if (!names.isEmpty()) family = names.first();
        }
    }
}

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
    static bool done = false;
    if (done) return;
    done = true;
    const QString wine = QStringLiteral("/usr/share/wine/fonts/");
    loadFirst({wine + QStringLiteral("tahoma.ttf"), wine + QStringLiteral("tahomabd.ttf")},
              g_tahoma);
}

QString familyFor(const QString& windowsName) {
    static const QString sans = QStringLiteral("Liberation Sans");
    static const QString serif = QStringLiteral("Liberation Serif");
    static const QString fallback = QStringLiteral("DejaVu Sans");
    const QString key = windowsName.toLower();
    if (key == QLatin1String("tahoma") || key == QLatin1String("ms sans serif")) {
        registerFaces(); // loaded on first use: the title screen needs no Tahoma
        return !g_tahoma.isEmpty() ? g_tahoma : (installed(sans) ? sans : fallback);
    }
    if (key == QLatin1String("times new roman")) return installed(serif) ? serif : fallback;
    if (key == QLatin1String("arial")) return installed(sans) ? sans : fallback;
    return installed(windowsName) ? windowsName : fallback;
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
