#include "PupilsResultsScreen.h"

#include "ResultsPrintout.h"

#include "model/ResultsExport.h"
#include "model/ResultsFolder.h"
#include "platform/Accessibility.h"
#include "platform/ProgramFolder.h"
#include "shell/Captions.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

#include <QDir>
#include <QHeaderView>

namespace av {
namespace {

const QString Heading = QStringLiteral("Pupils' Results");

// The table and the choices in the program's colours: yellow on the frame's blue.
template <class W> void paintInFrameColours(Control<W>& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, style::FrameBlue);
    palette.setColor(QPalette::AlternateBase, style::TintedPanel);
    palette.setColor(QPalette::Text, style::Yellow);
    palette.setColor(QPalette::WindowText, style::Yellow);
    palette.setColor(QPalette::Highlight, style::Yellow);
    palette.setColor(QPalette::HighlightedText, style::LinkBlack);
    widget.setPalette(palette);
    widget.setFontSpec(style::tahomaBold(9.75));
}

Control<QTableView>& addTable(Window& window, const QString& name, const QString& accessibleName) {
    auto& table = window.add<Control<QTableView>>(name);
    paintInFrameColours(table);
    table.setAccessibleName(accessibleName);
    // Tab leaves the table for the next command instead of walking its cells.
    table.setTabKeyNavigation(false);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setAlternatingRowColors(true);
    table.setWordWrap(false);
    table.verticalHeader()->hide();
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.verticalHeader()->setDefaultSectionSize(22);
    table.horizontalHeader()->setHighlightSections(false);
    table.setFocusPolicy(Qt::StrongFocus);
    return table;
}

Control<QComboBox>& addChoice(Window& window, const QString& name, const QString& accessibleName) {
    auto& choice = window.add<Control<QComboBox>>(name);
    choice.setFontSpec(style::tahomaBold(9.75));
    choice.setAccessibleName(accessibleName);
    choice.setFocusPolicy(Qt::StrongFocus);
    return choice;
}

} // namespace

QString resultsOffNotice() {
    return QStringLiteral("Pupils' results are not being kept. To keep them, put the line "
                          "results=on in /etc/xdg/ancient-velmora.conf for the whole school, or "
                          "in ~/.config/ancient-velmora/settings.ini for one account, or start "
                          "the program with --results on.");
}

QString onlyTeachersNotice() {
    return QStringLiteral("Only teachers can see pupils' results.");
}

PupilsResultsScreen::PupilsResultsScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      m_heading(
          addCaption(*this, "heading", -1, {0, 0, 12000, 780}, Heading, style::tahomaBold(27.75))),
      m_notice(addCaption(*this, "notice", -1, {600, 2400, 10800, 2400}, QString(),
                          style::tahomaBold(15.75))),
      m_pupilCaption(addCaption(*this, "pupilCaption", -1, {120, 870, 960, 405},
                                QStringLiteral("Pupil:"), style::tahomaBold(12), style::Yellow,
                                Label::Align::Left)),
      m_activityCaption(addCaption(*this, "activityCaption", -1, {5400, 870, 1320, 405},
                                   QStringLiteral("Activity:"), style::tahomaBold(12),
                                   style::Yellow, Label::Align::Left)),
      m_pupilChoice(addChoice(*this, QStringLiteral("pupilChoice"), QStringLiteral("Pupil"))),
      m_activityChoice(
          addChoice(*this, QStringLiteral("activityChoice"), QStringLiteral("Activity"))),
      m_table(addTable(*this, QStringLiteral("resultsTable"), Heading)),
      m_wrongTable(addTable(*this, QStringLiteral("wrongTable"),
                            QStringLiteral("Questions answered wrongly"))) {
    m_pupilChoice.setBounds(1080, 840, 4080, 420);
    m_activityChoice.setBounds(6720, 840, 5100, 420);
    m_table.setBounds(120, 1440, 11700, 6240);
    m_wrongTable.setBounds(8160, 1440, 3660, 6240);
    m_table.setModel(&m_rows);
    m_wrongTable.setModel(&m_wrongRows);
    m_wrongTable.hide();
    m_notice.hide();
    const QString links = QStringLiteral("links");
    addLink(*this, m_links, links, int(ResultsLink::Export), 120, 7920, 1875, 495,
            QStringLiteral("Export"));
    addLink(*this, m_links, links, int(ResultsLink::Print), 2160, 7920, 1875, 495,
            QStringLiteral("Print"));
    addLink(*this, m_links, links, int(ResultsLink::DeleteAll), 4200, 7920, 3480, 495,
            QStringLiteral("Delete All Results"));
    addLink(*this, m_links, links, int(ResultsLink::Exit), 10560, 7920, 1245, 495,
            QStringLiteral("Exit"), 18);
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(ResultsLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { hoverOn(m_links[i]); });
    connect(&m_pupilChoice, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling) choosePupil(m_pupilChoice.currentData().toString());
    });
    connect(&m_activityChoice, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling) chooseActivity(m_activityChoice.currentData().toString());
    });
}

void PupilsResultsScreen::onLoad() {
    skipOnFailure([&] { applyCommonFrame(*this, app()); });
    reload();
}

void PupilsResultsScreen::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{0, 3}});
}

void PupilsResultsScreen::reload() {
    if (!state().keepResults) return showOnly(resultsOffNotice());
    ResultsFolder::Reading reading = ResultsFolder(app().services.folder.worksheetFolder()).read();
    if (!reading.readable) return showOnly(onlyTeachersNotice());
    m_notice.hide();
    for (QWidget* w : std::initializer_list<QWidget*>{&m_pupilCaption, &m_activityCaption,
                                                      &m_pupilChoice, &m_activityChoice, &m_table})
        w->show();
    for (const auto& [index, label] : m_links)
        label->show();
    const QString pupil = m_selection.pupil();
    const QString activity = m_selection.activity();
    m_selection = ResultsSelection(std::move(reading.results));
    fillChoices();
    choosePupil(m_selection.pupils().contains(pupil) ? pupil : QString());
    chooseActivity(m_selection.activities().contains(activity) ? activity : QString());
}

// Says why there is nothing to see, and leaves Exit alone below it.
void PupilsResultsScreen::showOnly(const QString& notice) {
    m_selection = ResultsSelection();
    m_rows.setResults({});
    m_wrongRows.setCounts({});
    for (QWidget* w :
         std::initializer_list<QWidget*>{&m_pupilCaption, &m_activityCaption, &m_pupilChoice,
                                         &m_activityChoice, &m_table, &m_wrongTable})
        w->hide();
    for (const auto& [index, label] : m_links)
        label->setVisible(index == int(ResultsLink::Exit));
    m_notice.setCaption(notice);
    m_notice.show();
}

void PupilsResultsScreen::fillChoices() {
    m_filling = true;
    m_pupilChoice.clear();
    m_pupilChoice.addItem(QStringLiteral("All pupils"), QString());
    for (const QString& pupil : m_selection.pupils())
        m_pupilChoice.addItem(pupil, pupil);
    m_activityChoice.clear();
    m_activityChoice.addItem(QStringLiteral("All activities"), QString());
    for (const QString& activity : m_selection.activities())
        m_activityChoice.addItem(activity, activity);
    m_filling = false;
}

void PupilsResultsScreen::choosePupil(const QString& pupil) {
    m_selection.choosePupil(pupil);
    m_filling = true;
    m_pupilChoice.setCurrentIndex(std::max(0, m_pupilChoice.findData(pupil)));
    m_filling = false;
    showSelection();
}

void PupilsResultsScreen::chooseActivity(const QString& activity) {
    m_selection.chooseActivity(activity);
    m_filling = true;
    m_activityChoice.setCurrentIndex(std::max(0, m_activityChoice.findData(activity)));
    m_filling = false;
    showSelection();
}

void PupilsResultsScreen::showSelection() {
    m_rows.setResults(m_selection.shown());
    const bool byQuestion = !m_selection.activity().isEmpty();
    m_wrongRows.setCounts(m_selection.wrongByQuestion());
    m_table.setWidth(byQuestion ? 7920 : 11700);
    m_wrongTable.setVisible(byQuestion);
    // Shares of the table's own width: measuring every row's text would cost a year's results.
    const int width = m_table.width() - 2 * m_table.frameWidth() - 20;
    QHeaderView& header = *m_table.horizontalHeader();
    header.setStretchLastSection(true);
    header.resizeSection(ResultsTableModel::When, width * 24 / 100);
    header.resizeSection(ResultsTableModel::Pupil, width * 22 / 100);
    header.resizeSection(ResultsTableModel::Activity, width * 36 / 100);
    m_wrongTable.horizontalHeader()->setStretchLastSection(true);
    m_wrongTable.horizontalHeader()->resizeSection(0, m_wrongTable.width() * 60 / 100);
}

void PupilsResultsScreen::onLinkClicked(ResultsLink link) {
    playSound(ClickSound);
    switch (link) {
    case ResultsLink::Export:
        exportShown();
        break;
    case ResultsLink::Print:
        printShown();
        break;
    case ResultsLink::DeleteAll:
        deleteAll();
        break;
    case ResultsLink::Exit:
        unload();
        break;
    }
}

void PupilsResultsScreen::exportShown() {
    const QString suggested = QDir::home().filePath(
        QStringLiteral("pupils-results-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString file = m_chooser->chooseSaveFile(this, suggested);
    if (file.isEmpty()) return;
    QString error;
    if (writeResultsFile(file, m_rows.results(), &error))
        announce(link(ResultsLink::Export),
                 QStringLiteral("%1 results exported").arg(m_rows.results().size()));
    else
        say(QStringLiteral("The results could not be exported.\n\n") + error);
}

void PupilsResultsScreen::printShown() {
    QString heading = Heading;
    if (!m_selection.pupil().isEmpty()) heading += QStringLiteral(": ") + m_selection.pupil();
    if (!m_selection.activity().isEmpty()) heading += QStringLiteral(": ") + m_selection.activity();
    printOrReport(
        app(), [&](PrinterService& printer) { printResults(printer, heading, m_rows.results()); });
}

void PupilsResultsScreen::deleteAll() {
    const auto answer = app().services.messages.show(
        QStringLiteral("Delete every pupil's results? They cannot be brought back."),
        style::programTitle(), MessageBoxService::Buttons::OkCancel);
    if (answer != MessageBoxService::Answer::Ok) return;
    QString error;
    if (!ResultsFolder(app().services.folder.worksheetFolder()).removeAll(&error))
        say(QStringLiteral("Some results could not be deleted.\n\n") + error);
    reload();
}

void PupilsResultsScreen::say(const QString& text) {
    app().services.messages.show(text, style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
