#pragma once
// How the program addresses the user: "г-н" for a man, "г-жа" for a woman.
#include <string>
#include <string_view>

#include "state/shared_state.h"

namespace state {

// The ending of "г-" / "Г-": "н" or "жа".
inline std::string TitleEnding(Sex sex) { return sex == Sex::Man ? "н" : "жа"; }

// A caption that ends in "г-" or "Г-" completed for the user: "Вам, г-" → "Вам, г-н Иванов Иван".
inline std::string AddressedHeading(std::string_view caption, Sex sex, std::string_view lastName,
                                    std::string_view firstName) {
    std::string heading(caption);
    heading += TitleEnding(sex);
    heading += " ";
    heading += lastName;
    heading += " ";
    heading += firstName;
    return heading;
}

}  // namespace state
