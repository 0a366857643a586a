#include "PageOpeners.h"

#include "WindowAccess.h"
#include "platform/RuntimeError.h"

namespace av::test {
namespace {

void load(TestApp& t, const QString& window, const QString& widget, const QString& path) {
    auto& box = widgetOf<PictureBox>(t.app(), window, widget);
    try {
        box.setPicture(t.pictures.load(path));
    } catch (const RuntimeError&) {
        box.setPicture(nullptr);
    }
}

} // namespace

void openPageSet(TestApp& t, const QString& key, int pageCount) {
    t.state().pageCount = pageCount;
    t.state().pageSetKey = key;
    const QString viewer = QStringLiteral("teacher");
    load(t, viewer, QStringLiteral("Image1"),
         QStringLiteral("wmf\\") + key + QStringLiteral("a.wmf"));
    load(t, viewer, QStringLiteral("Image2"),
         QStringLiteral("wmf2\\") + key + QStringLiteral("a.wmf"));
    t.windows().show(viewer);
}

void openAcknowledgments(TestApp& t) {
    const QString viewer = QStringLiteral("teacher");
    widgetOf<Label>(t.app(), viewer, QStringLiteral("Label1")).hide();
    widgetOf<Label>(t.app(), viewer, QStringLiteral("label3"), 2).hide();
    widgetOf<Label>(t.app(), viewer, QStringLiteral("label3"), 3).hide();
    load(t, viewer, QStringLiteral("Image1"), QStringLiteral("wmf\\acknowledgments.wmf"));
    load(t, viewer, QStringLiteral("Picture2"), QStringLiteral("logo\\marlowind2.bmp"));
    load(t, viewer, QStringLiteral("Image2"), QStringLiteral("wmf2\\acknowledgments.wmf"));
    t.windows().touch(viewer).setBackColor(QColor(49, 130, 212));
    timerOf(t.app(), viewer, QStringLiteral("Timer1")).setEnabled(true);
    t.windows().show(viewer);
}

void openGuide(TestApp& t) {
    const QString guide = QStringLiteral("guide");
    load(t, guide, QStringLiteral("Image1"), QStringLiteral("wmf\\guide1.wmf"));
    load(t, guide, QStringLiteral("Image2"), QStringLiteral("wmf2\\guide1.wmf"));
    t.state().currentPage = 1;
    t.windows().show(guide);
}

QStringList loadedSince(const TestApp& t, int mark) {
    return t.pictures.loaded.mid(mark);
}

} // namespace av::test
