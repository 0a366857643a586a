#pragma once

class QWidget;

namespace av::covered {

// A window wholly under another of the program's windows need not keep its off-screen copy:
// the display shows the one on top. Letting the copy go frees a whole window's pixels; the
// window draws itself anew, at full size, as soon as any part of it is exposed or updated.
void letGoOfCopy(QWidget& window);

// Whether the window holds an off-screen copy of its whole size.
bool holdsCopy(const QWidget& window);

} // namespace av::covered
