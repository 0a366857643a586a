#pragma once

#include "pages/PageWindow.h"

namespace av::test {

// The widgets the page viewer and the teachers' guide share, for tests only.
class PageWindowView {
  public:
    explicit PageWindowView(PageWindow& window) : m_window(window) {}

    Label& link(int index) const { return m_window.m_links[index]; }
    Image& pageBox() const { return m_window.m_pageBox; }
    Image& printBox() const { return m_window.m_printBox; }
    Label& pageNumber() const { return m_window.m_pageNumber; }

  private:
    PageWindow& m_window;
};

} // namespace av::test
