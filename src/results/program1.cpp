#include "results/program1.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace results {
namespace {

constexpr int kProgram = 1;

// One row of the body-mass table: the bounds of classes 6 to 3 (inclusive), the lower bound of
// class 2 and the upper bound of class 1.
struct BodyMassRow {
    int fromAge, toAge;
    bool male;
    float good[2], fair[2], excess[2], corpulent[2];
    float obeseFrom, thinTo;
};

constexpr BodyMassRow kBodyMassTable[] = {
    {20, 29, false, {17.8f, 23.3f}, {23.4f, 25.6f}, {25.7f, 28.9f}, {29.0f, 32.6f}, 32.7f, 17.7f},
    {20, 29, true, {19.0f, 24.9f}, {25.0f, 27.4f}, {27.5f, 30.9f}, {31.0f, 34.9f}, 35.0f, 18.9f},
    {30, 39, false, {18.5f, 24.2f}, {24.3f, 26.6f}, {26.7f, 30.0f}, {30.1f, 33.9f}, 34.0f, 18.4f},
    {30, 39, true, {19.4f, 25.4f}, {25.5f, 27.9f}, {28.0f, 31.5f}, {31.6f, 35.6f}, 35.7f, 19.3f},
    {40, 49, false, {19.2f, 25.2f}, {25.3f, 27.9f}, {28.0f, 31.2f}, {31.3f, 35.3f}, 35.4f, 19.1f},
    {40, 49, true, {19.8f, 25.9f}, {26.0f, 28.5f}, {28.6f, 32.1f}, {32.2f, 36.3f}, 36.4f, 19.7f},
    {50, 61, false, {20.0f, 26.2f}, {26.3f, 28.8f}, {28.9f, 32.5f}, {32.6f, 36.7f}, 36.8f, 19.9f},
    {50, 61, true, {20.2f, 26.4f}, {26.5f, 28.9f}, {29.0f, 32.7f}, {32.8f, 37.0f}, 37.1f, 20.1f},
};

bool Within(float value, const float (&range)[2]) { return value >= range[0] && value <= range[1]; }

int Rounded(float value) { return base::CInt(value); }

}  // namespace

int BodyMassClass1(float bmi, int age, state::Sex sex, int previous) {
    const bool male = sex == state::Sex::Man;
    for (const BodyMassRow& row : kBodyMassTable) {
        if (age < row.fromAge || age > row.toAge || row.male != male) continue;
        if (Within(bmi, row.good)) return 6;
        if (Within(bmi, row.fair)) return 5;
        if (Within(bmi, row.excess)) return 4;
        if (Within(bmi, row.corpulent)) return 3;
        if (bmi >= row.obeseFrom) return 2;
        if (bmi <= row.thinTo) return 1;
        return previous;
    }
    return previous;
}

int FitnessClass(const int (&scores)[kProgram1Tests]) {
    int low = 0, high = 0;
    for (int score : scores) {
        // A test that was not given (score −1) counts with the low scores.
        if (score <= 35) ++low;
        if (score >= 71) ++high;
    }
    if (low >= 2) return 0;
    if (low == 0 && high >= 3) return 100;
    return 50;
}

int CombinedClass(int bodyMassClass, int fitnessClass, int previous) {
    // Rows: body-mass class 1..6; columns: fitness 100, 50, 0.
    static constexpr int kTable[6][3] = {
        {50, 50, 0}, {0, 0, 0}, {50, 0, 0}, {50, 50, 0}, {50, 50, 0}, {100, 50, 0},
    };
    if (bodyMassClass < 1 || bodyMassClass > 6) return previous;
    const int column = fitnessClass == 100 ? 0 : fitnessClass == 50 ? 1 : 2;
    return kTable[bodyMassClass - 1][column];
}

int OverallRating(int combinedClass) {
    return combinedClass == 100 ? 5 : combinedClass == 50 ? 3 : 0;
}

std::string BodyMassWord(std::string_view bodyMassWords, int bodyMassClass) {
    if (bodyMassClass < 1 || bodyMassClass > 9) return "";
    return text::GetListItem(bodyMassWords, bodyMassClass);
}

Column EvaluateProgram1(state::SharedState& state, const base::Clock& clock,
                        std::string_view bodyMassWords) {
    const float bmi = BodyMassIndex(state.userWeight, state.userHeight);
    const int bodyMassClass =
        BodyMassClass1(bmi, Age(state, clock), state.sex(), Rounded(state.bodyMassClassValue()));
    state.bodyMassClassValue() = static_cast<float>(bodyMassClass);
    state.bodyMassIndex(kProgram) = base::CInt(bmi);
    state.bodyMassClass(kProgram) = static_cast<int16_t>(bodyMassClass);

    int scores[kProgram1Tests];
    for (int t = 1; t <= kProgram1Tests; ++t) scores[t - 1] = state.scoreOf(kProgram, t);
    const int fitness = FitnessClass(scores);
    state.fitnessClassValue() = static_cast<float>(fitness);

    const int combined = CombinedClass(bodyMassClass, fitness, Rounded(state.overallClassValue()));
    state.overallClassValue() = static_cast<float>(combined);
    const int overall = OverallRating(combined);
    state.overallRating(kProgram) = static_cast<int16_t>(overall);

    Column column{{kRowDate, base::FormatDdMmYyyy(clock.Now())}};
    for (int t = 1; t <= kProgram1Tests; ++t)
        column.push_back({t, RatingWord(state.ratingOf(kProgram, t))});
    column.push_back({kRowBodyMass, BodyMassWord(bodyMassWords, bodyMassClass)});
    column.push_back({kRowOverall, RatingWord(overall)});
    return column;
}

ProgramRecord Program1Record(const state::SharedState& state, std::string_view bodyMassWords) {
    ProgramRecord record = SummaryRecord(state, kProgram, kProgram1Tests);
    record.historyColumn = [words = std::string(bodyMassWords)](const HistoryRun& run) {
        Column column{{kRowDate, run.date}};
        for (int t = 1; t <= kProgram1Tests; ++t)
            column.push_back({t, RatingWord(run.Value(kProgram * 100 + t))});
        column.push_back({kRowBodyMass, BodyMassWord(words, run.Value(kProgram * 100 + 14))});
        column.push_back({kRowOverall, RatingWord(run.Value(kProgram * 100 + 15))});
        return column;
    };
    return record;
}

ResultsPage LoadProgram1Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store, std::string_view bodyMassWords) {
    Column current = EvaluateProgram1(state, clock, bodyMassWords);
    return CompleteResults(std::move(current), Program1Record(state, bodyMassWords), state, clock,
                           store);
}

}  // namespace results
