#pragma once

#include "Glossary.h"
#include "Screen.h"

#include "platform/Buttons.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace av {

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

    Frame& frame;
    Label& programTitle;
    PicturePanel& picture;
    Label& subtitle;
    Label& authors;
    Label& contents;
    CommandButton& okButton;
    CommandButton& exitButton;
    Label& copyright;
};

} // namespace av
