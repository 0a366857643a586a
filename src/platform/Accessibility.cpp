#include "Accessibility.h"

#include "Label.h"
#include "PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace av {
namespace {

class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label) {}

    Label* label() const { return static_cast<Label*>(widget()); }

    // A label may become a command after assistive technology first asked about it.
    QAccessible::Role role() const override {
        return label()->isCommand() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        // A box without text is named for what it is ("Box 2", "Starting place").
        if (t == QAccessible::Name)
            return label()->caption().isEmpty() ? label()->accessibleName() : label()->caption();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return label()->isCommand() && label()->isEnabled() ? QStringList{pressAction()}
                                                            : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->isCommand() && label()->isEnabled())
            label()->click();
    }
};

class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<Label*>(object)) return new LabelAccessible(label);
    if (auto* box = qobject_cast<PictureBox*>(object)) return new PictureAccessible(box);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&factory);
}

void announce(QWidget& widget, const QString& text) {
    widget.setAccessibleDescription(text);
    QAccessibleEvent changed(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(&widget, text);
    QAccessible::updateAccessibility(&said);
#endif
}

} // namespace av
