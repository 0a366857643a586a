#pragma once

#include <span>

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
// and current question are QuizSession's.
namespace quiz {
inline constexpr char ScreenTitle[] = "Label1";
inline constexpr char TopicHeading[] = "Label5";
inline constexpr char QuizTitle[] = "Label6";
inline constexpr char TopicPicture[] = "Picture1";
inline constexpr char QuestionNumber[] = "Label4";
inline constexpr char QuestionText[] = "Label2";
inline constexpr char ChoiceBoxes[] = "Option1"; // 1-4 the choices, 5 no choice
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
    {ChoiceBoxes, 5, "noChoiceBox"},
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
inline constexpr char Links[] = "label3"; // indices as in ResultsLink
inline constexpr char PictureTimer[] = "Timer1";
inline constexpr char FocusTimer[] = "Timer2";
inline constexpr char CelebrationTimer[] = "Timer3";
inline constexpr Entry Widgets[] = {
    {Heading, -1, "heading"},
    {SphinxPicture, -1, "sphinxPicture"},
    {ScoreMessage, -1, "scoreMessage"},
    {WrongAnswersHint, -1, "wrongAnswersHint"},
    {TryAgainHint, -1, "tryAgainHint"},
    {PupilName, -1, "pupilName"},
    {NameHint, -1, "nameHint"},
    {Links, 0, "link(NextStep)"},
    {Links, 1, "link(Exit)"},
    {PictureTimer, -1, "pictureTimer"},
    {FocusTimer, -1, "focusTimer"},
    {CelebrationTimer, -1, "celebrationTimer"},
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
inline constexpr Entry Widgets[] = {
    {"Label6", -1, "heading"},
};
} // namespace activity

// ---- Page viewer and teachers' guide --------------------------------------------------------
namespace pages {
inline constexpr Entry Widgets[] = {
    {"Label1", -1, "pageCaption"},
};
} // namespace pages

// ---- Worksheet wizard and catalogue ---------------------------------------------------------
namespace wizard {
inline constexpr Entry Widgets[] = {
    {"Text1", -1, "titleBox"},
};
} // namespace wizard

namespace catalogue {
inline constexpr Entry Widgets[] = {
    {"Label1", -1, "heading"},
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
    {window::PyramidsOrdering, activity::Widgets},
    {window::WordsLabelling, activity::Widgets},
    {window::WordsOrdering, activity::Widgets},
    {window::PageViewer, pages::Widgets},
    {window::TeachersGuide, pages::Widgets},
    {window::WorksheetWizard, wizard::Widgets},
    {window::WorksheetCatalogue, catalogue::Widgets},
};

} // namespace av::glossary
