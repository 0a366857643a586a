#include "Screen.h"

#include "Glossary.h"

#include "platform/PictureBox.h"
#include "platform/RuntimeError.h"

namespace av {

void Screen::loadPicture(PictureBox& box, const QString& path) {
    box.loadPicture(m_app.services.pictures, path);
}

void Screen::loadPictureOrClear(PictureBox& box, const QString& path) {
    try {
        loadPicture(box, path);
    } catch (const RuntimeError&) {
        box.setPicture(nullptr);
    }
}

namespace {
template <class Step> void skipOnFailure(Step step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}
} // namespace

void applyCommonFrame(Window& window, App& app) {
    window.setBackColor(QColor(0, 78, 152));
    window.setCaption(QStringLiteral("Ancient Velmora"));
    // From here on each step that fails is passed over, so the window gets all it can.
    skipOnFailure([&] {
        const QString name = QString::fromLatin1(glossary::frame::TintedPanel);
        auto* picture = qobject_cast<PictureBox*>(window.widget(name));
        if (!picture) throw RuntimeError(RuntimeError::ObjectMissing, name);
        picture->setBackColor(QColor(49, 135, 214));
    });
    skipOnFailure([&] { window.setOuterSize(12000, 9000); });
    DisplayService& display = app.services.display;
    QSizeF screen;
    skipOnFailure([&] { screen = display.screenSizeTwips(); });
    skipOnFailure([&] { display.setHourglass(true); });
    skipOnFailure([&] {
        const float w = static_cast<float>(screen.width());
        const float h = static_cast<float>(screen.height());
        window.setTop(h / 2 - window.Height() / 2);
        window.setLeft(w / 2 - window.Width() / 2);
    });
    skipOnFailure([&] { display.setHourglass(false); });
}

} // namespace av
