#include "TestApp.h"
#include "views/PageViewerView.h"

#include "pages/PageViewer.h"
#include "pages/PageWindows.h"
#include "pages/TeachersGuide.h"

#include "platform/QtServices.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// Each print copy gets a size of its own, so the printed picture shows which copy it was.
class PagePrintTest : public ::testing::Test {
  protected:
    PagePrintTest() {
        registerPageWindows(t.app());
        t.pictures.setSize(QStringLiteral("wmf2\\pyramidsb.wmf"), {9000, 12000});
        t.pictures.setSize(QStringLiteral("wmf\\pyramidsb.wmf"), {11000, 7500});
        t.pictures.setSize(QStringLiteral("wmf2\\guide3.wmf"), {9600, 13500});
    }

    PageViewer& openTeachersNotes() {
        PageViewer& viewer = t.windows().get<PageViewer>();
        viewer.open({QStringLiteral("pyramids"), 3});
        return viewer;
    }
    TeachersGuide& openGuide() {
        TeachersGuide& guide = t.windows().get<TeachersGuide>();
        guide.open();
        return guide;
    }
    static Label& link(PageWindow& window, PageWindow::Link which) {
        return PageWindowView(window).link(which);
    }

    // One empty line at the top, then the picture at (1000, 1000) at its own size.
    void expectPrintCopy(const std::vector<PrintOp>& doc, float width, float height) {
        ASSERT_EQ(doc.size(), 2u);
        EXPECT_EQ(doc[0].kind, PrintOp::Kind::Text);
        EXPECT_EQ(doc[0].text, QString());
        EXPECT_TRUE(doc[0].lineEnd);
        EXPECT_FLOAT_EQ(doc[0].y, 0);
        EXPECT_EQ(doc[1].kind, PrintOp::Kind::Picture);
        EXPECT_FLOAT_EQ(doc[1].x, 1000);
        EXPECT_FLOAT_EQ(doc[1].y, 1000);
        EXPECT_FLOAT_EQ(doc[1].x2, 1000 + width);
        EXPECT_FLOAT_EQ(doc[1].y2, 1000 + height);
    }

    TestApp t;
    const QString printingProblem = QStringLiteral("There was a problem printing to your printer.");
};

TEST_F(PagePrintTest, ViewerPrintsThePrintCopyOfThePageOnShow) {
    PageViewer& viewer = openTeachersNotes();
    link(viewer, PageWindow::NextLink).click();
    link(viewer, PageWindow::PrintLink).click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    expectPrintCopy(t.printer.documents[0], 9000, 12000);
    EXPECT_TRUE(t.messages.shown.empty()) << "pages print without a message";
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(PageWindowView(viewer).pageNumber().caption(), QStringLiteral("Page 2 of 3"));
    EXPECT_EQ(viewer.page(), 2);

    link(viewer, PageWindow::PrintLink).click();
    ASSERT_EQ(t.printer.documents.size(), 2u);
    expectPrintCopy(t.printer.documents[1], 9000, 12000);
}

TEST_F(PagePrintTest, GuidePrintsThePrintCopyOfThePageOnShow) {
    TeachersGuide& guide = openGuide();
    link(guide, PageWindow::NextLink).click();
    link(guide, PageWindow::NextLink).click();
    link(guide, PageWindow::PrintLink).click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    expectPrintCopy(t.printer.documents[0], 9600, 13500);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST_F(PagePrintTest, PrinterFailureIsReportedAndTheWindowStaysUsable) {
    PageViewer& viewer = openTeachersNotes();
    t.printer.noPrinter = true;
    link(viewer, PageWindow::PrintLink).click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});

    t.printer.noPrinter = false;
    t.printer.failAtOp = 2; // the picture, after the empty line opened the page
    link(viewer, PageWindow::PrintLink).click();
    EXPECT_EQ(t.messages.shown.size(), 2u);
    EXPECT_TRUE(t.printer.documents.empty());
    EXPECT_EQ(t.printer.abandoned, 1);
    link(viewer, PageWindow::NextLink).click();
    EXPECT_EQ(PageWindowView(viewer).pageNumber().caption(), QStringLiteral("Page 2 of 3"));
}

TEST_F(PagePrintTest, MissingPrintCopyPrintsNothingAndSaysSo) {
    t.pictures.setMissing(QStringLiteral("wmf2\\guide2.wmf"));
    TeachersGuide& guide = openGuide();
    link(guide, PageWindow::NextLink).click();
    link(guide, PageWindow::PrintLink).click();
    EXPECT_TRUE(t.printer.documents.empty());
    EXPECT_TRUE(t.printer.current.empty());
    EXPECT_EQ(t.messages.texts(), QStringList{printingProblem});
}

// A placeable metafile whose second record claims no size at all.
QByteArray zeroSizeRecordFile() {
    QByteArray bytes;
    auto word = [&](int w) { bytes.append(char(w & 0xff)).append(char((w >> 8) & 0xff)); };
    for (int w : {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1440, 0, 0, 0})
        word(w);
    for (int w : {1, 9, 0x300, 30, 0, 0, 7, 0, 0})
        word(w);
    for (int w : {5, 0, 0x020B, 0, 0})
        word(w); // SETWINDOWORG 0, 0
    for (int w : {0, 0, 0x0418, 0, 0})
        word(w); // no size
    for (int w : {3, 0, 0})
        word(w); // the end
    return bytes;
}

TEST_F(PagePrintTest, DamagedPrintFilesAreReportedThroughTheRealPictureService) {
    PageViewer& viewer = openTeachersNotes();
    FilePictureService files(t.app().services.folder);
    QByteArray noise(4096, 0);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    t.writeFile(QStringLiteral("wmf2/noise.wmf"), noise);
    t.writeFile(QStringLiteral("wmf2/zero.wmf"), zeroSizeRecordFile());
    ASSERT_TRUE(QDir(t.folderPath()).mkpath(QStringLiteral("wmf2/folder.wmf")));
    const PicturePtr zero = files.load(QStringLiteral("wmf2\\zero.wmf"));
    ASSERT_TRUE(zero) << "its header reads; only the drawing is cut short";
    EXPECT_FALSE(zero->isWhole());
    for (const char* name : {"noise", "zero", "folder"}) {
        SCOPED_TRACE(name);
        t.messages.shown.clear();
        const QString path = QStringLiteral("wmf2\\%1.wmf").arg(QLatin1String(name));
        try {
            PageWindowView(viewer).printBox().setPicture(files.load(path));
        } catch (const RuntimeError&) {
            PageWindowView(viewer).printBox().setPicture(
                nullptr); // as the viewer's own page loading does
        }
        link(viewer, PageWindow::PrintLink).click();
        EXPECT_EQ(t.messages.texts(), QStringList{printingProblem});
        EXPECT_TRUE(t.printer.documents.empty());
        EXPECT_TRUE(t.printer.current.empty());
    }
}

} // namespace
