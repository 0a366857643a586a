#pragma once

#include <QString>
#include <array>

namespace av::datatree {

// The Velmoran numerals are additive like tally marks: one sign per power of ten, repeated
// as often as needed and read by adding the signs up.
inline constexpr int kNumeralSigns = 6;

// How many of each sign spell a value, index 0 = ones .. 5 = hundred thousands.
using NumeralCounts = std::array<int, kNumeralSigns>;

// Spells 0..999999; values outside that range have no spelling and give all zeros.
NumeralCounts spellNumeral(int value);

// Value of a group of signs, the inverse of spellNumeral.
int numeralValue(const NumeralCounts& counts);

// Value and name of sign `place` (0..5), as the numerals chart labels it.
int signValue(int place);
QString signName(int place);

// A sum drawn for the labelling activity: two numbers whose total is the answer beside it.
struct NumeralSum {
    const char* fileName;
    int width;
    int height;
    int first;
    int second;
    int answer;
};

const std::array<NumeralSum, 4>& numeralSums();

} // namespace av::datatree
