#pragma once

#include "platform/Buttons.h"
#include "platform/Frame.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"
#include "shell/Glossary.h"
#include "shell/Screen.h"

namespace av {

namespace test {
class MainMenuView;
}

// The menu's entries; each value is the entry's index in its link group.
enum class MenuEntry {
    Landscape = 0,
    Farming = 1,
    Society = 2,
    DailyLife = 3,
    LifeAfterDeath = 4,
    Pyramids = 5,
    WordsAndNumbers = 6,
    IdeasAndInventions = 7,
    ArmiesAndWarfare = 8,
    HealthAndMedicine = 9,
    TemplesAndReligion = 10,
    QueenAshenra = 11,
    Food = 12,
    History = 15,
    Exit = 16,
    QuizWizard = 17,
    WorksheetCatalogue = 18,
    Acknowledgments = 19,
    TeachersGuide = 20,
    PupilsResults = 21, // only while pupils' results are kept
};

// The main menu: the topics of the pack, the teachers' entries and the sound switch. It reads
// the worksheet register shortly after it opens.
class MainMenu : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::MainMenu;

    explicit MainMenu(App& app);

    void onLoad() override;
    void onPointerOverBackground(const MouseArgs&) override;
    void onEntryHovered(MenuEntry entry);
    void onEntryClicked(MenuEntry entry);
    void onSoundOnChosen();
    void onSoundOffChosen();
    void onRegisterTimerFired();
    void closeButtonPressed() override { onEntryClicked(MenuEntry::Exit); }

    // The picture the menu shows, which a worksheet's quiz shows too.
    const PicturePtr& menuPicture() const { return m_picture.picture(); }

  protected:
    void cameForward() override;

  private:
    friend class test::MainMenuView;

    Label& entry(MenuEntry e) const { return m_entries[int(e)]; }
    void buildEntries();
    void addResultsEntry();
    void exitToTitle();
    void openCatalogue();
    void showAcknowledgments();
    void showGuide();
    void sayTopicIsNotInPack(MenuEntry entry);

    Label& m_heading;
    Group<Label> m_entries;
    Frame& m_pictureFrame;
    Image& m_picture;
    OptionButton& m_soundOnOption;
    OptionButton& m_soundOffOption;
    Label& m_copyright;
    Timer& m_registerTimer;
};

} // namespace av
