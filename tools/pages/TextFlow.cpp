#include "TextFlow.h"

#include "Typeface.h"

#include <cmath>

namespace av::pages {

TextFlow::TextFlow(Sheet& sheet, const Theme& theme, std::vector<QRect> columns, double points)
    : m_sheet(sheet), m_theme(theme),
      m_columns(std::move(columns)), m_body{QStringLiteral("Arial"), int(std::lround(points * 20))},
      m_heading{QStringLiteral("Times New Roman"), int(std::lround(points * 25)), true} {
    const Typeface face(m_body);
    m_ascent = int(std::lround(face.ascent()));
    m_lineHeight = int(std::lround((face.ascent() + face.descent()) * 1.12));
    m_y = m_columns.empty() ? 0 : column().top();
    m_overflow = m_columns.empty();
}

// Words keep their trailing space; *stars* switch bold on and off.
std::vector<TextFlow::Word> TextFlow::words(const QString& text, const WinFont& font) const {
    WinFont bold = font;
    bold.bold = true;
    const Typeface regularFace(font), boldFace(bold);
    std::vector<Word> out;
    const QStringList parts = text.split(QLatin1Char('*'));
    for (int i = 0; i < parts.size(); ++i) {
        const bool isBold = i % 2 == 1 || font.bold;
        QStringList pieces = parts[i].split(QLatin1Char(' '));
        for (int j = 0; j < pieces.size(); ++j) {
            QString piece = pieces[j];
            if (j + 1 < pieces.size()) piece += QLatin1Char(' ');
            if (piece.isEmpty()) continue;
            if (piece == QLatin1String(" ") && !out.empty()) { // a space after a bold run
                out.back().text += piece;
            } else {
                out.push_back({piece, isBold, 0, 0});
            }
        }
    }
    for (Word& w : out) {
        const Typeface& face = w.bold ? boldFace : regularFace;
        w.width = int(std::lround(face.width(w.text)));
        w.ink = int(std::lround(face.width(w.text.trimmed())));
    }
    return out;
}

std::vector<TextFlow::Line> TextFlow::lines(const std::vector<Word>& words, int width) const {
    std::vector<Line> out(1);
    int used = 0;
    for (const Word& w : words) {
        // A trailing space may hang past the edge.
        if (!out.back().empty() && used + w.ink > width) {
            out.emplace_back();
            used = 0;
        }
        out.back().push_back(w);
        used += w.width;
    }
    return out;
}

void TextFlow::drawLine(const Line& line, QPoint at, const WinFont& font, const QColor& color) {
    // One text record per run of words in the same weight.
    std::size_t i = 0;
    while (i < line.size()) {
        WinFont runFont = font;
        runFont.bold = line[i].bold;
        QString run;
        for (; i < line.size() && line[i].bold == runFont.bold; ++i)
            run += line[i].text;
        if (i == line.size()) run = run.trimmed();
        at.rx() += m_sheet.text(at, run, runFont, color);
    }
}

bool TextFlow::room(int height) {
    while (m_y + height > column().bottom()) {
        if (m_column + 1 >= m_columns.size()) {
            m_overflow = true;
            return false;
        }
        ++m_column;
        m_y = column().top();
    }
    return true;
}

// Sets a block line by line. Short blocks stay whole and long ones leave no single line
// behind at either end of a column; what moves on to another column is set for its width.
bool TextFlow::paragraph(const QString& text, int indent, const QString& marker) {
    std::vector<Word> rest = words(text, m_body);
    const auto linesLeft = [&] { return lines(rest, column().width() - indent); };
    const std::size_t total = linesLeft().size();
    if (!room(m_lineHeight * int(total <= 3 ? total : 2))) return false;
    bool first = true;
    while (!rest.empty()) {
        const std::vector<Line> set = linesLeft();
        const bool lastColumn = m_column + 1 >= m_columns.size();
        if (set.size() == 2 && !first && !lastColumn && m_y + 2 * m_lineHeight > column().bottom())
            m_y = column().bottom(); // carry two lines over rather than one
        if (!room(m_lineHeight)) return false;
        const Line line = linesLeft().front();
        const QPoint baseline(column().left() + indent, m_y + m_ascent);
        if (first && !marker.isNull()) drawMarker(marker, QPoint(column().left(), baseline.y()));
        drawLine(line, baseline, m_body, Qt::black);
        rest.erase(rest.begin(), rest.begin() + long(line.size()));
        m_y += m_lineHeight;
        first = false;
    }
    m_y += m_lineHeight * 2 / 5;
    return true;
}

void TextFlow::drawMarker(const QString& marker, QPoint baseline) {
    MetafileWriter& out = m_sheet.out();
    if (!marker.isEmpty()) { // a number
        WinFont bold = m_body;
        bold.bold = true;
        m_sheet.text(baseline, marker, bold, m_theme.accent);
        return;
    }
    const int s = m_body.height * 2 / 5;
    const QPoint c(baseline.x() + s, baseline.y() - m_body.height * 7 / 20);
    out.nullPen();
    out.brush(m_theme.accent);
    switch (m_theme.bullet) {
    case Bullet::Triangle:
        out.polygon(QPolygon({QPoint(c.x() - s, c.y() + s * 4 / 5),
                              QPoint(c.x() + s, c.y() + s * 4 / 5), QPoint(c.x(), c.y() - s)}));
        break;
    case Bullet::Disc:
        out.ellipse(QRect(c.x() - s * 3 / 4, c.y() - s * 3 / 4, s * 3 / 2, s * 3 / 2));
        break;
    case Bullet::Square:
        out.rectangle(QRect(c.x() - s * 3 / 5, c.y() - s * 3 / 5, s * 6 / 5, s * 6 / 5));
        break;
    }
}

bool TextFlow::heading(const QString& text) {
    const int height = m_heading.height * 13 / 10;
    if (m_y > column().top()) m_y += m_lineHeight / 3;
    if (!room(height + 2 * m_lineHeight)) return false; // keep a heading with its text
    m_sheet.text(QPoint(column().left(), m_y + m_heading.height), text, m_heading, m_theme.heading);
    m_y += height;
    return true;
}

bool TextFlow::box(const QString& text) {
    const int pad = m_body.height * 3 / 5;
    std::vector<Line> set;
    int height = 0;
    // A box that moves on to a narrower column has to be set again.
    for (std::size_t tries = 0; tries < 2; ++tries) {
        const std::size_t start = m_column;
        set = lines(words(text, m_body), column().width() - 2 * pad);
        height = 2 * pad + m_lineHeight * int(set.size() + 1);
        if (!room(height)) return false;
        if (m_column == start) break;
    }
    const QRect frame(column().left(), m_y, column().width(), height);
    MetafileWriter& out = m_sheet.out();
    out.pen(m_theme.boxLine, 20);
    out.brush(m_theme.boxFill);
    out.roundRect(frame, 2 * pad, 2 * pad);
    int y = m_y + pad;
    WinFont title = m_body;
    title.bold = true;
    m_sheet.text(QPoint(frame.left() + pad, y + m_ascent), m_theme.boxTitle, title,
                 m_theme.heading);
    for (const Line& line : set) {
        y += m_lineHeight;
        drawLine(line, QPoint(frame.left() + pad, y + m_ascent), m_body, Qt::black);
    }
    m_y += height + m_lineHeight / 2;
    return true;
}

bool TextFlow::add(const Block& block) {
    if (m_overflow) return false;
    const int indent = m_body.height * 3 / 2;
    switch (block.kind) {
    case Block::Kind::Heading:
        return heading(block.text);
    case Block::Kind::Bullet:
        return paragraph(block.text, indent, QString(QLatin1String("")));
    case Block::Kind::Numbered:
        return paragraph(block.text, indent * 5 / 4, block.number);
    case Block::Kind::Box:
        return box(block.text);
    case Block::Kind::Paragraph:
        break;
    }
    return paragraph(block.text, 0, QString());
}

} // namespace av::pages
