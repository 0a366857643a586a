#pragma once

#include "platform/Buttons.h"
#include "platform/Frame.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"
#include "shell/Screen.h"

namespace av {

// The main menu: the topics of the pack, the teachers' entries and the sound switch. It reads
// the worksheet register shortly after it opens.
class MainMenu : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "intro0";

    explicit MainMenu(App& app);

    void onLoad() override;
    void onPointerOverBackground(const MouseArgs&) override;
    void Label2_MouseMove(int index);
    void Label2_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();
    void closeButtonPressed() override { Label2_Click(ExitEntry); }

    static constexpr int ExitEntry = 16;

    Label& Label1;
    Group<Label> Label2;
    Frame& Frame1;
    // The picture the menu shows, which a worksheet's quiz shows too.
    const PicturePtr& menuPicture() const { return Image1.picture(); }

    Image& Image1;
    OptionButton& Option1;
    OptionButton& Option2;
    Label& Label3;
    Timer& Timer1;

  private:
    void buildEntries();
    void exitToTitle();
    void openCatalogue();
    void showAcknowledgments();
    void showGuide();
    void topicNotInPack(int index);
};

} // namespace av
