#pragma once

#include "PageSource.h"
#include "Sheet.h"
#include "Theme.h"

#include <vector>

namespace av::pages {

// Sets text blocks line by line into a row of column rectangles, moving on to the next column
// when one is full. Left-aligned, as children read most easily.
class TextFlow {
  public:
    TextFlow(Sheet& sheet, const Theme& theme, std::vector<QRect> columns, double bodyPoints);

    // False once the text no longer fits in the columns.
    bool add(const Block& block);
    bool overflowed() const { return m_overflow; }

  private:
    struct Word {
        QString text;
        bool bold = false;
        int width = 0; // with the trailing space
        int ink = 0;   // without it
    };
    using Line = std::vector<Word>;

    std::vector<Word> words(const QString& text, const WinFont& font) const;
    std::vector<Line> lines(const std::vector<Word>& words, int width) const;
    void drawLine(const Line& line, QPoint baseline, const WinFont& font, const QColor& color);
    bool room(int height);
    bool paragraph(const QString& text, int indent, const QString& marker);
    bool heading(const QString& text);
    bool box(const QString& text);
    void drawMarker(const QString& marker, QPoint baseline);

    const QRect& column() const { return m_columns[m_column]; }

    Sheet& m_sheet;
    const Theme& m_theme;
    std::vector<QRect> m_columns;
    std::size_t m_column = 0;
    int m_y = 0;
    WinFont m_body;
    WinFont m_heading;
    int m_lineHeight = 0;
    int m_ascent = 0;
    bool m_overflow = false;
};

} // namespace av::pages
