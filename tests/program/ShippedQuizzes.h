#pragma once

#include "BuildFolders.h"
#include "TestApp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace av::test {

// Puts the two quizzes that ship with the topics into the test's program folder.
inline void copyShippedQuizzes(TestApp& t) {
    for (const char* name : {"The Pyramids.txt", "Words and Numbers.txt"}) {
        QFile file(built::sourceDir() + QStringLiteral("/content/multiple/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        t.writeFile(QStringLiteral("multiple/") + QLatin1String(name), file.readAll());
    }
}

} // namespace av::test
