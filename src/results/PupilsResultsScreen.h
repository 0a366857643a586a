#pragma once

#include "ResultsTableModel.h"
#include "SaveFileChooser.h"
#include "WrongCountsModel.h"

#include "shell/Screen.h"

#include "model/ResultsSelection.h"

#include "platform/Control.h"
#include "platform/Group.h"
#include "platform/Label.h"

#include <QComboBox>
#include <QTableView>

namespace av {

// The teacher's window: the results kept in the worksheet folder, newest first, narrowed to a
// pupil or an activity; for an activity, how many pupils got each question wrong. They can be
// exported, printed and deleted.
class PupilsResultsScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "pupilsresults";
    enum class ResultsLink { Export = 0, Print = 1, DeleteAll = 2, Exit = 3 };

    explicit PupilsResultsScreen(App& app);

    void onLoad() override;
    void closeButtonPressed() override { onLinkClicked(ResultsLink::Exit); }
    void onLinkClicked(ResultsLink link);

    // Reads the results folder again and shows what it holds.
    void reload();
    // An empty name shows every pupil's or every activity's results.
    void choosePupil(const QString& pupil);
    void chooseActivity(const QString& activity);
    const ResultsSelection& selection() const { return m_selection; }

    // The dialog Export asks where to save; the desktop's own unless a test answers instead.
    void setSaveFileChooser(SaveFileChooser* chooser) { m_chooser = chooser; }

    // The roles, for the tests.
    Label& link(ResultsLink l) const { return m_links[int(l)]; }
    Label& notice() const { return m_notice; }
    QTableView& resultsTable() const { return m_table; }
    QTableView& wrongTable() const { return m_wrongTable; }
    QComboBox& pupilChoice() const { return m_pupilChoice; }
    QComboBox& activityChoice() const { return m_activityChoice; }

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void showOnly(const QString& notice);
    void fillChoices();
    void showSelection();
    void exportShown();
    void printShown();
    void deleteAll();
    void say(const QString& text);

    Label& m_heading;
    Label& m_notice;
    Label& m_pupilCaption;
    Label& m_activityCaption;
    Control<QComboBox>& m_pupilChoice;
    Control<QComboBox>& m_activityChoice;
    Control<QTableView>& m_table;
    Control<QTableView>& m_wrongTable;
    Group<Label> m_links;
    ResultsTableModel m_rows;
    WrongCountsModel m_wrongRows;
    ResultsSelection m_selection;
    DialogSaveFileChooser m_dialog;
    SaveFileChooser* m_chooser = &m_dialog;
    bool m_filling = false;
};

// What the window says when results are not kept, and to an account that may not read them.
QString resultsOffNotice();
QString onlyTeachersNotice();

} // namespace av
