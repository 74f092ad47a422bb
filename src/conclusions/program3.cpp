#include "conclusions/program3.h"

#include <array>

#include "text/catalogue.h"

namespace conclusions {

namespace {

constexpr int kProgram = 3;
constexpr long kRatingWordKey = 50;

}  // namespace

const Panel3* PanelOf3(int variant) {
    static const std::array<Panel3, kPanelCount3> kPanels = {{
        {1, 0, {}},
        {3, 2, {21}},
        {5, 12, {32}},
        {6, 13, {43}},
        {8, 7, {51, 52}},
        {9, 14, {61, 63}},
        {11, 10, {72, 73}},
        {15, 4, {81, 82, 83}},
        {16, 0, {}},
        {17, 0, {}},
    }};
    if (variant < 1 || variant > kPanelCount3) return nullptr;
    return &kPanels[static_cast<size_t>(variant - 1)];
}

std::string BookDocument3(int member) {
    return "\\Doc\\DZZ-" + std::to_string(member % 10 + 1) + "-1-r.rtf";
}

bool RecommendationsOpen3(int variant) {
    return PanelOf3(variant) != nullptr && variant != 9 && variant != 10;
}

std::string RatingWord3(int overall) {
    if (overall != 0 && overall != 3 && overall != 5) return "";
    return text::GetCatalogText(kRatingWordKey + overall);
}

int Variant3(const state::SharedState& state) {
    return state.answers(kProgram, state::SharedState::kSummaryRow,
                         state::SharedState::kVariantItem);
}

int Overall3(const state::SharedState& state) { return state.overallRating(kProgram); }

}  // namespace conclusions
