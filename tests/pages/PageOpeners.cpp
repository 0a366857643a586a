#include "PageOpeners.h"

namespace av::test {

void openPageSet(TestApp& t, const QString& key, int pageCount) {
    t.windows().get<PageViewer>().open({key, pageCount});
}

void openAcknowledgments(TestApp& t) {
    t.windows().get<PageViewer>().openAcknowledgments();
}

void openGuide(TestApp& t) {
    t.windows().get<TeachersGuide>().open();
}

QStringList loadedSince(const TestApp& t, int mark) {
    return t.pictures.loaded.mid(mark);
}

} // namespace av::test
