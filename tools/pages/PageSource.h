#pragma once

#include <QString>
#include <vector>

namespace av::pages {

// One block of a page's text. Inline *stars* mark bold words.
struct Block {
    enum class Kind { Paragraph, Heading, Bullet, Numbered, Box };
    Kind kind = Kind::Paragraph;
    QString text;
    QString number; // "3." for a numbered item
};

// A page as its text source gives it:
//   title: ...            the page title in the band
//   kicker: ...           the small line above the title
//   picture: name | caption
//   # Heading
//   - bullet item
//   1. numbered item
//   ! text of a boxed note
// Other lines are paragraphs; a blank line ends a block, and lines that follow a block's
// first line without a marker continue it.
struct PageSource {
    QString title;
    QString kicker;
    QString picture;
    QString caption;
    std::vector<Block> blocks;
};

// Parses a page source; on a malformed line, sets `error` and returns what it read so far.
PageSource parsePageSource(const QString& text, QString* error);

} // namespace av::pages
