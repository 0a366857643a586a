#pragma once

#include "shell/Screen.h"

#include "platform/Group.h"
#include "platform/Label.h"

namespace av {

// The questions of the last quiz answered wrongly, one row each. The quiz writes the rows;
// this screen only shows them.
class WrongAnswersScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Wrong";
    static constexpr int Rows = 10;

    explicit WrongAnswersScreen(App& app);

    void onLoad() override;
    void label3_Click(int index);
    void closeButtonPressed() override { label3_Click(1); }

    Label& Label6;
    Label& Label4;
    Group<Label> Label2;
    Label& Label5;
    Group<Label> label3;
};

} // namespace av
