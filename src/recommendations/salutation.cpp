#include "recommendations/salutation.h"

#include "state/salutation.h"

namespace recommendations {

std::string PlanSalutation(std::string_view userSex, std::string_view lastName,
                           std::string_view firstName) {
    return state::AddressedHeading("Г-", userSex, lastName, firstName);
}

}  // namespace recommendations
