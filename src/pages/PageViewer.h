#pragma once

#include "PageWindow.h"
#include "shell/Glossary.h"

#include "platform/Timer.h"

#include <array>
#include <optional>

namespace av {

// The page viewer: key facts and teacher's notes of a topic, three pages a set, and the
// acknowledgments page with the publisher's turning logo. Openers set the page count, the
// page-set key and the first page before showing it.
class PageViewer : public PageWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::PageViewer;

    explicit PageViewer(App& app);

    void onLoad() override;
    // Turns the viewer into the acknowledgments page: one page on the publisher's blue, with
    // the turning logo and no paging.
    void prepareAcknowledgments();
    void onLogoTimer();

    PicturePanel& turningLogo;
    PicturePanel& publisherLogo;
    Timer& logoTimer;

  private:
    void pageTurned(Link link) override;
    QStringList neighbourPages() const override;
    void refresh();

    static constexpr int LogoFrames = 20;
    // Each frame as first decoded for the logo's box, a missing one as none: a tick only shows
    // it again, for as long as the window is open.
    std::array<std::optional<PicturePtr>, LogoFrames> m_logoFrames;
};

// Page n of the set with the given key: "wmf\key pyramidsb.wmf" and its "wmf2\" twin.
QString screenPagePath(const QString& key, int page);
QString printPagePath(const QString& key, int page);
// The acknowledgments page's screen copy: "wmf\acknowledgments.wmf".
QString acknowledgmentsPage();
// The logo animation frame: "logo\marl0007.gif".
QString logoFramePath(int frame);

} // namespace av
