#include "PageSource.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace av::pages {
namespace {

bool takeField(const QString& line, const char* name, QString& into) {
    const QString prefix = QLatin1String(name) + QLatin1Char(':');
    if (!line.startsWith(prefix)) return false;
    into = line.mid(prefix.size()).trimmed();
    return true;
}

// A line that starts a block of its own kind, or nothing for a plain line.
std::optional<Block> blockStart(const QString& line) {
    static const QRegularExpression numbered(QStringLiteral("^(\\d+\\.)\\s+(.*)$"));
    if (line.startsWith(QLatin1String("# "))) return Block{Block::Kind::Heading, line.mid(2), {}};
    if (line.startsWith(QLatin1String("- "))) return Block{Block::Kind::Bullet, line.mid(2), {}};
    if (line.startsWith(QLatin1String("! "))) return Block{Block::Kind::Box, line.mid(2), {}};
    const auto m = numbered.match(line);
    if (m.hasMatch()) return Block{Block::Kind::Numbered, m.captured(2), m.captured(1)};
    return std::nullopt;
}

} // namespace

PageSource parsePageSource(const QString& text, QString* error) {
    PageSource page;
    bool open = false; // a block is open and takes continuation lines
    int number = 0;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        ++number;
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            open = false;
            continue;
        }
        QString picture;
        if (takeField(line, "title", page.title) || takeField(line, "kicker", page.kicker))
            continue;
        if (takeField(line, "picture", picture)) {
            const QStringList parts = picture.split(QLatin1Char('|'));
            page.picture = parts.value(0).trimmed();
            page.caption = parts.value(1).trimmed();
            continue;
        }
        if (auto block = blockStart(line)) {
            page.blocks.push_back(*block);
            open = block->kind != Block::Kind::Heading;
            continue;
        }
        if (open) {
            page.blocks.back().text += QLatin1Char(' ') + line;
            continue;
        }
        if (line.contains(QLatin1Char(':')) && !line.contains(QLatin1Char(' ')) && error) {
            *error = QStringLiteral("line %1: unknown field \"%2\"").arg(number).arg(line);
            return page;
        }
        page.blocks.push_back({Block::Kind::Paragraph, line, {}});
        open = true;
    }
    if (page.title.isEmpty() && error) *error = QStringLiteral("the page has no title");
    return page;
}

} // namespace av::pages
