#pragma once

#include "Question.h"

#include <QString>
#include <array>

namespace av {

// A quiz or worksheet: its title and ten questions, numbered 1 to 10.
class QuestionSet {
  public:
    static constexpr int Size = 10;

    QString title;

    // Question n, 1 to 10; anything else is a subscript error.
    Question& question(int n);
    const Question& question(int n) const;

  private:
    std::array<Question, Size> m_questions;
};

} // namespace av
