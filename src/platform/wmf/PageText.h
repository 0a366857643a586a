#pragma once

#include "Picture.h"
#include "wmf/Player.h"

#include <vector>

namespace av::wmf {

// A page's words from the pieces its records draw, in reading order whatever order they were
// drawn in: lines top to bottom, pieces left to right within a line, a space where a line
// leaves a gap between two pieces. The title is the first line in the largest type.
PictureText readText(std::vector<TextRun> runs);

} // namespace av::wmf
