#pragma once

#include "ActivityDescription.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "shell/Screen.h"

namespace av {

inline const QString ThudSound = QStringLiteral("wav\\thud3.wav");

// A drag-and-drop activity: labels are dragged into boxes and then scored. Every activity
// runs these rules; what it shows comes from its description.
class ActivityWindow : public Screen {
    Q_OBJECT
  public:
    enum Command { Exit = 0, StartAgain = 1, CheckScore = 2 };

    ActivityWindow(App& app, const ActivityDescription& description);

    void onLoad() override;
    void closeButtonPressed() override { label3_Click(Exit); }

    void Label2_MouseMove(int index, const MouseArgs& args);
    void Label2_MouseUp(int index, const MouseArgs& args);
    void label3_Click(int index);
    void label3_MouseMove(int index);
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
    // A plain text label of the layout by its design name (Label5, Label7, Label8).
    Label& text(const QString& name) const;

    Group<Label> Label1; // target boxes
    Group<Label> Label2; // draggable labels
    Group<Label> Label4; // home boxes
    Group<Label> label3; // Exit, Start Again, Check Score
    Group<Image> Image1;
    Group<Line> Line1;
    Label& Label6; // heading
    void setHeading(const QString& heading) { Label6.setCaption(heading); }

  protected:
    void escapePressed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void setUpPickUp();
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
};

} // namespace av
