#include "shell/program_launch.h"

#include <charconv>

#include "base/numbers.h"
#include "text/catalogue.h"

namespace shell {

std::optional<ProgramStart> ProgramOfItem(int item) {
    static const char* const kIntroductions[] = {"frmRazd1", "frmRazd2", "frmRazd3", "frmRazd4",
                                                 "frmRazd5"};
    static const char* const kInfoMenus[] = {"mInfo14", "mInfo104", "mInfo16", "mInfo15",
                                             "mInfo17"};
    if (item < 21 || item > 25) return std::nullopt;
    const int program = item - 20;
    ProgramStart start;
    start.program = static_cast<int16_t>(program);
    start.firstTestKey = program * 100 + 2;
    start.lastTestKey = program * 100 + 3;
    start.introduction = kIntroductions[program - 1];
    start.infoMenu = kInfoMenus[program - 1];
    return start;
}

bool IsChildProgramItem(int item) { return item == 23; }

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

void StartProgram(state::SharedState& state, const ProgramStart& start) {
    state.ResetAnswers();
    state.testRating.Fill(0.0f);
    state.curProgram = start.program;
    state.firstTest = base::CIntText(text::GetCatalogText(start.firstTestKey));
    state.lastTest = base::CIntText(text::GetCatalogText(start.lastTestKey));
    state.curTest = state.firstTest;
    state.testKeyBase = static_cast<int32_t>(state.firstTest) * 1000;
}

std::string HeightText(float height) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, height);
    return error == std::errc{} ? std::string(buffer, end) : std::string("0");
}

}  // namespace shell
