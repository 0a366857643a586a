#include "WorksheetWizard.h"

#include "shell/LinkLabels.h"

#include "platform/NumberText.h"

namespace av {
namespace {

const QColor Yellow(255, 255, 0);
const QColor FrameBlue(0, 78, 152);
constexpr float BlockHeight = 1440;
constexpr float QuestionTop = 840;
constexpr float ChoiceWidth = 2295;
constexpr float BoxHeight = 330;

Label& captionLabel(Window& w, Group<Label>& group, int index, QRectF r, const QString& text,
                    double points, Label::Align align = Label::Align::Left) {
    Label& label = w.add<Label>(QStringLiteral("Label1"), index);
    label.setBounds(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    label.setCaption(text);
    label.setFontSpec({QStringLiteral("Tahoma"), points, true});
    label.setLabelForeColor(Yellow);
    label.setAlignment(align);
    label.setOpaque(false);
    group.add(index, &label);
    return label;
}

TextBox& textBox(Window& w, Group<TextBox>* group, const QString& name, int index, QRectF r,
                 int maxLength) {
    TextBox& box = w.add<TextBox>(name, index);
    box.setBounds(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    box.setMaxLength(maxLength);
    box.setFontSpec({QStringLiteral("Tahoma"), 9.75});
    if (group) group->add(index, &box);
    return box;
}

} // namespace

WorksheetWizard::WorksheetWizard(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      Text1(textBox(*this, nullptr, QStringLiteral("Text1"), -1, {7560, 120, 4215, 375}, 25)) {
    Text1.setAccessibleName(QStringLiteral("Worksheet Title"));
    captionLabel(*this, Label1, 0, {240, 60, 6000, 480}, QStringLiteral("Multiple Choice Wizard"),
                 20);
    captionLabel(*this, Label1, 1, {5400, 165, 2040, 330}, QStringLiteral("Worksheet Title"), 12,
                 Label::Align::Right);
    for (int q = 0; q < Questions; ++q)
        buildQuestion(q);
    addLink(*this, label3, QStringLiteral("label3"), 0, 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    addLink(*this, label3, QStringLiteral("label3"), 1, 240, 7920, 2775, 495,
            QStringLiteral("Save Worksheet"));
    buildTabOrder();
    connectHandlers();
}

// One block: the caption and question box, then choices A and B in a row above C and D, each
// with its tick box and letter just to its left.
void WorksheetWizard::buildQuestion(int q) {
    const float left = q < 5 ? 240 : 6120;
    const float top = QuestionTop + BlockHeight * float(q % 5);
    captionLabel(*this, Label1, 2 + q, {left, top - 300, ChoiceWidth, 285},
                 QStringLiteral("Question") + str(q + 1), 9.75);
    const QString question = QStringLiteral("Question") + str(q + 1);
    textBox(*this, &Text2, QStringLiteral("Text2"), q, {left, top, 5655, BoxHeight}, 60)
        .setAccessibleName(question);
    for (int c = 0; c < Choices; ++c) {
        const int i = Choices * q + c;
        const bool second = c % 2 == 1;
        const float boxLeft = left + (second ? 3360 : 480);
        const float boxTop = top + (c < 2 ? 390 : 720);
        const float checkLeft = boxLeft - (second ? 270 : 240);
        // The tick boxes have no caption on screen; a screen reader still says what each is.
        const QString choice = question + QStringLiteral(", choice ") + QChar(u'A' + c);
        textBox(*this, &Text3, QStringLiteral("Text3"), i,
                {boxLeft, boxTop, ChoiceWidth, BoxHeight}, 30)
            .setAccessibleName(choice);
        CheckBox& check = add<CheckBox>(QStringLiteral("Check1"), i);
        check.setBounds(checkLeft, boxTop, 255, 315);
        check.setAccessibleName(choice + QStringLiteral(" is the correct answer"));
        Check1.add(i, &check);
        captionLabel(*this, Label1, 12 + i, {checkLeft - 270, boxTop + 30, 255, 285},
                     QString(QChar(u'A' + c)) + QLatin1Char('.'), 9.75);
    }
}

// Tab follows the Enter moves: title, then each question and its choices; the ticks, then the
// two commands, last.
void WorksheetWizard::buildTabOrder() {
    keepOwnTabOrder();
    QWidget* previous = &Text1;
    auto next = [&previous](QWidget* w) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (int q = 0; q < Questions; ++q) {
        next(&Text2[q]);
        for (int c = 0; c < Choices; ++c)
            next(&Text3[Choices * q + c]);
    }
    for (int i = 0; i < Questions * Choices; ++i)
        next(&Check1[i]);
    next(&label3[1]);
    next(&label3[0]);
}

void WorksheetWizard::connectHandlers() {
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
    connect(&Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(EnterKey); });
    Text2.connectEach(&QLineEdit::returnPressed, this,
                      [this](int i) { Text2_KeyPress(i, EnterKey); });
    Text3.connectEach(&QLineEdit::returnPressed, this,
                      [this](int i) { Text3_KeyPress(i, EnterKey); });
}

void WorksheetWizard::onLoad() {
    applyCommonFrame(*this, app());
    for (const auto& [i, check] : Check1)
        check->setBackColor(FrameBlue);
}

void WorksheetWizard::label3_Click(int index) {
    if (index == 0)
        unload();
    else if (index == 1)
        genwork();
    playSound(ClickSound);
}

void WorksheetWizard::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void WorksheetWizard::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{0, 1}});
}

void WorksheetWizard::Text1_KeyPress(int keyAscii) {
    if (keyAscii == EnterKey) Text2[0].setFocus();
}

void WorksheetWizard::Text2_KeyPress(int index, int keyAscii) {
    if (keyAscii == EnterKey) Text3[Choices * index].setFocus();
}

void WorksheetWizard::Text3_KeyPress(int index, int keyAscii) {
    if (keyAscii != EnterKey) return;
    if (index % Choices != Choices - 1)
        Text3[index + 1].setFocus();
    else if (index < Questions * Choices - 1)
        Text2[(index + 1) / Choices].setFocus();
}

} // namespace av
