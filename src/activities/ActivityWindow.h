#pragma once

#include "ActivityDescription.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "shell/Screen.h"

namespace av {

inline const QString ThudSound = QStringLiteral("wav\\thud3.wav");

// The commands under an activity; the values are the links' indices.
enum class ActivityLink { Exit = 0, StartAgain = 1, CheckScore = 2 };

// A drag-and-drop activity: labels are dragged into boxes and then scored. Every activity
// runs these rules; what it shows comes from its description.
class ActivityWindow : public Screen {
    Q_OBJECT
  public:
    ActivityWindow(App& app, const ActivityDescription& description);

    void onLoad() override;
    void closeButtonPressed() override { onLinkClicked(ActivityLink::Exit); }

    void onLabelDragged(int index, const MouseArgs& args);
    void onLabelDropped(int index, const MouseArgs& args);
    void onLinkClicked(ActivityLink link);
    void onLinkHovered(ActivityLink link);
    void onPointerOverBackground(const MouseArgs& args) override;

    // A label picked up without dragging, by Enter or Space or by a click that did not move,
    // and put down in a place: place j < N is target box j, place N the label's own starting
    // place. Putting down runs the drop step there as if the label had been dragged.
    void pickUp(int index);
    void putDown(int place);
    // Ends the pick-up and leaves the label where it was, silently.
    void cancelPickUp();
    // The label picked up, -1 when there is none.
    int heldLabel() const { return m_held; }

    const ActivityDescription& description() const { return m_description; }
    // The number of labels and boxes this window addresses, whatever the shared total says.
    int itemCount() const { return m_count; }
    // A plain text label of the layout by its object name (glossary::activity).
    Label& text(const QString& name) const;
    Label& text(const char* name) const { return text(QString::fromLatin1(name)); }

    Label& link(ActivityLink l) const { return links[static_cast<int>(l)]; }

    // Draggable label i belongs in target box i and starts on home box i.
    Group<Label> targetBoxes;
    Group<Label> draggableLabels;
    Group<Label> homeBoxes;
    Group<Label> links; // ActivityLink
    Group<Image> pictures;
    Group<Line> lines;
    Label& heading;
    void setHeading(const QString& text) {
        heading.setCaption(text);
        nameScreen();
    }

  protected:
    void escapePressed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void setUpPickUp();
    // Names the window for assistive technology: its heading and instruction.
    void nameScreen();
    void endPickUp();
    Label& place(int place) const;
    QString placeName(int index) const;
    void buildPictures();
    void buildItems();
    void buildTexts();
    void buildButtons();
    void arrangeStacking();
    void loadPictures();
    // Snaps the label to the box when its corner lies in the box's capture area.
    void snapIfCaptured(Label& label, const Label& box);
    int placedPairs() const;

    const ActivityDescription& m_description;
    const int m_count;
    int m_held = -1;
    // The target boxes' indexes as the keyboard visits them: top to bottom, left to right.
    QList<int> m_boxOrder;
};

} // namespace av
