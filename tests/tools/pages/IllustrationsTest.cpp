// The drawings of the pages: their labels stay inside the boxes drawn for them, and the
// picture of the labelling activity shows what the activity has.
#include "Records.h"

#include "Canvas.h"
#include "Illustrations.h"
#include "Sheet.h"

#include <gtest/gtest.h>

namespace av::pages::test {
namespace {

// A label too wide or too tall for its box is a problem of the page, which fails the build.
TEST(Illustrations, ALabelThatRunsOutOfItsBoxIsAProblemOfThePage) {
    Sheet sheet(QSize(4000, 3000));
    Canvas canvas(sheet, QRectF(0, 0, 4000, 3000), QSizeF(1000, 750));
    canvas.labelIn(QRectF(100, 100, 400, 100), QStringLiteral("Fits"), 10, Qt::black);
    EXPECT_TRUE(sheet.problems.isEmpty()) << sheet.problems.join(u'\n').toStdString();
    canvas.labelIn(QRectF(100, 300, 150, 100), QStringLiteral("Mark out the base"), 10, Qt::black);
    canvas.labelIn(QRectF(100, 500, 400, 20), QStringLiteral("Flat"), 10, Qt::black);
    ASSERT_EQ(sheet.problems.size(), 2);
    EXPECT_TRUE(sheet.problems[0].contains(QLatin1String("Mark out the base")));
}

// The pyramids' labelling activity has four labels and four boxes; so has its picture on the
// teacher's notes, on the screen and on paper.
TEST(Illustrations, TheLabellingActivitysPictureHasABoxForEachOfItsFourLabels) {
    for (const Medium medium : {Medium::Screen, Medium::Print}) {
        Sheet sheet(QSize(6000, 4500));
        ASSERT_TRUE(drawIllustration(QStringLiteral("activity-labels"), sheet,
                                     QRect(0, 0, 6000, 4500), medium));
        EXPECT_TRUE(sheet.problems.isEmpty()) << sheet.problems.join(u'\n').toStdString();
        bool complete = false;
        int boxes = 0;
        for (const MetaRecord& r : readRecords(sheet.finish(), &complete))
            if (r.function == TextOut && r.body.mid(2, 1) == "?") ++boxes;
        EXPECT_TRUE(complete);
        EXPECT_EQ(boxes, 4);
    }
}

} // namespace
} // namespace av::pages::test
