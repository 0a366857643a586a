#include "MainMenu.h"

#include "shell/LinkLabels.h"
#include "shell/TitleScreen.h"
#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"
#include "model/Register.h"

namespace av {
namespace {

const QColor Yellow(255, 255, 0);
const QColor MenuBlue(0, 78, 152);

struct Entry {
    int index;
    const char* caption;
    float left, top, width, height;
    double points;
    bool navy;
};

// Left column of topics, right column of topics, then the teachers' entries and Exit.
constexpr Entry Entries[] = {
    {20, "Teachers' Guide", 120, 1320, 3075, 495, 14.25, true},
    {15, "The History of Velmora", 120, 2400, 3075, 375, 12, false},
    {0, "The Velmoran Landscape", 120, 3120, 3075, 375, 12, false},
    {1, "Farming in Velmora", 120, 3840, 3075, 375, 12, false},
    {2, "Velmoran Society", 120, 4560, 3075, 375, 12, false},
    {3, "Life in Ancient Velmora", 120, 5280, 3075, 375, 12, false},
    {10, "Temples and Religion", 120, 6000, 3075, 375, 12, false},
    {4, "Life After Death", 120, 6720, 3075, 375, 12, false},
    {19, "Acknowledgments", 120, 7920, 3075, 495, 14.25, true},
    {5, "The Pyramids", 3360, 2400, 3075, 375, 12, false},
    {6, "Words and Numbers", 3360, 3120, 3075, 375, 12, false},
    {7, "Ideas and Inventions", 3360, 3840, 3075, 375, 12, false},
    {8, "Armies and Warfare", 3360, 4560, 3075, 375, 12, false},
    {9, "Health and Medicine", 3360, 5280, 3075, 375, 12, false},
    {11, "Queen Ashenra", 3360, 6000, 3075, 375, 12, false},
    {12, "Food in Ancient Velmora", 3360, 6720, 3075, 375, 12, false},
    {17, "Multiple Choice Wizard", 6840, 6000, 4695, 495, 18, true},
    {18, "Worksheet Catalogue", 6840, 6840, 4695, 495, 18, true},
    {16, "Exit", 10560, 7920, 1245, 495, 18, false},
};

Label& plainLabel(Window& w, const QString& name, float top, float height, const QString& text,
                  const FontSpec& font) {
    Label& label = w.add<Label>(name);
    label.setBounds(0, top, 12000, height);
    label.setCaption(text);
    label.setFontSpec(font);
    label.setLabelForeColor(Yellow);
    label.setAlignment(Label::Align::Center);
    label.setOpaque(false);
    return label;
}

OptionButton& soundOption(Window& w, const QString& name, float top, const QString& text) {
    auto& option = w.add<OptionButton>(name);
    option.setBounds(10440, top, 1455, 255);
    option.setText(text);
    option.setFontSpec({QStringLiteral("Tahoma"), 9.75, true});
    option.setForeColor(Yellow);
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
      Label1(plainLabel(*this, QStringLiteral("Label1"), 120, 900,
                        QStringLiteral("Ancient Velmora"),
                        {QStringLiteral("Tahoma"), 32.25, true})),
      Frame1(add<Frame>(QStringLiteral("Frame1"))),
      Image1(add<Image>(QStringLiteral("Image1"), -1, &Frame1)),
      Option1(soundOption(*this, QStringLiteral("Option1"), 120, QStringLiteral("Sound On"))),
      Option2(soundOption(*this, QStringLiteral("Option2"), 480, QStringLiteral("Sound Off"))),
      Label3(plainLabel(*this, QStringLiteral("Label3"), 8280, 375,
                        QStringLiteral("\u00A9 2026 Ancient Velmora. Pages may be printed for "
                                       "use in the classroom."),
                        {QStringLiteral("Tahoma"), 9.75})),
      Timer1(namedTimer(this, QStringLiteral("Timer1"), 1)) {
    Frame1.setBounds(6600, 1320, 5175, 3975);
    Image1.setBounds(120, 240, 4800, 3600);
    Image1.setDescription(QStringLiteral("The great statues of Velmora"));
    Option1.setChecked(true);
    buildEntries();
    connect(&Option1, &OptionButton::clicked, this, &MainMenu::Option1_Click);
    connect(&Option2, &OptionButton::clicked, this, &MainMenu::Option2_Click);
    connect(&Timer1, &Timer::tick, this, &MainMenu::Timer1_Timer);
}

void MainMenu::buildEntries() {
    for (const Entry& e : Entries)
        addLink(*this, Label2, QStringLiteral("Label2"), e.index, e.left, e.top, e.width, e.height,
                QString::fromUtf8(e.caption), e.points, e.navy ? LinkNavy : LinkBlack);
    Label2.connectEach(&Label::clicked, this, [this](int i) { Label2_Click(i); });
    Label2.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { Label2_MouseMove(i); });
}

void MainMenu::onLoad() {
    applyCommonFrame(*this, app());
    // The menu has to work even when its picture has gone missing.
    loadPictureOrClear(Image1, QStringLiteral("Images\\memnonsm.jpg"));
    Option1.setBackColor(MenuBlue);
    Option2.setBackColor(MenuBlue);
    Frame1.setBackColor(MenuBlue);
    state().soundOn = 1;
    Timer1.setEnabled(true);
}

void MainMenu::onPointerOverBackground(const MouseArgs&) {
    hoverReset(Label2, {{0, 12}, {15, 20}});
}

void MainMenu::Label2_MouseMove(int index) {
    hoverOn(Label2[index]);
}

void MainMenu::Option1_Click() {
    state().soundOn = 1;
}

void MainMenu::Option2_Click() {
    state().soundOn = 0;
}

void MainMenu::Timer1_Timer() {
    try {
        loadRegister(app().file1, state());
    } catch (const RuntimeError&) {
        // Nothing to tell the pupil: the catalogue reads the register again when it opens.
    }
    Timer1.setEnabled(false);
}

void MainMenu::Label2_Click(int index) {
    switch (index) {
    case 5:
        app().windows.show(QStringLiteral("pyramids"));
        break;
    case 6:
        app().windows.show(QStringLiteral("words"));
        break;
    case ExitEntry:
        exitToTitle();
        break;
    case 17:
        app().windows.show(QStringLiteral("wizard"));
        break;
    case 18:
        openCatalogue();
        break;
    case 19:
        showAcknowledgments();
        break;
    case 20:
        showGuide();
        break;
    default:
        topicNotInPack(index);
        break;
    }
    playSound(ClickSound);
}

void MainMenu::exitToTitle() {
    // The title's load brings the backdrop forward, so the menu waits behind it.
    app().windows.get<TitleScreen>().Command1.setText(QStringLiteral("Cancel"));
    app().windows.show(QString::fromLatin1(TitleScreen::Name));
}

void MainMenu::openCatalogue() {
    app().windows.show(QStringLiteral("worksheets"));
    unload();
}

void MainMenu::showAcknowledgments() {
    PageViewer& viewer = app().windows.get<PageViewer>();
    viewer.prepareAcknowledgments();
    viewer.showWindow();
}

void MainMenu::showGuide() {
    TeachersGuide& guide = app().windows.get<TeachersGuide>();
    guide.loadPage(QStringLiteral("wmf\\guide1.wmf"), QStringLiteral("wmf2\\guide1.wmf"));
    state().currentPage = 1;
    guide.showWindow();
}

void MainMenu::topicNotInPack(int index) {
    app().services.messages.show(Label2[index].caption() + QStringLiteral("\n\nThis topic is "
                                                                          "not part of this pack."),
                                 QStringLiteral("Ancient Velmora"), MessageBoxService::Buttons::Ok);
}

} // namespace av
