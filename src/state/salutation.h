#pragma once
// How the program addresses the user: "г-н" for a man, "г-жа" for anyone else (any value of the
// sex other than "m" counts as female).
#include <string>
#include <string_view>

namespace state {

inline bool IsMale(std::string_view userSex) { return userSex == "m"; }

// The ending of "г-" / "Г-": "н" or "жа".
inline std::string TitleEnding(std::string_view userSex) { return IsMale(userSex) ? "н" : "жа"; }

// A caption that ends in "г-" or "Г-" completed for the user: "Вам, г-" → "Вам, г-н Иванов Иван".
inline std::string AddressedHeading(std::string_view caption, std::string_view userSex,
                                    std::string_view lastName, std::string_view firstName) {
    std::string heading(caption);
    heading += TitleEnding(userSex);
    heading += " ";
    heading += lastName;
    heading += " ";
    heading += firstName;
    return heading;
}

}  // namespace state
