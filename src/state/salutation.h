#pragma once
// How the program addresses the user: "г-н" for a man, "г-жа" for anyone else (any value of the
// sex other than "m" counts as female).
#include <string>
#include <string_view>

namespace state {

inline bool IsMale(std::string_view userSex) { return userSex == "m"; }

// The ending of "г-" / "Г-": "н" or "жа".
inline std::string TitleEnding(std::string_view userSex) { return IsMale(userSex) ? "н" : "жа"; }

}  // namespace state
