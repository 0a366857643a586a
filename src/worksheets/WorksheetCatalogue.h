#pragma once

#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "model/WorksheetRegister.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"

namespace av {

// The worksheet catalogue: the register's titles 24 to a page, each taken as a quiz, edited in
// the wizard or deleted, as the two mode boxes say.
class WorksheetCatalogue : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::WorksheetCatalogue;
    static constexpr int Entries = 24;
    // The page that holds the register's last slot, so every registered worksheet can be reached.
    static constexpr int LastPage = (WorksheetRegister::MaxNames - 1) / Entries;
    enum class CatalogueLink { PreviousPage = 0, NextPage = 1 };

    explicit WorksheetCatalogue(App& app);

    void onLoad() override;
    void closeButtonPressed() override { onExitClicked(); }

    void onExitClicked();
    void onEntryClicked(int entry);
    void onEntryHovered(int entry);
    void onLinkClicked(CatalogueLink link);
    void onEditModeToggled();
    void onDeleteModeToggled();

    // Shows the page on show now with its caption and paging links.
    void showPage();
    // The page on show, counted from 0.
    int page() const { return m_page; }
    // Fills the wizard from the loaded question set and shows it. The title box gets the name
    // the worksheet is filed under: its file's first line loses leading blanks and turns "&"
    // into ",", and saving under that would file a second worksheet.
    void editWorksheet(const QString& name);

    // Entries 1 to 24 show the page's titles.
    Label& entry(int j) const { return m_list[j]; }
    Label& exitLink() const { return m_list[0]; }
    Label& link(CatalogueLink l) const { return links[static_cast<int>(l)]; }

    Label& heading;
    CheckBox& editMode;
    CheckBox& deleteMode;
    Label& pageCaption;
    Group<Label> links;

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

    Group<Label> m_list; // the exit link, then the entries
    int m_page = 0;
};

} // namespace av
