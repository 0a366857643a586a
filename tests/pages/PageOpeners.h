#pragma once

#include "TestApp.h"
#include "views/PageViewerView.h"

#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"

namespace av::test {

// The page windows opened as the topic screens and the main menu open them.
void openPageSet(TestApp& t, const QString& key, int pageCount);
void openAcknowledgments(TestApp& t);
void openGuide(TestApp& t);

// The paths the fake picture service was asked for since the mark.
QStringList loadedSince(const TestApp& t, int mark);

} // namespace av::test
