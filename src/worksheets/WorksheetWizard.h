#pragma once

#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

namespace av {

// The multiple-choice wizard: a teacher types ten questions with four choices each, ticks the
// correct one and saves the worksheet. The worksheet lives only in the widgets.
class WorksheetWizard : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* Name = "wizard";
    static constexpr int Questions = 10;
    static constexpr int Choices = 4;
    static constexpr int EnterKey = 13;

    explicit WorksheetWizard(App& app);

    void onLoad() override;
    void closeButtonPressed() override { label3_Click(0); }

    void label3_Click(int index);
    void label3_MouseMove(int index);
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int index, int keyAscii);
    void Text3_KeyPress(int index, int keyAscii);

    // Checks the worksheet is complete, then saves it; stops at the first gap with a message.
    void genwork();
    // Writes the question file and registers the title; any failure shows the problem message
    // and leaves every file as it was.
    void saveworksheet();
    // The wizard now holds the worksheet filed under title, which saving replaces unasked.
    void holdWorksheet(const QString& title) { m_heldTitle = title; }

    Group<Label> Label1;
    Group<Label> label3;
    Group<TextBox> Text2;
    Group<TextBox> Text3;
    Group<CheckBox> Check1;
    TextBox& Text1;

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void buildQuestion(int q);
    void buildTabOrder();
    void connectHandlers();
    QString missingPart(int n) const;
    QuestionSet worksheet() const;
    void say(const QString& text);
    bool mayReplace(const QString& title);
    void writeAndRegister(const QString& title);

    QString m_heldTitle;
};

} // namespace av
