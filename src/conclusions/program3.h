#pragma once
// Conclusion of program 3 (a child's health): one text panel per result variant, with the
// documents of the variant's sources of risk, and the overall rating word. Variants 9 and 10 (a
// weight problem for the paediatrician) close the way on to the recommendations.
#include <string>
#include <vector>

#include "state/shared_state.h"

namespace conclusions {

inline constexpr int kPanelCount3 = 10;
inline constexpr int kTextCount3 = 17;

// Document kinds of the buttons cmdBooks(10 × variant + kind).
enum BookKind3 { kReactivityBook = 1, kNutritionBook = 2, kEnvironmentBook = 3 };

// What panel FrameRez(v) holds: its main text, its further text (0: none) and the members of
// cmdBooks below the main text, in order.
struct Panel3 {
    int mainText = 0;
    int furtherText = 0;
    std::vector<int> books;
};
// The panel of variant 1..10; nullptr for any other variant.
const Panel3* PanelOf3(int variant);

// The document of a cmdBooks member: "\Doc\DZZ-" + (member mod 10 + 1) + "-1-r.rtf".
std::string BookDocument3(int member);

// Whether the recommendations can be reached from the panel of this variant: not for the weight
// problems of variants 9 and 10, and not without a panel.
bool RecommendationsOpen3(int variant);

// The rating word of the overall rating: "Плохое", "Удовлетворительное", "Хорошее" (catalogue
// 50 + code); empty for a code without a word.
std::string RatingWord3(int overall);

// The variant and the overall rating of program 3 in the shared state.
int Variant3(const state::SharedState& state);
int Overall3(const state::SharedState& state);

}  // namespace conclusions
