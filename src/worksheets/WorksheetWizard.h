#pragma once

#include "shell/Glossary.h"
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
    static constexpr const char* Name = glossary::window::WorksheetWizard;
    static constexpr int Questions = 10;
    static constexpr int Choices = 4;
    static constexpr int EnterKey = 13;
    enum class WizardLink { Exit = 0, SaveWorksheet = 1 };

    explicit WorksheetWizard(App& app);

    void onLoad() override;
    void closeButtonPressed() override { onLinkClicked(WizardLink::Exit); }
    bool mayEndProgram() override { return mayDiscardChanges(); }

    void onLinkClicked(WizardLink link);
    void onLinkHovered(WizardLink link);
    // Enter in a box moves on to the next box to fill; other keys do nothing here.
    void onTitleKeyPress(int keyAscii);
    void onQuestionKeyPress(int q, int keyAscii);
    void onChoiceKeyPress(int index, int keyAscii);

    // Checks the worksheet is complete, then saves it; stops at the first gap with a message.
    void checkAndSave();
    // Writes the question file and registers the title; any failure shows the problem message
    // and leaves every file as it was.
    void saveWorksheet();
    // The wizard now holds, as filled in, the worksheet filed under title: saving replaces it
    // unasked, and leaving asks nothing until something is changed.
    void holdWorksheet(const QString& title);
    // Whether the boxes hold text or ticks that were not saved and leaving would throw away.
    bool hasUnsavedChanges() const;
    // Asks before unsaved changes are thrown away; whether they may be (OK, or none to lose).
    bool mayDiscardChanges();

    TextBox& questionBox(int q) const { return questionBoxes[q]; }
    TextBox& choiceBox(int q, int c) const { return choiceBoxes[Choices * q + c]; }
    CheckBox& correctTick(int q, int c) const { return correctTicks[Choices * q + c]; }
    Label& link(WizardLink l) const { return links[static_cast<int>(l)]; }

    // 0 the heading, 1 the title's caption, 2.. the question captions, then the choice letters.
    Group<Label> captions;
    Group<Label> links;
    Group<TextBox> questionBoxes;
    Group<TextBox> choiceBoxes;   // Choices * q + c
    Group<CheckBox> correctTicks; // Choices * q + c
    TextBox& titleBox;

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void buildQuestion(int q);
    void buildTabOrder();
    void connectHandlers();
    QString missingPart(int n) const;
    QString unstorableBox() const;
    QuestionSet worksheet() const;
    void say(const QString& text);
    bool mayReplace(const QString& title);
    void writeAndRegister(const QString& title);

    QString m_heldTitle;
    QStringList m_savedLines; // the worksheet as last saved or filled in, as its file's lines
};

} // namespace av
