#pragma once

#include <QString>
#include <QValidator>
#include <functional>

namespace av {

// What every way into a text box (keys, paste, input methods, accessibility tools setting the
// text) must meet: characters the box cannot keep are dropped one by one and the rest kept; a
// line break or tab becomes a space; and only as much of the new text as the length limit leaves
// room for is taken, as typing it would. Kept as a validator that corrects the text it is given,
// so the line edit applies it on every path.
class TextRules : public QValidator {
  public:
    using Keeps = std::function<bool(char32_t)>;

    explicit TextRules(QObject* parent = nullptr);

    // Which characters, besides the rules above, the box keeps.
    void setKeeps(Keeps keeps) { m_keeps = std::move(keeps); }
    void setLimit(int limit) { m_limit = limit; }
    int limit() const { return m_limit; }

    // The text the box last showed: what was there before is kept first, the new part cut.
    void remember(const QString& text) { m_before = text; }

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The text with line breaks and tabs as spaces and every character the box cannot keep
    // dropped.
    QString clean(const QString& text) const;

  private:
    QString cut(const QString& text, int room) const;

    Keeps m_keeps;
    int m_limit = 32767;
    QString m_before;
};

namespace textrules {

// Characters a Windows-1252 file stores as themselves.
bool storable(char32_t c);

} // namespace textrules

} // namespace av
