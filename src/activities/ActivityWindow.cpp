#include "ActivityWindow.h"

#include "shell/LinkLabels.h"

namespace av {
namespace {

const QColor Black(0, 0, 0);
const QColor Yellow(255, 255, 0);

void applyText(Label& label, const ActivityText& spec) {
    label.setBounds(spec.place.left, spec.place.top, spec.place.width, spec.place.height);
    label.setCaption(spec.text);
    label.setFontSpec(spec.font);
    label.setLabelForeColor(spec.colour);
    label.setAlignment(spec.align);
    label.setOpaque(false);
}

// The corner of a dropped label must lie in the area that reaches half a box to the left of
// and above the box and stops just short of its right and bottom edges. Every bound is rounded
// to single precision before the strict comparison.
bool captures(const Label& box, float left, float top) {
    const float minLeft = box.Left() - box.Width() / 2;
    const float maxLeft = box.Left() + box.Width();
    const float minTop = box.Top() - box.Height() / 2;
    const float maxTop = box.Top() + box.Height();
    return left > minLeft && left < maxLeft && top > minTop && top < maxTop;
}

bool samePlace(const Label& a, const Label& b) {
    return a.Left() == b.Left() && a.Top() == b.Top();
}

} // namespace

ActivityWindow::ActivityWindow(App& app, const ActivityDescription& description)
    : Screen(app, description.name), Label6(add<Label>(QStringLiteral("Label6"))),
      m_description(description), m_count(static_cast<int>(description.items.size())) {
    buildPictures();
    buildItems();
    applyText(Label6, description.heading);
    buildTexts();
    buildButtons();
    arrangeStacking();
    setUpPickUp();
}

void ActivityWindow::buildPictures() {
    for (const ActivityPicture& spec : m_description.pictures) {
        Image& image = add<Image>(QStringLiteral("Image1"), spec.index);
        image.setBounds(spec.place.left, spec.place.top, spec.place.width, spec.place.height);
        Image1.add(spec.index, &image);
    }
    for (const ActivityLine& spec : m_description.lines) {
        Line& line = add<Line>(QStringLiteral("Line1"), spec.index);
        line.setEnds(spec.from.left, spec.from.top, spec.to.left, spec.to.top);
        line.setLineColor(Yellow);
        line.setPixelWidth(3);
        Line1.add(spec.index, &line);
    }
}

void ActivityWindow::buildItems() {
    const float w = m_description.itemWidth;
    const float h = m_description.itemHeight;
    for (int i = 0; i < m_count; ++i) {
        const ActivityItem& item = m_description.items[static_cast<size_t>(i)];
        // The target box holds its answer until the load hands it to the label.
        Label& box = add<Label>(QStringLiteral("Label1"), i);
        box.setBounds(item.box.left, item.box.top, w, h);
        box.setCaption(item.text);
        box.setFontSpec(m_description.itemFont);
        box.setLabelForeColor(Yellow);
        box.setAlignment(Label::Align::Center);
        box.setBorder(true);
        box.setVisible(false);
        Label1.add(i, &box);

        Label& home = add<Label>(QStringLiteral("Label4"), i);
        home.setOpaque(false);
        home.setBorder(true);
        home.setVisible(false);
        Label4.add(i, &home);

        Label& label = add<Label>(QStringLiteral("Label2"), i);
        label.setBounds(item.start.left, item.start.top, w, h);
        label.setFontSpec(m_description.itemFont);
        label.setLabelForeColor(Yellow);
        label.setLabelBackColor(Black);
        label.setAlignment(Label::Align::Center);
        label.setBorder(true);
        Label2.add(i, &label);
    }
    Label2.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs& args) { Label2_MouseMove(i, args); });
    Label2.connectEach(&Label::mouseUp, this,
                       [this](int i, const MouseArgs& args) { Label2_MouseUp(i, args); });
}

void ActivityWindow::buildTexts() {
    for (const ActivityText& spec : m_description.texts)
        applyText(add<Label>(spec.name), spec);
}

void ActivityWindow::buildButtons() {
    addLink(*this, label3, QStringLiteral("label3"), Exit, 10560, 7920, 1245, 495,
            QStringLiteral("Exit"));
    addLink(*this, label3, QStringLiteral("label3"), StartAgain, 3360, 7920, 2565, 495,
            QStringLiteral("Start Again"));
    addLink(*this, label3, QStringLiteral("label3"), CheckScore, 6000, 7920, 2565, 495,
            QStringLiteral("Check Score"));
    label3[CheckScore].setVisible(false);
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
}

// Pictures lie beneath everything; draggable labels pass over boxes, lines and the rest, and
// only texts marked for it lie above the labels.
void ActivityWindow::arrangeStacking() {
    for (const auto& [index, label] : Label2)
        label->raise();
    for (const ActivityText& spec : m_description.texts)
        if (spec.aboveLabels) text(spec.name).raise();
    for (const auto& [index, image] : Image1)
        image->lower();
}

Label& ActivityWindow::text(const QString& name) const {
    auto* label = qobject_cast<Label*>(widget(name));
    if (!label) throw RuntimeError(RuntimeError::ObjectMissing, name);
    return *label;
}

void ActivityWindow::onLoad() {
    applyCommonFrame(*this, app());
    state().scoreState.total = m_count;
    for (int i = 0; i < m_count; ++i)
        Label4[i].setBounds(Label4[i].Left(), Label4[i].Top(), Label2[i].Width(),
                            Label2[i].Height());
    loadPictures();
    for (int i = 0; i < m_count; ++i) {
        Label2[i].setCaption(Label1[i].caption());
        Label1[i].setCaption(QString());
        Label1[i].setOpaque(false);
        Label1[i].setVisible(true);
        Label4[i].setPosition(Label2[i].Left(), Label2[i].Top());
    }
    for (int i = 0; i < m_count; ++i) {
        Label2[i].setVisible(true);
        Label4[i].setVisible(true);
    }
    label3[CheckScore].setVisible(false);
}

void ActivityWindow::loadPictures() {
    // The pictures are shipped data; without one the activity still works on a bare window.
    for (const ActivityPicture& spec : m_description.pictures)
        loadPictureOrClear(Image1[spec.index], spec.file);
}

void ActivityWindow::Label2_MouseMove(int index, const MouseArgs& args) {
    if (args.button != 1) return;
    Label& label = Label2[index];
    // The label's centre jumps to the pointer; nothing keeps it inside the window.
    const float left = label.Left() + args.x - label.Width() / 2;
    const float top = label.Top() + args.y - label.Height() / 2;
    label.setPosition(left, top);
}

void ActivityWindow::Label2_MouseUp(int index, const MouseArgs&) {
    Label& label = Label2[index];
    // Every box is tried in turn, even after a capture, so a later box may take the label on.
    for (int j = 0; j < m_count; ++j) {
        snapIfCaptured(label, Label1[j]);
        snapIfCaptured(label, Label4[j]);
    }
    if (placedPairs() == m_count) label3[CheckScore].setVisible(true);
}

void ActivityWindow::snapIfCaptured(Label& label, const Label& box) {
    if (!captures(box, label.Left(), label.Top())) return;
    label.setPosition(box.Left(), box.Top());
    playSound(ThudSound);
}

// Any label in any target box counts, so two labels sharing a box still complete the set.
int ActivityWindow::placedPairs() const {
    int count = 0;
    for (int a = 0; a < m_count; ++a)
        for (int b = 0; b < m_count; ++b)
            if (samePlace(Label2[a], Label1[b])) ++count;
    return count;
}

void ActivityWindow::label3_Click(int index) {
    ScoreState& score = state().scoreState;
    score.score = 0;
    switch (index) {
    case Exit:
        unload();
        break;
    case StartAgain:
        for (int i = 0; i < m_count; ++i)
            Label2[i].setPosition(Label4[i].Left(), Label4[i].Top());
        label3[CheckScore].setVisible(false);
        break;
    case CheckScore:
        for (int i = 0; i < m_count; ++i)
            if (samePlace(Label2[i], Label1[i])) ++score.score;
        // Another activity or the quiz may have changed the total since this window loaded.
        score.total = m_count;
        app().windows.show(QStringLiteral("Welldone"));
        break;
    default:
        break;
    }
    playSound(ClickSound);
}

void ActivityWindow::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void ActivityWindow::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{Exit, CheckScore}});
}

} // namespace av
