#pragma once

class QString;
class QWidget;

namespace av {

// Exposes the drawn widgets (labels, pictures) to assistive technology with their caption as
// name, a fitting role, and a press action for command labels. A screen is named for the
// words at its top, unless it was given an accessible name of its own.
void installAccessibility();

// Tells assistive technology something that happened at the widget ("Picked up 26"). Qt
// before 6.8 has no announcement of its own, and screen readers do not speak its name and
// description changes, so the text is also shown to them as a short-lived item of the
// widget's window that takes their focus; the keyboard focus stays where it is. The text also
// becomes the widget's description.
void announce(QWidget& widget, const QString& text);

// A heading a screen reader speaks before the widget when the focus comes to it from
// elsewhere ("Question 2: Why ...?" before the first answer). An empty heading removes it.
void introduce(QWidget& widget, const QString& heading);

// A widget of a window that only shows a state to the eye (a button kept hidden under a
// picture): a screen reader never hears it, and it never takes the focus.
void keepFromAssistiveTechnology(QWidget& widget);

// The name of a window for assistive technology: its own accessible name, or else the words
// at its top.
QString screenName(const QWidget& window);

} // namespace av
