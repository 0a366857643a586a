#include "MainMenu.h"

#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"
#include "results/PupilsResultsScreen.h"
#include "shell/Captions.h"
#include "shell/DrawAhead.h"
#include "shell/LinkLabels.h"
#include "shell/TitleScreen.h"

namespace av {
namespace {

const QString GuideFirstPage = QStringLiteral("wmf\\guide1.wmf");

struct EntryLayout {
    MenuEntry entry;
    const char* caption;
    float left, top, width, height;
    double points;
    bool navy;
};

// Left column of topics, right column of topics, then the teachers' entries and Exit.
constexpr EntryLayout Entries[] = {
    {MenuEntry::TeachersGuide, "Teachers' Guide", 120, 1320, 3075, 495, 14.25, true},
    {MenuEntry::History, "The History of Velmora", 120, 2400, 3075, 375, 12, false},
    {MenuEntry::Landscape, "The Velmoran Landscape", 120, 3120, 3075, 375, 12, false},
    {MenuEntry::Farming, "Farming in Velmora", 120, 3840, 3075, 375, 12, false},
    {MenuEntry::Society, "Velmoran Society", 120, 4560, 3075, 375, 12, false},
    {MenuEntry::DailyLife, "Life in Ancient Velmora", 120, 5280, 3075, 375, 12, false},
    {MenuEntry::TemplesAndReligion, "Temples and Religion", 120, 6000, 3075, 375, 12, false},
    {MenuEntry::LifeAfterDeath, "Life After Death", 120, 6720, 3075, 375, 12, false},
    {MenuEntry::Acknowledgments, "Acknowledgments", 120, 7920, 3075, 495, 14.25, true},
    {MenuEntry::Pyramids, "The Pyramids", 3360, 2400, 3075, 375, 12, false},
    {MenuEntry::WordsAndNumbers, "Words and Numbers", 3360, 3120, 3075, 375, 12, false},
    {MenuEntry::IdeasAndInventions, "Ideas and Inventions", 3360, 3840, 3075, 375, 12, false},
    {MenuEntry::ArmiesAndWarfare, "Armies and Warfare", 3360, 4560, 3075, 375, 12, false},
    {MenuEntry::HealthAndMedicine, "Health and Medicine", 3360, 5280, 3075, 375, 12, false},
    {MenuEntry::QueenAshenra, "Queen Ashenra", 3360, 6000, 3075, 375, 12, false},
    {MenuEntry::Food, "Food in Ancient Velmora", 3360, 6720, 3075, 375, 12, false},
    {MenuEntry::QuizWizard, "Multiple Choice Wizard", 6840, 6000, 4695, 495, 18, true},
    {MenuEntry::WorksheetCatalogue, "Worksheet Catalogue", 6840, 6840, 4695, 495, 18, true},
    {MenuEntry::Exit, "Exit", 10560, 7920, 1245, 495, 18, false},
};

QString captionOf(MenuEntry entry) {
    for (const EntryLayout& e : Entries)
        if (e.entry == entry) return QString::fromUtf8(e.caption);
    return {};
}

OptionButton& soundOption(Window& w, const QString& name, float top, const QString& text) {
    auto& option = w.add<OptionButton>(name);
    option.setBounds(10440, top, 1455, 255);
    option.setText(text);
    option.setFontSpec(style::tahomaBold(9.75));
    option.setForeColor(style::Yellow);
    return option;
}

Timer& namedTimer(QObject* owner, const QString& name, int interval) {
    auto* timer = new Timer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return *timer;
}

} // namespace

MainMenu::MainMenu(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      m_heading(addCaption(*this, glossary::menu::Heading, -1, {0, 120, 12000, 900},
                           style::programTitle(), style::tahomaBold(32.25))),
      m_pictureFrame(add<Frame>(QString::fromLatin1(glossary::menu::PictureFrame))),
      m_picture(add<Image>(QString::fromLatin1(glossary::menu::Picture), -1, &m_pictureFrame)),
      m_soundOnOption(soundOption(*this, QString::fromLatin1(glossary::menu::SoundOnOption), 120,
                                  QStringLiteral("Sound On"))),
      m_soundOffOption(soundOption(*this, QString::fromLatin1(glossary::menu::SoundOffOption), 480,
                                   QStringLiteral("Sound Off"))),
      m_copyright(addCaption(*this, glossary::menu::Copyright, -1, {0, 8280, 12000, 375},
                             QStringLiteral("\u00A9 2026 Ancient Velmora. Pages may be printed for "
                                            "use in the classroom."),
                             style::tahoma(9.75))),
      m_registerTimer(namedTimer(this, QString::fromLatin1(glossary::menu::RegisterTimer), 1)) {
    m_pictureFrame.setBounds(6600, 1320, 5175, 3975);
    m_picture.setBounds(120, 240, 4800, 3600);
    m_picture.setDescription(QStringLiteral("The great statues of Velmora"));
    m_soundOnOption.setChecked(true);
    buildEntries();
    connect(&m_soundOnOption, &OptionButton::clicked, this, &MainMenu::onSoundOnChosen);
    connect(&m_soundOffOption, &OptionButton::clicked, this, &MainMenu::onSoundOffChosen);
    connect(&m_registerTimer, &Timer::tick, this, &MainMenu::onRegisterTimerFired);
}

void MainMenu::buildEntries() {
    const QString name = QString::fromLatin1(glossary::menu::Entries);
    for (const EntryLayout& e : Entries)
        addLink(*this, m_entries, name, int(e.entry), e.left, e.top, e.width, e.height,
                QString::fromUtf8(e.caption), e.points,
                e.navy ? style::LinkNavy : style::LinkBlack);
    addResultsEntry();
    m_entries.connectEach(&Label::clicked, this, [this](int i) { onEntryClicked(MenuEntry(i)); });
    m_entries.connectEach(&Label::mouseMove, this,
                          [this](int i, const MouseArgs&) { onEntryHovered(MenuEntry(i)); });
}

// Under the catalogue, in its style, ending clear of Exit; a school that keeps no results sees
// the menu as it always was.
void MainMenu::addResultsEntry() {
    if (!state().keepResults) return;
    addLink(*this, m_entries, QString::fromLatin1(glossary::menu::Entries),
            int(MenuEntry::PupilsResults), 6840, 7680, 3480, 495, QStringLiteral("Pupils' Results"),
            18, style::LinkNavy);
}

void MainMenu::onLoad() {
    applyCommonFrame(*this, app());
    // The menu has to work even when its picture has gone missing.
    loadPictureOrClear(m_picture, QStringLiteral("Images\\memnonsm.jpg"));
    m_soundOnOption.setBackColor(style::FrameBlue);
    m_soundOffOption.setBackColor(style::FrameBlue);
    m_pictureFrame.setBackColor(style::FrameBlue);
    state().soundOn = true;
    m_registerTimer.setEnabled(true);
}

// The guide and the acknowledgments open with their page already drawn.
void MainMenu::cameForward() {
    drawPagesAhead(*this, {GuideFirstPage, acknowledgmentsPage()}, OtherPages::LetGo);
}

void MainMenu::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_entries, {{0, 12}, {15, 21}});
}

void MainMenu::onEntryHovered(MenuEntry e) {
    hoverOn(entry(e));
}

void MainMenu::onSoundOnChosen() {
    state().soundOn = true;
}

void MainMenu::onSoundOffChosen() {
    state().soundOn = false;
}

void MainMenu::onRegisterTimerFired() {
    // Nothing to tell the pupil on failure: the catalogue reads the register again when it opens.
    app().worksheets.reload();
    m_registerTimer.setEnabled(false);
}

void MainMenu::onEntryClicked(MenuEntry e) {
    switch (e) {
    case MenuEntry::Pyramids:
        app().windows.show(QString::fromLatin1(glossary::window::PyramidsTopic));
        break;
    case MenuEntry::WordsAndNumbers:
        app().windows.show(QString::fromLatin1(glossary::window::WordsTopic));
        break;
    case MenuEntry::Exit:
        exitToTitle();
        break;
    case MenuEntry::QuizWizard:
        app().windows.show(QString::fromLatin1(glossary::window::WorksheetWizard));
        break;
    case MenuEntry::WorksheetCatalogue:
        openCatalogue();
        break;
    case MenuEntry::Acknowledgments:
        showAcknowledgments();
        break;
    case MenuEntry::TeachersGuide:
        showGuide();
        break;
    case MenuEntry::PupilsResults:
        app().windows.show(QString::fromLatin1(PupilsResultsScreen::Name));
        break;
    default:
        sayTopicIsNotInPack(e);
        break;
    }
    playSound(ClickSound);
}

void MainMenu::exitToTitle() {
    // The title comes in front; the menu waits under it.
    TitleScreen& title = app().windows.get<TitleScreen>();
    title.offerCancel();
    title.showWindow();
}

void MainMenu::openCatalogue() {
    app().windows.show(QString::fromLatin1(glossary::window::WorksheetCatalogue));
    unload();
}

void MainMenu::showAcknowledgments() {
    app().windows.get<PageViewer>().openAcknowledgments();
}

void MainMenu::showGuide() {
    app().windows.get<TeachersGuide>().open();
}

void MainMenu::sayTopicIsNotInPack(MenuEntry e) {
    app().services.messages.show(captionOf(e) + QStringLiteral("\n\nThis topic is "
                                                               "not part of this pack."),
                                 style::programTitle(), MessageBoxService::Buttons::Ok);
}

} // namespace av
