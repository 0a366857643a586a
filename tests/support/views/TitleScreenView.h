#pragma once

#include "shell/TitleScreen.h"

namespace av::test {

// The title screen's widgets, for tests only.
class TitleScreenView {
  public:
    explicit TitleScreenView(TitleScreen& screen) : m_screen(screen) {}

    CommandButton& okButton() const { return m_screen.m_okButton; }
    CommandButton& exitButton() const { return m_screen.m_exitButton; }
    PicturePanel& picture() const { return m_screen.m_picture; }
    Label& programTitle() const { return m_screen.m_programTitle; }

  private:
    TitleScreen& m_screen;
};

} // namespace av::test
