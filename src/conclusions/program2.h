#pragma once
// Conclusion of program 2: the chance of a healthy and active long life by the overall rating,
// the factors that weigh against it in rule order, and the one factor the user marks for the
// recommendations.
#include <vector>

#include "state/shared_state.h"

namespace conclusions {

// The catalogue text of the chance sentence: 221 low, 222 satisfactory, 223 good for the
// overall rating 0, 3, 5; 0 for any other code (the label keeps its design text).
int ChanceKey2(int overallRating);

// The catalogue keys of the factors listed, in rule order (231..249, 237 never). Read from
// program 2's slots whatever program is current.
std::vector<int> FactorKeys2(const state::SharedState& state);

// What the continue button does: go on with the key of the marked factor (0 when no factor was
// listed), or stay and remind the user to mark one.
struct Handover2 {
    bool goOn = false;
    int factorKey = 0;
};
// factors: the listed keys in order; marked: the number of the marked option button (1 for
// the first factor), 0 when none is marked.
Handover2 ContinueFrom2(const std::vector<int>& factors, int marked);

}  // namespace conclusions
