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
    // Only the screens that have the picture panel have it tinted.
    const QString panel = QString::fromLatin1(glossary::frame::TintedPanel);
    if (auto* picture = qobject_cast<PictureBox*>(window.widget(panel)))
        picture->setBackColor(style::TintedPanel);
    window.setOuterSize(12000, 9000);
    DisplayService& display = app.services.display;
    const QSizeF screen = display.screenSizeTwips();
    display.setHourglass(true);
    const float w = static_cast<float>(screen.width());
    const float h = static_cast<float>(screen.height());
    window.setTop(h / 2 - window.Height() / 2);
    window.setLeft(w / 2 - window.Width() / 2);
    display.setHourglass(false);
}

} // namespace av
