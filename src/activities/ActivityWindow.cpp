#include "ActivityWindow.h"

#include "shell/Captions.h"
#include "shell/Glossary.h"
#include "shell/LinkLabels.h"

namespace av {
namespace {

void applyText(Label& label, const ActivityText& spec) {
    const TwipRect& r = spec.place;
    applyCaption(label, {r.left, r.top, r.width, r.height}, spec.text, spec.font, spec.colour,
                 spec.align);
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
    : Screen(app, description.name),
      heading(add<Label>(QString::fromLatin1(glossary::activity::Heading))),
      m_description(description), m_count(static_cast<int>(description.items.size())) {
    buildPictures();
    buildItems();
    applyText(heading, description.heading);
    buildTexts();
    buildButtons();
    arrangeStacking();
    setUpPickUp();
}

void ActivityWindow::buildPictures() {
    for (const ActivityPicture& spec : m_description.pictures) {
        Image& image = add<Image>(QString::fromLatin1(glossary::activity::Pictures), spec.index);
        image.setBounds(spec.place.left, spec.place.top, spec.place.width, spec.place.height);
        pictures.add(spec.index, &image);
    }
    for (const ActivityLine& spec : m_description.lines) {
        Line& line = add<Line>(QString::fromLatin1(glossary::activity::Lines), spec.index);
        line.setEnds(spec.from.left, spec.from.top, spec.to.left, spec.to.top);
        line.setLineColor(style::Yellow);
        line.setPixelWidth(3);
        lines.add(spec.index, &line);
    }
}

void ActivityWindow::buildItems() {
    const float w = m_description.itemWidth;
    const float h = m_description.itemHeight;
    for (int i = 0; i < m_count; ++i) {
        const ActivityItem& item = m_description.items[static_cast<size_t>(i)];
        // The target box holds its answer until the load hands it to the label.
        Label& box = add<Label>(QString::fromLatin1(glossary::activity::TargetBoxes), i);
        box.setBounds(item.box.left, item.box.top, w, h);
        box.setCaption(item.text);
        box.setFontSpec(m_description.itemFont);
        box.setLabelForeColor(style::Yellow);
        box.setAlignment(Label::Align::Center);
        box.setBorder(true);
        box.setVisible(false);
        targetBoxes.add(i, &box);

        Label& home = add<Label>(QString::fromLatin1(glossary::activity::HomeBoxes), i);
        home.setOpaque(false);
        home.setBorder(true);
        home.setVisible(false);
        homeBoxes.add(i, &home);

        Label& label = add<Label>(QString::fromLatin1(glossary::activity::DraggableLabels), i);
        label.setBounds(item.start.left, item.start.top, w, h);
        label.setFontSpec(m_description.itemFont);
        label.setLabelForeColor(style::Yellow);
        label.setLabelBackColor(style::LinkBlack);
        label.setAlignment(Label::Align::Center);
        label.setBorder(true);
        draggableLabels.add(i, &label);
    }
    draggableLabels.connectEach(&Label::mouseMove, this,
                                [this](int i, const MouseArgs& args) { onLabelDragged(i, args); });
    draggableLabels.connectEach(&Label::mouseUp, this,
                                [this](int i, const MouseArgs& args) { onLabelDropped(i, args); });
}

void ActivityWindow::buildTexts() {
    for (const ActivityText& spec : m_description.texts)
        applyText(add<Label>(spec.name), spec);
}

void ActivityWindow::buildButtons() {
    addLink(*this, links, QString::fromLatin1(glossary::activity::Links), int(ActivityLink::Exit),
            10560, 7920, 1245, 495, QStringLiteral("Exit"));
    addLink(*this, links, QString::fromLatin1(glossary::activity::Links),
            int(ActivityLink::StartAgain), 3360, 7920, 2565, 495, QStringLiteral("Start Again"));
    addLink(*this, links, QString::fromLatin1(glossary::activity::Links),
            int(ActivityLink::CheckScore), 6000, 7920, 2565, 495, QStringLiteral("Check Score"));
    link(ActivityLink::CheckScore).setVisible(false);
    links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(ActivityLink(i)); });
    links.connectEach(&Label::mouseMove, this,
                      [this](int i, const MouseArgs&) { onLinkHovered(ActivityLink(i)); });
}

// Pictures lie beneath everything; draggable labels pass over boxes, lines and the rest, and
// only texts marked for it lie above the labels.
void ActivityWindow::arrangeStacking() {
    for (const auto& [index, label] : draggableLabels)
        label->raise();
    for (const ActivityText& spec : m_description.texts)
        if (spec.aboveLabels) text(spec.name).raise();
    for (const auto& [index, image] : pictures)
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
        homeBoxes[i].setBounds(homeBoxes[i].Left(), homeBoxes[i].Top(), draggableLabels[i].Width(),
                               draggableLabels[i].Height());
    loadPictures();
    for (int i = 0; i < m_count; ++i) {
        draggableLabels[i].setCaption(targetBoxes[i].caption());
        targetBoxes[i].setCaption(QString());
        targetBoxes[i].setOpaque(false);
        targetBoxes[i].setVisible(true);
        homeBoxes[i].setPosition(draggableLabels[i].Left(), draggableLabels[i].Top());
    }
    for (int i = 0; i < m_count; ++i) {
        draggableLabels[i].setVisible(true);
        homeBoxes[i].setVisible(true);
    }
    link(ActivityLink::CheckScore).setVisible(false);
    nameScreen();
}

// The activity shares its heading with its topic's screen; a screen reader tells the two apart
// by the instruction, read with the heading as the activity opens.
void ActivityWindow::nameScreen() {
    QString name = heading.caption();
    if (!m_description.texts.empty())
        if (auto* first = qobject_cast<Label*>(widget(m_description.texts.front().name)))
            name += QStringLiteral(". ") + first->caption();
    setAccessibleName(name);
}

void ActivityWindow::loadPictures() {
    // The pictures are shipped data; without one the activity still works on a bare window.
    for (const ActivityPicture& spec : m_description.pictures)
        loadPictureOrClear(pictures[spec.index], spec.file);
}

void ActivityWindow::onLabelDragged(int index, const MouseArgs& args) {
    if (args.button != 1) return;
    Label& label = draggableLabels[index];
    // The label's centre jumps to the pointer; nothing keeps it inside the window.
    const float left = label.Left() + args.x - label.Width() / 2;
    const float top = label.Top() + args.y - label.Height() / 2;
    label.setPosition(left, top);
}

void ActivityWindow::onLabelDropped(int index, const MouseArgs&) {
    Label& label = draggableLabels[index];
    // Every box is tried in turn, even after a capture, so a later box may take the label on.
    for (int j = 0; j < m_count; ++j) {
        snapIfCaptured(label, targetBoxes[j]);
        snapIfCaptured(label, homeBoxes[j]);
    }
    if (placedPairs() == m_count) link(ActivityLink::CheckScore).setVisible(true);
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
            if (samePlace(draggableLabels[a], targetBoxes[b])) ++count;
    return count;
}

void ActivityWindow::onLinkClicked(ActivityLink link) {
    ScoreState& score = state().scoreState;
    score.score = 0;
    switch (link) {
    case ActivityLink::Exit:
        unload();
        break;
    case ActivityLink::StartAgain:
        for (int i = 0; i < m_count; ++i)
            draggableLabels[i].setPosition(homeBoxes[i].Left(), homeBoxes[i].Top());
        this->link(ActivityLink::CheckScore).setVisible(false);
        break;
    case ActivityLink::CheckScore:
        for (int i = 0; i < m_count; ++i)
            if (samePlace(draggableLabels[i], targetBoxes[i])) ++score.score;
        // Another activity or the quiz may have changed the total since this window loaded.
        score.total = m_count;
        app().windows.show(QString::fromLatin1(glossary::window::Results));
        break;
    }
    playSound(ClickSound);
}

void ActivityWindow::onLinkHovered(ActivityLink link) {
    hoverOn(this->link(link));
}

void ActivityWindow::onPointerOverBackground(const MouseArgs&) {
    hoverReset(links, {{int(ActivityLink::Exit), int(ActivityLink::CheckScore)}});
}

} // namespace av
