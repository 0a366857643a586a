#pragma once

#include "App.h"

#include "platform/Window.h"

namespace av {

class PictureBox;

// A window of this program: it knows the application it belongs to.
class Screen : public Window {
    Q_OBJECT
  public:
    Screen(App& app, const QString& name, Border border = Border::Fixed)
        : Window(name, border), m_app(app) {}

    App& app() const { return m_app; }
    AppState& state() const { return m_app.state; }
    void playSound(const QString& path) { m_app.playSound(path); }
    // Loads a picture file into an image or picture box; a failure is the caller's to trap.
    void loadPicture(PictureBox& box, const QString& path);
    // The same, but a missing or unreadable picture leaves the box empty.
    void loadPictureOrClear(PictureBox& box, const QString& path);
    // Whether the program may end with this screen open; a screen holding unsaved work asks.
    virtual bool mayEndProgram() { return true; }

  private:
    App& m_app;
};

// Gives a screen the common frame: colours, caption, size and a centred place.
void applyCommonFrame(Window& window, App& app);

} // namespace av
