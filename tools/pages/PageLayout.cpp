#include "PageLayout.h"

#include "Illustrations.h"
#include "Sheet.h"
#include "TextFlow.h"
#include "Typeface.h"

namespace av::pages {
namespace {

const QColor Paper(255, 251, 240);
const QColor CardEdge(150, 120, 80);

// Where the picture, its caption and the text columns go on one medium.
struct Frame {
    QRect picture;
    std::vector<QRect> columns;
};

constexpr int CaptionPoints = 9;

int captionHeight() {
    return CaptionPoints * 20 * 27 / 10;
}

Frame screenFrame(bool publisher) {
    if (publisher) return {QRect(8400, 1200, 2100, 6500), {QRect(330, 1320, 7850, 6280)}};
    const QRect picture(5900, 1320, 4270, 3200);
    const int below = picture.bottom() + captionHeight() + 120;
    return {picture, {QRect(330, 1320, 5300, 6280), QRect(5900, below, 4270, 7600 - below)}};
}

Frame printFrame() {
    // A worksheet's look: the picture across the top, the text in two columns below it.
    const QRect picture(1480, 1560, 6400, 4800);
    const int below = picture.bottom() + captionHeight() + 200;
    const int half = (PrintWidth - 300) / 2;
    return {picture,
            {QRect(0, below, half, 13300 - below), QRect(half + 300, below, half, 13300 - below)}};
}

void drawBand(Sheet& sheet, const PageSource& page, const Theme& theme, Medium medium) {
    MetafileWriter& out = sheet.out();
    const bool screen = medium == Medium::Screen;
    const int width = pageSize(medium).width();
    const int height = screen ? 1080 : 1200;
    out.nullPen();
    out.brush(theme.band);
    if (screen) { // the card's rounded top, clipped to the band
        out.saveDC();
        out.intersectClip(QRect(0, 0, width, height));
        out.roundRect(QRect(10, 10, width - 20, 2 * height), 480, 480);
        out.restoreDC();
    } else {
        out.rectangle(QRect(0, 0, width, height));
    }
    out.brush(theme.accent);
    out.rectangle(QRect(screen ? 10 : 0, height, width - (screen ? 20 : 0), 60));
    const int left = screen ? 360 : 300;
    sheet.text(QPoint(left, height * 7 / 20), page.kicker.toUpper(),
               {QStringLiteral("Tahoma"), 200, true}, theme.kicker);
    sheet.text(QPoint(left, height * 5 / 6), page.title,
               {QStringLiteral("Times New Roman"), 480, true}, theme.bandText);
}

void drawCaption(Sheet& sheet, const QString& caption, const QRect& under) {
    const WinFont font{QStringLiteral("Arial"), CaptionPoints * 20, false, true};
    const Typeface face(font);
    QStringList lines{QString()};
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        const QString wider =
            lines.last().isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
        if (!lines.last().isEmpty() && face.width(wider) > under.width())
            lines << word;
        else
            lines.last() = wider;
    }
    int baseline = under.bottom() + font.height * 3 / 2;
    for (const QString& line : lines) {
        const int x = under.left() + (under.width() - int(face.width(line))) / 2;
        sheet.text(QPoint(x, baseline), line, font, QColor(70, 60, 50));
        baseline += font.height * 6 / 5;
    }
}

void drawPicture(Sheet& sheet, const PageSource& page, const QRect& box, Medium medium,
                 QStringList& problems) {
    if (page.picture.isEmpty()) return;
    MetafileWriter& out = sheet.out();
    if (page.picture != PublisherPanel) {
        out.pen(CardEdge, 15);
        out.brush(Qt::white);
        out.rectangle(box);
    }
    // Each picture draws in its own state, so what it selects stays with it.
    out.saveDC();
    const QRect inner = page.picture == PublisherPanel ? box : box.adjusted(45, 45, -45, -45);
    out.intersectClip(inner);
    if (!drawIllustration(page.picture, sheet, inner, medium))
        problems << QStringLiteral("no picture called \"%1\"").arg(page.picture);
    out.restoreDC();
    if (!page.caption.isEmpty()) drawCaption(sheet, page.caption, box);
}

void drawFooter(Sheet& sheet, const PageSource& page) {
    const WinFont font{QStringLiteral("Arial"), 160};
    sheet.out().pen(QColor(120, 120, 120), 10);
    sheet.out().line(QPoint(0, 13550), QPoint(PrintWidth, 13550));
    sheet.text(QPoint(0, 13800), QStringLiteral("Ancient Velmora"), font, QColor(90, 90, 90));
    const int width = int(Typeface(font).width(page.kicker));
    sheet.text(QPoint(PrintWidth - width, 13800), page.kicker, font, QColor(90, 90, 90));
}

} // namespace

QSize pageSize(Medium medium) {
    return medium == Medium::Screen ? QSize(ScreenWidth, ScreenHeight)
                                    : QSize(PrintWidth, PrintHeight);
}

QByteArray drawPage(const PageSource& page, const Theme& theme, Medium medium,
                    QStringList& problems) {
    Sheet sheet(pageSize(medium));
    const bool screen = medium == Medium::Screen;
    if (screen) {
        sheet.out().pen(CardEdge, 20);
        sheet.out().brush(Paper);
        sheet.out().roundRect(QRect(10, 10, ScreenWidth - 20, ScreenHeight - 20), 480, 480);
    }
    drawBand(sheet, page, theme, medium);
    const Frame frame = screen ? screenFrame(page.picture == PublisherPanel) : printFrame();
    drawPicture(sheet, page, frame.picture, medium, problems);
    // Paper is read closer up and for longer: pupils' pages print larger.
    const double points =
        screen ? theme.bodyPoints : theme.bodyPoints + (theme.bodyPoints >= 12 ? 2 : 1);
    TextFlow flow(sheet, theme, frame.columns, points);
    for (const Block& block : page.blocks) {
        if (!flow.add(block)) {
            problems << QStringLiteral("the text of \"%1\" does not fit the %2 page")
                            .arg(page.title,
                                 screen ? QStringLiteral("screen") : QStringLiteral("print"));
            break;
        }
    }
    if (!screen) drawFooter(sheet, page);
    problems << sheet.problems;
    return sheet.finish();
}

} // namespace av::pages
