#pragma once

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
    static constexpr const char* Name = "Titlefrm";
    static constexpr const char* PictureFile = "images\\sphinx2sm.jpg";

    explicit TitleScreen(App& app);

    void onLoad() override;
    void Command1_Click();
    void Command2_Click();
    void closeButtonPressed() override { Command2_Click(); }

    Frame& Frame1;
    Label& Label4;
    PicturePanel& Picture1;
    Label& Label1;
    Label& Label5;
    Label& Label3;
    CommandButton& Command1;
    CommandButton& Command2;
    Label& Label2;
};

} // namespace av
