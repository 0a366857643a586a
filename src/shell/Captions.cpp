#include "Captions.h"

namespace av {

void applyCaption(Label& label, const QRectF& place, const QString& text, const FontSpec& font,
                  const QColor& colour, Label::Align align) {
    label.setBounds(float(place.x()), float(place.y()), float(place.width()),
                    float(place.height()));
    label.setCaption(text);
    label.setFontSpec(font);
    label.setLabelForeColor(colour);
    label.setAlignment(align);
    label.setOpaque(false);
}

Label& addCaption(Window& window, const char* name, int index, const QRectF& place,
                  const QString& text, const FontSpec& font, const QColor& colour,
                  Label::Align align, QWidget* parent) {
    Label& label = window.add<Label>(QString::fromLatin1(name), index, parent);
    applyCaption(label, place, text, font, colour, align);
    return label;
}

} // namespace av
