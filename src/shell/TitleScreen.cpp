#include "TitleScreen.h"

#include "Captions.h"

#include "platform/RuntimeError.h"

namespace av {
namespace {

CommandButton& button(Window& w, Frame& frame, const QString& name, float left,
                      const QString& caption) {
    auto& b = w.add<CommandButton>(name, -1, &frame);
    b.setBounds(left, 6000, 1335, 375);
    b.setText(caption);
    b.setBackColor(style::DialogGrey);
    return b;
}

} // namespace

TitleScreen::TitleScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      m_frame(add<Frame>(QString::fromLatin1(glossary::title::Frame))),
      m_programTitle(addCaption(*this, glossary::title::ProgramTitle, -1, {60, 300, 5595, 1065},
                                style::programTitle(), style::times(30, true), style::TitleNavy,
                                Label::Align::Center, &m_frame)),
      m_picture(add<PicturePanel>(QString::fromLatin1(glossary::title::Picture), -1, &m_frame)),
      m_subtitle(addCaption(*this, glossary::title::Subtitle, -1, {360, 4980, 4815, 375},
                            QStringLiteral("A history pack for young explorers"),
                            style::times(14.25), style::TitleBlue, Label::Align::Center, &m_frame)),
      m_authors(addCaption(*this, glossary::title::Authors, -1, {480, 5310, 4575, 375},
                           QStringLiteral("Written and illustrated by the Velmora team"),
                           style::times(12), style::TitleBlue, Label::Align::Center, &m_frame)),
      m_contents(addCaption(*this, glossary::title::Contents, -1, {480, 5640, 4575, 375},
                            QStringLiteral("Key facts, quizzes, activities and worksheets"),
                            style::times(12), style::TitleBlue, Label::Align::Center, &m_frame)),
      m_okButton(button(*this, m_frame, QString::fromLatin1(glossary::title::OkButton), 1440,
                        QStringLiteral("OK"))),
      m_exitButton(button(*this, m_frame, QString::fromLatin1(glossary::title::ExitButton), 2880,
                          QStringLiteral("Exit"))),
      m_copyright(
          addCaption(*this, glossary::title::Copyright, -1, {120, 6420, 5415, 255},
                     QStringLiteral("Copyright \u00A9 2026 Ancient Velmora. All rights reserved."),
                     style::arial(8.25), style::CopyrightGreen, Label::Align::Center, &m_frame)) {
    setCaption(QStringLiteral(" "));
    setBackColor(style::DialogGrey);
    setClientSize(5700, 6570);
    m_frame.setBounds(0, -90, 5715, 6660);
    m_picture.setBounds(120, 1200, 5460, 3660);
    m_picture.setDescription(QStringLiteral("The great sphinx of Velmora"));
    m_okButton.setDefault(true);
    connect(&m_okButton, &QPushButton::clicked, this, &TitleScreen::onOkClicked);
    connect(&m_exitButton, &QPushButton::clicked, this, &TitleScreen::onExitClicked);
}

void TitleScreen::onLoad() {
    const QSizeF screen = app().services.display.screenSizeTwips();
    setTop(float(screen.height()) / 2 - Height() / 2);
    setLeft(float(screen.width()) / 2 - Width() / 2);
    app().windows.show(QString::fromLatin1(glossary::window::Backdrop));
    // A title picture that cannot be read turns the title into a common screen with the
    // small picture; the program must still start when its pictures are gone.
    try {
        loadPicture(m_picture, QString::fromLatin1(PictureFile));
    } catch (const RuntimeError&) {
        applyCommonFrame(*this, app());
        loadPictureOrClear(m_picture, QStringLiteral("images\\sphinxsm.jpg"));
    }
}

void TitleScreen::offerCancel() {
    m_okButton.setText(QStringLiteral("Cancel"));
}

void TitleScreen::onOkClicked() {
    app().lastPupilName.clear(); // whoever comes next types their own name
    app().windows.show(QString::fromLatin1(glossary::window::MainMenu));
    unload();
    playSound(ClickSound);
}

void TitleScreen::onExitClicked() {
    playSound(ClickSound);
    // The wizard may still be open behind the menu with a worksheet not yet saved.
    auto* wizard = dynamic_cast<Screen*>(
        app().windows.loaded(QString::fromLatin1(glossary::window::WorksheetWizard)));
    if (wizard && !wizard->mayEndProgram()) return;
    app().endProgram();
}

} // namespace av
