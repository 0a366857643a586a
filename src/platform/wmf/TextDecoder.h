#pragma once

#include <QString>
#include <QVector>

namespace av::wmf {

// One decoded character and how many bytes of the record it took.
struct DecodedText {
    QString text;
    QVector<int> bytesPerChar; // one entry per QChar of text (surrogates count 0 for the second)
};

// Decodes record text in the Windows code page of a font's character set.
// symbolFont: the Symbol face, whose byte codes map to Greek and maths characters.
DecodedText decodeText(const char* bytes, int length, int charset, bool symbolFont);

} // namespace av::wmf
