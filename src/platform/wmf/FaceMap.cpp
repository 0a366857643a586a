#include "wmf/FaceMap.h"

#include <QFontDatabase>
#include <QStringList>

namespace av::wmf {

namespace {

bool anyOf(const QString& name, std::initializer_list<const char*> names) {
    for (const char* candidate : names)
        if (name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

bool isTahomaLike(const QString& windowsFace) {
    return anyOf(windowsFace.trimmed(), {"Tahoma", "MS Sans Serif", "Verdana", "Segoe UI"});
}

QString defaultFace(const QString& windowsFace) {
    const QString face = windowsFace.trimmed();
    if (isTahomaLike(face)) {
        // The Wine Tahoma only counts once the application has loaded it.
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return QStringLiteral("Tahoma");
        return QStringLiteral("Liberation Sans");
    }
    if (anyOf(face, {"Times New Roman", "Times", "Tms Rmn", "MS Serif", "Roman", "Garamond",
                     "Bookman Old Style", "Georgia"}))
        return QStringLiteral("Liberation Serif");
    if (anyOf(face, {"Arial", "Helvetica", "Helv", "System", "Swiss", "Small Fonts", "Arial Narrow",
                     "Microsoft Sans Serif", "Symbol"}))
        return QStringLiteral("Liberation Sans");
    if (anyOf(face, {"Courier New", "Courier", "Modern", "Fixedsys", "Terminal"}))
        return QStringLiteral("Liberation Mono");
    return face;
}

bool isSymbolFace(const QString& windowsFace) {
    return windowsFace.trimmed().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

} // namespace av::wmf
