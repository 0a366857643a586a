#pragma once

namespace av {

// Exposes the drawn widgets (labels, pictures) to assistive technology with their caption as
// name, a fitting role, and a press action for command labels.
void installAccessibility();

} // namespace av
