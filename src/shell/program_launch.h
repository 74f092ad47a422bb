#pragma once
// The rules of starting a health program from the program menu: which program an item starts,
// who is admitted by age, and the shared state a program starts from.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/programs.h"
#include "state/shared_state.h"

namespace shell {

// The program that item 21..25 of the program menu starts; nullptr for any other item.
const state::Program* ProgramOfItem(int item);

// The child program (item 23): its registration shows child examples and asks the height again.
bool IsChildProgramItem(int item);
inline constexpr std::string_view kChildWeightExample = "40)";
inline constexpr std::string_view kChildHeightExample = "1.50)";

// Catalogue key of the admitted ages of the chosen program: (menuChoice mod 10) * 100 + 4.
long AgeRangeKey(int menuChoice);

// Whether the age (currentYear - yearBirth) lies within the range "min,max", both included.
bool AgeAdmitted(std::string_view range, int yearBirth, int currentYear);

// The age check of the program chosen last (menuChoice) for the current user.
bool UserAdmitted(const state::SharedState& state, int currentYear);

// A program starts from nothing: every answer of every program is -1 and the ratings are 0;
// curProgram, firstTest and lastTest (read from the catalogue), curTest = firstTest and
// testKeyBase are set.
void StartProgram(state::SharedState& state, const state::Program& program);

// The height as the registration box shows it: "1.75".
std::string HeightText(float height);

}  // namespace shell
