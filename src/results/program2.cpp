#include "results/program2.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace results {
namespace {

constexpr int kProgram = 2;
constexpr int kBodyMassKey = kProgram * 100 + state::SharedState::kBodyMassRow;
constexpr int kOverallKey = kProgram * 100 + state::SharedState::kSummaryRow;
constexpr int kYoungestAge = 60;

// One row of the body-mass table: the inclusive ranges of the classes 6, 5 and 3. Above the
// range of class 3 is class 2, below the range of class 6 class 1.
struct BodyMassRow {
    int fromAge, toAge;
    bool male;
    float good[2], satisfactory[2], stout[2];
};

constexpr BodyMassRow kBodyMassTable[] = {
    {60, 69, false, {18.5f, 24.2f}, {24.3f, 26.6f}, {26.7f, 30.0f}},
    {60, 69, true, {19.4f, 25.4f}, {25.5f, 27.9f}, {28.0f, 31.5f}},
    {70, 75, false, {19.2f, 25.2f}, {25.3f, 27.9f}, {28.0f, 31.2f}},
    {70, 75, true, {19.8f, 25.9f}, {26.0f, 28.5f}, {28.6f, 32.1f}},
    {76, 32767, false, {19.9f, 25.9f}, {26.0f, 28.5f}, {28.6f, 32.4f}},
    {76, 32767, true, {20.4f, 26.4f}, {26.5f, 29.0f}, {29.1f, 32.6f}},
};

bool Within(float value, const float (&range)[2]) { return value >= range[0] && value <= range[1]; }

int StartPoints(const int (&ratings)[kProgram2Tests]) {
    int bad = 0, good = 0;
    for (int t = 0; t < 6; ++t) {
        bad += ratings[t] == 0 ? 1 : 0;
        good += ratings[t] == 5 ? 1 : 0;
    }
    if (bad >= 4) return 2;
    if (bad == 0 && good >= 4) return 6;
    return 4;
}

// Points of a rating 0, 3, 5 (nothing for any other value).
int Points(int rating, int bad, int satisfactory, int good) {
    return rating == 0 ? bad : rating == 3 ? satisfactory : rating == 5 ? good : 0;
}

int BodyMassPoints(int bodyMassClass) {
    switch (bodyMassClass) {
        case 1:
        case 2:
            return 1;
        case 3:
        case 5:
            return 2;
        case 6:
            return 3;
        default:
            return 0;
    }
}

}  // namespace

int BodyMassClass2(float bmi, int age, state::Sex sex, int previous) {
    if (age < kYoungestAge) return previous;
    const bool male = sex == state::Sex::Man;
    for (const BodyMassRow& row : kBodyMassTable) {
        if (age < row.fromAge || age > row.toAge || row.male != male) continue;
        if (Within(bmi, row.good)) return 6;
        if (Within(bmi, row.satisfactory)) return 5;
        if (Within(bmi, row.stout)) return 3;
        return bmi > row.stout[1] ? 2 : 1;
    }
    return previous;
}

int OverallPoints2(const int (&ratings)[kProgram2Tests], int bodyMassClass) {
    return StartPoints(ratings) + Points(ratings[6], 1, 2, 3) + Points(ratings[7], 2, 4, 6) +
           BodyMassPoints(bodyMassClass);
}

int OverallRating2(int points) {
    if (points <= 8) return 0;
    if (points <= 15) return 3;
    return 5;
}

std::string RatingMark2(const Program2Marks& marks, int code) {
    if (code != 0 && code != 3 && code != 5) return "";
    return text::GetListItem(marks.ratings, code + 1);
}

std::string BodyMassMark2(const Program2Marks& marks, int bodyMassClass) {
    if (bodyMassClass < 1 || bodyMassClass > 6) return "";
    return text::GetListItem(marks.bodyMass, bodyMassClass);
}

Column EvaluateProgram2(state::SharedState& state, const base::Clock& clock,
                        const Program2Marks& marks) {
    const float bmi = BodyMassIndex(state.userWeight, state.userHeight);
    const int bodyMass = BodyMassClass2(bmi, Age(state, clock), state.sex(),
                                        base::CInt(state.program2BodyMassClassValue()));
    state.program2BodyMassClassValue() = static_cast<float>(bodyMass);
    state.bodyMassIndex(kProgram) = base::CInt(bmi);
    state.bodyMassClass(kProgram) = static_cast<int16_t>(bodyMass);

    int ratings[kProgram2Tests];
    for (int t = 1; t <= kProgram2Tests; ++t) ratings[t - 1] = state.ratingOf(kProgram, t);
    const int points = OverallPoints2(ratings, bodyMass);
    const int overall = OverallRating2(points);
    state.program2OverallValue() = static_cast<float>(overall);
    state.totalScore(kProgram) = static_cast<int16_t>(points);
    state.overallRating(kProgram) = static_cast<int16_t>(overall);

    Column column{{kRow2Date, base::FormatDdMmYyyy(clock.Now())}};
    for (int t = 1; t <= kProgram2Tests; ++t)
        column.push_back({t, RatingMark2(marks, ratings[t - 1])});
    column.push_back({kRow2BodyMass, BodyMassMark2(marks, bodyMass)});
    column.push_back({kRow2Overall, RatingMark2(marks, overall)});
    return column;
}

ProgramRecord Program2Record(const state::SharedState& state, const Program2Marks& marks) {
    ProgramRecord record = SummaryRecord(state, kProgram, kProgram2Tests);
    record.historyColumn = [marks](const HistoryRun& run) {
        Column column{{kRow2Date, run.date}};
        for (int t = 1; t <= kProgram2Tests; ++t)
            column.push_back({t, RatingMark2(marks, run.Value(kProgram * 100 + t))});
        column.push_back({kRow2BodyMass, BodyMassMark2(marks, run.Value(kBodyMassKey))});
        column.push_back({kRow2Overall, RatingMark2(marks, run.Value(kOverallKey))});
        return column;
    };
    return record;
}

ResultsPage LoadProgram2Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, const Program2Marks& marks) {
    Column current = EvaluateProgram2(state, clock, marks);
    return CompleteResults(std::move(current), Program2Record(state, marks), state, clock, store);
}

}  // namespace results
