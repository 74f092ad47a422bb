#pragma once
// Conclusion of program 4: whether the user belongs to a risk group for cancer and how high the
// risk is, the sources of risk found, and one article per source. A marked weight loss replaces
// all of it with the advice to see a doctor.
#include <string>
#include <string_view>
#include <vector>

#include "conclusions/conclusion_frame.h"
#include "state/shared_state.h"

namespace conclusions {

// Sources of risk, rows 1..10: tests 1..7, the age, excess weight, marked weight loss.
inline constexpr int kSources4 = 10;
inline constexpr int kEnvironmentHome4 = 5;
inline constexpr int kEnvironmentWork4 = 6;
inline constexpr int kPrecancer4 = 7;
inline constexpr int kWeightLoss4 = 10;

// Catalogue keys: the verdicts, the row captions (430 + d) and the button captions (450 + d).
inline constexpr long kVerdictHigh4 = 422;
inline constexpr long kVerdictModerate4 = 423;
inline constexpr long kVerdictNone4 = 424;
inline constexpr long kWeightLossAdvice4 = 425;
inline constexpr long kSourceRowKey4 = 430;
inline constexpr long kSourceBookKey4 = 450;

// The verdict for the point sum: high above 5, moderate from 2 to 5, no risk group below 2.
long VerdictKey4(int points);
// Whether source d (1..10) is a source of risk for the shared state's program-4 values: a test
// rated below 5 (a test not given included), the age rating below 5, body-mass class 4, class 1.
bool SourceFound4(const state::SharedState& state, int d);
// The article of source d below the program's directory ("\Doc\OZ-d1-r.rtf"); both environment
// rows share one; the precancerous conditions have none.
std::string_view BookDocument4(int d);

struct Conclusion4 {
    long verdictKey = 0;
    bool weightLoss = false;  // only the advice to see a doctor: no sources, no articles
    StackedList rows;         // lblRez1 members in the order they stand
    StackedList books;        // cmdBooks members in the order they stand
};

// Form_Load of the program 4 conclusion: the verdict, the source rows and the article buttons.
// The environment article is offered once, under the home row, when both environment tests are
// flagged; a source whose button caption is empty gets no button.
Conclusion4 EvaluateConclusion4(const state::SharedState& state);

}  // namespace conclusions
