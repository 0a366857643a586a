#pragma once

#include "platform/Fonts.h"
#include "platform/ProgramTitle.h"

#include <QColor>
#include <QString>

// The program's look in one place: its title, its colours and the faces its screens use.
namespace av::style {

inline QString programTitle() {
    return QString::fromLatin1(ProgramTitle);
}

// Headings, captions, links and drawn lines on the blue screens.
inline const QColor Yellow(255, 255, 0);
// The common frame, and the controls that sit on it as if cut out of it.
inline const QColor FrameBlue(0, 78, 152);
inline const QColor TintedPanel(49, 135, 214);
inline const QColor BackdropBlue(48, 133, 214);
inline const QColor ViewerBlue(49, 130, 212);
// Link boxes: black on most screens, navy where a page lies behind them.
inline const QColor LinkBlack(0, 0, 0);
inline const QColor LinkNavy(0, 0, 128);
// Marks and secondary texts.
inline const QColor Green(0, 255, 0);
inline const QColor Lavender(128, 128, 255);
inline const QColor LightCyan(128, 255, 255);
inline const QColor Red(255, 0, 0);
inline const QColor White(255, 255, 255);
// The title screen is a grey dialog with blue print.
inline const QColor DialogGrey(192, 192, 192);
inline const QColor TitleNavy(0, 0, 192);
inline const QColor TitleBlue(0, 0, 255);
inline const QColor CopyrightGreen(0, 128, 0);

// Windows face names: the layouts were measured in them, and fonts::familyFor finds their
// stand-ins.
inline QString serifFace() {
    return QStringLiteral("Times New Roman");
}
inline QString screenFace() {
    return QStringLiteral("Tahoma");
}
inline QString sansFace() {
    return QStringLiteral("Arial");
}

inline FontSpec times(double points, bool bold = false) {
    return {serifFace(), points, bold};
}
inline FontSpec tahoma(double points) {
    return {screenFace(), points};
}
inline FontSpec tahomaBold(double points) {
    return {screenFace(), points, true};
}
inline FontSpec arial(double points) {
    return {sansFace(), points};
}

} // namespace av::style
