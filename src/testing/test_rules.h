#pragma once
// Rules that belong to single tests or programs, beside the engine that asks every test alike.
#include <cstdint>
#include <functional>
#include <optional>

#include "state/shared_state.h"

namespace questionnaire {

// The answer to question q, and the weight of option o of question q, of the test being scored.
using AnswerOf = std::function<int16_t(int q)>;
using WeightOf = std::function<int16_t(int q, int o)>;

// The score of a test that is not scored by the plain sum of its weights, or nullopt.
// Test 47 counts one weight from each group of questions (the first "yes" in 1..8, 9..14 and
// 15..21), subtracted from the reversal value and never below 0.
std::optional<int16_t> SpecialScore(int test, int questionCount, int16_t reversal,
                                    const AnswerOf& answer, const WeightOf& weight);

// What a test decides once its result is shown, before the road goes on.
void AfterTestResult(int test, state::SharedState& state);

// What a program decides before its first test opens.
void BeforeProgram(int program, state::SharedState& state);

// Program 2 after test 28: test 29 (the squat test) is left out when the user is rated good in
// test indices 3 and 4, has none of the listed complaints in tests 27 and 28 and no body-mass
// rating 2 or 3; its rating is then -1 and the program ends with test 28.
void DecideSquatTest(state::SharedState& state);

// Program 4, for a man: the four questions of test 47 asked of women only (2, 6, 10 and 16;
// test index 7) are answered "not applicable" before the questionnaire opens.
void MarkWomenOnlyQuestions(state::SharedState& state);

}  // namespace questionnaire
