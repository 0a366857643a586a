#pragma once

#include "MetafileWriter.h"

#include <QStringList>
#include <optional>

namespace av::pages {

// One page being drawn: the metafile plus the text state already set in it, so a run of text
// in the same font and colour costs one record.
class Sheet {
  public:
    explicit Sheet(QSize twips) : m_out(twips) {}

    MetafileWriter& out() { return m_out; }
    QSize size() const { return m_out.size(); }

    // Text whose baseline starts at `at`, each character placed where the font puts it.
    // Returns its width.
    int text(QPoint at, const QString& text, const WinFont& font, const QColor& color);
    // A short label centred on `at` (its baseline), measured by whoever plays the file.
    // With a backing colour the label is drawn on a box of it, hiding what lies beneath.
    void label(QPoint at, const QString& text, const WinFont& font, const QColor& color,
               const std::optional<QColor>& backing = std::nullopt);

    QByteArray finish() { return m_out.finish(); }
    // Texts the page's code page cannot hold; they are left out of the page.
    QStringList problems;

  private:
    void use(const WinFont& font, const QColor& color, int align);
    std::optional<QByteArray> encode(const QString& text);

    MetafileWriter m_out;
    std::optional<WinFont> m_font;
    std::optional<QColor> m_color;
    int m_align = -1;
};

} // namespace av::pages
