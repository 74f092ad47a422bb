#pragma once
// Conclusion of program 1: the rating word, one advice paragraph chosen by the overall rating and
// the body-mass class, the weak points found in the four tests, and the articles on them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conclusions/conclusion_frame.h"
#include "state/shared_state.h"

namespace conclusions {

inline constexpr int kBookCount1 = 6;

// The screen's own lists, from its design captions.
struct Conclusion1Lists {
    std::string ratingWords;  // lblRez1: "^1ХОРОШЕЕ^2УДОВЛЕТВОРИТЕЛЬНОЕ^3ПЛОХОЕ"
    std::string advice;    // lblRez2: ten paragraphs
    std::string findings;  // lblRez3: five findings
};

struct Conclusion1 {
    std::optional<std::string> ratingWord;  // none: lblRez1 keeps its design text
    std::optional<std::string> advice;      // none: lblRez2 keeps its design text
    std::string findings;                   // lblRez3: a line break, then one line per finding
    int findingsCount = 0;
    bool findingsCaptionVisible = true;  // Label2
    StackedList books;                   // cmdBooks members, in the order they stand
    bool booksCaptionVisible = true;     // Label17
};

// Advice item (1..10) for an overall rating R (0, 50, 100) and a body-mass class C (1..6);
// 0 when the pair has none.
int AdviceItem(int overall, int bodyMassClass);

// The document of a cmdBooks member 1..6, below the program's directory ("\DOC\11-1-5-k.rtf").
std::string_view BookDocument1(int member);

// Form_Load of the program 1 conclusion: copies the four scores into testRating(11..14) and
// selects every text and button from testRating(15), (17) and those copies.
Conclusion1 EvaluateConclusion1(state::SharedState& state, const Conclusion1Lists& lists);

}  // namespace conclusions
