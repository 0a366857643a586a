#pragma once

class QString;
class QWidget;

namespace av {

// Exposes the drawn widgets (labels, pictures) to assistive technology with their caption as
// name, a fitting role, and a press action for command labels.
void installAccessibility();

// Tells assistive technology something that happened at the widget ("Picked up: 26"). Qt
// before 6.8 has no announcement of its own, so the text also becomes the widget's
// description, whose change a screen reader speaks.
void announce(QWidget& widget, const QString& text);

} // namespace av
