#pragma once

#include "LogoCycle.h"
#include "PageSet.h"
#include "PageWindow.h"
#include "shell/Glossary.h"

#include "platform/Timer.h"

#include <array>
#include <optional>

namespace av {

namespace test {
class PageViewerView;
}

// The page viewer: key facts and teacher's notes of a topic, three pages a set, and the
// acknowledgments page with the publisher's turning logo.
class PageViewer : public PageWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::PageViewer;

    // The logo's frame outlives the window: each opening carries on from it.
    PageViewer(App& app, LogoCycle& logo);

    void onLoad() override;
    // Shows page 1 of the set. A viewer still open from before keeps its page number, caption
    // and paging links; only the pictures and the set to page through change.
    void open(const PageSet& set);
    // Shows the acknowledgments page: one page on the publisher's blue, with the turning logo
    // and no paging.
    void openAcknowledgments();
    void onLogoTimer();

    const PageSet& pageSet() const { return m_set; }

  private:
    friend class test::PageViewerView;

    void pageTurned(Link link) override;
    QStringList neighbourPages() const override;
    void refresh();
    // What the first opening after the window is built does: page 1, its caption, and no
    // paging for a set of one page.
    void startOnce();

    PicturePanel& m_turningLogo;
    PicturePanel& m_publisherLogo;
    Timer& m_logoTimer;
    LogoCycle& m_logo;
    PageSet m_set;
    bool m_started = false;
    // Each frame as first decoded for the logo's box, a missing one as none: a tick only shows
    // it again, for as long as the window is open.
    std::array<std::optional<PicturePtr>, LogoCycle::Frames> m_logoFrames;
};

// Page n of the set with the given key: "wmf\key pyramidsb.wmf" and its "wmf2\" twin.
QString screenPagePath(const QString& key, int page);
QString printPagePath(const QString& key, int page);
// The acknowledgments page's screen copy: "wmf\acknowledgments.wmf".
QString acknowledgmentsPage();
// The logo animation frame: "logo\marl0007.gif".
QString logoFramePath(int frame);

} // namespace av
