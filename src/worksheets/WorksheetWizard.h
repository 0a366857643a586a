#pragma once

#include "shell/Glossary.h"
#include "shell/Screen.h"

#include "platform/Buttons.h"
#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

#include "model/QuestionSet.h"

namespace av {

// The multiple-choice wizard: a teacher types ten questions with four choices each, ticks the
// correct one and saves the worksheet into the worksheet library. The worksheet it holds is
// given with edit() and read back with worksheet().
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
    // Files the worksheet in the library under its title, asking first before it replaces
    // another; any failure shows the problem message and leaves every file as it was.
    void saveWorksheet();
    // Fills the boxes and ticks with the set, filed under filedAs: saving replaces it unasked,
    // and leaving asks nothing until something is changed. Each question's correct field must
    // be one digit 1 to 4 (see correctChoice).
    void edit(const QuestionSet& set, const QString& filedAs);
    // The worksheet as the boxes and ticks hold it; the correct field holds the digit of each
    // ticked box, which after the checks of a save is exactly one.
    QuestionSet worksheet() const;
    // The number of the correct choice, 1 to 4, that the field names; 0 for anything else,
    // which would tick a box of another question.
    static int correctChoice(const QString& field);
    // Whether the boxes hold text or ticks that were not saved and leaving would throw away.
    bool hasUnsavedChanges() const;
    // Asks before unsaved changes are thrown away; whether they may be (OK, or none to lose).
    bool mayDiscardChanges();

    TextBox& titleBox() const { return m_titleBox; }
    TextBox& questionBox(int q) const { return m_questionBoxes[q]; }
    TextBox& choiceBox(int q, int c) const { return m_choiceBoxes[Choices * q + c]; }
    CheckBox& correctTick(int q, int c) const { return m_correctTicks[Choices * q + c]; }
    Label& link(WizardLink l) const { return m_links[static_cast<int>(l)]; }
    // 0 the heading, 1 the title's caption, 2.. the question captions, then the choice letters.
    const Group<Label>& captions() const { return m_captions; }
    const Group<TextBox>& questionBoxes() const { return m_questionBoxes; }
    const Group<TextBox>& choiceBoxes() const { return m_choiceBoxes; }    // Choices * q + c
    const Group<CheckBox>& correctTicks() const { return m_correctTicks; } // Choices * q + c

  protected:
    void onPointerOverBackground(const MouseArgs&) override;

  private:
    void buildQuestion(int q);
    void buildTabOrder();
    void connectHandlers();
    QString missingPart(int n) const;
    QString unstorableBox() const;
    void say(const QString& text);
    bool mayReplace(const QString& title);
    void holdWorksheet(const QString& title);

    Group<Label> m_captions;
    Group<Label> m_links;
    Group<TextBox> m_questionBoxes;
    Group<TextBox> m_choiceBoxes;   // Choices * q + c
    Group<CheckBox> m_correctTicks; // Choices * q + c
    TextBox& m_titleBox;
    QString m_heldTitle;
    QStringList m_savedLines; // the worksheet as last saved or filled in, as its file's lines
};

} // namespace av
