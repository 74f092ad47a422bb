#include "testing/test_rules.h"

#include <algorithm>
#include <utility>

#include "base/numbers.h"

namespace questionnaire {
namespace {

constexpr int kSquatDecidingTest = 28;
constexpr int kGroupScoredTest = 47;
constexpr int kWomenOnlyProgram = 4;
constexpr int kWomenOnlyTestIndex = 7;

}  // namespace

std::optional<int16_t> SpecialScore(int test, int questionCount, int16_t reversal,
                                    const AnswerOf& answer, const WeightOf& weight) {
    if (test != kGroupScoredTest) return std::nullopt;
    int16_t sum = 0;
    for (const auto& [first, last] : {std::pair{1, 8}, std::pair{9, 14}, std::pair{15, 21}}) {
        for (int q = first; q <= last && q <= questionCount; ++q) {
            if (answer(q) == 1) {
                sum = base::Add16(sum, weight(q, 1));
                break;
            }
        }
    }
    return std::max<int16_t>(base::Sub16(reversal, sum), 0);
}

void AfterTestResult(int test, state::SharedState& state) {
    if (test == kSquatDecidingTest) DecideSquatTest(state);
}

void BeforeProgram(int program, state::SharedState& state) {
    if (program == kWomenOnlyProgram) MarkWomenOnlyQuestions(state);
}

void DecideSquatTest(state::SharedState& state) {
    state.lastTest = 28;
    const int p = state.curProgram;
    bool dropped = state.ratingOf(p, 3) >= 5 && state.ratingOf(p, 4) >= 5;
    for (int q : {1, 6, 11, 13}) dropped = dropped && state.answers(p, 7, q) != 1;
    for (int q : {1, 12}) dropped = dropped && state.answers(p, 8, q) != 1;
    const int16_t bodyMass = state.bodyMassClass(2);
    dropped = dropped && bodyMass != 2 && bodyMass != 3;
    if (dropped) {
        state.ratingOf(2, 9) = -1;
    } else {
        state.lastTest = 29;
    }
}

void MarkWomenOnlyQuestions(state::SharedState& state) {
    if (state.sex() != state::Sex::Man) return;
    for (int question : {2, 6, 10, 16}) state.answers(kWomenOnlyProgram, kWomenOnlyTestIndex, question) = 0;
}

}  // namespace questionnaire
