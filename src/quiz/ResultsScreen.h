#pragma once

#include "shell/Screen.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

namespace av {

// The results screen every scored activity ends on. Its load reads the score once, from the
// program-wide score at that moment; a quiz then adjusts three widgets before showing it.
class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Welldone";
    static constexpr int NameLength = 25;

    explicit ResultsScreen(App& app);

    void onLoad() override;
    void label3_Click(int index);
    void label3_MouseMove(int index);
    // Prints the certificate and says so; a printer failure is reported here.
    void printCertificate();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void closeButtonPressed() override { label3_Click(1); }

    // The sounds one of which celebrates a score; empty when the score earns none.
    static QStringList celebrationSounds(int score);

    Label& Label4;
    PicturePanel& Picture1;
    Group<Label> label3;
    Label& Label1;
    Label& Label5;
    Label& Label6;
    TextBox& Text1;
    Label& Label2;
    Timer& Timer1;
    Timer& Timer2;
    Timer& Timer3;

  protected:
    void onPointerOverBackground(const MouseArgs& args) override;

  private:
    Timer& addTimer(const char* name, int interval);
    void showScoreMessage();
};

} // namespace av
