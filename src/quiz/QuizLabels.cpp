#include "QuizLabels.h"

namespace av::quiz {

Label& textLabel(Window& window, const char* name, int index, const QRectF& box,
                 const QString& caption, const FontSpec& font, const QColor& colour,
                 Label::Align align) {
    Label& label = window.add<Label>(QString::fromLatin1(name), index);
    label.setBounds(float(box.x()), float(box.y()), float(box.width()), float(box.height()));
    label.setCaption(caption);
    label.setFontSpec(font);
    label.setLabelForeColor(colour);
    label.setAlignment(align);
    label.setOpaque(false);
    return label;
}

} // namespace av::quiz
