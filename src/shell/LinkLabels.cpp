#include "LinkLabels.h"

namespace av {

Label& addLink(Window& window, Group<Label>& group, const QString& name, int index, float left,
               float top, float width, float height, const QString& caption, double points,
               const QColor& back) {
    Label& label = window.add<Label>(name, index);
    label.setBounds(left, top, width, height);
    label.setCaption(caption);
    label.setFontSpec(style::tahomaBold(points));
    label.setLabelForeColor(style::Yellow);
    label.setLabelBackColor(back);
    label.setBorder(true);
    label.setAlignment(Label::Align::Center);
    label.setOpaque(true);
    label.setCommand(true);
    label.setCursor(Qt::PointingHandCursor);
    group.add(index, &label);
    return label;
}

void hoverReset(const Group<Label>& group, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [from, to] : ranges)
        for (int i = from; i <= to; ++i)
            if (group.contains(i)) group[i].setOpaque(false);
}

} // namespace av
