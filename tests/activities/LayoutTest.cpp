#include "ActivityFixture.h"

#include "shell/Glossary.h"

#include <QFontMetrics>
#include <algorithm>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

using LayoutTest = ActivityTest;

const QStringList AllNames = {
    QString::fromLatin1(win::WordsLabelling), QString::fromLatin1(win::PyramidsLabelling),
    QString::fromLatin1(win::WordsOrdering), QString::fromLatin1(win::PyramidsOrdering)};

// The captions of the given labels, sorted by one coordinate.
QStringList readingOrder(const Group<Label>& group, bool byTop) {
    std::vector<Label*> labels;
    for (const auto& [index, label] : group)
        labels.push_back(label);
    std::sort(labels.begin(), labels.end(), [byTop](Label* a, Label* b) {
        return byTop ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    QStringList texts;
    for (Label* label : labels)
        texts << label->caption();
    return texts;
}

// Bottom to top: a widget's place among its siblings.
int stackPlace(const QWidget& w) {
    return w.parentWidget()->children().indexOf(&w);
}

TEST_F(LayoutTest, LoadHandsTheAnswersToTheLabelsAndEmptiesTheBoxes) {
    for (const QString& name : AllNames) {
        SCOPED_TRACE(name.toStdString());
        ActivityWindow& w = open(name);
        const int n = w.itemCount();
        EXPECT_EQ(w.outcome().total, n);
        EXPECT_EQ(w.placement().count(), n);
        EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
        for (int i = 0; i < n; ++i) {
            const Label& box = w.targetBoxes()[i];
            const Label& label = w.draggableLabels()[i];
            const Label& home = w.homeBoxes()[i];
            EXPECT_EQ(box.caption(), QString());
            EXPECT_FALSE(box.isOpaque());
            EXPECT_TRUE(box.isVisible() && box.hasBorder());
            EXPECT_EQ(label.caption(), w.description().items[size_t(i)].text);
            EXPECT_TRUE(label.isOpaque() && label.hasBorder() && label.isVisible());
            EXPECT_EQ(label.labelBackColor(), QColor(0, 0, 0));
            EXPECT_EQ(label.labelForeColor(), QColor(255, 255, 0));
            EXPECT_EQ(label.alignment(), Label::Align::Center);
            EXPECT_FLOAT_EQ(box.Width(), label.Width());
            EXPECT_FLOAT_EQ(box.Height(), label.Height());
            // The home box outlines the label's start place exactly.
            EXPECT_EQ(home.Left(), label.Left());
            EXPECT_EQ(home.Top(), label.Top());
            EXPECT_EQ(home.Width(), label.Width());
            EXPECT_EQ(home.Height(), label.Height());
            EXPECT_TRUE(home.isVisible() && !home.isOpaque() && home.caption().isEmpty());
        }
        EXPECT_FALSE(w.targetBoxes().contains(n));
        EXPECT_FALSE(w.link(ActivityLink::CheckScore).isVisible());
    }
}

TEST_F(LayoutTest, TheCommandsAreTheSameInEveryActivity) {
    for (const QString& name : AllNames) {
        SCOPED_TRACE(name.toStdString());
        ActivityWindow& w = open(name);
        const struct {
            int index;
            float left, width;
            const char* caption;
        } expected[] = {{0, 10560, 1245, "Exit"},
                        {1, 3360, 2565, "Start Again"},
                        {2, 6000, 2565, "Check Score"}};
        for (const auto& e : expected) {
            const Label& b = w.links()[e.index];
            EXPECT_EQ(b.caption(), QString::fromLatin1(e.caption));
            EXPECT_FLOAT_EQ(b.Left(), e.left);
            EXPECT_FLOAT_EQ(b.Top(), 7920);
            EXPECT_FLOAT_EQ(b.Width(), e.width);
            EXPECT_FLOAT_EQ(b.Height(), 495);
            EXPECT_EQ(b.fontSpec().name, QStringLiteral("Tahoma"));
            EXPECT_DOUBLE_EQ(b.fontSpec().size, 15.75);
            EXPECT_TRUE(b.fontSpec().bold);
        }
    }
}

TEST_F(LayoutTest, WordslabSumsAnswersAndSwappedPictures) {
    t.pictures.setSize(QStringLiteral("Images\\sum2.jpg"), QSizeF(3000, 2595));
    t.pictures.setSize(QStringLiteral("Images\\sum3.jpg"), QSizeF(3600, 1890));
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    EXPECT_EQ(readingOrder(w.draggableLabels(), false),
              (QStringList{QStringLiteral("101000"), QStringLiteral("112"), QStringLiteral("1023"),
                           QStringLiteral("26")}));
    for (const auto& [index, label] : w.draggableLabels())
        EXPECT_FLOAT_EQ(label->Top(), 7200);
    EXPECT_EQ(w.draggableLabels()[0].fontSpec().name, QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(w.draggableLabels()[0].fontSpec().size, 20.25);
    EXPECT_FLOAT_EQ(w.targetBoxes()[2].Left(), 9840);
    EXPECT_FLOAT_EQ(w.targetBoxes()[2].Top(), 3480);
    EXPECT_FLOAT_EQ(w.draggableLabels()[2].Width(), 1815);
    EXPECT_FLOAT_EQ(w.draggableLabels()[2].Height(), 615);
    // Each picture at its corner, taking its own size; index 2 holds sum3 and 3 holds sum2.
    EXPECT_EQ(t.pictures.loaded.size(), 5);
    EXPECT_FLOAT_EQ(w.pictures()[2].Left(), 6120);
    EXPECT_FLOAT_EQ(w.pictures()[2].Width(), 3600);
    EXPECT_FLOAT_EQ(w.pictures()[3].Left(), 120);
    EXPECT_FLOAT_EQ(w.pictures()[3].Top(), 4680);
    EXPECT_FLOAT_EQ(w.pictures()[3].Width(), 3000);
    EXPECT_FLOAT_EQ(w.pictures()[0].Left(), 5520);
    EXPECT_FLOAT_EQ(w.pictures()[0].Width(), 150) << "the fake's natural size, not the layout's";
    const Label& instruction = w.text(glossary::activity::LabellingInstruction);
    EXPECT_TRUE(instruction.caption().endsWith(QStringLiteral("into the boxes.")));
    EXPECT_EQ(instruction.alignment(), Label::Align::Right);
    EXPECT_EQ(instruction.labelForeColor(), QColor(255, 255, 0));
    EXPECT_DOUBLE_EQ(w.heading().fontSpec().size, 27.75);
}

TEST_F(LayoutTest, PyramidslabHasFourPointerLinesAndNoIndexTwo) {
    ActivityWindow& w = open(QString::fromLatin1(win::PyramidsLabelling));
    EXPECT_EQ(w.lines().size(), 4);
    EXPECT_FALSE(w.lines().contains(2));
    EXPECT_EQ(w.widget(QString::fromLatin1(glossary::activity::Lines), 2), nullptr);
    for (const auto& [index, line] : w.lines()) {
        EXPECT_EQ(line->lineColor(), QColor(255, 255, 0));
        EXPECT_EQ(line->pixelWidth(), 3);
        EXPECT_EQ(line->X1(), line->X2()) << "every line drops straight down";
    }
    EXPECT_FLOAT_EQ(w.lines()[4].X1(), 9600);
    EXPECT_FLOAT_EQ(w.lines()[4].Y1(), 840);
    EXPECT_FLOAT_EQ(w.lines()[4].Y2(), 3720);
    EXPECT_FLOAT_EQ(w.lines()[0].Y2(), 6840);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("Images\\s8.jpg")});
    EXPECT_EQ(w.draggableLabels()[0].caption().left(12), QStringLiteral("The builders"));
    EXPECT_EQ(readingOrder(w.draggableLabels(), false).first(), w.draggableLabels()[0].caption());
    const Label& instruction = w.text(glossary::activity::LabellingInstruction);
    EXPECT_EQ(instruction.labelForeColor(), QColor(128, 255, 255));
    EXPECT_EQ(instruction.fontSpec().name, QStringLiteral("Tahoma"));
    EXPECT_TRUE(instruction.fontSpec().bold);
}

TEST_F(LayoutTest, OrderingColumnsReadInTheirShuffledAndCorrectOrders) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsOrdering));
    QStringList steps;
    std::vector<int> byTop = {0, 1, 2, 3, 4};
    std::sort(byTop.begin(), byTop.end(),
              [&](int a, int b) { return w.targetBoxes()[a].Top() < w.targetBoxes()[b].Top(); });
    for (int i : byTop)
        steps << w.draggableLabels()[i].caption();
    EXPECT_EQ(steps.first(), QStringLiteral("Soak the papyrus reeds in water"));
    EXPECT_EQ(steps.last(),
              QStringLiteral("Join the sheets together to make a long scroll of paper"));
    // The start column holds steps 4, 2, 3, 5, 1 from top to bottom.
    const QStringList start = readingOrder(w.draggableLabels(), true);
    EXPECT_EQ(start, (QStringList{steps[3], steps[1], steps[2], steps[4], steps[0]}));

    ActivityWindow& p = open(QString::fromLatin1(win::PyramidsOrdering));
    std::vector<int> pyramidTop = {0, 1, 2, 3, 4, 5};
    std::sort(pyramidTop.begin(), pyramidTop.end(),
              [&](int a, int b) { return p.targetBoxes()[a].Top() < p.targetBoxes()[b].Top(); });
    QStringList pyramidSteps;
    for (int i : pyramidTop)
        pyramidSteps << p.draggableLabels()[i].caption();
    EXPECT_EQ(pyramidSteps.first(), QStringLiteral("Choose a good site"));
    EXPECT_EQ(readingOrder(p.draggableLabels(), true),
              (QStringList{pyramidSteps[2], pyramidSteps[5], pyramidSteps[0], pyramidSteps[1],
                           pyramidSteps[3], pyramidSteps[4]}));
    for (const auto& [index, box] : p.targetBoxes())
        EXPECT_FLOAT_EQ(box->Left(), 7680);
    for (const auto& [index, label] : p.draggableLabels())
        EXPECT_FLOAT_EQ(label->Left(), 720);
}

TEST_F(LayoutTest, OrderingTextsAndMarkers) {
    for (const auto& [name, ending] : {std::pair{win::WordsOrdering, "for making paper. "},
                                       std::pair{win::PyramidsOrdering, "build a pyramid. "}}) {
        ActivityWindow& w = open(QString::fromLatin1(name));
        const Label& instruction = w.text(glossary::activity::OrderingInstruction);
        EXPECT_TRUE(instruction.caption().endsWith(QString::fromLatin1(ending))) << name;
        EXPECT_EQ(instruction.labelForeColor(), QColor(0, 255, 0));
        EXPECT_EQ(instruction.alignment(), Label::Align::Center);
        EXPECT_EQ(w.text(glossary::activity::FirstStep).caption(), QStringLiteral("First Step"));
        EXPECT_EQ(w.text(glossary::activity::FinalStep).caption(), QStringLiteral("Final Step"));
        EXPECT_FLOAT_EQ(w.text(glossary::activity::FirstStep).Width(), 1305);
        EXPECT_FLOAT_EQ(w.text(glossary::activity::FinalStep).Width(), 1425);
        EXPECT_FLOAT_EQ(w.text(glossary::activity::FinalStep).Height(), 465);
        EXPECT_EQ(w.pictures().size(), 0);
        EXPECT_EQ(w.lines().size(), 0);
    }
    EXPECT_TRUE(t.pictures.loaded.isEmpty());
}

TEST_F(LayoutTest, LabelsPassOverBoxesLinesAndPicturesWhichLieBeneathEverything) {
    for (const QString& name : AllNames) {
        SCOPED_TRACE(name.toStdString());
        ActivityWindow& w = open(name);
        int lowestLabel = INT_MAX;
        for (const auto& [i, label] : w.draggableLabels())
            lowestLabel = std::min(lowestLabel, stackPlace(*label));
        for (const auto& [i, box] : w.targetBoxes())
            EXPECT_LT(stackPlace(*box), lowestLabel);
        for (const auto& [i, box] : w.homeBoxes())
            EXPECT_LT(stackPlace(*box), lowestLabel);
        for (const auto& [i, line] : w.lines())
            EXPECT_LT(stackPlace(*line), lowestLabel);
        for (const auto& [i, image] : w.pictures())
            EXPECT_LT(stackPlace(*image), stackPlace(w.targetBoxes()[0]));
        for (const auto& [i, image] : w.pictures())
            EXPECT_LT(stackPlace(*image), stackPlace(w.heading()));
    }
    // The step markers lie above the labels in wordsord only.
    ActivityWindow& words = open(QString::fromLatin1(win::WordsOrdering));
    ActivityWindow& pyramids = open(QString::fromLatin1(win::PyramidsOrdering));
    for (const char* marker : {glossary::activity::FirstStep, glossary::activity::FinalStep}) {
        for (const auto& [i, label] : words.draggableLabels())
            EXPECT_GT(stackPlace(words.text(marker)), stackPlace(*label));
        for (const auto& [i, label] : pyramids.draggableLabels())
            EXPECT_LT(stackPlace(pyramids.text(marker)), stackPlace(*label));
    }
}

TEST_F(LayoutTest, TheOpenerSetsTheHeadingAfterTheLoad) {
    // As the topic screen does: the window is touched, so it loads, and then given its heading.
    dynamic_cast<ActivityWindow&>(t.windows().touch(QString::fromLatin1(win::PyramidsOrdering)))
        .setHeading(QStringLiteral("The Pyramids"));
    ActivityWindow& w = open(QString::fromLatin1(win::PyramidsOrdering));
    EXPECT_EQ(w.heading().caption(), QStringLiteral("The Pyramids"));
    EXPECT_FALSE(w.heading().isOpaque());
    EXPECT_EQ(w.heading().labelForeColor(), QColor(255, 255, 0));
    EXPECT_EQ(w.heading().alignment(), Label::Align::Center);
    EXPECT_FLOAT_EQ(w.heading().Width(), 4425);
}

TEST_F(LayoutTest, MissingPicturesLeaveEmptyImagesAndAWorkingActivity) {
    for (const char* file : {"numerals", "sum1", "sum2", "sum3", "sum4"})
        t.pictures.setMissing(QStringLiteral("Images\\") + QLatin1String(file) +
                              QStringLiteral(".jpg"));
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    for (const auto& [index, image] : w.pictures())
        EXPECT_EQ(image->picture(), nullptr);
    EXPECT_FLOAT_EQ(w.pictures()[3].Width(), 3750);
    for (int i = 0; i < 4; ++i)
        dragInto(w, i, i);
    EXPECT_TRUE(w.link(ActivityLink::CheckScore).isVisible());
}

} // namespace

namespace {

// The lowest row of a label's own drawing that holds its text colour.
int lowestInk(Label& label) {
    const QImage drawn = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = drawn.devicePixelRatio();
    for (int y = drawn.height() - 1; y >= 0; --y)
        for (int x = 0; x < drawn.width(); ++x)
            if (QColor(drawn.pixel(x, y)) == label.labelForeColor()) return int(y / ratio);
    return -1;
}

// The instruction of the words labelling activity is more than its box holds at its own size
// in the faces the program draws with: it is drawn whole, a size smaller, not cut off.
TEST_F(LayoutTest, ACaptionTooLongForItsBoxIsDrawnWholeInASmallerSize) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    Label& instruction = w.text(glossary::activity::LabellingInstruction);
    const int flags = Qt::AlignTop | Qt::AlignRight | Qt::TextWordWrap;
    const QRect box = instruction.rect();
    const auto height = [&](const QFont& font) {
        return QFontMetrics(font, &instruction)
            .boundingRect(box, flags, instruction.caption())
            .height();
    };
    ASSERT_GT(height(instruction.font()), box.height()) << "the caption fits at its own size";
    const QFont drawn = instruction.drawnFont();
    EXPECT_LE(height(drawn), box.height());
    QFont larger = drawn;
    larger.setPixelSize(drawn.pixelSize() + 1);
    EXPECT_GT(height(larger), box.height()) << "not the largest size that fits";
    EXPECT_EQ(drawn.family(), instruction.font().family());
    const int ink = lowestInk(instruction);
    EXPECT_GT(ink, box.height() / 2) << "the caption is drawn";
    EXPECT_LT(ink, box.height() - 1) << "the last line runs into the box's edge";

    // A caption that fits keeps its own size.
    EXPECT_EQ(w.heading().drawnFont(), w.heading().font());
}

} // namespace
