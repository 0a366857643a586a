#include "Typeface.h"

#include <QFontDatabase>
#include <cmath>

namespace av::pages {
namespace {

QString wineTahoma() {
    static const QString family = [] {
        QString name;
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id >= 0 && name.isEmpty())
                name = QFontDatabase::applicationFontFamilies(id).value(0);
        }
        return name;
    }();
    return family;
}

} // namespace

QString measuringFamily(const QString& face) {
    if (face == QLatin1String("Times New Roman")) return QStringLiteral("Liberation Serif");
    if (face == QLatin1String("Arial")) return QStringLiteral("Liberation Sans");
    if (face == QLatin1String("Tahoma") && !wineTahoma().isEmpty()) return wineTahoma();
    return QStringLiteral("DejaVu Sans");
}

static QFont qfontFor(const WinFont& f) {
    QFont font(measuringFamily(f.face));
    font.setPixelSize(f.height);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setKerning(false); // advances are per character, as the metafile stores them
    return font;
}

Typeface::Typeface(const WinFont& font) : m_font(qfontFor(font)), m_metrics(m_font) {}

QVector<qint16> Typeface::advances(const QString& text) const {
    QVector<qint16> out;
    out.reserve(text.size());
    double at = 0;
    long placed = 0;
    for (const QChar c : text) {
        at += m_metrics.horizontalAdvance(c);
        const long edge = std::lround(at);
        out.append(qint16(edge - placed));
        placed = edge;
    }
    return out;
}

std::optional<QByteArray> toCodePage(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        switch (u) {
        case u'\u2013':
            out.append(char(0x96));
            break;
        case u'\u2014':
            out.append(char(0x97));
            break;
        case u'\u2018':
            out.append(char(0x91));
            break;
        case u'\u2019':
            out.append(char(0x92));
            break;
        case u'\u201C':
            out.append(char(0x93));
            break;
        case u'\u201D':
            out.append(char(0x94));
            break;
        case u'\u2022':
            out.append(char(0x95));
            break;
        case u'\u2026':
            out.append(char(0x85));
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

} // namespace av::pages
