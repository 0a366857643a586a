#pragma once

#include "ActivityDescription.h"

#include "model/ActivityPlacement.h"
#include "model/ScoredOutcome.h"
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
// runs these rules; what it shows comes from its description, and where the labels are comes
// from its placement, which the widgets only show.
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
    // The number of labels and boxes this window addresses.
    int itemCount() const { return m_count; }
    // A plain text label of the layout by its object name (glossary::activity).
    Label& text(const QString& name) const;
    Label& text(const char* name) const { return text(QString::fromLatin1(name)); }

    Label& link(ActivityLink l) const { return m_links[static_cast<int>(l)]; }

    // Draggable label i belongs in target box i and starts on home box i.
    const Group<Label>& targetBoxes() const { return m_targetBoxes; }
    const Group<Label>& draggableLabels() const { return m_draggableLabels; }
    const Group<Label>& homeBoxes() const { return m_homeBoxes; }
    const Group<Label>& links() const { return m_links; } // ActivityLink
    const Group<Image>& pictures() const { return m_pictures; }
    const Group<Line>& lines() const { return m_lines; }
    const Label& heading() const { return m_heading; }
    void setHeading(const QString& text) {
        m_heading.setCaption(text);
        nameScreen();
    }

    const ActivityPlacement& placement() const { return m_placement; }
    // Puts the label's corner at a place without letting go of it, as a drag does.
    void moveLabel(int index, float left, float top);
    // The score as the labels stand, as Check Score hands it to the results screen.
    ScoredOutcome outcome() const;

  protected:
    void escapePressed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    friend struct ActivityWindowTestView;

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
    // Moves the label's widget to where the placement has it.
    void showPlace(int index);

    Group<Label> m_targetBoxes;
    Group<Label> m_draggableLabels;
    Group<Label> m_homeBoxes;
    Group<Label> m_links;
    Group<Image> m_pictures;
    Group<Line> m_lines;
    Label& m_heading;
    const ActivityDescription& m_description;
    const int m_count;
    int m_held = -1;
    // The target boxes' indexes as the keyboard visits them: top to bottom, left to right.
    QList<int> m_boxOrder;
    ActivityPlacement m_placement;
};

} // namespace av
