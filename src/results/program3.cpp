#include "results/program3.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace results {
namespace {

constexpr int kProgram = 3;
constexpr int kBodyMassKey = kProgram * 100 + state::SharedState::kBodyMassRow;
constexpr int kOverallKey = kProgram * 100 + state::SharedState::kSummaryRow;
constexpr long kBodyMassWordKey = 30;  // + class: "Похудание" .. "Полнота"
constexpr long kYearOfBirthKey = 27;   // "года рождения"

// The variant of each set of weak tests, indexed by reactivity + 2 × nutrition + 4 × environment.
constexpr int kVariants[8] = {1, 2, 3, 5, 4, 6, 7, 8};

std::string BodyMassWord3(int bodyMassClass) {
    if (bodyMassClass < 1 || bodyMassClass > 7) return "";
    return text::GetCatalogText(kBodyMassWordKey + bodyMassClass);
}

}  // namespace

int BodyMassClass3(float bmi, int age, int previous) {
    float low = 0.0f, high = 0.0f;
    if (age >= 3 && age <= 10) {
        low = 14.4f;
        high = 17.0f;
    } else if (age >= 11 && age <= 15) {
        low = 15.5f;
        high = 19.5f;
    } else {
        return previous;
    }
    if (bmi > high) return 7;
    if (bmi >= low) return 6;
    return 1;
}

Outcome3 Program3Outcome(int reactivity, int nutrition, int environment) {
    const int ratings[] = {reactivity, nutrition, environment};
    int weakSet = 0, weak = 0, bad = 0;
    for (int t = 0; t < 3; ++t) {
        if (ratings[t] == 5) continue;
        weakSet |= 1 << t;
        ++weak;
        if (ratings[t] != 3) ++bad;
    }
    const int overall = weak == 0 ? 5 : (weak == 1 || bad == 0) ? 3 : 0;
    return {kVariants[weakSet], overall};
}

std::string Header3(std::string_view caption, const state::SharedState& state) {
    return std::string(caption) + "\n" + state.userFirstName + " " + state.userLastName + ",  " +
           std::to_string(state.userYearBirth) + " " + text::GetCatalogText(kYearOfBirthKey);
}

Column EvaluateProgram3(state::SharedState& state, const base::Clock& clock) {
    const float bmi = BodyMassIndex(state.userWeight, state.userHeight);
    const int bodyMass = BodyMassClass3(bmi, Age(state, clock), base::CInt(state.bodyMassRating()));
    state.bodyMassRating() = static_cast<float>(bodyMass);
    state.bodyMassIndex(kProgram) = base::CInt(bmi);
    state.bodyMassClass(kProgram) = static_cast<int16_t>(bodyMass);

    const Outcome3 outcome = Program3Outcome(
        state.ratingOf(kProgram, 1), state.ratingOf(kProgram, 2), state.ratingOf(kProgram, 3));
    state.resultVariant(kProgram) = static_cast<int16_t>(outcome.variant);
    state.overallRating(kProgram) = static_cast<int16_t>(outcome.overall);

    Column column{{kRow3Date, base::FormatDdMmYyyy(clock.Now())}};
    for (int t = 1; t <= kProgram3Tests; ++t)
        column.push_back({t, RatingWord(state.ratingOf(kProgram, t))});
    column.push_back({kRow3BodyMass, BodyMassWord3(bodyMass)});
    column.push_back({kRow3Overall, RatingWord(outcome.overall)});
    return column;
}

ProgramRecord Program3Record(const state::SharedState& state) {
    ProgramRecord record = SummaryRecord(state, kProgram, kProgram3Tests);
    record.historyColumn = [](const HistoryRun& run) {
        Column column{{kRow3Date, run.date}};
        for (int t = 1; t <= kProgram3Tests; ++t)
            column.push_back({t, RatingWord(run.Value(kProgram * 100 + t))});
        column.push_back({kRow3BodyMass, BodyMassWord3(run.Value(kBodyMassKey))});
        column.push_back({kRow3Overall, RatingWord(run.Value(kOverallKey))});
        return column;
    };
    return record;
}

ResultsPage LoadProgram3Results(state::SharedState& state, const base::Clock& clock,
                                ProfileStore& store) {
    Column current = EvaluateProgram3(state, clock);
    return CompleteResults(std::move(current), Program3Record(state), state, clock, store);
}

}  // namespace results
