#pragma once

#include "PageWindowView.h"

#include "pages/PageViewer.h"

namespace av::test {

// The page viewer's widgets, its own logo boxes and timer included, for tests only.
class PageViewerView : public PageWindowView {
  public:
    explicit PageViewerView(PageViewer& viewer) : PageWindowView(viewer), m_viewer(viewer) {}

    PicturePanel& turningLogo() const { return m_viewer.m_turningLogo; }
    PicturePanel& publisherLogo() const { return m_viewer.m_publisherLogo; }
    Timer& logoTimer() const { return m_viewer.m_logoTimer; }
    // The logo frame shown last.
    int logoFrame() const { return m_viewer.m_logo.frame(); }

  private:
    PageViewer& m_viewer;
};

} // namespace av::test
