#include "model/QuestionSet.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using namespace av;

namespace {

template <class F> RuntimeError::Code failureOf(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.code();
    }
    ADD_FAILURE() << "no error";
    return RuntimeError::Code{};
}

TEST(QuestionTest, OnlyADigitOneToFourNamesTheCorrectChoice) {
    Question q;
    const std::pair<const char*, int> named[] = {{"1", 1}, {"2", 2},  {"3", 3},
                                                 {"4", 4}, {" 3", 3}, {"4 ", 4}};
    for (const auto& [text, c] : named) {
        q.correct = QString::fromLatin1(text);
        EXPECT_EQ(q.correctChoice(), c) << text;
        for (int picked = 0; picked <= 4; ++picked)
            EXPECT_EQ(q.isAnsweredBy(picked), picked == c) << text << " picked " << picked;
    }
    // The wizard never writes these, but a hand-edited file may hold them.
    for (const char* odd : {"", "0", "5", "-1", "x", "12", "1.5", "&"}) {
        q.correct = QString::fromLatin1(odd);
        EXPECT_EQ(q.correctChoice(), 0) << odd;
        for (int picked = 0; picked <= 4; ++picked)
            EXPECT_FALSE(q.isAnsweredBy(picked)) << "\"" << odd << "\" picked " << picked;
    }
}

TEST(QuestionTest, ChoicesAndQuestionsOutsideTheirRangeAreSubscriptErrors) {
    QuestionSet set;
    for (int n = 1; n <= QuestionSet::Size; ++n)
        for (int c = 1; c <= Question::Choices; ++c)
            set.question(n).choice(c) = QStringLiteral("%1/%2").arg(n).arg(c);
    // Every slot is its own: nothing written above landed on another.
    EXPECT_EQ(set.question(1).choice(1), QStringLiteral("1/1"));
    EXPECT_EQ(set.question(10).choice(4), QStringLiteral("10/4"));
    EXPECT_EQ(set.question(7).choices[2], QStringLiteral("7/3"));

    const QuestionSet& read = set;
    for (int n : {0, -1, 11})
        EXPECT_EQ(failureOf([&] { (void)read.question(n); }), RuntimeError::SubscriptOutOfRange)
            << n;
    for (int c : {0, 5})
        EXPECT_EQ(failureOf([&] { (void)read.question(1).choice(c); }),
                  RuntimeError::SubscriptOutOfRange)
            << c;
}

} // namespace
