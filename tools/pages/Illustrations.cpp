#include "Illustrations.h"

#include "IllustrationParts.h"

#include <QPainter>
#include <cmath>
#include <map>

namespace av::pages {

void callout(Canvas& c, QPointF thing, QPointF text, const QString& label) {
    c.pen(Ink, 2.5);
    c.line(thing, text);
    c.noPen();
    c.brush(Ink);
    c.ellipse(thing, 6, 6);
    c.tag(text + QPointF(0, 14), label, 9, Ink);
}

void worker(Canvas& c, QPointF feet, double h, double lean) {
    const double a = lean * 3.14159 / 180;
    const QPointF hip = feet + QPointF(std::sin(a) * h * 0.45, -h * 0.45);
    const QPointF neck = hip + QPointF(std::sin(a) * h * 0.38, -std::cos(a) * h * 0.38);
    c.pen(Skin, h * 0.08);
    c.line(feet + QPointF(-h * 0.12, 0), hip);
    c.line(feet + QPointF(h * 0.12, 0), hip);
    const double forward = lean >= 0 ? 1 : -1; // arms reach the way the worker leans
    c.line(neck, neck + QPointF(forward * h * 0.3, h * 0.1));
    c.pen(QColor(245, 240, 225), h * 0.12); // a white kilt and body
    c.line(hip, neck);
    c.noPen();
    c.brush(Skin);
    c.ellipse(neck + QPointF(std::sin(a) * h * 0.1, -h * 0.1), h * 0.09, h * 0.09);
}

QImage sunsetSky() {
    QImage sky(200, 112, QImage::Format_RGB32);
    QPainter p(&sky);
    QLinearGradient g(0, 0, 0, sky.height());
    g.setColorAt(0, QColor(60, 110, 190));
    g.setColorAt(0.55, QColor(150, 170, 210));
    g.setColorAt(1, QColor(250, 200, 130));
    p.fillRect(sky.rect(), g);
    QRadialGradient glow(QPointF(160, 30), 60);
    glow.setColorAt(0, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillRect(sky.rect(), glow);
    return sky;
}

QImage papyrusTexture() {
    QImage paper(64, 48, QImage::Format_Indexed8);
    paper.setColorTable(
        {qRgb(232, 214, 160), qRgb(222, 200, 140), qRgb(210, 186, 124), qRgb(240, 226, 180)});
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) // strips laid across each other
            paper.setPixel(x, y, uint(((x / 4) % 2) + ((y / 3) % 3 == 0 ? 2 : 0)));
    return paper;
}

bool drawIllustration(const QString& name, Sheet& sheet, const QRect& box, Medium medium) {
    using Draw = void (*)(Canvas&, Medium);
    static const std::map<QString, Draw> all = {
        {QStringLiteral("pyramid-tomb"), pyramidTomb},
        {QStringLiteral("stone-boat"), stoneBoat},
        {QStringLiteral("ramp-sled"), rampAndSled},
        {QStringLiteral("building-steps"), buildingSteps},
        {QStringLiteral("activity-labels"), activityLabels},
        {QStringLiteral("quiz-scroll"), quizScroll},
        {QStringLiteral("hieroglyph-signs"), hieroglyphSigns},
        {QStringLiteral("paper-making"), paperMaking},
        {QStringLiteral("numeral-chart"), numeralChart},
        {QStringLiteral("scribe-tools"), scribeTools},
        {QStringLiteral("numeral-sum"), numeralSum},
        {QStringLiteral("numeral-answers"), numeralAnswers},
        {QStringLiteral("menu-map"), menuMap},
        {QStringLiteral("topic-map"), topicMap},
        {QStringLiteral("certificate"), certificate},
        {QStringLiteral("wizard-form"), wizardForm},
        {QStringLiteral("printer-sound"), printerAndSound},
    };
    if (name == PublisherPanel) {
        const bool screen = medium == Medium::Screen;
        Canvas c(sheet, box, screen ? PublisherDesign : Design);
        publisher(c, medium);
        return true;
    }
    const auto it = all.find(name);
    if (it == all.end()) return false;
    Canvas c(sheet, box, Design);
    it->second(c, medium);
    return true;
}

} // namespace av::pages
