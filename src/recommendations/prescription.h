#pragma once
// The lines of a prescription sheet: the recommended preparations as the screen's buttons show
// them, in button order.
#include <string>
#include <string_view>
#include <vector>

namespace recommendations {

struct ShownButton {
    bool visible = false;
    std::string caption;
};

// " " + caption of every visible button, in order; a button whose caption is `excluded` (program
// 1's diet, which is no preparation) is left out. Empty `excluded` leaves nothing out.
std::vector<std::string> PrescriptionLines(const std::vector<ShownButton>& buttons,
                                           std::string_view excluded = {});

}  // namespace recommendations
