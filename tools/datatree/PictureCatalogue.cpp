#include "Numerals.h"
#include "Pictures.h"

namespace av::datatree {

const std::vector<PictureSpec>& pictureCatalogue() {
    static const std::vector<PictureSpec> pictures = [] {
        std::vector<PictureSpec> list = {
            {"sphinx2sm.jpg", 364, 244, paintTitleSphinx},
            {"sphinxsm.jpg", 320, 240, paintResultsSphinx},
            {"memnonsm.jpg", 320, 240, paintColossi},
            {"pyramids.jpg", 320, 240, paintPyramidsTopic},
            {"hieroglyphs.jpg", 320, 240, paintHieroglyphWall},
            {"pyramidssm.jpg", 57, 41, paintPyramidsIcon},
            {"hieroglyphs2sm.jpg", 57, 41, paintHieroglyphIcon},
            {"s8.jpg", 800, 574, paintBuildingScene},
            {"numerals.jpg", 400, 192, paintNumeralChart},
        };
        for (const NumeralSum& sum : numeralSums()) {
            const int a = sum.first;
            const int b = sum.second;
            list.push_back({sum.fileName, sum.width, sum.height,
                            [a, b](QPainter& p, const QSizeF& s) { paintNumeralSum(p, s, a, b); }});
        }
        return list;
    }();
    return pictures;
}

QImage renderPicture(const PictureSpec& spec) {
    QImage image(spec.width, spec.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    spec.paint(painter, QSizeF(spec.width, spec.height));
    painter.end();
    return image;
}

} // namespace av::datatree
