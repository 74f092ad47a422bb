#include "conclusions/program2.h"

namespace conclusions {
namespace {

constexpr int kProgram = 2;
// Test 7 of program 2 is the checklist of ailments: answer 1 means "Есть".
constexpr int kAilmentsTest = 7;
constexpr int kPresent = 1;

}  // namespace

int ChanceKey2(int overallRating) {
    switch (overallRating) {
        case 0:
            return 221;
        case 3:
            return 222;
        case 5:
            return 223;
        default:
            return 0;
    }
}

std::vector<int> FactorKeys2(const state::SharedState& state) {
    const auto rating = [&](int t) { return state.ratingOf(kProgram, t); };
    const auto has = [&](int q) { return state.answers(kProgram, kAilmentsTest, q) == kPresent; };
    const int bodyMass = state.bodyMassClass(kProgram);
    // Tests 1, 3 and 5 list their factor when satisfactory or poor, tests 2, 4 and 6 only when
    // poor. Rule 8 reads answers 3 and 1 of the checklist; its answer 2 is read by no rule.
    // clang-format off
    const struct {
        bool holds;
        int key;
    } rules[] = {
        {rating(1) < 5,                  231},
        {rating(2) < 3,                  232},
        {rating(3) < 5,                  233},
        {rating(4) < 3,                  234},
        {rating(5) < 5,                  235},
        {rating(6) < 3,                  236},
        {has(1),                         238},
        {has(3) || has(1),               239},
        {has(5),                         240},
        {has(6),                         241},
        {has(7),                         242},
        {has(8),                         243},
        {has(9) || has(4),               244},
        {has(10),                        245},
        {has(11),                        246},
        {has(12),                        247},
        {has(13),                        248},
        {bodyMass == 2 || bodyMass == 3, 249},
    };
    // clang-format on
    std::vector<int> keys;
    for (const auto& rule : rules) {
        if (rule.holds) keys.push_back(rule.key);
    }
    return keys;
}

Handover2 ContinueFrom2(const std::vector<int>& factors, int marked) {
    if (factors.empty()) return {true, 0};
    if (marked < 1 || marked > static_cast<int>(factors.size())) return {false, 0};
    return {true, factors[static_cast<size_t>(marked - 1)]};
}

}  // namespace conclusions
