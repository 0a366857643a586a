#pragma once

#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"

namespace av {

// The worksheet catalogue: the register's titles 24 to a page, each taken as a quiz, edited in
// the wizard or deleted, as the two mode boxes say.
class WorksheetCatalogue : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "worksheets";
    static constexpr int Entries = 24;
    static constexpr int LastPage = 40;

    explicit WorksheetCatalogue(App& app);

    void onLoad() override;
    void closeButtonPressed() override { Label2_Click(0); }

    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void label3_Click(int index);
    void Check1_Click();
    void Check2_Click();

    // Shows page cataloguePage with its caption and paging labels.
    void workpage();
    // Fills the wizard from the loaded question set and shows it. The title box gets the name
    // the worksheet is filed under: its file's first line loses leading blanks and turns "&"
    // into ",", and saving under that would file a second worksheet.
    void editworksheet(const QString& name);

    Label& Label1;
    CheckBox& Check1;
    CheckBox& Check2;
    Label& Label4;
    Group<Label> Label2;
    Group<Label> label3;

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void connectHandlers();
    void openWorksheet(const QString& name);
    void deleteWorksheet(const QString& name);
    void refreshPage();
    void takeWorksheet();
    void showEntries(int first, int last);
    void say(const QString& text);
};

} // namespace av
