#pragma once

#include <span>
#include <string_view>

// The screens were first laid out in a form designer, whose names ("Label5", "label3(2)") are
// still the window ids and widget object names that the window manager, accessibility tools and
// stored behaviour look up. Those names are written here and nowhere else: the code speaks of
// each window and widget by its role, and this header says which designer name plays it.
//
// Designer procedures and handlers have role names too:
//   Form_Load           onLoad                      setframe        applyCommonFrame
//   Form_MouseMove      onPointerOverBackground     playsound       playSound
//   loadquest           readQuestionSet             Printpage       printWorksheet (quiz),
//                                                                   printCertificate (results),
//                                                                   printPage (page windows)
namespace av::glossary {

// One widget: its designer (object) name, its index in a designer control array or -1, and
// the name this program gives it.
struct Entry {
    const char* object;
    int index;
    const char* role;
};

// Window ids.
namespace window {
inline constexpr char Backdrop[] = "Grey";
inline constexpr char Title[] = "Titlefrm";
inline constexpr char MainMenu[] = "intro0";
inline constexpr char PyramidsTopic[] = "pyramids";
inline constexpr char WordsTopic[] = "words";
inline constexpr char Quiz[] = "multiple";
inline constexpr char Results[] = "Welldone";
inline constexpr char WrongAnswers[] = "Wrong";
inline constexpr char PyramidsLabelling[] = "pyramidslab";
inline constexpr char PyramidsOrdering[] = "pyramidsord";
inline constexpr char WordsLabelling[] = "wordslab";
inline constexpr char WordsOrdering[] = "wordsord";
inline constexpr char PageViewer[] = "teacher";
inline constexpr char TeachersGuide[] = "guide";
inline constexpr char WorksheetWizard[] = "wizard";
inline constexpr char WorksheetCatalogue[] = "worksheets";
} // namespace window

// The role each window id stands for, as the code names its class or instance.
struct WindowRole {
    const char* window;
    const char* role;
};

inline constexpr WindowRole WindowRoles[] = {
    {window::Backdrop, "Backdrop"},
    {window::Title, "TitleScreen"},
    {window::MainMenu, "MainMenu"},
    {window::PyramidsTopic, "PyramidsTopic"},
    {window::WordsTopic, "WordsTopic"},
    {window::Quiz, "QuizScreen"},
    {window::Results, "ResultsScreen"},
    {window::WrongAnswers, "WrongAnswersScreen"},
    {window::PyramidsLabelling, "PyramidsLabelling"},
    {window::PyramidsOrdering, "PyramidsOrdering"},
    {window::WordsLabelling, "WordsLabelling"},
    {window::WordsOrdering, "WordsOrdering"},
    {window::PageViewer, "PageViewer"},
    {window::TeachersGuide, "TeachersGuide"},
    {window::WorksheetWizard, "WorksheetWizard"},
    {window::WorksheetCatalogue, "WorksheetCatalogue"},
};

constexpr const char* roleOfWindow(std::string_view window) {
    for (const WindowRole& w : WindowRoles)
        if (window == w.window) return w.role;
    return "";
}

// ---- Title screen and backdrop --------------------------------------------------------------
namespace title {
inline constexpr char Frame[] = "Frame1";
inline constexpr char ProgramTitle[] = "Label4";
inline constexpr char Picture[] = "Picture1";
inline constexpr char Subtitle[] = "Label1";
inline constexpr char Authors[] = "Label5";
inline constexpr char Contents[] = "Label3";
inline constexpr char OkButton[] = "Command1";
inline constexpr char ExitButton[] = "Command2";
inline constexpr char Copyright[] = "Label2";

inline constexpr Entry Widgets[] = {
    {Frame, -1, "frame"},       {ProgramTitle, -1, "programTitle"}, {Picture, -1, "picture"},
    {Subtitle, -1, "subtitle"}, {Authors, -1, "authors"},           {Contents, -1, "contents"},
    {OkButton, -1, "okButton"}, {ExitButton, -1, "exitButton"},     {Copyright, -1, "copyright"},
};
} // namespace title

// The picture panel that the common frame tints on every screen that has one.
namespace frame {
inline constexpr char TintedPanel[] = "Picture1";
} // namespace frame

// ---- Main menu and topic screens ------------------------------------------------------------
namespace menu {
inline constexpr char Heading[] = "Label1";
// A control array indexed by MenuEntry.
inline constexpr char Entries[] = "Label2";
inline constexpr char PictureFrame[] = "Frame1";
inline constexpr char Picture[] = "Image1";
inline constexpr char SoundOnOption[] = "Option1";
inline constexpr char SoundOffOption[] = "Option2";
inline constexpr char Copyright[] = "Label3";
inline constexpr char RegisterTimer[] = "Timer1";

inline constexpr Entry Widgets[] = {
    {Heading, -1, "heading"},
    {Entries, 0, "entry(Landscape)"},
    {Entries, 1, "entry(Farming)"},
    {Entries, 2, "entry(Society)"},
    {Entries, 3, "entry(DailyLife)"},
    {Entries, 4, "entry(LifeAfterDeath)"},
    {Entries, 5, "entry(Pyramids)"},
    {Entries, 6, "entry(WordsAndNumbers)"},
    {Entries, 7, "entry(IdeasAndInventions)"},
    {Entries, 8, "entry(ArmiesAndWarfare)"},
    {Entries, 9, "entry(HealthAndMedicine)"},
    {Entries, 10, "entry(TemplesAndReligion)"},
    {Entries, 11, "entry(QueenAshenra)"},
    {Entries, 12, "entry(Food)"},
    {Entries, 15, "entry(History)"},
    {Entries, 16, "entry(Exit)"},
    {Entries, 17, "entry(QuizWizard)"},
    {Entries, 18, "entry(WorksheetCatalogue)"},
    {Entries, 19, "entry(Acknowledgments)"},
    {Entries, 20, "entry(TeachersGuide)"},
    {PictureFrame, -1, "pictureFrame"},
    {Picture, -1, "picture"},
    {SoundOnOption, -1, "soundOnOption"},
    {SoundOffOption, -1, "soundOffOption"},
    {Copyright, -1, "copyright"},
    {RegisterTimer, -1, "registerTimer"},
};
} // namespace menu

namespace topic {
inline constexpr char TopicTitle[] = "Label1";
inline constexpr char Picture[] = "Image1";
// A control array indexed by TopicLink.
inline constexpr char Links[] = "label3";

inline constexpr Entry Widgets[] = {
    {TopicTitle, -1, "topicTitle"},     {Picture, -1, "picture"},
    {Links, 0, "link(MultipleChoice)"}, {Links, 1, "link(LabellingActivity)"},
    {Links, 2, "link(Exit)"},           {Links, 3, "link(OrderingActivity)"},
    {Links, 4, "link(KeyFacts)"},       {Links, 5, "link(TeachersNotes)"},
};
} // namespace topic

// ---- Quiz, results and wrong answers --------------------------------------------------------
// Handlers: label3_Click onLinkClicked(QuizLink / ResultsLink / WrongAnswersLink),
// label3_MouseMove onLinkHovered, Option1_Click onChoiceClicked, showquest showQuestion,
// Timer1_Timer onPictureTimer, Timer2_Timer onFocusTimer, Timer3_Timer onCelebrationTimer.
// The question set's six arrays (slot 0 unused) are QuestionSet::question(n); the marks, score
// and current question are QuizSession's, and so is the hidden fifth option's "no answer yet".
namespace quiz {
inline constexpr char ScreenTitle[] = "Label1";
inline constexpr char TopicHeading[] = "Label5";
inline constexpr char QuizTitle[] = "Label6";
inline constexpr char TopicPicture[] = "Picture1";
inline constexpr char QuestionNumber[] = "Label4";
inline constexpr char QuestionText[] = "Label2";
inline constexpr char ChoiceBoxes[] = "Option1"; // 1-4 the choices
inline constexpr char Links[] = "label3";        // indices as in QuizLink
inline constexpr Entry Widgets[] = {
    {ScreenTitle, -1, "screenTitle"},
    {TopicHeading, -1, "topicHeading"},
    {QuizTitle, -1, "quizTitle"},
    {TopicPicture, -1, "topicPicture"},
    {QuestionNumber, -1, "questionNumber"},
    {QuestionText, -1, "questionText"},
    {ChoiceBoxes, 1, "choiceBox(1)"},
    {ChoiceBoxes, 2, "choiceBox(2)"},
    {ChoiceBoxes, 3, "choiceBox(3)"},
    {ChoiceBoxes, 4, "choiceBox(4)"},
    {Links, 0, "link(PreviousQuestion)"},
    {Links, 1, "link(NextQuestion)"},
    {Links, 2, "link(Exit)"},
    {Links, 3, "link(PrintWorksheet)"},
};
} // namespace quiz

namespace results {
inline constexpr char Heading[] = "Label4";
inline constexpr char SphinxPicture[] = "Picture1";
inline constexpr char ScoreMessage[] = "Label1";
inline constexpr char WrongAnswersHint[] = "Label5";
inline constexpr char TryAgainHint[] = "Label6";
inline constexpr char PupilName[] = "Text1";
inline constexpr char NameHint[] = "Label2";
inline constexpr char NameCaption[] = "pupilNameCaption"; // added later: its role is its name
inline constexpr char Links[] = "label3";                 // indices as in ResultsLink
inline constexpr char PictureTimer[] = "Timer1";
inline constexpr char FocusTimer[] = "Timer2";
inline constexpr char CelebrationTimer[] = "Timer3";
inline constexpr Entry Widgets[] = {
    {Heading, -1, "heading"},           {SphinxPicture, -1, "sphinxPicture"},
    {ScoreMessage, -1, "scoreMessage"}, {WrongAnswersHint, -1, "wrongAnswersHint"},
    {TryAgainHint, -1, "tryAgainHint"}, {PupilName, -1, "pupilName"},
    {NameHint, -1, "nameHint"},         {Links, 0, "link(NextStep)"},
    {Links, 1, "link(Exit)"},           {PictureTimer, -1, "pictureTimer"},
    {FocusTimer, -1, "focusTimer"},     {CelebrationTimer, -1, "celebrationTimer"},
    {NameCaption, -1, "nameCaption"},
};
} // namespace results

namespace wrongAnswers {
inline constexpr char QuizTitle[] = "Label6";
inline constexpr char Introduction[] = "Label4";
inline constexpr char Rows[] = "Label2"; // 0-9
inline constexpr char ReadKeyFactsHint[] = "Label5";
inline constexpr char Links[] = "label3"; // indices as in WrongAnswersLink
inline constexpr Entry Widgets[] = {
    {QuizTitle, -1, "quizTitle"},
    {Introduction, -1, "introduction"},
    {Rows, 0, "row(0)"},
    {Rows, 1, "row(1)"},
    {Rows, 2, "row(2)"},
    {Rows, 3, "row(3)"},
    {Rows, 4, "row(4)"},
    {Rows, 5, "row(5)"},
    {Rows, 6, "row(6)"},
    {Rows, 7, "row(7)"},
    {Rows, 8, "row(8)"},
    {Rows, 9, "row(9)"},
    {ReadKeyFactsHint, -1, "readKeyFactsHint"},
    {Links, 1, "link(Exit)"},
};
} // namespace wrongAnswers

// ---- Labelling and ordering activities ------------------------------------------------------
namespace activity {
// Item i (0 to N - 1) has target box i, draggable label i and home box i.
inline constexpr char TargetBoxes[] = "Label1";
inline constexpr char DraggableLabels[] = "Label2";
inline constexpr char HomeBoxes[] = "Label4";
inline constexpr char Links[] = "label3"; // ActivityLink
inline constexpr char Heading[] = "Label6";
inline constexpr char Pictures[] = "Image1";
inline constexpr char Lines[] = "Line1";
// Texts of the layout: each activity holds those of its kind.
inline constexpr char LabellingInstruction[] = "Label7";
inline constexpr char OrderingInstruction[] = "Label8";
inline constexpr char FirstStep[] = "Label5";
inline constexpr char FinalStep[] = "Label7";
// Every activity has these: the heading, the three links and items 0 to 3.
inline constexpr Entry Widgets[] = {
    {Heading, -1, "heading"},
    {Links, 0, "link(ActivityLink::Exit)"},
    {Links, 1, "link(ActivityLink::StartAgain)"},
    {Links, 2, "link(ActivityLink::CheckScore)"},
    {TargetBoxes, 0, "targetBoxes[0]"},
    {DraggableLabels, 0, "draggableLabels[0]"},
    {HomeBoxes, 0, "homeBoxes[0]"},
    {TargetBoxes, 1, "targetBoxes[1]"},
    {DraggableLabels, 1, "draggableLabels[1]"},
    {HomeBoxes, 1, "homeBoxes[1]"},
    {TargetBoxes, 2, "targetBoxes[2]"},
    {DraggableLabels, 2, "draggableLabels[2]"},
    {HomeBoxes, 2, "homeBoxes[2]"},
    {TargetBoxes, 3, "targetBoxes[3]"},
    {DraggableLabels, 3, "draggableLabels[3]"},
    {HomeBoxes, 3, "homeBoxes[3]"},
};
// What each activity window has besides: its pictures, lines, texts and further items.
inline constexpr Entry WordsLabellingWidgets[] = {
    {LabellingInstruction, -1, "labellingInstruction"},
    {Pictures, 0, "pictures[0]"},
    {Pictures, 1, "pictures[1]"},
    {Pictures, 2, "pictures[2]"},
    {Pictures, 3, "pictures[3]"},
    {Pictures, 4, "pictures[4]"},
};
inline constexpr Entry PyramidsLabellingWidgets[] = {
    {LabellingInstruction, -1, "labellingInstruction"},
    {Pictures, 0, "pictures[0]"},
    // The layout has no line 2.
    {Lines, 0, "lines[0]"},
    {Lines, 1, "lines[1]"},
    {Lines, 3, "lines[3]"},
    {Lines, 4, "lines[4]"},
};
inline constexpr Entry WordsOrderingWidgets[] = {
    {OrderingInstruction, -1, "orderingInstruction"},
    {FirstStep, -1, "firstStep"},
    {FinalStep, -1, "finalStep"},
    {TargetBoxes, 4, "targetBoxes[4]"},
    {DraggableLabels, 4, "draggableLabels[4]"},
    {HomeBoxes, 4, "homeBoxes[4]"},
};
inline constexpr Entry PyramidsOrderingWidgets[] = {
    {OrderingInstruction, -1, "orderingInstruction"},
    {FirstStep, -1, "firstStep"},
    {FinalStep, -1, "finalStep"},
    {TargetBoxes, 4, "targetBoxes[4]"},
    {DraggableLabels, 4, "draggableLabels[4]"},
    {HomeBoxes, 4, "homeBoxes[4]"},
    {TargetBoxes, 5, "targetBoxes[5]"},
    {DraggableLabels, 5, "draggableLabels[5]"},
    {HomeBoxes, 5, "homeBoxes[5]"},
};
} // namespace activity

// ---- Page viewer and teachers' guide --------------------------------------------------------
namespace pages {
inline constexpr char PageBox[] = "Image1";
inline constexpr char PrintBox[] = "Image2";
inline constexpr char PageNumber[] = "Label1";
// A control array indexed by PageWindow::Link.
inline constexpr char Links[] = "label3";
// The page viewer's own: the acknowledgments' logos and the timer that turns one.
inline constexpr char TurningLogo[] = "Picture1";
inline constexpr char PublisherLogo[] = "Picture2";
inline constexpr char LogoTimer[] = "Timer1";
// Designer handlers: label3_Click -> onLinkClicked, label3_MouseMove -> onLinkHovered,
// Timer1_Timer -> onLogoTimer, showpage -> showPage.

inline constexpr Entry Widgets[] = {
    {PageBox, -1, "pageBox"},   {PrintBox, -1, "printBox"}, {PageNumber, -1, "pageNumber"},
    {Links, 0, "PrintLink"},    {Links, 1, "ExitLink"},     {Links, 2, "NextLink"},
    {Links, 3, "PreviousLink"},
};
inline constexpr Entry ViewerWidgets[] = {
    {TurningLogo, -1, "turningLogo"},
    {PublisherLogo, -1, "publisherLogo"},
    {LogoTimer, -1, "logoTimer"},
};
} // namespace pages

// ---- Worksheet wizard and catalogue ---------------------------------------------------------
namespace wizard {
// Captions: 0 the heading, 1 the title's, 2 + q question q's, 12 + 4q + c choice c's letter.
inline constexpr char Captions[] = "Label1";
inline constexpr char TitleBox[] = "Text1";
inline constexpr char QuestionBoxes[] = "Text2";
inline constexpr char ChoiceBoxes[] = "Text3";   // 4q + c
inline constexpr char CorrectTicks[] = "Check1"; // 4q + c
inline constexpr char Links[] = "label3";        // WizardLink
inline constexpr Entry Widgets[] = {
    {TitleBox, -1, "titleBox"},
    {Captions, 0, "heading"},
    {Captions, 1, "titleCaption"},
    {Captions, 2, "questionCaption(0)"},
    {Captions, 3, "questionCaption(1)"},
    {Captions, 4, "questionCaption(2)"},
    {Captions, 5, "questionCaption(3)"},
    {Captions, 6, "questionCaption(4)"},
    {Captions, 7, "questionCaption(5)"},
    {Captions, 8, "questionCaption(6)"},
    {Captions, 9, "questionCaption(7)"},
    {Captions, 10, "questionCaption(8)"},
    {Captions, 11, "questionCaption(9)"},
    {Captions, 12, "choiceLetter(0, 0)"},
    {Captions, 13, "choiceLetter(0, 1)"},
    {Captions, 14, "choiceLetter(0, 2)"},
    {Captions, 15, "choiceLetter(0, 3)"},
    {Captions, 16, "choiceLetter(1, 0)"},
    {Captions, 17, "choiceLetter(1, 1)"},
    {Captions, 18, "choiceLetter(1, 2)"},
    {Captions, 19, "choiceLetter(1, 3)"},
    {Captions, 20, "choiceLetter(2, 0)"},
    {Captions, 21, "choiceLetter(2, 1)"},
    {Captions, 22, "choiceLetter(2, 2)"},
    {Captions, 23, "choiceLetter(2, 3)"},
    {Captions, 24, "choiceLetter(3, 0)"},
    {Captions, 25, "choiceLetter(3, 1)"},
    {Captions, 26, "choiceLetter(3, 2)"},
    {Captions, 27, "choiceLetter(3, 3)"},
    {Captions, 28, "choiceLetter(4, 0)"},
    {Captions, 29, "choiceLetter(4, 1)"},
    {Captions, 30, "choiceLetter(4, 2)"},
    {Captions, 31, "choiceLetter(4, 3)"},
    {Captions, 32, "choiceLetter(5, 0)"},
    {Captions, 33, "choiceLetter(5, 1)"},
    {Captions, 34, "choiceLetter(5, 2)"},
    {Captions, 35, "choiceLetter(5, 3)"},
    {Captions, 36, "choiceLetter(6, 0)"},
    {Captions, 37, "choiceLetter(6, 1)"},
    {Captions, 38, "choiceLetter(6, 2)"},
    {Captions, 39, "choiceLetter(6, 3)"},
    {Captions, 40, "choiceLetter(7, 0)"},
    {Captions, 41, "choiceLetter(7, 1)"},
    {Captions, 42, "choiceLetter(7, 2)"},
    {Captions, 43, "choiceLetter(7, 3)"},
    {Captions, 44, "choiceLetter(8, 0)"},
    {Captions, 45, "choiceLetter(8, 1)"},
    {Captions, 46, "choiceLetter(8, 2)"},
    {Captions, 47, "choiceLetter(8, 3)"},
    {Captions, 48, "choiceLetter(9, 0)"},
    {Captions, 49, "choiceLetter(9, 1)"},
    {Captions, 50, "choiceLetter(9, 2)"},
    {Captions, 51, "choiceLetter(9, 3)"},
    {QuestionBoxes, 0, "questionBox(0)"},
    {QuestionBoxes, 1, "questionBox(1)"},
    {QuestionBoxes, 2, "questionBox(2)"},
    {QuestionBoxes, 3, "questionBox(3)"},
    {QuestionBoxes, 4, "questionBox(4)"},
    {QuestionBoxes, 5, "questionBox(5)"},
    {QuestionBoxes, 6, "questionBox(6)"},
    {QuestionBoxes, 7, "questionBox(7)"},
    {QuestionBoxes, 8, "questionBox(8)"},
    {QuestionBoxes, 9, "questionBox(9)"},
    {ChoiceBoxes, 0, "choiceBox(0, 0)"},
    {ChoiceBoxes, 1, "choiceBox(0, 1)"},
    {ChoiceBoxes, 2, "choiceBox(0, 2)"},
    {ChoiceBoxes, 3, "choiceBox(0, 3)"},
    {ChoiceBoxes, 4, "choiceBox(1, 0)"},
    {ChoiceBoxes, 5, "choiceBox(1, 1)"},
    {ChoiceBoxes, 6, "choiceBox(1, 2)"},
    {ChoiceBoxes, 7, "choiceBox(1, 3)"},
    {ChoiceBoxes, 8, "choiceBox(2, 0)"},
    {ChoiceBoxes, 9, "choiceBox(2, 1)"},
    {ChoiceBoxes, 10, "choiceBox(2, 2)"},
    {ChoiceBoxes, 11, "choiceBox(2, 3)"},
    {ChoiceBoxes, 12, "choiceBox(3, 0)"},
    {ChoiceBoxes, 13, "choiceBox(3, 1)"},
    {ChoiceBoxes, 14, "choiceBox(3, 2)"},
    {ChoiceBoxes, 15, "choiceBox(3, 3)"},
    {ChoiceBoxes, 16, "choiceBox(4, 0)"},
    {ChoiceBoxes, 17, "choiceBox(4, 1)"},
    {ChoiceBoxes, 18, "choiceBox(4, 2)"},
    {ChoiceBoxes, 19, "choiceBox(4, 3)"},
    {ChoiceBoxes, 20, "choiceBox(5, 0)"},
    {ChoiceBoxes, 21, "choiceBox(5, 1)"},
    {ChoiceBoxes, 22, "choiceBox(5, 2)"},
    {ChoiceBoxes, 23, "choiceBox(5, 3)"},
    {ChoiceBoxes, 24, "choiceBox(6, 0)"},
    {ChoiceBoxes, 25, "choiceBox(6, 1)"},
    {ChoiceBoxes, 26, "choiceBox(6, 2)"},
    {ChoiceBoxes, 27, "choiceBox(6, 3)"},
    {ChoiceBoxes, 28, "choiceBox(7, 0)"},
    {ChoiceBoxes, 29, "choiceBox(7, 1)"},
    {ChoiceBoxes, 30, "choiceBox(7, 2)"},
    {ChoiceBoxes, 31, "choiceBox(7, 3)"},
    {ChoiceBoxes, 32, "choiceBox(8, 0)"},
    {ChoiceBoxes, 33, "choiceBox(8, 1)"},
    {ChoiceBoxes, 34, "choiceBox(8, 2)"},
    {ChoiceBoxes, 35, "choiceBox(8, 3)"},
    {ChoiceBoxes, 36, "choiceBox(9, 0)"},
    {ChoiceBoxes, 37, "choiceBox(9, 1)"},
    {ChoiceBoxes, 38, "choiceBox(9, 2)"},
    {ChoiceBoxes, 39, "choiceBox(9, 3)"},
    {CorrectTicks, 0, "correctTick(0, 0)"},
    {CorrectTicks, 1, "correctTick(0, 1)"},
    {CorrectTicks, 2, "correctTick(0, 2)"},
    {CorrectTicks, 3, "correctTick(0, 3)"},
    {CorrectTicks, 4, "correctTick(1, 0)"},
    {CorrectTicks, 5, "correctTick(1, 1)"},
    {CorrectTicks, 6, "correctTick(1, 2)"},
    {CorrectTicks, 7, "correctTick(1, 3)"},
    {CorrectTicks, 8, "correctTick(2, 0)"},
    {CorrectTicks, 9, "correctTick(2, 1)"},
    {CorrectTicks, 10, "correctTick(2, 2)"},
    {CorrectTicks, 11, "correctTick(2, 3)"},
    {CorrectTicks, 12, "correctTick(3, 0)"},
    {CorrectTicks, 13, "correctTick(3, 1)"},
    {CorrectTicks, 14, "correctTick(3, 2)"},
    {CorrectTicks, 15, "correctTick(3, 3)"},
    {CorrectTicks, 16, "correctTick(4, 0)"},
    {CorrectTicks, 17, "correctTick(4, 1)"},
    {CorrectTicks, 18, "correctTick(4, 2)"},
    {CorrectTicks, 19, "correctTick(4, 3)"},
    {CorrectTicks, 20, "correctTick(5, 0)"},
    {CorrectTicks, 21, "correctTick(5, 1)"},
    {CorrectTicks, 22, "correctTick(5, 2)"},
    {CorrectTicks, 23, "correctTick(5, 3)"},
    {CorrectTicks, 24, "correctTick(6, 0)"},
    {CorrectTicks, 25, "correctTick(6, 1)"},
    {CorrectTicks, 26, "correctTick(6, 2)"},
    {CorrectTicks, 27, "correctTick(6, 3)"},
    {CorrectTicks, 28, "correctTick(7, 0)"},
    {CorrectTicks, 29, "correctTick(7, 1)"},
    {CorrectTicks, 30, "correctTick(7, 2)"},
    {CorrectTicks, 31, "correctTick(7, 3)"},
    {CorrectTicks, 32, "correctTick(8, 0)"},
    {CorrectTicks, 33, "correctTick(8, 1)"},
    {CorrectTicks, 34, "correctTick(8, 2)"},
    {CorrectTicks, 35, "correctTick(8, 3)"},
    {CorrectTicks, 36, "correctTick(9, 0)"},
    {CorrectTicks, 37, "correctTick(9, 1)"},
    {CorrectTicks, 38, "correctTick(9, 2)"},
    {CorrectTicks, 39, "correctTick(9, 3)"},
    {Links, 0, "link(WizardLink::Exit)"},
    {Links, 1, "link(WizardLink::SaveWorksheet)"},
};
} // namespace wizard

namespace catalogue {
inline constexpr char Heading[] = "Label1";
inline constexpr char EditMode[] = "Check1";
inline constexpr char DeleteMode[] = "Check2";
inline constexpr char PageCaption[] = "Label4";
inline constexpr char List[] = "Label2";  // 0 the exit link, 1 to 24 the entries
inline constexpr char Links[] = "label3"; // CatalogueLink
inline constexpr Entry Widgets[] = {
    {Heading, -1, "heading"},
    {EditMode, -1, "editMode"},
    {DeleteMode, -1, "deleteMode"},
    {PageCaption, -1, "pageCaption"},
    {List, 0, "exitLink"},
    {List, 1, "entry(1)"},
    {List, 2, "entry(2)"},
    {List, 3, "entry(3)"},
    {List, 4, "entry(4)"},
    {List, 5, "entry(5)"},
    {List, 6, "entry(6)"},
    {List, 7, "entry(7)"},
    {List, 8, "entry(8)"},
    {List, 9, "entry(9)"},
    {List, 10, "entry(10)"},
    {List, 11, "entry(11)"},
    {List, 12, "entry(12)"},
    {List, 13, "entry(13)"},
    {List, 14, "entry(14)"},
    {List, 15, "entry(15)"},
    {List, 16, "entry(16)"},
    {List, 17, "entry(17)"},
    {List, 18, "entry(18)"},
    {List, 19, "entry(19)"},
    {List, 20, "entry(20)"},
    {List, 21, "entry(21)"},
    {List, 22, "entry(22)"},
    {List, 23, "entry(23)"},
    {List, 24, "entry(24)"},
    {Links, 0, "link(CatalogueLink::PreviousPage)"},
    {Links, 1, "link(CatalogueLink::NextPage)"},
};
} // namespace catalogue

// Every window with the widgets it must hold once loaded.
struct WindowEntries {
    const char* window;
    std::span<const Entry> widgets;
};

inline constexpr WindowEntries AllWindows[] = {
    {window::Title, title::Widgets},
    {window::MainMenu, menu::Widgets},
    {window::PyramidsTopic, topic::Widgets},
    {window::WordsTopic, topic::Widgets},
    {window::Quiz, quiz::Widgets},
    {window::Results, results::Widgets},
    {window::WrongAnswers, wrongAnswers::Widgets},
    {window::PyramidsLabelling, activity::Widgets},
    {window::PyramidsLabelling, activity::PyramidsLabellingWidgets},
    {window::PyramidsOrdering, activity::Widgets},
    {window::PyramidsOrdering, activity::PyramidsOrderingWidgets},
    {window::WordsLabelling, activity::Widgets},
    {window::WordsLabelling, activity::WordsLabellingWidgets},
    {window::WordsOrdering, activity::Widgets},
    {window::WordsOrdering, activity::WordsOrderingWidgets},
    {window::PageViewer, pages::Widgets},
    {window::PageViewer, pages::ViewerWidgets},
    {window::TeachersGuide, pages::Widgets},
    {window::WorksheetWizard, wizard::Widgets},
    {window::WorksheetCatalogue, catalogue::Widgets},
};

} // namespace av::glossary
