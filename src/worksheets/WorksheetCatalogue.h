#pragma once

#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "model/WorksheetLibrary.h"
#include "model/WorksheetRegister.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"

namespace av {

// The worksheet catalogue: the library's titles 24 to a page, each taken as a quiz, edited in
// the wizard or deleted, as the two mode boxes say. It keeps the titles it lists; an entry
// stands for its place in that list, never for its caption.
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
    // The titles listed, as the library gave them when the catalogue last asked.
    const QStringList& titles() const { return m_titles; }

    // Entries 1 to 24 show the page's titles.
    Label& entry(int j) const { return m_list[j]; }
    Label& exitLink() const { return m_list[0]; }
    Label& link(CatalogueLink l) const { return m_links[static_cast<int>(l)]; }
    Label& heading() const { return m_heading; }
    CheckBox& editMode() const { return m_editMode; }
    CheckBox& deleteMode() const { return m_deleteMode; }
    Label& pageCaption() const { return m_pageCaption; }

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void connectHandlers();
    void editWorksheet(const QuestionSet& set, const QString& title);
    void deleteWorksheet(const QString& title);
    void refreshPage();
    void takeWorksheet(const QuestionSet& set);
    void showEntries(int first, int last);
    void say(const QString& text);
    void sayNotice(const WorksheetLibrary::Outcome& outcome);

    Label& m_heading;
    CheckBox& m_editMode;
    CheckBox& m_deleteMode;
    Label& m_pageCaption;
    Group<Label> m_links;
    Group<Label> m_list; // the exit link, then the entries
    QStringList m_titles;
    int m_page = 0;
};

} // namespace av
