#include "ActivityDescriptions.h"

#include "shell/Glossary.h"
#include "shell/Style.h"

namespace av {
namespace {

ActivityText heading(TwipRect place, const QString& title, double points) {
    return {QString::fromLatin1(glossary::activity::Heading),
            place,
            title,
            style::times(points),
            style::Yellow,
            Label::Align::Center};
}

ActivityDescription makeWordslab() {
    ActivityDescription d;
    d.name = QString::fromLatin1(glossary::window::WordsLabelling);
    d.kind = QStringLiteral("Labelling Activity");
    d.itemWidth = 1815;
    d.itemHeight = 615;
    d.itemFont = style::tahomaBold(20.25);
    d.items = {
        {{3840, 3480}, QStringLiteral("26"), {7920, 7200}},
        {{9840, 5640}, QStringLiteral("101000"), {2160, 7200}},
        {{9840, 3480}, QStringLiteral("1023"), {6000, 7200}},
        {{3840, 5640}, QStringLiteral("112"), {4080, 7200}},
    };
    // Each sum sits to the left of its answer box; sum2 and sum3 swap places on purpose.
    d.pictures = {
        {0, QStringLiteral("Images\\numerals.jpg"), {5520, 0, 6000, 2880}},
        {1, QStringLiteral("Images\\sum1.jpg"), {120, 2880, 3750, 1770}},
        {2, QStringLiteral("Images\\sum3.jpg"), {6120, 2880, 3750, 1890}},
        {3, QStringLiteral("Images\\sum2.jpg"), {120, 4680, 3750, 2595}},
        {4, QStringLiteral("Images\\sum4.jpg"), {6120, 4800, 3750, 2340}},
    };
    d.heading = heading({0, 120, 4905, 945}, QStringLiteral("Words and Numbers"), 27.75);
    d.texts = {{QString::fromLatin1(glossary::activity::LabellingInstruction),
                {120, 1080, 5025, 1425},
                QStringLiteral("The ancient Velmorans used the symbols on the right to represent "
                               "numbers. There are four ancient Velmoran sums below. Drag the "
                               "correct answers into the boxes."),
                style::times(15.75),
                style::Yellow,
                Label::Align::Right}};
    return d;
}

ActivityDescription makePyramidslab() {
    ActivityDescription d;
    d.name = QString::fromLatin1(glossary::window::PyramidsLabelling);
    d.kind = QStringLiteral("Labelling Activity");
    d.itemWidth = 2850;
    d.itemHeight = 735;
    d.itemFont = style::tahomaBold(9);
    d.items = {
        {{3960, 120},
         QStringLiteral("The builders built ramps of sand and dragged the blocks up with ropes."),
         {120, 7080}},
        {{8280, 120},
         QStringLiteral("Officials, who were probably priests, supervised the workmen."),
         {3060, 7080}},
        {{1200, 1800},
         QStringLiteral("Huge stone blocks were taken up the Nile by boat, then dragged on "
                        "wooden sleds."),
         {6000, 7080}},
        {{4680, 3480},
         QStringLiteral("Each stone was measured and shaped to fit into place."),
         {8940, 7080}},
    };
    d.pictures = {{0, QStringLiteral("Images\\s8.jpg"), {0, 0, 12000, 8610}}};
    // From each box's lower edge down to what its caption describes.
    d.lines = {
        {0, {2760, 2520}, {2760, 6840}},
        {1, {4560, 840}, {4560, 2400}},
        {3, {5880, 4200}, {5880, 5160}},
        {4, {9600, 840}, {9600, 3720}},
    };
    d.heading = heading({120, 120, 2985, 825}, QStringLiteral("The Pyramids"), 24);
    d.texts = {{QString::fromLatin1(glossary::activity::LabellingInstruction),
                {120, 7920, 3105, 705},
                QStringLiteral("Drag the labels into the correct boxes to label the picture."),
                style::tahomaBold(9.75),
                style::LightCyan,
                Label::Align::Right}};
    return d;
}

} // namespace

const ActivityDescription& wordslabDescription() {
    static const ActivityDescription d = makeWordslab();
    return d;
}

const ActivityDescription& pyramidslabDescription() {
    static const ActivityDescription d = makePyramidslab();
    return d;
}

std::vector<const ActivityDescription*> allActivities() {
    return {&wordslabDescription(), &pyramidslabDescription(), &wordsordDescription(),
            &pyramidsordDescription()};
}

} // namespace av
