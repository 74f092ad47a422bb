#pragma once
// Results of program 3 (a child's health, tests 35 to 37: reactivity of the organism, nutrition,
// the environment): the children's body-mass class by age band, and the result variant with the
// overall rating condensed from the three test ratings. The variant selects the conclusion's text
// panel and the recommendation list.
#include <string>
#include <string_view>

#include "base/clock.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace results {

inline constexpr GridShape kProgram3Grid{100, 1};
inline constexpr int kProgram3Tests = 3;

// Grid rows of program 3 (rows 1 to 3 are the tests).
enum Program3Row { kRow3Date = 0, kRow3BodyMass = 4, kRow3Overall = 5 };

// Body-mass class of a child: 7 "Полнота" above the band, 6 "Хорошо" within it, 1 "Похудание"
// below it; the band is 14.4..17 from 3 to 10 years and 15.5..19.5 from 11 to 15 (both bounds
// inclusive). At any other age `previous` is kept.
int BodyMassClass3(float bodyMassIndex, int age, int previous);

// The result variant names exactly the tests rated below "good": none 1; reactivity alone 2,
// nutrition alone 3, environment alone 4; reactivity and nutrition 5, reactivity and environment
// 6, nutrition and environment 7; all three 8. The overall rating is good when no test is weak,
// satisfactory when one is, or when every weak test is satisfactory, and bad otherwise.
struct Outcome3 {
    int variant;
    int overall;
};
Outcome3 Program3Outcome(int reactivity, int nutrition, int environment);

// The header: the fixed caption, a line break, the child's first and last name, ", ", the year of
// birth after a blank (two blanks follow the comma), a blank and "года рождения".
std::string Header3(std::string_view caption, const state::SharedState& state);

// Runs the evaluations of program 3: the body-mass class (working value and summary slots), the
// overall rating and the result variant; returns today's grid column.
Column EvaluateProgram3(state::SharedState& state, const base::Clock& clock);

// The record of the current run (Test301..Test303, Test314, Test315) and how a history column of
// program 3 is shown.
ProgramRecord Program3Record(const state::SharedState& state);

// Form_Load of the program 3 results: evaluations, record, history.
ResultsPage LoadProgram3Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store);

}  // namespace results
