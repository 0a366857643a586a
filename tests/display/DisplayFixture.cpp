#include "DisplayFixture.h"

#include "DisplayEnvironment.h"
#include "EventWait.h"

#include "program/Program.h"

namespace av::test::display {

void OnTheDisplay::SetUp() {
    if (!unavailableReason().isEmpty())
        GTEST_SKIP() << "no X display: " << unavailableReason().toStdString();
}

void startAndWait(Program& program) {
    program.start();
    ASSERT_TRUE(runUntil([&] { return program.firstFramePresented(); }));
    runFor(100);
}

} // namespace av::test::display
