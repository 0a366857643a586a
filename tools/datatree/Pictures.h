#pragma once

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <functional>
#include <vector>

namespace av::datatree {

struct PictureSpec {
    const char* fileName;
    int width;
    int height;
    std::function<void(QPainter&, const QSizeF&)> paint;
};

// Every picture the program loads, at the pixel size its screen lays it out for.
const std::vector<PictureSpec>& pictureCatalogue();

QImage renderPicture(const PictureSpec& spec);

// Each painter fills the whole of `size`.
void paintTitleSphinx(QPainter& p, const QSizeF& size);
void paintResultsSphinx(QPainter& p, const QSizeF& size);
void paintColossi(QPainter& p, const QSizeF& size);
void paintPyramidsTopic(QPainter& p, const QSizeF& size);
void paintPyramidsIcon(QPainter& p, const QSizeF& size);
void paintHieroglyphWall(QPainter& p, const QSizeF& size);
void paintHieroglyphIcon(QPainter& p, const QSizeF& size);
void paintBuildingScene(QPainter& p, const QSizeF& size);
void paintNumeralChart(QPainter& p, const QSizeF& size);
void paintNumeralSum(QPainter& p, const QSizeF& size, int first, int second);

} // namespace av::datatree
