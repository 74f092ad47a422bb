#pragma once
// The main window's menu bar as data: names, where each caption comes from, the state at start
// and what a click does. The window only builds it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct MenuEntry {
    std::string name;  // objectName, e.g. "mInfo141"
    int captionItem =
        0;  // item of the menu-caption list (general-holder slot 0); 0 = fixed caption
    bool enabledAtStart = true;
    bool neverEnabled = false;  // shown but never chosen (mProgram26, mProgram27)
    std::string document;       // document path below the program's directory, as stored
    int16_t menuChoice = 0;     // set before the click acts (documents and programs)
    int program = 0;            // 21..25: the program the item starts
    std::vector<MenuEntry> children;
};

// The menu tree in its order.
const std::vector<MenuEntry>& MainMenu();

// The caption of an entry: the item of the caption list, or the fixed caption of the design.
std::string MenuCaption(const MenuEntry& entry, std::string_view captionList);

// "Zorvek from 01.07.03  (v. 1.0.0)".
std::string MainWindowCaption(int major, int minor, int revision);

// The information submenus of the five programs, enabled when their program starts.
inline constexpr std::string_view kProgramInfoMenus[] = {"mInfo14", "mInfo104", "mInfo16",
                                                         "mInfo15", "mInfo17"};

}  // namespace shell
