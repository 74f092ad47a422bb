#include "state/programs.h"

#include "base/text_codec.h"

namespace state {

const std::array<Program, kProgramCount>& Programs() {
    static const std::array<Program, kProgramCount> programs = {{
        {.number = 1, .menuItem = 21, .introduction = "frmRazd1", .results = "frmRezult1",
         .conclusion = "frmConclusion1", .recommendations = "frmRecom1", .sheet = "frmRecept1",
         .infoMenu = "mInfo14", .farewell = Farewell::Greeting},
        {.number = 2, .menuItem = 22, .introduction = "frmRazd2", .results = "frmRezult2",
         .conclusion = "frmConclusion2", .recommendations = "frmRecom2", .sheet = "frmRecept2",
         .infoMenu = "mInfo104", .infoMenuClosedByFarewell = false,
         .farewell = Farewell::GreetingAndFarewell, .farewellItem = 2},
        {.number = 3, .menuItem = 23, .introduction = "frmRazd3", .results = "frmRezult3",
         .conclusion = "frmConclusion3", .recommendations = "frmRecom3", .sheet = "frmRecept1",
         .infoMenu = "mInfo16", .farewell = Farewell::ChildPanel, .forChild = true},
        {.number = 4, .menuItem = 24, .introduction = "frmRazd4", .results = "frmRezult4",
         .conclusion = "frmConclusion4", .recommendations = "frmRecom4", .sheet = "frmRecept1",
         .infoMenu = "mInfo15", .farewell = Farewell::Greeting},
        {.number = 5, .menuItem = 25, .introduction = "frmRazd5", .results = "frmRezult5",
         .conclusion = "frmConclusion5", .recommendations = "frmRecom5", .sheet = "frmRecept1",
         .infoMenu = "mInfo17", .infoMenuClosedByAbort = false, .infoMenuClosedByFarewell = false,
         .farewell = Farewell::GreetingAndFarewell, .farewellItem = 5},
    }};
    return programs;
}

const Program* ProgramOf(int number) {
    if (number < 1 || number > kProgramCount) return nullptr;
    return &Programs()[static_cast<size_t>(number - 1)];
}

bool OnProgramRoad(std::string_view screenName) {
    if (screenName == "frmRazd" || screenName == "frmAnketa") return true;
    for (const Program& program : Programs()) {
        if (screenName == program.introduction || screenName == program.results ||
            screenName == program.conclusion)
            return true;
    }
    return false;
}

const Program* ProgramOfMenuItem(int item) {
    for (const Program& program : Programs()) {
        if (program.menuItem == item) return &program;
    }
    return nullptr;
}

const Program* ProgramOfRecommendations(std::string_view screenName) {
    const std::string name = base::ToUpper(screenName);
    for (const Program& program : Programs()) {
        if (base::ToUpper(program.recommendations) == name) return &program;
    }
    return nullptr;
}

std::vector<std::string> InfoMenusClosedByAbort() {
    std::vector<std::string> menus;
    for (const Program& program : Programs()) {
        if (program.infoMenuClosedByAbort) menus.emplace_back(program.infoMenu);
    }
    return menus;
}

std::vector<std::string> InfoMenusClosedByFarewell() {
    std::vector<std::string> menus;
    for (const Program& program : Programs()) {
        if (program.infoMenuClosedByFarewell) menus.emplace_back(program.infoMenu);
    }
    return menus;
}

}  // namespace state
