#include "shell/farewell.h"

#include "state/programs.h"

namespace shell {

FarewellModel FarewellFor(std::string_view recomForm) {
    FarewellModel model;
    const state::Program* program = state::ProgramOfRecommendations(recomForm);
    if (!program) return model;
    switch (program->farewell) {
        case state::Farewell::Greeting:
            model.greeting = true;
            break;
        case state::Farewell::GreetingAndFarewell:
            model.farewellItem = program->farewellItem;
            model.showSeeYou = true;
            model.greeting = true;
            break;
        case state::Farewell::ChildPanel:
            model.childPanel = true;
            break;
    }
    return model;
}

std::string Greeting(std::string_view designText, state::Sex sex,
                     std::string_view lastName, std::string_view firstName) {
    std::string greeting(designText);
    greeting += sex == state::Sex::Man ? "ый" : "ая";
    greeting.append(" ").append(lastName).append(" ").append(firstName).append("!");
    return greeting;
}

std::string RecomScreenName(std::string_view recomForm) {
    const state::Program* program = state::ProgramOfRecommendations(recomForm);
    return program ? std::string(program->recommendations) : "";
}

}  // namespace shell
