#pragma once

#include <QFont>
#include <QString>

namespace av {

// A font as the layouts name it: a Windows face and a size in points.
struct FontSpec {
    QString name;
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

namespace fonts {

// Has fontconfig read its configuration and caches; may run on any thread, and is worth
// starting on another one at start-up, before the first text needs them.
void loadSystemConfiguration();
// Makes the metric-compatible faces available; safe to call more than once.
void registerFaces();
// The installed face that stands in for a Windows face.
QString familyFor(const QString& windowsName);
// Sized in pixels so the layouts come out the same whatever the display's resolution.
QFont toQFont(const FontSpec& spec);
// The same font for a device measured in points (a printer).
QFont toPrinterFont(const FontSpec& spec);

} // namespace fonts
} // namespace av
