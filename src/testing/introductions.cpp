#include "testing/introductions.h"

#include "state/programs.h"

namespace questionnaire {

std::string ProgramIntroductionName(int program) {
    const state::Program* known = state::ProgramOf(program);
    return known ? std::string(known->introduction) : "";
}

void GoToTest(state::SharedState& state) {
    state.enterAtEnd = false;
    state.navForward = true;
}

std::string ReturnFromTestIntroduction(state::SharedState& state) {
    if (state.curTest > state.firstTest) {
        state.enterAtEnd = true;
        --state.curTest;
        return "frmAnketa";
    }
    return ProgramIntroductionName(state.curProgram);
}

}  // namespace questionnaire
