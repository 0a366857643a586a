#include "PageOpeners.h"

#include "platform/RuntimeError.h"

namespace av::test {
namespace {

void load(TestApp& t, PictureBox& box, const QString& path) {
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
    PageViewer& viewer = t.windows().get<PageViewer>();
    load(t, viewer.pageBox, QStringLiteral("wmf\\") + key + QStringLiteral("a.wmf"));
    load(t, viewer.printBox, QStringLiteral("wmf2\\") + key + QStringLiteral("a.wmf"));
    t.windows().show(QString::fromLatin1(PageViewer::Name));
}

void openAcknowledgments(TestApp& t) {
    PageViewer& viewer = t.windows().get<PageViewer>();
    viewer.pageNumber.hide();
    viewer.links[PageWindow::NextLink].hide();
    viewer.links[PageWindow::PreviousLink].hide();
    load(t, viewer.pageBox, QStringLiteral("wmf\\acknowledgments.wmf"));
    load(t, viewer.publisherLogo, QStringLiteral("logo\\marlowind2.bmp"));
    load(t, viewer.printBox, QStringLiteral("wmf2\\acknowledgments.wmf"));
    viewer.setBackColor(QColor(49, 130, 212));
    viewer.logoTimer.setEnabled(true);
    t.windows().show(QString::fromLatin1(PageViewer::Name));
}

void openGuide(TestApp& t) {
    TeachersGuide& guide = t.windows().get<TeachersGuide>();
    load(t, guide.pageBox, QStringLiteral("wmf\\guide1.wmf"));
    load(t, guide.printBox, QStringLiteral("wmf2\\guide1.wmf"));
    t.state().currentPage = 1;
    t.windows().show(QString::fromLatin1(TeachersGuide::Name));
}

QStringList loadedSince(const TestApp& t, int mark) {
    return t.pictures.loaded.mid(mark);
}

} // namespace av::test
