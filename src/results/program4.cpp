#include "results/program4.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace results {
namespace {

constexpr int kProgram = 4;
constexpr int kAgeKey = kProgram * 100 + state::SharedState::kAgeRow;
constexpr int kBodyMassKey = kProgram * 100 + state::SharedState::kBodyMassRow;
constexpr int kOverallKey = kProgram * 100 + state::SharedState::kSummaryRow;

// One row of the body-mass table: the normal range (class 6), inclusive; above it class 4, below
// it class 1.
struct BodyMassRow {
    int fromAge, toAge;
    bool male;
    float low, high;
};

constexpr BodyMassRow kBodyMassTable[] = {
    {40, 49, false, 19.1f, 27.9f}, {40, 49, true, 19.7f, 28.5f},  {50, 59, false, 19.9f, 28.8f},
    {50, 59, true, 20.1f, 28.9f},  {60, 70, false, 20.4f, 29.2f}, {60, 70, true, 20.5f, 29.3f},
};
constexpr int kOldestBand = 70;

int TestPoints(int testIndex, int rating) {
    const bool major = testIndex <= 3;  // smoking, the sun, nutrition
    if (rating == 0) return major ? 6 : 3;
    if (rating == 3) return major ? 3 : 1;
    return 0;
}

std::string ListMark(std::string_view list, int item) {
    if (item < 1 || item > 9) return "";
    return text::GetListItem(list, item);
}

}  // namespace

int BodyMassClass4(float bmi, int age, state::Sex sex, int previous) {
    const bool male = sex == state::Sex::Man;
    const int band = age > kOldestBand ? kOldestBand : age;
    for (const BodyMassRow& row : kBodyMassTable) {
        if (band < row.fromAge || band > row.toAge || row.male != male) continue;
        if (bmi < row.low) return 1;
        if (bmi > row.high) return 4;
        return 6;
    }
    return previous;
}

int AgePoints(int age) { return age > 60 ? 3 : 1; }

int RiskPoints4(const int (&ratings)[kProgram4Tests], int agePoints) {
    int points = agePoints;
    for (int t = 1; t <= kProgram4Tests; ++t) points += TestPoints(t, ratings[t - 1]);
    return points;
}

int RiskRating4(int points) {
    if (points >= 6) return 0;
    if (points >= 2) return 3;
    return 5;
}

std::string RiskMark4(const Program4Marks& marks, int code) {
    if (code != 0 && code != 3 && code != 5) return "";
    return ListMark(marks.risk, code + 1);
}

std::string AgeMark4(const Program4Marks& marks, int ageRating) {
    return RiskMark4(marks, ageRating == 0 ? 0 : 3);
}

std::string BodyMassMark4(const Program4Marks& marks, int bodyMassClass) {
    return ListMark(marks.bodyMass, bodyMassClass);
}

Column EvaluateProgram4(state::SharedState& state, const base::Clock& clock,
                        const Program4Marks& marks) {
    const int age = Age(state, clock);
    const float bmi = BodyMassIndex(state.userWeight, state.userHeight);
    const int bodyMass = BodyMassClass4(bmi, age, state.sex(), base::CInt(state.bodyMassRating()));
    state.bodyMassRating() = static_cast<float>(bodyMass);
    state.bodyMassIndex(kProgram) = base::CInt(bmi);
    state.bodyMassClass(kProgram) = static_cast<int16_t>(bodyMass);

    int ratings[kProgram4Tests];
    for (int t = 1; t <= kProgram4Tests; ++t) ratings[t - 1] = state.ratingOf(kProgram, t);
    const int agePoints = AgePoints(age);
    state.agePointsValue() = static_cast<float>(agePoints);
    state.agePoints(kProgram) = static_cast<int16_t>(agePoints);
    state.ageRating(kProgram) = static_cast<int16_t>(agePoints == 3 ? 0 : 3);

    const int points = RiskPoints4(ratings, agePoints);
    const int risk = RiskRating4(points);
    state.riskRatingValue() = static_cast<float>(risk);
    state.totalScore(kProgram) = static_cast<int16_t>(points);
    state.overallRating(kProgram) = static_cast<int16_t>(risk);

    Column column{{kRow4Date, base::FormatDdMmYyyy(clock.Now())}};
    for (int t = 1; t <= kProgram4Tests; ++t)
        column.push_back({t, RiskMark4(marks, ratings[t - 1])});
    column.push_back({kRow4Age, AgeMark4(marks, state.ageRating(kProgram))});
    column.push_back({kRow4BodyMass, BodyMassMark4(marks, bodyMass)});
    column.push_back({kRow4Overall, RiskMark4(marks, risk)});
    return column;
}

ProgramRecord Program4Record(const state::SharedState& state, const Program4Marks& marks) {
    ProgramRecord record = SummaryRecord(state, kProgram, kProgram4Tests);
    record.riskScale = true;
    // The age risk follows the test keys, before the body-mass class and the overall rating.
    const auto summary = record.entries.begin() + kProgram4Tests;
    record.entries.insert(summary, {kAgeKey, state.ageRating(kProgram)});
    record.historyKeys.clear();
    for (const RecordEntry& entry : record.entries) record.historyKeys.push_back(entry.keyNumber);
    record.historyColumn = [marks](const HistoryRun& run) {
        Column column{{kRow4Date, run.date}};
        for (int t = 1; t <= kProgram4Tests; ++t)
            column.push_back({t, RiskMark4(marks, run.Value(kProgram * 100 + t))});
        column.push_back({kRow4Age, AgeMark4(marks, run.Value(kAgeKey))});
        column.push_back({kRow4BodyMass, BodyMassMark4(marks, run.Value(kBodyMassKey))});
        column.push_back({kRow4Overall, RiskMark4(marks, run.Value(kOverallKey))});
        return column;
    };
    return record;
}

ResultsPage LoadProgram4Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, const Program4Marks& marks) {
    Column current = EvaluateProgram4(state, clock, marks);
    return CompleteResults(std::move(current), Program4Record(state, marks), state, clock, store);
}

}  // namespace results
