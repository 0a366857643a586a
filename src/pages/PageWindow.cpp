#include "PageWindow.h"

#include "platform/NumberText.h"
#include "shell/DrawAhead.h"
#include "shell/LinkLabels.h"
#include "shell/Printing.h"

namespace av {

PageWindow::PageWindow(App& app, const QString& name, QPointF printCopyAt)
    : Screen(app, name), Image1(add<Image>(QStringLiteral("Image1"))),
      Image2(add<Image>(QStringLiteral("Image2"))), Label1(add<Label>(QStringLiteral("Label1"))) {
    Image1.setPosition(120, 0);
    Image1.setDescription(QStringLiteral("The page"));
    Image2.setPosition(float(printCopyAt.x()), float(printCopyAt.y()));
    Image2.hide();

    Label1.setBounds(4200, 7920, 2295, 495);
    Label1.setFontSpec({QStringLiteral("Tahoma"), 15.75, true});
    Label1.setLabelForeColor(LinkText);
    Label1.setAlignment(Label::Align::Center);
    Label1.setOpaque(false);

    const QString links = QStringLiteral("label3");
    addLink(*this, label3, links, PrintLink, 10680, 120, 1125, 495, QStringLiteral("Print"));
    addLink(*this, label3, links, ExitLink, 10680, 7920, 1125, 495, QStringLiteral("Exit"));
    addLink(*this, label3, links, NextLink, 6720, 7920, 2685, 495, QStringLiteral("Next Page"));
    addLink(*this, label3, links, PreviousLink, 1320, 7920, 2685, 495,
            QStringLiteral("Previous Page"));
    label3[PreviousLink].setEnabled(false);

    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    label3.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { label3_MouseMove(i); });
}

// Both page windows follow the hover convention of every other screen: the links lose their
// boxes over the window's background and regain them under the pointer.
void PageWindow::onPointerOverBackground(const MouseArgs&) {
    hoverReset(label3, {{0, 3}});
}

void PageWindow::label3_MouseMove(int index) {
    hoverOn(label3[index]);
}

void PageWindow::label3_Click(int index) {
    switch (index) {
    case PrintLink:
        printPage();
        break;
    case ExitLink:
        unload();
        break;
    case NextLink:
        state().currentPage += 1;
        pageTurned(NextLink);
        break;
    case PreviousLink:
        state().currentPage -= 1;
        pageTurned(PreviousLink);
        break;
    default:
        break;
    }
}

// A print copy that could not be read, or only in part, prints nothing rather than an empty or
// cut-off page, and the teacher is told.
void PageWindow::printPage() {
    const PicturePtr copy = Image2.picture();
    if (!copy || !copy->isWhole()) {
        showPrintingProblem(app());
        return;
    }
    printOrReport(app(), [&](PrinterService& p) { printPageCopy(p, *copy); });
}

void PageWindow::loadPage(const QString& screenCopy, const QString& printCopy) {
    loadPictureOrClear(Image1, screenCopy);
    loadPictureOrClear(Image2, printCopy);
    if (isVisible()) drawPagesAhead(*this, neighbourPages());
}

void PageWindow::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    drawPagesAhead(*this, neighbourPages());
}

QString pageCaption(int page, int total) {
    return QStringLiteral("Page") + str(page) + QStringLiteral(" of") + str(total);
}

} // namespace av
