#pragma once

#include <gtest/gtest.h>

namespace av {
class Program;
}

namespace av::test::display {

// Starts the program and waits for the title's first frame.
void startAndWait(Program& program);

// Tests that need the X display: they skip, saying why, when there is none.
class OnTheDisplay : public ::testing::Test {
  protected:
    void SetUp() override;
    void startAndWait(Program& program) { display::startAndWait(program); }
};

} // namespace av::test::display
