#include "DrawAhead.h"

#include "Screen.h"

#include "platform/RuntimeError.h"
#include "platform/Twips.h"

#include <QTimer>

namespace av {

void drawPagesAhead(Screen& window, const QStringList& screenCopies) {
    constexpr int AfterTheFrame = 50; // ms: reading the files waits until the frame is out
    QTimer::singleShot(AfterTheFrame, &window, [&window, screenCopies] {
        for (const QString& path : screenCopies) {
            try {
                const PicturePtr page = window.app().services.pictures.load(path);
                page->prepareOnScreen(page->sizeTwips() / TwipsPerPixel,
                                      window.devicePixelRatioF());
            } catch (const RuntimeError&) {
            }
        }
    });
}

} // namespace av
