#pragma once

#include "Glossary.h"
#include "Screen.h"

namespace av {

// The blue backdrop behind every screen, loaded for the whole run.
class Backdrop : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::Backdrop;

    explicit Backdrop(App& app);
    void onLoad() override;
    // The backdrop cannot be closed on its own; the program ends from the title screen.
    void closeButtonPressed() override {}
    // Whether the window system fills the backdrop rather than the program painting it.
    bool filledNatively() const { return m_filledNatively; }

  protected:
    // A click on the backdrop brings the screen in front forward again.
    void mousePressEvent(QMouseEvent* event) override;
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_filledNatively = false;
};

} // namespace av
