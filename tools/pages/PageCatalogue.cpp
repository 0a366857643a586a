#include "PageLayout.h"

namespace av::pages {
namespace {

const Theme PyramidFacts{QColor(196, 128, 36),  Qt::white,
                         QColor(255, 232, 180), QColor(150, 78, 10),
                         QColor(214, 150, 40),  QColor(255, 240, 200),
                         QColor(214, 150, 40),  QStringLiteral("Did you know?"),
                         Bullet::Triangle,      12};
const Theme PyramidNotes{QColor(110, 70, 30),   Qt::white,
                         QColor(240, 210, 160), QColor(110, 60, 20),
                         QColor(190, 120, 40),  QColor(248, 236, 214),
                         QColor(190, 120, 40),  QStringLiteral("Tip"),
                         Bullet::Square,        10};
const Theme WordFacts{QColor(24, 120, 130),  Qt::white,
                      QColor(190, 240, 240), QColor(10, 90, 100),
                      QColor(40, 150, 160),  QColor(220, 244, 240),
                      QColor(40, 150, 160),  QStringLiteral("Did you know?"),
                      Bullet::Disc,          12};
const Theme WordNotes{QColor(20, 70, 90),    Qt::white,
                      QColor(180, 220, 230), QColor(15, 70, 90),
                      QColor(40, 130, 150),  QColor(226, 240, 244),
                      QColor(40, 130, 150),  QStringLiteral("Tip"),
                      Bullet::Square,        10};
const Theme GuidePages{QColor(0, 60, 120),    Qt::white,
                       QColor(180, 210, 250), QColor(0, 60, 120),
                       QColor(40, 110, 190),  QColor(228, 238, 250),
                       QColor(40, 110, 190),  QStringLiteral("Tip"),
                       Bullet::Square,        10};
const Theme Thanks{QColor(49, 130, 212),  Qt::white,
                   QColor(210, 230, 255), QColor(20, 80, 160),
                   QColor(240, 180, 40),  QColor(236, 244, 255),
                   QColor(49, 130, 212),  QStringLiteral("Thank you"),
                   Bullet::Disc,          11};

} // namespace

const std::vector<PageSpec>& pageCatalogue() {
    static const std::vector<PageSpec> pages = [] {
        std::vector<PageSpec> list;
        const std::pair<const char*, const Theme*> sets[] = {{"key pyramids", &PyramidFacts},
                                                             {"pyramids", &PyramidNotes},
                                                             {"key words", &WordFacts},
                                                             {"words", &WordNotes}};
        for (const auto& [key, theme] : sets)
            for (const char letter : {'a', 'b', 'c'})
                list.push_back({QString::fromLatin1(key) + QLatin1Char(letter), theme});
        for (int n = 1; n <= 5; ++n)
            list.push_back({QStringLiteral("guide%1").arg(n), &GuidePages});
        list.push_back({QStringLiteral("acknowledgments"), &Thanks});
        return list;
    }();
    return pages;
}

} // namespace av::pages
