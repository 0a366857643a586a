#include "wmf/PageText.h"

#include <algorithm>
#include <cmath>

namespace av::wmf {
namespace {

struct Line {
    double baseline = 0;
    double em = 0;
    std::vector<TextRun> runs;
};

bool sameLine(const Line& line, const TextRun& run) {
    return std::abs(run.start.y() - line.baseline) <= 0.5 * std::max(line.em, run.em);
}

QString joined(std::vector<TextRun>& runs) {
    std::sort(runs.begin(), runs.end(),
              [](const TextRun& a, const TextRun& b) { return a.start.x() < b.start.x(); });
    QString text;
    double end = 0;
    for (const TextRun& run : runs) {
        const bool spaced = text.isEmpty() || text.back().isSpace() || run.text.front().isSpace();
        // A gap of more than a fifth of the type's height is a space not written out.
        if (!spaced && run.start.x() - end > 0.2 * run.em) text += QLatin1Char(' ');
        text += run.text;
        end = run.start.x() + run.width;
    }
    return text.simplified();
}

} // namespace

PictureText readText(std::vector<TextRun> runs) {
    std::erase_if(runs, [](const TextRun& run) { return run.text.trimmed().isEmpty(); });
    std::stable_sort(runs.begin(), runs.end(),
                     [](const TextRun& a, const TextRun& b) { return a.start.y() < b.start.y(); });
    std::vector<Line> lines;
    for (TextRun& run : runs) {
        if (lines.empty() || !sameLine(lines.back(), run))
            lines.push_back(Line{run.start.y(), run.em, {}});
        Line& line = lines.back();
        line.em = std::max(line.em, run.em);
        line.runs.push_back(std::move(run));
    }
    PictureText page;
    QStringList text;
    double titleEm = 0;
    for (Line& line : lines) {
        const QString words = joined(line.runs);
        if (words.isEmpty()) continue;
        text.append(words);
        // Type a hair larger than the title so far, not rounding noise, makes a new title.
        if (line.em > titleEm * 1.01) {
            titleEm = line.em;
            page.title = words;
        }
    }
    page.text = text.join(QLatin1Char('\n'));
    return page;
}

} // namespace av::wmf
