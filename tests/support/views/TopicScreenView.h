#pragma once

#include "menu/TopicScreen.h"

namespace av::test {

// A topic screen's widgets, for tests only.
class TopicScreenView {
  public:
    explicit TopicScreenView(TopicScreen& screen) : m_screen(screen) {}

    Label& link(TopicLink l) const { return m_screen.link(l); }
    const Group<Label>& links() const { return m_screen.m_links; }
    Label& topicTitle() const { return m_screen.m_topicTitle; }
    Image& picture() const { return m_screen.m_picture; }

  private:
    TopicScreen& m_screen;
};

} // namespace av::test
