#pragma once

#include "menu/MainMenu.h"

namespace av::test {

// The main menu's widgets, for tests only.
class MainMenuView {
  public:
    explicit MainMenuView(MainMenu& menu) : m_menu(menu) {}

    Label& entry(MenuEntry e) const { return m_menu.entry(e); }
    const Group<Label>& entries() const { return m_menu.m_entries; }
    Frame& pictureFrame() const { return m_menu.m_pictureFrame; }
    Image& picture() const { return m_menu.m_picture; }
    OptionButton& soundOnOption() const { return m_menu.m_soundOnOption; }
    OptionButton& soundOffOption() const { return m_menu.m_soundOffOption; }
    Timer& registerTimer() const { return m_menu.m_registerTimer; }
    Label& copyright() const { return m_menu.m_copyright; }

  private:
    MainMenu& m_menu;
};

} // namespace av::test
