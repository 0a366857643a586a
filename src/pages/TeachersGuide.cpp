#include "TeachersGuide.h"

namespace av {
namespace {

QString screenCopy(int page) {
    return QStringLiteral("wmf\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

QString printCopy(int page) {
    return QStringLiteral("wmf2\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

} // namespace

TeachersGuide::TeachersGuide(App& app)
    : PageWindow(app, QString::fromLatin1(Name), QPointF(120, -240)) {
    showPageCaption(1, PageTotal);
}

void TeachersGuide::onLoad() {
    applyCommonFrame(*this, app());
}

void TeachersGuide::open() {
    setPage(1);
    loadPage(screenCopy(1), printCopy(1));
    showWindow();
}

QStringList TeachersGuide::neighbourPages() const {
    QStringList pages;
    for (int n : {page() + 1, page() - 1})
        if (n >= 1 && n <= PageTotal) pages << screenCopy(n);
    return pages;
}

void TeachersGuide::pageTurned(Link) {
    showPage(page());
}

// Arriving at page 3 or 4 leaves "Previous Page" as it is: the way there passes page 2, which
// enabled it.
void TeachersGuide::showPage(int n) {
    loadPage(screenCopy(n), printCopy(n));
    Label& previous = link(PreviousLink);
    Label& next = link(NextLink);
    if (n == 1) previous.setEnabled(false);
    if (n == 2) previous.setEnabled(true);
    if (n >= 2 && n <= 4) next.setEnabled(true);
    if (n == PageTotal) next.setEnabled(false);
    showPageCaption(n, PageTotal);
}

} // namespace av
