#include "Accessibility.h"

#include "Label.h"
#include "PictureBox.h"
#include "Window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <array>

namespace av {
namespace {

// Set on a widget assistive technology is not shown.
constexpr char Unspoken[] = "av.unspoken";

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

// A picture, and for one that holds words (a page) those words as its text, which a screen
// reader reads line by line.
class PictureAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit PictureAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}

    using QAccessibleWidget::text;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !words().isEmpty())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return int(words().size()); }
    // The page's lines, each a band of the picture's height.
    QRect characterRect(int offset) const override {
        const QString all = words();
        const int lines = int(all.count(QLatin1Char('\n'))) + 1;
        const int line = int(all.left(offset).count(QLatin1Char('\n')));
        const QRect box(widget()->mapToGlobal(QPoint(0, 0)), widget()->size());
        const int band = std::max(1, box.height() / lines);
        return QRect(box.left(), box.top() + line * band, box.width(), band);
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

  private:
    QString words() const {
        const PicturePtr& picture = static_cast<PictureBox*>(widget())->picture();
        return picture ? picture->text().text : QString();
    }
};

// A spoken message: an item of a window, without a widget, that holds the screen reader's
// focus from the moment it is announced until the keyboard focus next moves.
class Announcement : public QAccessibleInterface {
  public:
    explicit Announcement(QWidget* window) : m_window(window) {}

    void say(const QString& text) { m_text = text; }
    const QString& said() const { return m_text; }

    bool isValid() const override { return m_window; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_window ? QAccessible::queryAccessibleInterface(m_window.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return m_window ? QRect(m_window->mapToGlobal(QPoint(0, 0)), QSize(1, 1)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> m_window;
    QString m_text;
};

// Two per window, taken in turn, so that two announcements in a row are two items and a
// screen reader speaks both.
struct Announcements {
    std::array<QAccessible::Id, 2> ids{};
    int next = 0;
};

QHash<const QWidget*, Announcements>& announcements() {
    static QHash<const QWidget*, Announcements> all;
    return all;
}

// The announcement that holds the focus now, if any.
QAccessible::Id& focusedAnnouncement() {
    static QAccessible::Id id = 0;
    return id;
}

QAccessible::State Announcement::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.readOnly = true;
    s.focused = focusedAnnouncement() != 0 &&
                QAccessible::accessibleInterface(focusedAnnouncement()) == this;
    return s;
}

Announcement* announcementOf(QAccessible::Id id) {
    return id ? static_cast<Announcement*>(QAccessible::accessibleInterface(id)) : nullptr;
}

Announcements& announcementsOf(QWidget* window) {
    auto it = announcements().find(window);
    if (it != announcements().end()) return *it;
    Announcements made;
    for (QAccessible::Id& id : made.ids)
        id = QAccessible::registerAccessibleInterface(new Announcement(window));
    QObject::connect(window, &QObject::destroyed, [window, ids = made.ids] {
        announcements().remove(window);
        for (QAccessible::Id id : ids) {
            if (focusedAnnouncement() == id) focusedAnnouncement() = 0;
            QAccessible::deleteAccessibleInterface(id);
        }
    });
    return *announcements().insert(window, made);
}

// A screen: named for where the pupil is, with its announcements among its items.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(Window* window) : QAccessibleWidget(window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return screenName(*widget());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(items().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> all = items();
        return index >= 0 && index < all.size() ? all.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(items().indexOf(child));
    }

  private:
    // The window's widgets but those kept from assistive technology, then its announcements.
    QList<QAccessibleInterface*> items() const {
        QList<QAccessibleInterface*> all;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* item = QAccessibleWidget::child(i);
            if (item && item->object() && item->object()->property(Unspoken).toBool()) continue;
            all.append(item);
        }
        for (Announcement* said : spoken())
            all.append(said);
        return all;
    }

    QList<Announcement*> spoken() const {
        QList<Announcement*> items;
        const auto it = announcements().constFind(widget());
        if (it == announcements().cend()) return items;
        for (QAccessible::Id id : it->ids)
            if (Announcement* item = announcementOf(id); item && !item->said().isEmpty())
                items.append(item);
        return items;
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<Label*>(object)) return new LabelAccessible(label);
    if (auto* box = qobject_cast<PictureBox*>(object)) return new PictureAccessible(box);
    if (auto* window = qobject_cast<Window*>(object)) return new WindowAccessible(window);
    return nullptr;
}

QString escapeMnemonics(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&factory);
    // The keyboard focus moving on takes the screen reader's focus from an announcement, which
    // then leaves the window, so that reading the window later does not meet it again.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QApplication::focusChanged, [] {
            focusedAnnouncement() = 0;
            for (const Announcements& items : std::as_const(announcements()))
                for (QAccessible::Id id : items.ids)
                    if (Announcement* item = announcementOf(id)) item->say(QString());
        });
}

QString screenName(const QWidget& window) {
    if (!window.accessibleName().isEmpty()) return window.accessibleName();
    const Label* top = nullptr;
    QPoint topAt;
    for (const Label* label : window.findChildren<Label*>()) {
        if (label->caption().trimmed().isEmpty() || label->isCommand() ||
            !label->isVisibleTo(&window))
            continue;
        const QPoint at = label->mapTo(&window, QPoint(0, 0));
        if (!top || at.y() < topAt.y() || (at.y() == topAt.y() && at.x() < topAt.x())) {
            top = label;
            topAt = at;
        }
    }
    return top ? top->caption().simplified() : window.windowTitle();
}

void announce(QWidget& widget, const QString& text) {
    widget.setAccessibleDescription(text);
    QAccessibleEvent changed(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(&widget, text);
    QAccessible::updateAccessibility(&said);
#endif
    QWidget* window = widget.window();
    if (!QAccessible::isActive() || !window || !qobject_cast<Window*>(window)) return;
    Announcements& items = announcementsOf(window);
    const QAccessible::Id id = items.ids[std::size_t(items.next)];
    items.next = 1 - items.next;
    announcementOf(id)->say(text);
    focusedAnnouncement() = id;
    QAccessibleEvent focus(QAccessible::accessibleInterface(id), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void keepFromAssistiveTechnology(QWidget& widget) {
    widget.setProperty(Unspoken, true);
    widget.setFocusPolicy(Qt::NoFocus);
}

void introduce(QWidget& widget, const QString& heading) {
    QWidget* parent = widget.parentWidget();
    if (!parent) return;
    const QString name = QStringLiteral("introduction");
    auto* label = parent->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    if (!label) {
        // Never shown: only its text and the widget it introduces matter, to a screen reader.
        label = new QLabel(parent);
        label->setObjectName(name);
        label->hide();
    }
    label->setText(escapeMnemonics(heading));
    label->setBuddy(heading.isEmpty() ? nullptr : &widget);
}

} // namespace av
