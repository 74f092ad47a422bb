#pragma once
// How the recommendation screens, plans and sheets address the user.
#include <string>
#include <string_view>

#include "state/shared_state.h"

namespace recommendations {

// The salutation of the plans and calendars: "Г-н Иванов Иван", "Г-жа Петрова Анна".
std::string PlanSalutation(state::Sex sex, std::string_view lastName,
                           std::string_view firstName);

}  // namespace recommendations
