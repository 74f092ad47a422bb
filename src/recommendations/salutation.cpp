#include "recommendations/salutation.h"

#include "state/salutation.h"

namespace recommendations {

std::string AddressedHeading(std::string_view caption, std::string_view userSex,
                             std::string_view lastName, std::string_view firstName) {
    std::string heading(caption);
    heading += state::TitleEnding(userSex);
    heading += " ";
    heading += lastName;
    heading += " ";
    heading += firstName;
    return heading;
}

std::string PlanSalutation(std::string_view userSex, std::string_view lastName,
                           std::string_view firstName) {
    return AddressedHeading("Г-", userSex, lastName, firstName);
}

}  // namespace recommendations
