#include "TextRules.h"

#include "Cp1252.h"

#include <algorithm>

namespace av {
namespace {

bool isBreak(char32_t c) {
    return c == U'\t' || c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 ||
           c == 0x2028 || c == 0x2029;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

} // namespace

namespace textrules {

bool storable(char32_t c) {
    return c <= 0xffff && cp1252::canEncode(QChar(char16_t(c)));
}

} // namespace textrules

TextRules::TextRules(QObject* parent) : QValidator(parent), m_keeps(textrules::storable) {}

QString TextRules::clean(const QString& text) const {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (c == U'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        if (isBreak(c))
            out.append(QLatin1Char(' '));
        else if (!isControl(c) && !QChar::isSurrogate(c) && m_keeps(c))
            out.append(QString::fromUcs4(&c, 1));
    }
    return out;
}

// At most room UTF-16 units, never half a surrogate pair.
QString TextRules::cut(const QString& text, int room) const {
    if (text.size() <= room) return text;
    QString out = text.left(std::max(room, 0));
    if (!out.isEmpty() && out.back().isHighSurrogate()) out.chop(1);
    return out;
}

// The change from the text shown before is taken as typed at one place: the common start and
// end stay, the part between is cleaned and cut to the room the limit leaves.
QValidator::State TextRules::validate(QString& input, int& pos) const {
    const qsizetype shorter = std::min(input.size(), m_before.size());
    qsizetype start = 0;
    while (start < shorter && input[start] == m_before[start])
        ++start;
    if (start > 0 && input[start - 1].isHighSurrogate()) --start;
    qsizetype end = 0;
    while (end < shorter - start &&
           input[input.size() - 1 - end] == m_before[m_before.size() - 1 - end])
        ++end;
    if (end > 0 && input[input.size() - end].isLowSurrogate()) --end;

    const QString head = clean(input.left(start));
    const QString tail = clean(input.right(end));
    const QString added = clean(input.mid(start, input.size() - start - end));
    const int room = m_limit - int(head.size() + tail.size());
    const QString kept = cut(added, room);
    const QString result = cut(head + kept + tail, m_limit);
    if (result != input) {
        input = result;
        pos = int(std::min(head.size() + kept.size(), result.size()));
    }
    return Acceptable;
}

void TextRules::fixup(QString& input) const {
    input = cut(clean(input), m_limit);
}

} // namespace av
