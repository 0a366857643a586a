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
    : Screen(app, QString::fromLatin1(Name)), Frame1(add<Frame>(QStringLiteral("Frame1"))),
      Label4(textLabel(*this, Frame1, QStringLiteral("Label4"), {60, 300, 5595, 1065},
                       QStringLiteral("Ancient Velmora"),
                       {QStringLiteral("Times New Roman"), 30, true}, QColor(0, 0, 192))),
      Picture1(add<PicturePanel>(QStringLiteral("Picture1"), -1, &Frame1)),
      Label1(textLabel(*this, Frame1, QStringLiteral("Label1"), {360, 4980, 4815, 375},
                       QStringLiteral("A history pack for young explorers"),
                       {QStringLiteral("Times New Roman"), 14.25}, QColor(0, 0, 255))),
      Label5(textLabel(*this, Frame1, QStringLiteral("Label5"), {480, 5310, 4575, 375},
                       QStringLiteral("Written and illustrated by the Velmora team"),
                       {QStringLiteral("Times New Roman"), 12}, QColor(0, 0, 255))),
      Label3(textLabel(*this, Frame1, QStringLiteral("Label3"), {480, 5640, 4575, 375},
                       QStringLiteral("Key facts, quizzes, activities and worksheets"),
                       {QStringLiteral("Times New Roman"), 12}, QColor(0, 0, 255))),
      Command1(button(*this, Frame1, QStringLiteral("Command1"), 1440, QStringLiteral("OK"))),
      Command2(button(*this, Frame1, QStringLiteral("Command2"), 2880, QStringLiteral("Exit"))),
      Label2(
          textLabel(*this, Frame1, QStringLiteral("Label2"), {120, 6420, 5415, 255},
                    QStringLiteral("Copyright \u00A9 2026 Ancient Velmora. All rights reserved."),
                    {QStringLiteral("Arial"), 8.25}, QColor(0, 128, 0))) {
    setCaption(QStringLiteral(" "));
    setBackColor(QColor(192, 192, 192));
    setClientSize(5700, 6570);
    Frame1.setBounds(0, -90, 5715, 6660);
    Picture1.setBounds(120, 1200, 5460, 3660);
    Picture1.setDescription(QStringLiteral("The great sphinx of Velmora"));
    Command1.setDefault(true);
    connect(&Command1, &QPushButton::clicked, this, &TitleScreen::Command1_Click);
    connect(&Command2, &QPushButton::clicked, this, &TitleScreen::Command2_Click);
}

void TitleScreen::onLoad() {
    try {
        const QSizeF screen = app().services.display.screenSizeTwips();
        setTop(float(screen.height()) / 2 - Height() / 2);
        setLeft(float(screen.width()) / 2 - Width() / 2);
        app().windows.show(QStringLiteral("Grey"));
        loadPicture(Picture1, QString::fromLatin1(PictureFile));
    } catch (const RuntimeError&) {
        applyCommonFrame(*this, app());
        // The program must still start when its pictures are gone: the screen stays usable.
        loadPictureOrClear(Picture1, QStringLiteral("images\\sphinxsm.jpg"));
    }
}

void TitleScreen::Command1_Click() {
    app().windows.show(QStringLiteral("intro0"));
    unload();
    playSound(ClickSound);
}

void TitleScreen::Command2_Click() {
    playSound(ClickSound);
    app().endProgram();
}

} // namespace av
