#pragma once

#include "Glossary.h"
#include "Screen.h"

#include "platform/Buttons.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace av {

namespace test {
class TitleScreenView;
}

// The title screen: the first window, and the one the program ends from.
class TitleScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Title;
    static constexpr const char* PictureFile = "images\\sphinx2sm.jpg";

    explicit TitleScreen(App& app);

    void onLoad() override;
    void onOkClicked();
    void onExitClicked();
    void closeButtonPressed() override { onExitClicked(); }
    // Shown again over the menu, OK goes back to it and reads Cancel.
    void offerCancel();

  private:
    friend class test::TitleScreenView;

    Frame& m_frame;
    Label& m_programTitle;
    PicturePanel& m_picture;
    Label& m_subtitle;
    Label& m_authors;
    Label& m_contents;
    CommandButton& m_okButton;
    CommandButton& m_exitButton;
    Label& m_copyright;
};

} // namespace av
