#include "results/program5.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace results {
namespace {

constexpr int kProgram = 5;
constexpr int kBodyMassKey = kProgram * 100 + state::SharedState::kBodyMassRow;
constexpr int kOverallKey = kProgram * 100 + state::SharedState::kSummaryRow;

// One row of the body-mass table: the normal range (rating 5) and the range just above it
// (rating 3), both inclusive; everything else is rating 0.
struct BodyMassRow {
    int fromAge, toAge;
    bool male;
    float normal[2], above[2];
};

constexpr BodyMassRow kBodyMassTable[] = {
    {20, 29, false, {17.8f, 25.6f}, {25.7f, 28.9f}}, {20, 29, true, {19.0f, 27.4f}, {27.5f, 30.9f}},
    {30, 39, false, {18.5f, 26.6f}, {26.7f, 30.0f}}, {30, 39, true, {19.4f, 27.9f}, {28.0f, 31.5f}},
    {40, 49, false, {19.2f, 27.9f}, {28.0f, 31.2f}}, {40, 49, true, {19.8f, 28.5f}, {28.6f, 32.1f}},
    {50, 61, false, {20.0f, 28.8f}, {28.9f, 32.5f}}, {50, 61, true, {20.2f, 28.9f}, {29.0f, 32.7f}},
};

bool Within(float value, const float (&range)[2]) { return value >= range[0] && value <= range[1]; }

int TestPoints(int rating) { return rating == 0 ? 6 : rating == 3 ? 4 : rating == 5 ? 2 : 0; }
int BodyMassPoints(int rating) { return rating == 0 ? 3 : rating == 3 ? 2 : rating == 5 ? 1 : 0; }

}  // namespace

int BodyMassRating5(float bmi, int age, state::Sex sex, int previous) {
    const bool male = sex == state::Sex::Man;
    for (const BodyMassRow& row : kBodyMassTable) {
        if (age < row.fromAge || age > row.toAge || row.male != male) continue;
        if (Within(bmi, row.normal)) return 5;
        if (Within(bmi, row.above)) return 3;
        return 0;
    }
    return previous;
}

int RiskPoints(int rating1, int rating2, int bodyMassRating) {
    return TestPoints(rating1) + TestPoints(rating2) + BodyMassPoints(bodyMassRating);
}

int RiskRating(int points) {
    if (points >= 13) return 0;
    if (points < 6) return 5;
    return 3;
}

std::string RiskMark(std::string_view marks, int code) {
    if (code != 0 && code != 3 && code != 5) return "";
    return text::GetListItem(marks, code + 1);
}

Column EvaluateProgram5(state::SharedState& state, const base::Clock& clock,
                        std::string_view marks) {
    const float bmi = BodyMassIndex(state.userWeight, state.userHeight);
    const int bodyMass = BodyMassRating5(bmi, Age(state, clock), state.sex(),
                                         base::CInt(state.bodyMassClassValue()));
    state.bodyMassClassValue() = static_cast<float>(bodyMass);
    state.bodyMassIndex(kProgram) = base::CInt(bmi);
    state.bodyMassClass(kProgram) = static_cast<int16_t>(bodyMass);

    const int points =
        RiskPoints(state.ratingOf(kProgram, 1), state.ratingOf(kProgram, 2), bodyMass);
    const int risk = RiskRating(points);
    state.riskRatingValue() = static_cast<float>(risk);
    state.totalScore(kProgram) = static_cast<int16_t>(points);
    state.overallRating(kProgram) = static_cast<int16_t>(risk);

    Column column{{kRow5Date, base::FormatDdMmYyyy(clock.Now())}};
    for (int t = 1; t <= kProgram5Tests; ++t)
        column.push_back({t, RiskMark(marks, state.ratingOf(kProgram, t))});
    column.push_back({kRow5BodyMass, RatingWord(bodyMass)});
    column.push_back({kRow5Overall, RiskMark(marks, risk)});
    return column;
}

ProgramRecord Program5Record(const state::SharedState& state, std::string_view marks) {
    ProgramRecord record = SummaryRecord(state, kProgram, kProgram5Tests);
    record.riskScale = true;
    record.historyColumn = [marks = std::string(marks)](const HistoryRun& run) {
        Column column{{kRow5Date, run.date}};
        for (int t = 1; t <= kProgram5Tests; ++t)
            column.push_back({t, RiskMark(marks, run.Value(kProgram * 100 + t))});
        column.push_back({kRow5BodyMass, RatingWord(run.Value(kBodyMassKey))});
        column.push_back({kRow5Overall, RiskMark(marks, run.Value(kOverallKey))});
        return column;
    };
    return record;
}

ResultsPage LoadProgram5Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, std::string_view marks) {
    Column current = EvaluateProgram5(state, clock, marks);
    return CompleteResults(std::move(current), Program5Record(state, marks), state, clock, store);
}

}  // namespace results
