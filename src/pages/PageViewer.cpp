#include "PageViewer.h"

#include "shell/Glossary.h"
#include "shell/Style.h"

namespace av {
namespace {

PicturePanel& logoBox(Window& w, const QString& name, float left, float top, float height) {
    auto& box = w.add<PicturePanel>(name);
    box.setBounds(left, top, 1800, height);
    box.setDescription(QStringLiteral("The Marlowind logo"));
    box.hide();
    return box;
}

Timer& makeLogoTimer(QObject* owner) {
    auto* timer = new Timer(owner);
    timer->setObjectName(QString::fromLatin1(glossary::pages::LogoTimer));
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
      turningLogo(
          logoBox(*this, QString::fromLatin1(glossary::pages::TurningLogo), 8760, 3840, 1800)),
      publisherLogo(
          logoBox(*this, QString::fromLatin1(glossary::pages::PublisherLogo), 8790, 5760, 1335)),
      logoTimer(makeLogoTimer(this)) {
    connect(&logoTimer, &Timer::tick, this, &PageViewer::onLogoTimer);
}

void PageViewer::prepareAcknowledgments() {
    pageNumber.hide();
    links[NextLink].hide();
    links[PreviousLink].hide();
    loadPictureOrClear(pageBox, acknowledgmentsPage());
    tellPageWords();
    loadPictureOrClear(publisherLogo, QStringLiteral("logo\\marlowind2.bmp"));
    loadPictureOrClear(printBox, QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColor(style::ViewerBlue);
    logoTimer.setEnabled(true);
}

void PageViewer::onLoad() {
    applyCommonFrame(*this, app());
    if (state().pageCount == 1) {
        pageNumber.hide();
        links[NextLink].hide();
        links[PreviousLink].hide();
    }
    state().currentPage = 1;
    pageNumber.setCaption(pageCaption(state().currentPage, state().pageCount));
}

void PageViewer::pageTurned(Link link) {
    links[link == NextLink ? PreviousLink : NextLink].setEnabled(true);
    refresh();
}

QStringList PageViewer::neighbourPages() const {
    QStringList pages;
    if (links[NextLink].isHidden()) return pages; // a single page: nothing to turn to
    const int page = state().currentPage;
    for (int n : {page + 1, page - 1})
        if (n >= 1 && n <= state().pageCount) pages << screenPagePath(state().pageSetKey, n);
    return pages;
}

void PageViewer::refresh() {
    const int page = state().currentPage;
    if (page == state().pageCount) links[NextLink].setEnabled(false);
    if (page == 1) links[PreviousLink].setEnabled(false);
    loadPage(screenPagePath(state().pageSetKey, page), printPagePath(state().pageSetKey, page));
    pageNumber.setCaption(pageCaption(page, state().pageCount));
}

// The frame number lives in the program state, so a second opening carries on where the
// first one stopped. The frames turn forty times a second, so each is read only once.
void PageViewer::onLogoTimer() {
    int& frame = state().logoFrame;
    frame += 1;
    if (frame == LogoFrames) frame = 0;
    std::optional<PicturePtr>& kept = m_logoFrames[size_t(frame)];
    if (kept) {
        turningLogo.setPicture(*kept);
    } else {
        loadPictureOrClear(turningLogo, logoFramePath(frame));
        kept = turningLogo.picture();
    }
    turningLogo.show();
    publisherLogo.show();
}

} // namespace av
