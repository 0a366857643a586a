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

PageViewer::PageViewer(App& app, LogoCycle& logo)
    : PageWindow(app, QString::fromLatin1(Name), QPointF(0, 0)),
      m_turningLogo(
          logoBox(*this, QString::fromLatin1(glossary::pages::TurningLogo), 8760, 3840, 1800)),
      m_publisherLogo(
          logoBox(*this, QString::fromLatin1(glossary::pages::PublisherLogo), 8790, 5760, 1335)),
      m_logoTimer(makeLogoTimer(this)), m_logo(logo) {
    connect(&m_logoTimer, &Timer::tick, this, &PageViewer::onLogoTimer);
}

void PageViewer::onLoad() {
    applyCommonFrame(*this, app());
}

void PageViewer::startOnce() {
    if (m_started) return;
    m_started = true;
    if (m_set.pageCount == 1) hidePaging();
    setPage(1);
    showPageCaption(page(), m_set.pageCount);
}

void PageViewer::open(const PageSet& set) {
    m_set = set;
    startOnce();
    loadPage(screenPagePath(set.key, 1), printPagePath(set.key, 1));
    showWindow();
}

void PageViewer::openAcknowledgments() {
    startOnce();
    hidePaging();
    loadPictureOrClear(pageBox(), acknowledgmentsPage());
    tellPageWords();
    loadPictureOrClear(m_publisherLogo, QStringLiteral("logo\\marlowind2.bmp"));
    loadPrintCopy(QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColor(style::ViewerBlue);
    m_logoTimer.setEnabled(true);
    showWindow();
}

void PageViewer::pageTurned(Link turned) {
    link(turned == NextLink ? PreviousLink : NextLink).setEnabled(true);
    refresh();
}

QStringList PageViewer::neighbourPages() const {
    QStringList pages;
    if (link(NextLink).isHidden()) return pages; // a single page: nothing to turn to
    for (int n : {page() + 1, page() - 1})
        if (n >= 1 && n <= m_set.pageCount) pages << screenPagePath(m_set.key, n);
    return pages;
}

void PageViewer::refresh() {
    const int n = page();
    if (n == m_set.pageCount) link(NextLink).setEnabled(false);
    if (n == 1) link(PreviousLink).setEnabled(false);
    loadPage(screenPagePath(m_set.key, n), printPagePath(m_set.key, n));
    showPageCaption(n, m_set.pageCount);
}

// The frames turn forty times a second, so each is read only once.
void PageViewer::onLogoTimer() {
    const int frame = m_logo.advance();
    std::optional<PicturePtr>& kept = m_logoFrames[size_t(frame)];
    if (kept) {
        m_turningLogo.setPicture(*kept);
    } else {
        loadPictureOrClear(m_turningLogo, logoFramePath(frame));
        kept = m_turningLogo.picture();
    }
    m_turningLogo.show();
    m_publisherLogo.show();
}

} // namespace av
