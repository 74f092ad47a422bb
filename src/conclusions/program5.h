#pragma once
// Conclusion of program 5: one text panel per degree of depression risk. The overall rating of
// the results selects the panel; the panel's rating word completes the lead-in sentence.
#include <string>
#include <string_view>

#include "state/shared_state.h"

namespace conclusions {

// The panels FrameRez(0), (3), (5): one for each rating code.
inline constexpr int kPanels5[] = {0, 3, 5};

// The panel of a rating code (the member of FrameRez and of lblText), or -1 for a code that has
// none.
int PanelOf5(int rating);
// The member of lblSignature that holds the panel's rating word: "Высокую" (1) in panel 0,
// "Умеренную" (3) in panel 3, "Низкую" (2) in panel 5; -1 for no panel. Member 0 is the clinic's
// signature.
int RatingWordOf5(int panel);
// A panel text as shown: each break token becomes an empty line between paragraphs.
std::string PanelText5(std::string_view designText);
// The panel of program 5's overall rating in the shared state.
int Panel5(const state::SharedState& state);

}  // namespace conclusions
