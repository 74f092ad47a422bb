#pragma once
// Results of program 4 (cancer prevention, tests 41 to 47): a risk mark per source of risk, the
// age risk, the body-mass class and the degree of carcinogenic risk from a point sum.
#include <string>
#include <string_view>

#include "base/clock.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace results {

inline constexpr GridShape kProgram4Grid{100, 1};
inline constexpr int kProgram4Tests = 7;

// Grid rows of program 4 (rows 1 to 7 are the tests).
enum Program4Row { kRow4Date = 0, kRow4Age = 8, kRow4BodyMass = 9, kRow4Overall = 10 };

// The marks the screen keeps in its design: the risk marks by rating code + 1 ("^1B^4C^6H") and
// the body-mass marks by class ("^1П^4ИП^6У").
struct Program4Marks {
    std::string risk;
    std::string bodyMass;
};

// Body-mass class 6 (normal), 4 (excess weight) or 1 (marked weight loss) by age band and sex.
// The bands run from 40 to 70; above 70 the band of 60 to 70 holds, so that an older user's weight
// loss is not missed. Below 40 `previous` is kept.
int BodyMassClass4(float bodyMassIndex, int age, state::Sex sex, int previous);
// Age points: 3 above 60, else 1.
int AgePoints(int age);
// The point sum: tests 1 to 3 add 6 for a rating of 0 and 3 for a rating of 3; tests 4 to 7 add 3
// and 1; a rating of 5, or a test that was not given, adds nothing; then the age points.
int RiskPoints4(const int (&ratings)[kProgram4Tests], int agePoints);
// The degree of risk as a rating code: 0 (high) from 6 points, 3 (medium) from 2, else 5 (low).
int RiskRating4(int points);

// The mark of a rating code ("B", "C", "H"), of an age rating (B for 0, C otherwise) and of a
// body-mass class (П, ИП, У); empty where the code has none.
std::string RiskMark4(const Program4Marks& marks, int code);
std::string AgeMark4(const Program4Marks& marks, int ageRating);
std::string BodyMassMark4(const Program4Marks& marks, int bodyMassClass);

// Runs the evaluations of program 4: writes the age points and rating, the body-mass class and the
// degree of risk into the working values and the summary slots; returns today's grid column.
Column EvaluateProgram4(state::SharedState& state, const base::Clock& clock,
                        const Program4Marks& marks);

// The record of the current run (Test401..Test407, Test413, Test414, Test415) and how a history
// column of program 4 is shown.
ProgramRecord Program4Record(const state::SharedState& state, const Program4Marks& marks);

// Form_Load of the program 4 results: evaluations, record, history.
ResultsPage LoadProgram4Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, const Program4Marks& marks);

}  // namespace results
