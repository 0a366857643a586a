#include "ActivityWindow.h"

#include "quiz/ResultsScreen.h"
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

QList<PlacementArea> areas(const Group<Label>& boxes, int count) {
    QList<PlacementArea> out;
    for (int i = 0; i < count; ++i)
        out.append({boxes[i].Left(), boxes[i].Top(), boxes[i].Width(), boxes[i].Height()});
    return out;
}

} // namespace

ActivityWindow::ActivityWindow(App& app, const ActivityDescription& description)
    : Screen(app, description.name),
      m_heading(add<Label>(QString::fromLatin1(glossary::activity::Heading))),
      m_description(description), m_count(static_cast<int>(description.items.size())) {
    buildPictures();
    buildItems();
    applyText(m_heading, description.heading);
    buildTexts();
    buildButtons();
    arrangeStacking();
    setUpPickUp();
}

void ActivityWindow::buildPictures() {
    for (const ActivityPicture& spec : m_description.pictures) {
        Image& image = add<Image>(QString::fromLatin1(glossary::activity::Pictures), spec.index);
        image.setBounds(spec.place.left, spec.place.top, spec.place.width, spec.place.height);
        m_pictures.add(spec.index, &image);
    }
    for (const ActivityLine& spec : m_description.lines) {
        Line& line = add<Line>(QString::fromLatin1(glossary::activity::Lines), spec.index);
        line.setEnds(spec.from.left, spec.from.top, spec.to.left, spec.to.top);
        line.setLineColor(style::Yellow);
        line.setPixelWidth(3);
        m_lines.add(spec.index, &line);
    }
}

void ActivityWindow::buildItems() {
    const float w = m_description.itemWidth;
    const float h = m_description.itemHeight;
    for (int i = 0; i < m_count; ++i) {
        const ActivityItem& item = m_description.items[static_cast<size_t>(i)];
        Label& box = add<Label>(QString::fromLatin1(glossary::activity::TargetBoxes), i);
        box.setBounds(item.box.left, item.box.top, w, h);
        box.setFontSpec(m_description.itemFont);
        box.setLabelForeColor(style::Yellow);
        box.setAlignment(Label::Align::Center);
        box.setBorder(true);
        box.setVisible(false);
        m_targetBoxes.add(i, &box);

        Label& home = add<Label>(QString::fromLatin1(glossary::activity::HomeBoxes), i);
        home.setOpaque(false);
        home.setBorder(true);
        home.setVisible(false);
        m_homeBoxes.add(i, &home);

        Label& label = add<Label>(QString::fromLatin1(glossary::activity::DraggableLabels), i);
        label.setBounds(item.start.left, item.start.top, w, h);
        label.setFontSpec(m_description.itemFont);
        label.setLabelForeColor(style::Yellow);
        label.setLabelBackColor(style::LinkBlack);
        label.setAlignment(Label::Align::Center);
        label.setBorder(true);
        m_draggableLabels.add(i, &label);
    }
    m_draggableLabels.connectEach(
        &Label::mouseMove, this, [this](int i, const MouseArgs& args) { onLabelDragged(i, args); });
    m_draggableLabels.connectEach(
        &Label::mouseUp, this, [this](int i, const MouseArgs& args) { onLabelDropped(i, args); });
}

void ActivityWindow::buildTexts() {
    for (const ActivityText& spec : m_description.texts)
        applyText(add<Label>(spec.name), spec);
}

void ActivityWindow::buildButtons() {
    addLink(*this, m_links, QString::fromLatin1(glossary::activity::Links), int(ActivityLink::Exit),
            10560, 7920, 1245, 495, QStringLiteral("Exit"));
    addLink(*this, m_links, QString::fromLatin1(glossary::activity::Links),
            int(ActivityLink::StartAgain), 3360, 7920, 2565, 495, QStringLiteral("Start Again"));
    addLink(*this, m_links, QString::fromLatin1(glossary::activity::Links),
            int(ActivityLink::CheckScore), 6000, 7920, 2565, 495, QStringLiteral("Check Score"));
    link(ActivityLink::CheckScore).setVisible(false);
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(ActivityLink(i)); });
    m_links.connectEach(&Label::mouseMove, this,
                        [this](int i, const MouseArgs&) { onLinkHovered(ActivityLink(i)); });
}

// Pictures lie beneath everything; draggable labels pass over boxes, lines and the rest, and
// only texts marked for it lie above the labels.
void ActivityWindow::arrangeStacking() {
    for (const auto& [index, label] : m_draggableLabels)
        label->raise();
    for (const ActivityText& spec : m_description.texts)
        if (spec.aboveLabels) text(spec.name).raise();
    for (const auto& [index, image] : m_pictures)
        image->lower();
}

Label& ActivityWindow::text(const QString& name) const {
    auto* label = qobject_cast<Label*>(widget(name));
    if (!label) throw RuntimeError(RuntimeError::ObjectMissing, name);
    return *label;
}

void ActivityWindow::onLoad() {
    applyCommonFrame(*this, app());
    for (int i = 0; i < m_count; ++i)
        m_homeBoxes[i].setBounds(m_homeBoxes[i].Left(), m_homeBoxes[i].Top(),
                                 m_draggableLabels[i].Width(), m_draggableLabels[i].Height());
    loadPictures();
    for (int i = 0; i < m_count; ++i) {
        m_draggableLabels[i].setCaption(m_description.items[static_cast<size_t>(i)].text);
        m_targetBoxes[i].setOpaque(false);
        m_targetBoxes[i].setVisible(true);
        m_homeBoxes[i].setPosition(m_draggableLabels[i].Left(), m_draggableLabels[i].Top());
    }
    m_placement = ActivityPlacement(areas(m_targetBoxes, m_count), areas(m_homeBoxes, m_count));
    for (int i = 0; i < m_count; ++i) {
        m_draggableLabels[i].setVisible(true);
        m_homeBoxes[i].setVisible(true);
    }
    link(ActivityLink::CheckScore).setVisible(false);
    nameScreen();
}

// The activity shares its heading with its topic's screen; a screen reader tells the two apart
// by the instruction, read with the heading as the activity opens.
void ActivityWindow::nameScreen() {
    QString name = m_heading.caption();
    if (!m_description.texts.empty())
        if (auto* first = qobject_cast<Label*>(widget(m_description.texts.front().name)))
            name += QStringLiteral(". ") + first->caption();
    setAccessibleName(name);
}

void ActivityWindow::loadPictures() {
    // The pictures are shipped data; without one the activity still works on a bare window.
    for (const ActivityPicture& spec : m_description.pictures)
        loadPictureOrClear(m_pictures[spec.index], spec.file);
}

void ActivityWindow::onLabelDragged(int index, const MouseArgs& args) {
    if (args.button != 1) return;
    const Label& label = m_draggableLabels[index];
    const ActivityPlacement::Spot& spot = m_placement.spot(index);
    // The label's centre jumps to the pointer; nothing keeps it inside the window.
    moveLabel(index, spot.left + args.x - label.Width() / 2,
              spot.top + args.y - label.Height() / 2);
}

void ActivityWindow::moveLabel(int index, float left, float top) {
    m_placement.move(index, left, top);
    showPlace(index);
}

void ActivityWindow::onLabelDropped(int index, const MouseArgs&) {
    const int captures = m_placement.drop(index);
    showPlace(index);
    for (int c = 0; c < captures; ++c)
        playSound(ThudSound);
    if (m_placement.complete()) link(ActivityLink::CheckScore).setVisible(true);
}

void ActivityWindow::showPlace(int index) {
    const ActivityPlacement::Spot& spot = m_placement.spot(index);
    m_draggableLabels[index].setPosition(spot.left, spot.top);
}

ScoredOutcome ActivityWindow::outcome() const {
    ScoredOutcome out;
    out.heading = m_heading.caption();
    out.activity = out.heading + QStringLiteral(": ") + m_description.kind;
    out.score = m_placement.score();
    out.total = m_count;
    for (int i : m_placement.misplaced())
        out.wrong.append(m_draggableLabels[i].caption());
    return out;
}

void ActivityWindow::onLinkClicked(ActivityLink link) {
    switch (link) {
    case ActivityLink::Exit:
        unload();
        break;
    case ActivityLink::StartAgain:
        m_placement.startAgain();
        for (int i = 0; i < m_count; ++i)
            showPlace(i);
        this->link(ActivityLink::CheckScore).setVisible(false);
        break;
    case ActivityLink::CheckScore:
        app().windows.get<ResultsScreen>().showActivityOutcome(outcome());
        break;
    }
    playSound(ClickSound);
}

void ActivityWindow::onLinkHovered(ActivityLink link) {
    hoverOn(this->link(link));
}

void ActivityWindow::onPointerOverBackground(const MouseArgs&) {
    hoverReset(m_links, {{int(ActivityLink::Exit), int(ActivityLink::CheckScore)}});
}

} // namespace av
