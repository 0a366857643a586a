#include "ActivityDescriptions.h"

#include "shell/Glossary.h"
#include "shell/Style.h"

namespace av {
namespace {

ActivityText heading(const QString& title) {
    return {QString::fromLatin1(glossary::activity::Heading),
            {120, 120, 4425, 705},
            title,
            style::times(24),
            style::Yellow,
            Label::Align::Center};
}

ActivityText instruction(TwipRect place, const QString& text) {
    return {QString::fromLatin1(glossary::activity::OrderingInstruction),
            place,
            text,
            style::times(20.25),
            style::Green,
            Label::Align::Center};
}

// "First Step" beside the top box and "Final Step" beside the bottom one.
std::vector<ActivityText> markers(TwipPoint first, TwipPoint final, bool aboveLabels) {
    const FontSpec font = style::times(15.75);
    return {{QString::fromLatin1(glossary::activity::FirstStep),
             {first.left, first.top, 1305, 465},
             QStringLiteral("First Step"),
             font,
             style::Yellow,
             Label::Align::Right,
             aboveLabels},
            {QString::fromLatin1(glossary::activity::FinalStep),
             {final.left, final.top, 1425, 465},
             QStringLiteral("Final Step"),
             font,
             style::Yellow,
             Label::Align::Right,
             aboveLabels}};
}

std::vector<ActivityText> join(ActivityText first, std::vector<ActivityText> rest) {
    rest.insert(rest.begin(), std::move(first));
    return rest;
}

ActivityDescription makeWordsord() {
    ActivityDescription d;
    d.name = QString::fromLatin1(glossary::window::WordsOrdering);
    d.kind = QStringLiteral("Ordering Activity");
    d.itemWidth = 3315;
    d.itemHeight = 975;
    d.itemFont = style::tahomaBold(12);
    // Targets in a column at Left 7920, labels in one at Left 960.
    d.items = {
        {{7920, 4920},
         QStringLiteral("Press the layers together between heavy stones to make a single sheet"),
         {960, 2280}},
        {{7920, 2280}, QStringLiteral("Slice the papyrus reeds into strips"), {960, 3360}},
        {{7920, 960}, QStringLiteral("Soak the papyrus reeds in water"), {960, 6600}},
        {{7920, 3600}, QStringLiteral("Place the strips over each other in layers"), {960, 4440}},
        {{7920, 6240},
         QStringLiteral("Join the sheets together to make a long scroll of paper"),
         {960, 5520}},
    };
    d.heading = heading(QStringLiteral("Words and Numbers"));
    d.texts = join(instruction({240, 1080, 5280, 1185},
                               QStringLiteral("Put these activities in the correct order for "
                                              "making paper. ")),
                   markers({6480, 1200}, {6360, 6480}, true));
    return d;
}

ActivityDescription makePyramidsord() {
    ActivityDescription d;
    d.name = QString::fromLatin1(glossary::window::PyramidsOrdering);
    d.kind = QStringLiteral("Ordering Activity");
    d.itemWidth = 3555;
    d.itemHeight = 735;
    d.itemFont = style::tahomaBold(12);
    // Targets in a column at Left 7680, labels in one at Left 720.
    d.items = {
        {{7680, 3360},
         QStringLiteral("Mark out the position of the pyramid on the ground"),
         {720, 2400}},
        {{7680, 1200}, QStringLiteral("Choose a good site"), {720, 4080}},
        {{7680, 5520}, QStringLiteral("Move the stone to the site of the pyramid"), {720, 6600}},
        {{7680, 2280}, QStringLiteral("Level off the ground"), {720, 4920}},
        {{7680, 4440}, QStringLiteral("Cut the stone in the quarry"), {720, 5760}},
        {{7680, 6600}, QStringLiteral("Construct the pyramid, layer-by-layer"), {720, 3240}},
    };
    d.heading = heading(QStringLiteral("The Pyramids"));
    d.texts = join(instruction({120, 1080, 5400, 1185},
                               QStringLiteral("Put these activities in the correct order to "
                                              "build a pyramid. ")),
                   markers({6120, 1320}, {6000, 6600}, false));
    return d;
}

} // namespace

const ActivityDescription& wordsordDescription() {
    static const ActivityDescription d = makeWordsord();
    return d;
}

const ActivityDescription& pyramidsordDescription() {
    static const ActivityDescription d = makePyramidsord();
    return d;
}

} // namespace av
