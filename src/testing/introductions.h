#pragma once
// The introductions between the main window and the questionnaire: one per program
// (frmRazd1..frmRazd5) and one per test (frmRazd). What they decide lives here.
#include <string>

#include "state/shared_state.h"

namespace questionnaire {

// The introduction screen of program 1..5, "" for any other program.
std::string ProgramIntroductionName(int program);

// "ПЕРЕХОД К ТЕСТУ" on either kind of introduction: the questionnaire starts at its beginning.
void GoToTest(state::SharedState& state);

// "ВЕРНУТЬСЯ" on a test introduction: after the first test of the program, the previous test's
// questionnaire opens at its end ("frmAnketa"); from the first test, the program introduction;
// "" when there is nowhere to go.
std::string ReturnFromTestIntroduction(state::SharedState& state);

}  // namespace questionnaire
