#include "Numerals.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace av::datatree {
namespace {

TEST(VelmoranNumerals, SpellsValuesAsCountsOfEachSign) {
    EXPECT_EQ(spellNumeral(26), (NumeralCounts{6, 2, 0, 0, 0, 0}));
    EXPECT_EQ(spellNumeral(112), (NumeralCounts{2, 1, 1, 0, 0, 0}));
    EXPECT_EQ(spellNumeral(1023), (NumeralCounts{3, 2, 0, 1, 0, 0}));
    EXPECT_EQ(spellNumeral(101000), (NumeralCounts{0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(spellNumeral(999999), (NumeralCounts{9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(spellNumeral(0), NumeralCounts{});
}

TEST(VelmoranNumerals, ValuesOutsideTheSystemHaveNoSpelling) {
    EXPECT_EQ(spellNumeral(-1), NumeralCounts{});
    EXPECT_EQ(spellNumeral(1000000), NumeralCounts{});
}

TEST(VelmoranNumerals, ReadingASpellingGivesTheValueBack) {
    for (int value : {0, 1, 9, 10, 17, 99, 100, 512, 1015, 46000, 55000, 100000, 999999})
        EXPECT_EQ(numeralValue(spellNumeral(value)), value) << value;
}

TEST(VelmoranNumerals, SignsArePowersOfTenWithDistinctNames) {
    std::set<QString> names;
    for (int place = 0, value = 1; place < kNumeralSigns; ++place, value *= 10) {
        EXPECT_EQ(signValue(place), value);
        EXPECT_FALSE(signName(place).isEmpty());
        names.insert(signName(place));
    }
    EXPECT_EQ(names.size(), std::size_t(kNumeralSigns));
    EXPECT_TRUE(signName(kNumeralSigns).isEmpty());
}

TEST(VelmoranSums, EachPictureAddsUpToTheAnswerPutBesideIt) {
    // The labelling activity puts these answers beside these pictures.
    const std::map<std::string, int> answers = {
        {"sum1.jpg", 26}, {"sum2.jpg", 112}, {"sum3.jpg", 1023}, {"sum4.jpg", 101000}};
    ASSERT_EQ(numeralSums().size(), answers.size());
    for (const NumeralSum& sum : numeralSums()) {
        ASSERT_TRUE(answers.count(sum.fileName)) << sum.fileName;
        EXPECT_EQ(sum.answer, answers.at(sum.fileName));
        const int drawn =
            numeralValue(spellNumeral(sum.first)) + numeralValue(spellNumeral(sum.second));
        EXPECT_EQ(drawn, sum.answer) << sum.fileName;
    }
}

TEST(VelmoranSums, EachSumNeedsACarrySoCountingSignsIsNotEnough) {
    for (const NumeralSum& sum : numeralSums()) {
        const NumeralCounts a = spellNumeral(sum.first), b = spellNumeral(sum.second);
        NumeralCounts merged{};
        for (int i = 0; i < kNumeralSigns; ++i)
            merged[i] = a[i] + b[i];
        EXPECT_NE(merged, spellNumeral(sum.answer)) << sum.fileName;
    }
}

} // namespace
} // namespace av::datatree
