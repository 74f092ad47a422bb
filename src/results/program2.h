#pragma once
// Results of program 2 (healthy long life, tests 21 to 29, ages 61 and over): a body-mass class
// for older ages and the overall risk rating from a point sum. The grid shows one-letter marks:
// the rating marks of the eight recorded tests and of the overall rating, the body-mass mark of
// the class. Test 29 (the squat test) is neither shown nor recorded; its rating stays for the
// recommendations.
#include <string>
#include <string_view>

#include "base/clock.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace results {

inline constexpr GridShape kProgram2Grid{100, 1};
// Tests 21 to 28 are shown and recorded; test 29 is not.
inline constexpr int kProgram2Tests = 8;

// Grid rows of program 2 (rows 1 to 8 are the tests).
enum Program2Row { kRow2Date = 0, kRow2BodyMass = 9, kRow2Overall = 10 };

// The marks the screen keeps: the rating marks ("^1П^4У^6X": item code + 1) and the body-mass
// marks (item class).
struct Program2Marks {
    std::string ratings;
    std::string bodyMass;
};

// Body-mass class 6, 5, 3, 2 or 1 by age band (60–69, 70–75, 76 and over) and sex; class 4 is
// not used. Below 60 `previous` is kept.
int BodyMassClass2(float bodyMassIndex, int age, state::Sex sex, int previous);
// The points behind the overall rating: the start points of tests 21 to 26 (ratings[0..5]),
// then tests 27 and 28 (ratings[6], ratings[7]) and the body-mass class.
int OverallPoints2(const int (&ratings)[kProgram2Tests], int bodyMassClass);
// Overall rating: 0 up to 8 points, 3 from 9 to 15, 5 from 16.
int OverallRating2(int points);

// The rating mark of a code (item code + 1 of the rating marks), and the body-mass mark of a
// class (item class of the body-mass marks); empty where the list has no mark.
std::string RatingMark2(const Program2Marks& marks, int code);
std::string BodyMassMark2(const Program2Marks& marks, int bodyMassClass);

// Runs the evaluations of program 2: the body-mass class and the overall rating go into the
// working values and the summary slots; returns today's grid column.
Column EvaluateProgram2(state::SharedState& state, const base::Clock& clock,
                        const Program2Marks& marks);

// The record of the current run (Test201..Test208, Test214, Test215) and how a history column of
// program 2 is shown.
ProgramRecord Program2Record(const state::SharedState& state, const Program2Marks& marks);

// Form_Load of the program 2 results: evaluations, record, history.
ResultsPage LoadProgram2Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, const Program2Marks& marks);

}  // namespace results
