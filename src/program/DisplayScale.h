#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace av {

// How much larger than designed every screen is drawn: 1 to 3, from "--scale FACTOR" (or
// "--scale=FACTOR") on the command line, else from "scale=FACTOR" in the user's settings file.
struct ScaleChoice {
    double factor = 1;
    // Why a value given was not used; empty when all was well.
    QString problem;
};

inline constexpr double MinScale = 1;
inline constexpr double MaxScale = 3;

// A factor written as a number from 1 to 3; nothing for any other text.
std::optional<double> parseScale(const QString& text);
// The "scale" entry of a settings file's text, read as INI (see SettingsFile).
std::optional<QString> scaleSetting(const QByteArray& settings);
ScaleChoice chooseScale(const QStringList& arguments, const QByteArray& settings);
ScaleChoice chooseScaleWith(const QStringList& arguments, const std::optional<QString>& setting);

// The user's settings file: "ancient-velmora/settings.ini" in their configuration folder.
QString settingsFilePath();

// Must run before the QApplication exists: Qt draws every window that many times larger in
// device pixels, on top of any scale the window system asks for, while the program goes on
// working in the same logical pixels and twips.
void applyDisplayScale(int argc, char** argv);

} // namespace av
