#pragma once
// The five health programs as data: the one place that says which screens a program has, where
// its facts stand in the catalogue, which information menu belongs to it and how its farewell
// reads. Adding a program means adding its row here, its rules, its content and its screens.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace state {

// A window's place inside the main window, in twips (15 twips = 1 pixel at 96 dpi).
struct Placement {
    int topTwips = 0;
    int leftTwips = 0;
};

// What the farewell screen shows after the program's recommendations.
enum class Farewell {
    Greeting,              // the adults' panel with the greeting by name
    GreetingAndFarewell,   // the same, with the program's own farewell words and "до свидания"
    ChildPanel,            // the parents' panel
};

struct Program {
    int number = 0;    // curProgram
    int menuItem = 0;  // the program menu item that starts it

    // Its screens, in the order of the road.
    std::string_view introduction;
    std::string_view results;
    std::string_view conclusion;
    std::string_view recommendations;
    std::string_view sheet;  // the prescription sheet its recommendations open

    // The information submenu enabled while the program runs, and whether the abort question
    // and the farewell screen close it again (the depression program's submenu stays open, the
    // old-age document stays open after the farewell).
    std::string_view infoMenu;
    bool infoMenuClosedByAbort = true;
    bool infoMenuClosedByFarewell = true;

    Farewell farewell = Farewell::Greeting;
    int farewellItem = 0;  // item of the general holder's farewell list (GreetingAndFarewell)

    // The user of the program is a child, registered by a parent: the registration shows the
    // children's examples and asks the height anew.
    bool forChild = false;

    // The program's facts in the catalogue, by key.
    long TitleKey() const { return number * 100L; }
    long IntroductionKey() const { return number * 100L + 1; }
    long FirstTestKey() const { return number * 100L + 2; }
    long LastTestKey() const { return number * 100L + 3; }
    long AgeRangeKey() const { return number * 100L + 4; }
};

// Where each kind of screen opens inside the main window.
inline constexpr Placement kIntroductionPlace{0, 150};
inline constexpr Placement kProgramScreenPlace{20, 440};  // results, conclusion, recommendations
inline constexpr Placement kSheetPlace{10, 100};

inline constexpr int kProgramCount = 5;

// The programs 1..5 in menu order.
const std::array<Program, kProgramCount>& Programs();

// The program number (1..5), or nullptr for any other number.
const Program* ProgramOf(int number);
// The program that item 21..25 of the program menu starts, or nullptr.
const Program* ProgramOfMenuItem(int item);
// The program whose recommendation screen has this name in any letter case (recomForm), or
// nullptr.
const Program* ProgramOfRecommendations(std::string_view screenName);

// Whether a screen of this name belongs to the road of a running program: a program's
// introduction, a test's introduction, the questionnaire, a program's results or conclusion.
// While one of them is open, ending the work asks the abort question first.
bool OnProgramRoad(std::string_view screenName);

// The information submenus the abort question closes, and those the farewell screen closes.
std::vector<std::string> InfoMenusClosedByAbort();
std::vector<std::string> InfoMenusClosedByFarewell();

}  // namespace state
