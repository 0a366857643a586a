#pragma once

#include "TopicRecord.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "shell/Screen.h"

namespace av {

// The home page of one topic: its title and picture, and links to its pages, quiz and
// activities. The record says which topic; "pyramids" and "words" are two of these.
class TopicScreen : public Screen {
    Q_OBJECT
  public:
    TopicScreen(App& app, TopicRecord topic);

    const TopicRecord& topic() const { return m_topic; }

    void onLoad() override;
    void onPointerOverBackground(const MouseArgs&) override;
    void label3_MouseMove(int index);
    void label3_Click(int index);
    void closeButtonPressed() override { label3_Click(2); }

    Label& Label1;
    Image& Image1;
    Group<Label> label3;

  private:
    bool multipleChoice();
    void openActivity(const QString& window);
    void openPages(const QString& key);
    void exitToMenu();

    TopicRecord m_topic;
};

} // namespace av
