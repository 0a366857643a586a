#include "PageViewer.h"

namespace av {
namespace {

constexpr int LogoFrames = 20;

PicturePanel& logoBox(Window& w, const QString& name, float left, float top, float height) {
    auto& box = w.add<PicturePanel>(name);
    box.setBounds(left, top, 1800, height);
    box.setDescription(QStringLiteral("The Marlowind logo"));
    box.hide();
    return box;
}

Timer& logoTimer(QObject* owner) {
    auto* timer = new Timer(owner);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(25);
    return *timer;
}

// Pages a, b and c; a page number outside the alphabet has no letter, so no page file.
QString pageLetter(int page) {
    return page >= 1 && page <= 26 ? QString(QChar(u'a' + (page - 1))) : QString();
}

} // namespace

QString screenPagePath(const QString& key, int page) {
    return QStringLiteral("wmf\\") + key + pageLetter(page) + QStringLiteral(".wmf");
}

QString printPagePath(const QString& key, int page) {
    return QStringLiteral("wmf2\\") + key + pageLetter(page) + QStringLiteral(".wmf");
}

QString acknowledgmentsPage() {
    return QStringLiteral("wmf\\acknowledgments.wmf");
}

QString logoFramePath(int frame) {
    return QStringLiteral("logo\\marl%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

PageViewer::PageViewer(App& app)
    : PageWindow(app, QString::fromLatin1(Name), QPointF(0, 0)),
      Picture1(logoBox(*this, QStringLiteral("Picture1"), 8760, 3840, 1800)),
      Picture2(logoBox(*this, QStringLiteral("Picture2"), 8790, 5760, 1335)),
      Timer1(logoTimer(this)) {
    connect(&Timer1, &Timer::tick, this, &PageViewer::Timer1_Timer);
}

void PageViewer::prepareAcknowledgments() {
    Label1.hide();
    label3[NextLink].hide();
    label3[PreviousLink].hide();
    loadPictureOrClear(Image1, acknowledgmentsPage());
    loadPictureOrClear(Picture2, QStringLiteral("logo\\marlowind2.bmp"));
    loadPictureOrClear(Image2, QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColor(QColor(49, 130, 212));
    Timer1.setEnabled(true);
}

void PageViewer::onLoad() {
    applyCommonFrame(*this, app());
    if (state().pageCount == 1) {
        Label1.hide();
        label3[NextLink].hide();
        label3[PreviousLink].hide();
    }
    state().currentPage = 1;
    Label1.setCaption(pageCaption(state().currentPage, state().pageCount));
}

void PageViewer::pageTurned(Link link) {
    label3[link == NextLink ? PreviousLink : NextLink].setEnabled(true);
    refresh();
}

QStringList PageViewer::neighbourPages() const {
    QStringList pages;
    if (label3[NextLink].isHidden()) return pages; // a single page: nothing to turn to
    const int page = state().currentPage;
    for (int n : {page + 1, page - 1})
        if (n >= 1 && n <= state().pageCount) pages << screenPagePath(state().pageSetKey, n);
    return pages;
}

void PageViewer::refresh() {
    const int page = state().currentPage;
    if (page == state().pageCount) label3[NextLink].setEnabled(false);
    if (page == 1) label3[PreviousLink].setEnabled(false);
    loadPage(screenPagePath(state().pageSetKey, page), printPagePath(state().pageSetKey, page));
    Label1.setCaption(pageCaption(page, state().pageCount));
}

// The frame number lives in the program state, so a second opening carries on where the
// first one stopped.
void PageViewer::Timer1_Timer() {
    int& frame = state().logoFrame;
    frame += 1;
    if (frame == LogoFrames) frame = 0;
    loadPictureOrClear(Picture1, logoFramePath(frame));
    Picture1.show();
    Picture2.show();
}

} // namespace av
