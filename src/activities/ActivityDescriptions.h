#pragma once

#include "ActivityDescription.h"

#include <vector>

namespace av {

// The labelling activities: answers beside sums, captions on a picture.
const ActivityDescription& wordslabDescription();
const ActivityDescription& pyramidslabDescription();
// The ordering activities: steps of a process put into a column of boxes.
const ActivityDescription& wordsordDescription();
const ActivityDescription& pyramidsordDescription();

// Every activity the program offers, each opened by its window name.
std::vector<const ActivityDescription*> allActivities();

} // namespace av
