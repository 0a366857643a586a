#pragma once

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "shell/Screen.h"

namespace av {

namespace test {
class PageWindowView;
}

// What the page viewer and the teachers' guide share: a page shown at its own size, its
// invisible print copy, the page caption and the four command links (Print, Exit, Next Page,
// Previous Page). Each window keeps the number of the page it shows.
class PageWindow : public Screen {
    Q_OBJECT
  public:
    enum Link { PrintLink = 0, ExitLink = 1, NextLink = 2, PreviousLink = 3 };

    void onLinkClicked(int index);
    void onLinkHovered(int index);
    void closeButtonPressed() override { onLinkClicked(ExitLink); }

    // Sends the print copy to the printer at (1000, 1000) twips, with no message; a printer
    // failure, or a print copy that cannot be read, is reported.
    void printPage();
    // Hands the words of the page on show to assistive technology.
    void tellPageWords();
    // The page on show, counted from 1.
    int page() const { return m_page; }
    // Whether the page on show has been drawn on the display, and drawing it again.
    bool pageDrawn() const { return m_pageBox.pictureShown(); }
    void redrawPage() { m_pageBox.update(); }

  protected:
    PageWindow(App& app, const QString& name, QPointF printCopyAt);
    void onPointerOverBackground(const MouseArgs&) override;
    // The page number has just moved on or back by one through the given link.
    virtual void pageTurned(Link link) = 0;
    void showEvent(QShowEvent* event) override;
    // Enter at once turns the page, or leaves: it never prints unasked.
    QWidget* firstFocus() const override;
    // The screen copies of the pages one turn away from the page on show, drawn ahead while the
    // pupil reads so that turning to them is as quick as a repaint.
    virtual QStringList neighbourPages() const = 0;

    void setPage(int page) { m_page = page; }
    // Loads a page's screen copy, then its print copy; a missing page shows as an empty one.
    void loadPage(const QString& screenCopy, const QString& printCopy);
    void loadPrintCopy(const QString& printCopy);
    void showPageCaption(int page, int total);
    // One page only: no caption and no paging, Print and Exit stay.
    void hidePaging();
    Label& link(Link which) const { return m_links[which]; }
    PictureBox& pageBox() const { return m_pageBox; }

  private:
    friend class test::PageWindowView;

    Image& m_pageBox;
    Image& m_printBox;
    Label& m_pageNumber;
    Group<Label> m_links;
    int m_page = 1;
};

// "Page" + number(n) + " of" + number(total): "Page 2 of 3".
QString pageCaption(int page, int total);

} // namespace av
