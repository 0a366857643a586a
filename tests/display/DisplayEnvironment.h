#pragma once

#include <QString>

namespace av::test::display {

// Why there is no X display for these tests; empty when there is one.
QString unavailableReason();
void setUnavailableReason(const QString& reason);

} // namespace av::test::display
