#include "shell/program_launch.h"

#include <charconv>

#include "base/numbers.h"
#include "text/catalogue.h"

namespace shell {

const state::Program* ProgramOfItem(int item) { return state::ProgramOfMenuItem(item); }

bool IsChildProgramItem(int item) {
    const state::Program* program = ProgramOfItem(item);
    return program && program->forChild;
}

long AgeRangeKey(int menuChoice) { return (menuChoice % 10) * 100 + 4; }

bool AgeAdmitted(std::string_view range, int yearBirth, int currentYear) {
    const size_t comma = range.find(',');
    const double min = base::Val(range.substr(0, comma));
    const double max = comma == std::string_view::npos ? 0.0 : base::Val(range.substr(comma + 1));
    const int age = currentYear - yearBirth;
    return !(age > max || age < min);
}

bool UserAdmitted(const state::SharedState& state, int currentYear) {
    return AgeAdmitted(text::GetCatalogText(AgeRangeKey(state.menuChoice)), state.userYearBirth,
                       currentYear);
}

void StartProgram(state::SharedState& state, const state::Program& program) {
    state.ResetAnswers();
    state.testRating.Fill(0.0f);
    state.curProgram = static_cast<int16_t>(program.number);
    state.firstTest = base::CIntText(text::GetCatalogText(program.FirstTestKey()));
    state.lastTest = base::CIntText(text::GetCatalogText(program.LastTestKey()));
    state.curTest = state.firstTest;
    state.testKeyBase = static_cast<int32_t>(state.firstTest) * 1000;
}

std::string HeightText(float height) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, height);
    return error == std::errc{} ? std::string(buffer, end) : std::string("0");
}

}  // namespace shell
