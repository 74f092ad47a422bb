#include "conclusions/program5.h"

#include "text/catalogue.h"

namespace conclusions {

namespace {
constexpr int kProgram = 5;
}

int PanelOf5(int rating) {
    for (int panel : kPanels5) {
        if (panel == rating) return panel;
    }
    return -1;
}

int RatingWordOf5(int panel) {
    switch (panel) {
        case 0:
            return 1;
        case 3:
            return 3;
        case 5:
            return 2;
        default:
            return -1;
    }
}

std::string PanelText5(std::string_view designText) {
    std::string paragraphs;
    const std::string emptyLine = std::string(text::kLineBreak) + std::string(text::kLineBreak);
    for (size_t at = 0; at < designText.size();) {
        if (designText.substr(at, text::kBreakToken.size()) == text::kBreakToken) {
            paragraphs += emptyLine;
            at += text::kBreakToken.size();
        } else {
            paragraphs += designText[at++];
        }
    }
    return paragraphs;
}

int Panel5(const state::SharedState& state) { return PanelOf5(state.overallRating(kProgram)); }

}  // namespace conclusions
