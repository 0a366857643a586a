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
inline constexpr Entry Widgets[] = {
    {"Command1", -1, "okButton"},
};
} // namespace title

// ---- Main menu and topic screens ------------------------------------------------------------
namespace menu {
inline constexpr Entry Widgets[] = {
    {"Timer1", -1, "logoTimer"},
};
} // namespace menu

namespace topic {
inline constexpr Entry Widgets[] = {
    {"Label1", -1, "topicTitle"},
};
} // namespace topic

// ---- Quiz, results and wrong answers --------------------------------------------------------
namespace quiz {
inline constexpr Entry Widgets[] = {
    {"Label5", -1, "topicHeading"},
};
} // namespace quiz

namespace results {
inline constexpr Entry Widgets[] = {
    {"Text1", -1, "pupilName"},
};
} // namespace results

namespace wrongAnswers {
inline constexpr Entry Widgets[] = {
    {"Label5", -1, "readKeyFactsHint"},
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
