#pragma once
// Results of program 5 (depression prevention, tests 51 and 52): a body-mass rating by age band
// and sex, and the degree of risk from the points of the two tests and the body mass. Test rows
// and the overall row show one-letter risk marks, the body-mass row a rating word.
#include <string>
#include <string_view>

#include "base/clock.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace results {

inline constexpr GridShape kProgram5Grid{100, 1};
inline constexpr int kProgram5Tests = 2;

// Grid rows of program 5 (rows 1 and 2 are the tests).
enum Program5Row { kRow5Date = 0, kRow5BodyMass = 9, kRow5Overall = 10 };

// Body-mass rating 5 (normal), 3 (just above) or 0 (below normal or above that) for ages 20 to
// 61; outside those ages `previous` is kept.
int BodyMassRating5(float bodyMassIndex, int age, state::Sex sex, int previous);
// The points behind the degree of risk: 6, 4, 2 per test rated 0, 3, 5 and 3, 2, 1 for a
// body-mass rating of 0, 3, 5; other codes add nothing.
int RiskPoints(int rating1, int rating2, int bodyMassRating);
// The degree of risk as a rating code: 0 (high) from 13 points, 5 (low) below 6, else 3.
int RiskRating(int points);
// The mark of a rating code: item code + 1 of the screen's mark list ("^1B^4C^6H"); empty for a
// code without a mark.
std::string RiskMark(std::string_view marks, int code);

// Runs the evaluations of program 5: writes the body-mass rating and the degree of risk into
// the working values and the summary slots; returns today's grid column.
Column EvaluateProgram5(state::SharedState& state, const base::Clock& clock,
                        std::string_view marks);

// The record of the current run (Test501, Test502, Test514, Test515) and how a history column of
// program 5 is shown.
ProgramRecord Program5Record(const state::SharedState& state, std::string_view marks);

// Form_Load of the program 5 results: evaluations, record, history.
ResultsPage LoadProgram5Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, std::string_view marks);

}  // namespace results
