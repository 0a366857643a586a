#pragma once

#include "MetafileWriter.h"

#include <QFont>
#include <QFontMetricsF>
#include <optional>

namespace av::pages {

// The installed family that stands in for a Windows face when measuring: the metric-compatible
// Liberation faces, and Wine's Tahoma when it is there.
QString measuringFamily(const QString& face);

// Measures text in a Windows font, in the font's logical units (twips on our pages).
class Typeface {
  public:
    explicit Typeface(const WinFont& font);
    double width(const QString& text) const { return m_metrics.horizontalAdvance(text); }
    double ascent() const { return m_metrics.ascent(); }
    double descent() const { return m_metrics.descent(); }
    // Whole-unit advances of each character, rounded so that they add up to the run's width.
    QVector<qint16> advances(const QString& text) const;

  private:
    QFont m_font;
    QFontMetricsF m_metrics;
};

// The page's code page (Windows-1252); nothing when a character has no place in it.
std::optional<QByteArray> toCodePage(const QString& text);

} // namespace av::pages
