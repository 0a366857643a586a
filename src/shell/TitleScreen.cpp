#include "TitleScreen.h"

#include "platform/RuntimeError.h"

namespace av {
namespace {

Label& textLabel(Window& w, Frame& frame, const QString& name, QRectF r, const QString& caption,
                 const FontSpec& font, const QColor& colour) {
    Label& label = w.add<Label>(name, -1, &frame);
    label.setBounds(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    label.setCaption(caption);
    label.setFontSpec(font);
    label.setLabelForeColor(colour);
    label.setAlignment(Label::Align::Center);
    label.setOpaque(false);
    return label;
}

CommandButton& button(Window& w, Frame& frame, const QString& name, float left,
                      const QString& caption) {
    auto& b = w.add<CommandButton>(name, -1, &frame);
    b.setBounds(left, 6000, 1335, 375);
    b.setText(caption);
    b.setBackColor(QColor(192, 192, 192));
    return b;
}

} // namespace

TitleScreen::TitleScreen(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      frame(add<Frame>(QString::fromLatin1(glossary::title::Frame))),
      programTitle(textLabel(*this, frame, QString::fromLatin1(glossary::title::ProgramTitle),
                             {60, 300, 5595, 1065}, QStringLiteral("Ancient Velmora"),
                             {QStringLiteral("Times New Roman"), 30, true}, QColor(0, 0, 192))),
      picture(add<PicturePanel>(QString::fromLatin1(glossary::title::Picture), -1, &frame)),
      subtitle(textLabel(*this, frame, QString::fromLatin1(glossary::title::Subtitle),
                         {360, 4980, 4815, 375},
                         QStringLiteral("A history pack for young explorers"),
                         {QStringLiteral("Times New Roman"), 14.25}, QColor(0, 0, 255))),
      authors(textLabel(*this, frame, QString::fromLatin1(glossary::title::Authors),
                        {480, 5310, 4575, 375},
                        QStringLiteral("Written and illustrated by the Velmora team"),
                        {QStringLiteral("Times New Roman"), 12}, QColor(0, 0, 255))),
      contents(textLabel(*this, frame, QString::fromLatin1(glossary::title::Contents),
                         {480, 5640, 4575, 375},
                         QStringLiteral("Key facts, quizzes, activities and worksheets"),
                         {QStringLiteral("Times New Roman"), 12}, QColor(0, 0, 255))),
      okButton(button(*this, frame, QString::fromLatin1(glossary::title::OkButton), 1440,
                      QStringLiteral("OK"))),
      exitButton(button(*this, frame, QString::fromLatin1(glossary::title::ExitButton), 2880,
                        QStringLiteral("Exit"))),
      copyright(textLabel(
          *this, frame, QString::fromLatin1(glossary::title::Copyright), {120, 6420, 5415, 255},
          QStringLiteral("Copyright \u00A9 2026 Ancient Velmora. All rights reserved."),
          {QStringLiteral("Arial"), 8.25}, QColor(0, 128, 0))) {
    setCaption(QStringLiteral(" "));
    setBackColor(QColor(192, 192, 192));
    setClientSize(5700, 6570);
    frame.setBounds(0, -90, 5715, 6660);
    picture.setBounds(120, 1200, 5460, 3660);
    picture.setDescription(QStringLiteral("The great sphinx of Velmora"));
    okButton.setDefault(true);
    connect(&okButton, &QPushButton::clicked, this, &TitleScreen::onOkClicked);
    connect(&exitButton, &QPushButton::clicked, this, &TitleScreen::onExitClicked);
}

void TitleScreen::onLoad() {
    try {
        const QSizeF screen = app().services.display.screenSizeTwips();
        setTop(float(screen.height()) / 2 - Height() / 2);
        setLeft(float(screen.width()) / 2 - Width() / 2);
        app().windows.show(QString::fromLatin1(glossary::window::Backdrop));
        loadPicture(picture, QString::fromLatin1(PictureFile));
    } catch (const RuntimeError&) {
        applyCommonFrame(*this, app());
        // The program must still start when its pictures are gone: the screen stays usable.
        loadPictureOrClear(picture, QStringLiteral("images\\sphinxsm.jpg"));
    }
}

void TitleScreen::offerCancel() {
    okButton.setText(QStringLiteral("Cancel"));
}

void TitleScreen::onOkClicked() {
    app().windows.show(QString::fromLatin1(glossary::window::MainMenu));
    unload();
    playSound(ClickSound);
}

void TitleScreen::onExitClicked() {
    playSound(ClickSound);
    app().endProgram();
}

} // namespace av
