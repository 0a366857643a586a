#pragma once

#include <QByteArray>
#include <QSize>
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
// working in the same logical pixels and twips. Returns the factor applied.
double applyDisplayScale(int argc, char** argv);

// The largest screen the program shows, frame included, in logical pixels at factor 1.
inline constexpr QSize LargestScreen{800, 600};

// The factor to draw at instead of `applied` when the largest screen, drawn at it, would not
// fit whole in `available` (logical pixels at `applied`): the largest that fits, in
// hundredths, and never below 1. 0 when `applied` fits.
double fittingScale(double applied, QSize available);

// Once the QApplication exists: when the factor applied is more than the primary screen can
// hold, says so on standard error and starts the program again, with the same arguments, at
// the largest factor that fits. Returns only when there is nothing to do or the start failed.
void fitScaleToDisplay(double applied, const QStringList& arguments);

} // namespace av
