#include "platform/Picture.h"
#include "platform/QtPrinter.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;

TEST(QtPrinter, TextModelOnAPdfPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPrinter printer(path);
    const float w = printer.width();
    // A4 is 11906 twips wide; the printable part is a little less.
    EXPECT_GT(w, 10000);
    EXPECT_LE(w, 11906);
    EXPECT_GT(printer.height(), w);

    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(36);
    const float big = printer.textWidth(QStringLiteral("Ancient Velmora"));
    printer.setFontSize(28);
    const float small = printer.textWidth(QStringLiteral("Ancient Velmora"));
    EXPECT_NEAR(small / big, 28.0 / 36.0, 0.03);

    printer.setCurrentX((w - small) / 2);
    printer.print(QStringLiteral("Ancient Velmora"), false);
    EXPECT_FLOAT_EQ(printer.currentX(), (w - small) / 2 + small);
    printer.print(QStringLiteral(" "), true);
    EXPECT_FLOAT_EQ(printer.currentX(), 0);
    // One line of a 28 pt face is a little more than 28 points (560 twips) high.
    EXPECT_GT(printer.currentY(), 560);
    EXPECT_LT(printer.currentY(), 760);

    printer.setDrawWidth(2);
    printer.line(45, 270, w - 45, 270);
    QImage dot(10, 10, QImage::Format_RGB32);
    dot.fill(Qt::red);
    printer.paintPicture(RasterPicture(dot), 1000, 1000);
    printer.endDoc();

    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST(QtPrinter, WithoutADefaultPrinterEveryUseFails) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    QtPrinter printer;
    EXPECT_THROW(printer.width(), RuntimeError);
    EXPECT_THROW(printer.print(QStringLiteral("x"), true), RuntimeError);
    EXPECT_THROW(printer.endDoc(), RuntimeError);
}
