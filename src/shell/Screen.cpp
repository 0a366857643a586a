#include "Screen.h"

#include "Glossary.h"
#include "Style.h"

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

void applyCommonFrame(Window& window, App& app) {
    window.setBackColor(style::FrameBlue);
    window.setCaption(style::programTitle());
    // From here on each step that fails is passed over, so the window gets all it can.
    skipOnFailure([&] {
        const QString name = QString::fromLatin1(glossary::frame::TintedPanel);
        auto* picture = qobject_cast<PictureBox*>(window.widget(name));
        if (!picture) throw RuntimeError(RuntimeError::ObjectMissing, name);
        picture->setBackColor(style::TintedPanel);
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
