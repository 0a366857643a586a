#include "DrawAhead.h"

#include "Screen.h"

#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/WindowManager.h"

#include <QTimer>

namespace av {

namespace {
// Reading the files waits until the window's frame is out.
constexpr int AfterTheFrame = WindowManager::AfterTheFrame;
} // namespace

void drawPagesAhead(Screen& window, const QStringList& screenCopies, OtherPages others) {
    QTimer::singleShot(AfterTheFrame, &window, [&window, screenCopies, others] {
        PictureService& pictures = window.app().services.pictures;
        std::vector<PicturePtr> pages;
        for (const QString& path : screenCopies) {
            try {
                const PicturePtr page = pictures.load(path);
                page->prepareOnScreen(page->sizeTwips() / TwipsPerPixel,
                                      window.devicePixelRatioF());
                pages.push_back(page);
            } catch (const RuntimeError&) {
                // Drawing ahead only saves time; such a page shows empty when it is opened.
            }
        }
        if (others == OtherPages::LetGo) pictures.keepDrawnOnly(pages);
    });
}

void decodePicturesAhead(Screen& window, const std::vector<PictureAhead>& pictures) {
    QTimer::singleShot(AfterTheFrame, &window, [&window, pictures] {
        for (const PictureAhead& p : pictures)
            window.app().services.pictures.decodeAhead(p.path, p.box, p.crop, &window);
    });
}

} // namespace av
