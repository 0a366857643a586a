#include "Frame.h"

#include <QMouseEvent>

namespace av {

Frame::Frame(QWidget* parent) : Control<QFrame>(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setMouseTracking(true);
}

} // namespace av
