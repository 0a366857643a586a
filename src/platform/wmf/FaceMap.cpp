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

QString defaultFace(const QString& windowsFace) {
    const QString face = windowsFace.trimmed();
    if (anyOf(face, {"Times New Roman", "Times", "Tms Rmn", "MS Serif", "Roman", "Garamond",
                     "Bookman Old Style", "Georgia"}))
        return QStringLiteral("Liberation Serif");
    if (anyOf(face, {"Arial", "Helvetica", "Helv", "MS Sans Serif", "System", "Swiss",
                     "Small Fonts", "Arial Narrow", "Microsoft Sans Serif", "Symbol"}))
        return QStringLiteral("Liberation Sans");
    if (anyOf(face, {"Courier New", "Courier", "Modern", "Fixedsys", "Terminal"}))
        return QStringLiteral("Liberation Mono");
    if (anyOf(face, {"Tahoma", "Verdana", "Segoe UI"})) {
        // The Wine Tahoma only counts once the application has loaded it.
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            return QStringLiteral("Tahoma");
        return QStringLiteral("DejaVu Sans");
    }
    return face;
}

bool isSymbolFace(const QString& windowsFace) {
    return windowsFace.trimmed().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

} // namespace av::wmf
