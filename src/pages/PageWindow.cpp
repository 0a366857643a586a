#include "PageWindow.h"

#include "shell/Glossary.h"

#include "platform/Accessibility.h"
#include "platform/NumberText.h"
#include "shell/DrawAhead.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

namespace av {

PageWindow::PageWindow(App& app, const QString& name, QPointF printCopyAt)
    : Screen(app, name), m_pageBox(add<Image>(QString::fromLatin1(glossary::pages::PageBox))),
      m_printBox(add<Image>(QString::fromLatin1(glossary::pages::PrintBox))),
      m_pageNumber(add<Label>(QString::fromLatin1(glossary::pages::PageNumber))) {
    m_pageBox.setPosition(120, 0);
    m_pageBox.setDescription(QStringLiteral("The page"));
    m_printBox.setPosition(float(printCopyAt.x()), float(printCopyAt.y()));
    m_printBox.hide();

    m_pageNumber.setBounds(4200, 7920, 2295, 495);
    m_pageNumber.setFontSpec(style::tahomaBold(15.75));
    m_pageNumber.setLabelForeColor(style::Yellow);
    m_pageNumber.setAlignment(Label::Align::Center);
    m_pageNumber.setOpaque(false);

    const QString linkName = QString::fromLatin1(glossary::pages::Links);
    addLink(*this, m_links, linkName, PrintLink, 10680, 120, 1125, 495, QStringLiteral("Print"));
    addLink(*this, m_links, linkName, ExitLink, 10680, 7920, 1125, 495, QStringLiteral("Exit"));
    addLink(*this, m_links, linkName, NextLink, 6720, 7920, 2685, 495, QStringLiteral("Next Page"));
    addLink(*this, m_links, linkName, PreviousLink, 1320, 7920, 2685, 495,
            QStringLiteral("Previous Page"));
    m_links[PreviousLink].setEnabled(false);

    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(i); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(i); });
}

// Both page windows follow the hover convention of every other screen: the links lose their
// boxes over the window's background and regain them under the pointer.
void PageWindow::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{0, 3}});
}

void PageWindow::onLinkHovered(int index) {
    hoverOn(m_links[index]);
}

void PageWindow::onLinkClicked(int index) {
    switch (index) {
    case PrintLink:
        printPage();
        break;
    case ExitLink:
        unload();
        break;
    case NextLink:
        m_page += 1;
        pageTurned(NextLink);
        break;
    case PreviousLink:
        m_page -= 1;
        pageTurned(PreviousLink);
        break;
    default:
        break;
    }
}

// A print copy that could not be read, or only in part, prints nothing rather than an empty or
// cut-off page, and the teacher is told.
void PageWindow::printPage() {
    const PicturePtr copy = m_printBox.picture();
    if (!copy || !copy->isWhole()) {
        showPrintingProblem(app());
        return;
    }
    printOrReport(app(), [&](PrinterService& p) { printPageCopy(p, *copy); });
}

void PageWindow::loadPage(const QString& screenCopy, const QString& printCopy) {
    loadPictureOrClear(m_pageBox, screenCopy);
    loadPrintCopy(printCopy);
    tellPageWords();
    if (isVisible()) drawPagesAhead(*this, neighbourPages(), OtherPages::Kept);
}

void PageWindow::loadPrintCopy(const QString& printCopy) {
    loadPictureOrClear(m_printBox, printCopy);
}

void PageWindow::showPageCaption(int page, int total) {
    m_pageNumber.setCaption(pageCaption(page, total));
}

void PageWindow::hidePaging() {
    m_pageNumber.hide();
    m_links[NextLink].hide();
    m_links[PreviousLink].hide();
}

// The page's words for a screen reader: the screen is named for the page's title, which is
// spoken as a page is turned, and the page holds all its words.
void PageWindow::tellPageWords() {
    const PicturePtr page = m_pageBox.picture();
    const PictureText words = page ? page->text() : PictureText{};
    m_pageBox.setDescription(words.title.isEmpty() ? QStringLiteral("The page") : words.title);
    m_pageBox.setAccessibleDescription(words.text);
    setAccessibleName(words.title);
    if (isVisible() && !words.title.isEmpty()) announce(*this, words.title);
}

void PageWindow::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    drawPagesAhead(*this, neighbourPages(), OtherPages::Kept);
}

QWidget* PageWindow::firstFocus() const {
    Label& next = m_links[NextLink];
    return next.isVisibleTo(this) && next.isEnabled() ? &next : &m_links[ExitLink];
}

QString pageCaption(int page, int total) {
    return QStringLiteral("Page") + numberText(page) + QStringLiteral(" of") + numberText(total);
}

} // namespace av
