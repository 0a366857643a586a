#include "Numerals.h"

namespace av::datatree {

NumeralCounts spellNumeral(int value) {
    NumeralCounts counts{};
    if (value < 0 || value > 999999) return counts;
    for (int place = 0; place < kNumeralSigns; ++place) {
        counts[place] = value % 10;
        value /= 10;
    }
    return counts;
}

int numeralValue(const NumeralCounts& counts) {
    int total = 0;
    for (int place = 0; place < kNumeralSigns; ++place)
        total += counts[place] * signValue(place);
    return total;
}

int signValue(int place) {
    int value = 1;
    for (int i = 0; i < place; ++i)
        value *= 10;
    return value;
}

QString signName(int place) {
    static const char* const names[kNumeralSigns] = {"reed", "arch", "rope", "lotus", "eye", "sun"};
    if (place < 0 || place >= kNumeralSigns) return {};
    return QString::fromLatin1(names[place]);
}

const std::array<NumeralSum, 4>& numeralSums() {
    // Each sum needs a carry, so counting the signs alone does not give the answer.
    static const std::array<NumeralSum, 4> sums = {{
        {"sum1.jpg", 250, 118, 17, 9, 26},
        {"sum2.jpg", 250, 173, 65, 47, 112},
        {"sum3.jpg", 250, 126, 1015, 8, 1023},
        {"sum4.jpg", 250, 156, 55000, 46000, 101000},
    }};
    return sums;
}

} // namespace av::datatree
