#pragma once

#include "Canvas.h"
#include "Theme.h"

namespace av::pages {

// Every illustration draws in a 1000 x 750 design space unless its entry says otherwise.
inline constexpr QSizeF Design{1000, 750};

inline const QColor Ink(50, 40, 30);
inline const QColor SandLight(240, 210, 150);
inline const QColor SandDark(214, 168, 96);
inline const QColor StoneLit(236, 200, 130);
inline const QColor StoneShade(180, 130, 70);
inline const QColor River(70, 140, 200);
inline const QColor Wood(150, 96, 50);
inline const QColor Skin(196, 130, 80);
inline const QColor Reed(110, 150, 60);

// A label with a thin line from it to the thing it names.
void callout(Canvas& c, QPointF thing, QPointF text, const QString& label);
// A worker seen from the side, leaning by `lean` degrees (towards the right when positive).
void worker(Canvas& c, QPointF feet, double height, double lean);
// A sunset sky as a bitmap, the way a painted background would come into a page.
QImage sunsetSky();
// Reed paper's texture in a handful of colours (an 8-bit bitmap).
QImage papyrusTexture();

// Numeral sign `place` (0 reed = 1 .. 5 sun = 100000) in a cell.
void numeralSign(Canvas& c, int place, const QRectF& cell, const QColor& ink);
// A picture-writing sign, 0..5: eye, bird, reed, water, sun, hand.
void writingSign(Canvas& c, int sign, const QRectF& cell);

void pyramidTomb(Canvas& c, Medium m);
void stoneBoat(Canvas& c, Medium m);
void rampAndSled(Canvas& c, Medium m);
void buildingSteps(Canvas& c, Medium m);
void activityLabels(Canvas& c, Medium m);
void quizScroll(Canvas& c, Medium m);
void hieroglyphSigns(Canvas& c, Medium m);
void paperMaking(Canvas& c, Medium m);
void numeralChart(Canvas& c, Medium m);
void scribeTools(Canvas& c, Medium m);
void numeralSum(Canvas& c, Medium m);
void numeralAnswers(Canvas& c, Medium m);
void menuMap(Canvas& c, Medium m);
void topicMap(Canvas& c, Medium m);
void certificate(Canvas& c, Medium m);
void wizardForm(Canvas& c, Medium m);
void printerAndSound(Canvas& c, Medium m);
void publisher(Canvas& c, Medium m);
inline constexpr QSizeF PublisherDesign{2100, 6500};

} // namespace av::pages
