#pragma once

#include <QString>

namespace av {

// Numbers put into texts carry a sign position: " 7", "-7".
inline QString numberText(long long n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

// A number printed on a line of its own also carries a trailing space: " 3 ".
inline QString printedNumber(long long n) {
    return numberText(n) + QLatin1Char(' ');
}

// A field read into a whole number: blanks around it are allowed, anything else is a mismatch.
long long fieldToInteger(const QString& field);

} // namespace av
