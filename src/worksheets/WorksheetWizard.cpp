#include "WorksheetWizard.h"

#include "shell/Captions.h"
#include "shell/LinkLabels.h"

#include "model/QuestionFile.h"

#include "platform/NumberText.h"

namespace av {
namespace {

constexpr float BlockHeight = 1440;
constexpr float QuestionTop = 840;
constexpr float ChoiceWidth = 2295;
constexpr float BoxHeight = 330;

Label& captionLabel(Window& w, Group<Label>& group, int index, QRectF r, const QString& text,
                    double points, Label::Align align = Label::Align::Left) {
    Label& label = addCaption(w, glossary::wizard::Captions, index, r, text,
                              style::tahomaBold(points), style::Yellow, align);
    group.add(index, &label);
    return label;
}

TextBox& textBox(Window& w, Group<TextBox>* group, const QString& name, int index, QRectF r,
                 int maxLength) {
    TextBox& box = w.add<TextBox>(name, index);
    box.setBounds(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    box.setMaxLength(maxLength);
    box.setFontSpec(style::tahoma(9.75));
    if (group) group->add(index, &box);
    return box;
}

} // namespace

WorksheetWizard::WorksheetWizard(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      m_titleBox(textBox(*this, nullptr, QString::fromLatin1(glossary::wizard::TitleBox), -1,
                         {7560, 120, 4215, 375}, 25)) {
    m_titleBox.setAccessibleName(QStringLiteral("Worksheet Title"));
    captionLabel(*this, m_captions, 0, {240, 60, 6000, 480},
                 QStringLiteral("Multiple Choice Wizard"), 20);
    captionLabel(*this, m_captions, 1, {5400, 165, 2040, 330}, QStringLiteral("Worksheet Title"),
                 12, Label::Align::Right);
    for (int q = 0; q < Questions; ++q)
        buildQuestion(q);
    const QString linkName = QString::fromLatin1(glossary::wizard::Links);
    addLink(*this, m_links, linkName, 0, 10560, 7920, 1245, 495, QStringLiteral("Exit"));
    addLink(*this, m_links, linkName, 1, 240, 7920, 2775, 495, QStringLiteral("Save Worksheet"));
    buildTabOrder();
    connectHandlers();
}

// One block: the caption and question box, then choices A and B in a row above C and D, each
// with its tick box and letter just to its left.
void WorksheetWizard::buildQuestion(int q) {
    const float left = q < 5 ? 240 : 6120;
    const float top = QuestionTop + BlockHeight * float(q % 5);
    captionLabel(*this, m_captions, 2 + q, {left, top - 300, ChoiceWidth, 285},
                 QStringLiteral("Question") + numberText(q + 1), 9.75);
    const QString question = QStringLiteral("Question") + numberText(q + 1);
    textBox(*this, &m_questionBoxes, QString::fromLatin1(glossary::wizard::QuestionBoxes), q,
            {left, top, 5655, BoxHeight}, 60)
        .setAccessibleName(question);
    // The question file stores a comma as "&": a typed "&" would come back as a comma.
    m_questionBoxes[q].refuseAlso(QStringLiteral("&"));
    for (int c = 0; c < Choices; ++c) {
        const int i = Choices * q + c;
        const bool second = c % 2 == 1;
        const float boxLeft = left + (second ? 3360 : 480);
        const float boxTop = top + (c < 2 ? 390 : 720);
        const float tickLeft = boxLeft - (second ? 270 : 240);
        // The tick boxes have no caption on screen; a screen reader still says what each is.
        const QString choice = question + QStringLiteral(", choice ") + QChar(u'A' + c);
        textBox(*this, &m_choiceBoxes, QString::fromLatin1(glossary::wizard::ChoiceBoxes), i,
                {boxLeft, boxTop, ChoiceWidth, BoxHeight}, 30)
            .setAccessibleName(choice);
        m_choiceBoxes[i].refuseAlso(QStringLiteral("&"));
        CheckBox& tick = add<CheckBox>(QString::fromLatin1(glossary::wizard::CorrectTicks), i);
        tick.setBounds(tickLeft, boxTop, 255, 315);
        tick.setAccessibleName(choice + QStringLiteral(" is the correct answer"));
        m_correctTicks.add(i, &tick);
        captionLabel(*this, m_captions, 12 + i, {tickLeft - 270, boxTop + 30, 255, 285},
                     QString(QChar(u'A' + c)) + QLatin1Char('.'), 9.75);
    }
}

// Tab follows the Enter moves: title, then each question and its choices; the ticks, then the
// two commands, last.
void WorksheetWizard::buildTabOrder() {
    keepOwnTabOrder();
    QWidget* previous = &m_titleBox;
    auto next = [&previous](QWidget* w) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (int q = 0; q < Questions; ++q) {
        next(&m_questionBoxes[q]);
        for (int c = 0; c < Choices; ++c)
            next(&m_choiceBoxes[Choices * q + c]);
    }
    for (int i = 0; i < Questions * Choices; ++i)
        next(&m_correctTicks[i]);
    next(&m_links[1]);
    next(&m_links[0]);
}

void WorksheetWizard::connectHandlers() {
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(WizardLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(WizardLink(i)); });
    connect(&m_titleBox, &QLineEdit::returnPressed, this, [this] { onTitleKeyPress(EnterKey); });
    m_questionBoxes.connectEach(&QLineEdit::returnPressed, this,
                                [this](int i) { onQuestionKeyPress(i, EnterKey); });
    m_choiceBoxes.connectEach(&QLineEdit::returnPressed, this,
                              [this](int i) { onChoiceKeyPress(i, EnterKey); });
}

void WorksheetWizard::onLoad() {
    applyCommonFrame(*this, app());
    for (const auto& [i, tick] : m_correctTicks)
        tick->setBackColor(style::FrameBlue);
    m_savedLines = questionFileLines(worksheet());
}

void WorksheetWizard::edit(const QuestionSet& set, const QString& filedAs) {
    m_titleBox.setText(filedAs);
    for (int q = 0; q < Questions; ++q) {
        const Question& question = set.question(q + 1);
        questionBox(q).setText(question.text);
        const int correct = correctChoice(question.correct);
        for (int c = 0; c < Choices; ++c) {
            choiceBox(q, c).setText(question.choice(c + 1));
            correctTick(q, c).setChecked(c + 1 == correct);
        }
    }
    holdWorksheet(filedAs);
}

int WorksheetWizard::correctChoice(const QString& field) {
    bool ok = false;
    const int d = field.trimmed().toInt(&ok);
    return ok && d >= 1 && d <= Choices ? d : 0;
}

void WorksheetWizard::holdWorksheet(const QString& title) {
    m_heldTitle = title;
    m_savedLines = questionFileLines(worksheet());
}

// Ticks alone, with every box empty, are no work to lose.
bool WorksheetWizard::hasUnsavedChanges() const {
    const QStringList lines = questionFileLines(worksheet());
    if (lines == m_savedLines) return false;
    bool typed = !m_titleBox.text().isEmpty();
    for (const auto& [i, box] : m_questionBoxes)
        typed = typed || !box->text().isEmpty();
    for (const auto& [i, box] : m_choiceBoxes)
        typed = typed || !box->text().isEmpty();
    return typed;
}

void WorksheetWizard::onLinkClicked(WizardLink link) {
    if (link == WizardLink::Exit) {
        if (mayDiscardChanges()) unload();
    } else if (link == WizardLink::SaveWorksheet) {
        checkAndSave();
    }
    playSound(ClickSound);
}

// A stray Escape or click on the close button must not throw away a teacher's typing.
bool WorksheetWizard::mayDiscardChanges() {
    if (!hasUnsavedChanges()) return true;
    const auto answer = app().services.messages.show(
        QStringLiteral("The wizard holds changes to this worksheet that have not been saved. "
                       "Do you want to lose them?"),
        style::programTitle(), MessageBoxService::Buttons::OkCancel);
    return answer == MessageBoxService::Answer::Ok;
}

void WorksheetWizard::onLinkHovered(WizardLink link) {
    hoverOn(m_links[static_cast<int>(link)]);
}

void WorksheetWizard::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{0, 1}});
}

void WorksheetWizard::onTitleKeyPress(int keyAscii) {
    if (keyAscii == EnterKey) m_questionBoxes[0].setFocus();
}

void WorksheetWizard::onQuestionKeyPress(int q, int keyAscii) {
    if (keyAscii == EnterKey) choiceBox(q, 0).setFocus();
}

void WorksheetWizard::onChoiceKeyPress(int index, int keyAscii) {
    if (keyAscii != EnterKey) return;
    if (index % Choices != Choices - 1)
        m_choiceBoxes[index + 1].setFocus();
    else if (index < Questions * Choices - 1)
        questionBox((index + 1) / Choices).setFocus();
}

} // namespace av
