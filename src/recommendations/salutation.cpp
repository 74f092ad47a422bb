#include "recommendations/salutation.h"

#include "state/salutation.h"

namespace recommendations {

std::string PlanSalutation(state::Sex sex, std::string_view lastName,
                           std::string_view firstName) {
    return state::AddressedHeading("Г-", sex, lastName, firstName);
}

}  // namespace recommendations
