#pragma once
// What the farewell screen shows, by the recommendation screen that opened it.
#include <optional>
#include <string>
#include <string_view>

#include "state/shared_state.h"

namespace shell {

struct FarewellModel {
    bool childPanel = false;          // the parents' panel instead of the adults' one
    bool greeting = false;            // the adults' greeting completed with the user's name
    bool showSeeYou = false;          // "Мы не прощаемся , до свидания !!!"
    std::optional<int> farewellItem;  // item of general-holder slot 9 as the farewell text
};

// recomForm is compared without regard to letter case; an unknown name changes nothing.
FarewellModel FarewellFor(std::string_view recomForm);

// The greeting: the design text ("Глубокоуважаем") + "ый" for a man or "ая" otherwise, a blank,
// the last name, a blank, the first name and "!".
std::string Greeting(std::string_view designText, state::Sex sex,
                     std::string_view lastName, std::string_view firstName);

// The screen name "frmRecom1".."frmRecom5" that recomForm names in any letter case, or "".
std::string RecomScreenName(std::string_view recomForm);

}  // namespace shell
