#include "testing/introductions.h"

namespace questionnaire {

std::string ProgramIntroductionName(int program) {
    if (program < 1 || program > 5) return "";
    return "frmRazd" + std::to_string(program);
}

void MarkWomenOnlyQuestions(state::SharedState& state) {
    if (state.userSex != "m") return;
    for (int question : {2, 6, 10, 16}) state.answers(4, 7, question) = 0;
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
