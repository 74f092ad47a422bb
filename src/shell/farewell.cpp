#include "shell/farewell.h"

#include "base/text_codec.h"
#include "state/salutation.h"

namespace shell {

FarewellModel FarewellFor(std::string_view recomForm) {
    const std::string name = base::ToUpper(recomForm);
    FarewellModel model;
    if (name == "FRMRECOM1" || name == "FRMRECOM4") {
        model.greeting = true;
    } else if (name == "FRMRECOM2" || name == "FRMRECOM5") {
        model.farewellItem = name == "FRMRECOM2" ? 2 : 5;
        model.showSeeYou = true;
        model.greeting = true;
    } else if (name == "FRMRECOM3") {
        model.childPanel = true;
    }
    return model;
}

std::string Greeting(std::string_view designText, std::string_view userSex,
                     std::string_view lastName, std::string_view firstName) {
    std::string greeting(designText);
    greeting += state::IsMale(userSex) ? "ый" : "ая";
    greeting.append(" ").append(lastName).append(" ").append(firstName).append("!");
    return greeting;
}

std::string RecomScreenName(std::string_view recomForm) {
    const std::string name = base::ToUpper(recomForm);
    for (char digit = '1'; digit <= '5'; ++digit) {
        if (name == std::string("FRMRECOM") + digit) return std::string("frmRecom") + digit;
    }
    return "";
}

}  // namespace shell
