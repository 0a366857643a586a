#pragma once

#include "TestApp.h"

#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"

namespace av::test {

// What the topic screens and the main menu do to open the page windows, touching them by name
// as those screens do.
void openPageSet(TestApp& t, const QString& key, int pageCount);
void openAcknowledgments(TestApp& t);
void openGuide(TestApp& t);

// The paths the fake picture service was asked for since the mark.
QStringList loadedSince(const TestApp& t, int mark);

} // namespace av::test
