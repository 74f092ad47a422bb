#include "results/results_page.h"

#include <cmath>

#include "base/numbers.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace results {

float BodyMassIndex(int weightKg, float heightM) {
    if (!(heightM > 0.0f)) return 0.0f;
    const float index = static_cast<float>(weightKg) / (heightM * heightM);
    if (!std::isfinite(index)) return 0.0f;
    return static_cast<float>(base::RoundHalfEven(static_cast<double>(index) * 10.0) / 10.0);
}

int Age(const state::SharedState& state, const base::Clock& clock) {
    return clock.Now().year - state.userYearBirth;
}

std::string RatingWord(int code) {
    if (code != 0 && code != 3 && code != 5) return "";
    return text::GetCatalogText(40 + code);
}

std::string HeaderWithSalutation(std::string_view caption, std::string_view separator,
                                 const state::SharedState& state) {
    return state::AddressedHeading(std::string(caption) + std::string(separator) + "г-",
                                   state.sex(), state.userLastName, state.userFirstName);
}

ResultsPage CompleteResults(Column current, const ProgramRecord& program,
                            const state::SharedState& state, const base::Clock& clock,
                            ProfileStore& store) {
    ResultsPage page;
    page.current = std::move(current);
    page.record = WriteTestRecord(store, state.nextTestNum, clock.Now(), program.entries);
    for (const HistoryRun& run :
         ReadHistory(store, state.nextTestNum, program.program, program.historyKeys)) {
        page.history.push_back(program.historyColumn(run));
        page.historyWhen.push_back({run.date, run.time});
    }
    return page;
}

ProgramRecord SummaryRecord(const state::SharedState& state, int program, int tests) {
    ProgramRecord record{program, {}, {}, {}};
    const int base = program * 100;
    for (int t = 1; t <= tests; ++t)
        record.entries.push_back({base + t, state.ratingOf(program, t)});
    record.entries.push_back(
        {base + state::SharedState::kBodyMassRow, state.bodyMassClass(program)});
    record.entries.push_back(
        {base + state::SharedState::kSummaryRow, state.overallRating(program)});
    for (const RecordEntry& entry : record.entries) record.historyKeys.push_back(entry.keyNumber);
    return record;
}

}  // namespace results
