#pragma once
// Results of program 1 (strengthening and restoring health, tests 11 to 14): body-mass class by
// age band and sex, fitness class from the four scores, and the overall rating combining both.
#include <string>
#include <string_view>

#include "base/clock.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace results {

inline constexpr GridShape kProgram1Grid{10, 0};
inline constexpr int kProgram1Tests = 4;

// Grid rows of program 1.
enum Program1Row { kRowDate = 0, kRowBodyMass = 5, kRowOverall = 6 };

// Body-mass class 1..6 for ages 20 to 61 ("m" and every other value of the sex); outside those
// ages `previous` is kept.
int BodyMassClass1(float bodyMassIndex, int age, state::Sex sex, int previous);
// Fitness class 0, 50 or 100 from four test scores: low up to 35, high from 71.
int FitnessClass(const int (&scores)[kProgram1Tests]);
// Combined class 0, 50 or 100 of a body-mass class and a fitness class; `previous` for a
// body-mass class outside 1..6.
int CombinedClass(int bodyMassClass, int fitnessClass, int previous);
// Overall rating code of a combined class: 0 → 0, 50 → 3, 100 → 5.
int OverallRating(int combinedClass);

// The body-mass word of a class: item `bodyMassClass` of the word list the screen keeps
// ("^6Хорошо^5Удовлетв…^1Похудание"); empty when the list has no such item.
std::string BodyMassWord(std::string_view bodyMassWords, int bodyMassClass);

// Runs the evaluations of program 1: writes testRating(15..17) and the summary slots
// answers(1, 14, 31), (1, 14, 32), (1, 15, 32); returns today's grid column.
Column EvaluateProgram1(state::SharedState& state, const base::Clock& clock,
                        std::string_view bodyMassWords);

// The record of the current run (Test101..Test104, Test114, Test115) and how a history column of
// program 1 is shown.
ProgramRecord Program1Record(const state::SharedState& state, std::string_view bodyMassWords);

// Form_Load of the program 1 results: evaluations, record, history.
ResultsPage LoadProgram1Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, std::string_view bodyMassWords);

}  // namespace results
