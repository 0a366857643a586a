#include "TeachersGuide.h"

namespace av {

TeachersGuide::TeachersGuide(App& app)
    : PageWindow(app, QString::fromLatin1(Name), QPointF(120, -240)) {
    pageNumber.setCaption(pageCaption(1, PageTotal));
}

void TeachersGuide::onLoad() {
    applyCommonFrame(*this, app());
}

QStringList TeachersGuide::neighbourPages() const {
    QStringList pages;
    const int page = state().currentPage;
    for (int n : {page + 1, page - 1})
        if (n >= 1 && n <= PageTotal)
            pages << QStringLiteral("wmf\\guide") + QString::number(n) + QStringLiteral(".wmf");
    return pages;
}

void TeachersGuide::pageTurned(Link) {
    showPage(state().currentPage);
}

// Arriving at page 3 or 4 leaves "Previous Page" as it is: the way there passes page 2, which
// enabled it.
void TeachersGuide::showPage(int page) {
    const QString number = QString::number(page);
    loadPage(QStringLiteral("wmf\\guide") + number + QStringLiteral(".wmf"),
             QStringLiteral("wmf2\\guide") + number + QStringLiteral(".wmf"));
    Label& previous = links[PreviousLink];
    Label& next = links[NextLink];
    if (page == 1) previous.setEnabled(false);
    if (page == 2) previous.setEnabled(true);
    if (page >= 2 && page <= 4) next.setEnabled(true);
    if (page == PageTotal) next.setEnabled(false);
    pageNumber.setCaption(pageCaption(page, PageTotal));
}

} // namespace av
