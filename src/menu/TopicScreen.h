#pragma once

#include "TopicRecord.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "shell/Screen.h"

namespace av {

namespace test {
class TopicScreenView;
}

// A topic screen's links; each value is the link's index in its group.
enum class TopicLink {
    MultipleChoice = 0,
    LabellingActivity = 1,
    Exit = 2,
    OrderingActivity = 3,
    KeyFacts = 4,
    TeachersNotes = 5,
};

// The home page of one topic: its title and picture, and links to its pages, quiz and
// activities. The record says which topic; "pyramids" and "words" are two of these.
class TopicScreen : public Screen {
    Q_OBJECT
  public:
    TopicScreen(App& app, TopicRecord topic);

    const TopicRecord& topic() const { return m_topic; }

    void onLoad() override;
    void onPointerOverBackground(const MouseArgs&) override;
    void onLinkHovered(TopicLink link);
    void onLinkClicked(TopicLink link);
    void closeButtonPressed() override { onLinkClicked(TopicLink::Exit); }

  protected:
    void cameForward() override;

  private:
    friend class test::TopicScreenView;

    Label& link(TopicLink l) const { return m_links[int(l)]; }
    bool openQuiz();
    void openActivity(const QString& window);
    void openPages(const QString& key);
    void exitToMenu();

    TopicRecord m_topic;
    Label& m_topicTitle;
    Image& m_picture;
    Group<Label> m_links;
};

} // namespace av
