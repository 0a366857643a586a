#pragma once

#include "platform/Fonts.h"
#include "platform/Label.h"

#include <QColor>
#include <QString>
#include <vector>

namespace av {

// Twips, held in single precision as the widgets hold them.
struct TwipPoint {
    float left = 0;
    float top = 0;
};

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// One answer: the target box, the text that belongs in it, and where its draggable label starts.
// Draggable label i belongs in target box i.
struct ActivityItem {
    TwipPoint box;
    QString text;
    TwipPoint start;
};

// A plain text label of the layout (heading, instruction, step marker).
struct ActivityText {
    QString name;
    TwipRect place;
    QString text;
    FontSpec font;
    QColor colour;
    Label::Align align = Label::Align::Left;
    // A label dragged past passes beneath this text instead of over it.
    bool aboveLabels = false;
};

struct ActivityPicture {
    int index = 0;
    QString file;
    TwipRect place; // the size the layout was drawn for; a loaded picture takes its own
};

struct ActivityLine {
    int index = 0;
    TwipPoint from;
    TwipPoint to;
};

// Everything one drag-and-drop activity window has of its own; the rules live in the engine.
struct ActivityDescription {
    QString name;
    QString kind; // "Labelling Activity" or "Ordering Activity", as the topic screen calls it
    float itemWidth = 0; // target boxes and draggable labels alike
    float itemHeight = 0;
    FontSpec itemFont;
    std::vector<ActivityItem> items; // N is their number
    std::vector<ActivityPicture> pictures;
    std::vector<ActivityLine> lines;
    ActivityText heading; // its text is normally set by the opener
    std::vector<ActivityText> texts;
};

} // namespace av
