#include "recommendations/prescription.h"

namespace recommendations {

std::vector<std::string> PrescriptionLines(const std::vector<ShownButton>& buttons,
                                           std::string_view excluded) {
    std::vector<std::string> lines;
    for (const ShownButton& button : buttons) {
        if (!button.visible || (!excluded.empty() && button.caption == excluded)) continue;
        lines.push_back(" " + button.caption);
    }
    return lines;
}

}  // namespace recommendations
