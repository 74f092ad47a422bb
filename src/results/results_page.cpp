#include "results/results_page.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace results {

std::string CellText(const Column& column, int row, std::string_view absent) {
    for (const Cell& cell : column) {
        if (cell.row == row) return cell.text;
    }
    return std::string(absent);
}

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

int ChartLevel(int overallCode) {
    switch (overallCode) {
        case 0:
            return 0;
        case 3:
            return 1;
        case 5:
            return 2;
        default:
            return -1;
    }
}

std::string BodyMassIndexText(float index) {
    std::string text = BodyMassIndexValue(index);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string ChartSummary(const HistoryChart& chart) {
    std::string summary;
    for (const HistoryChart::Run& run : chart.runs) {
        if (!summary.empty()) summary += "; ";
        summary += run.date;
        if (run.level >= 0) summary += ", " + chart.ratingTitle + ": " + chart.levels[run.level];
        if (run.bodyMassIndex > 0.0f)
            summary += ", " + chart.bodyMassTitle + ": " + BodyMassIndexText(run.bodyMassIndex);
    }
    return summary;
}

namespace {

// "dd.mm.yyyy" as "dd.mm.yy", so that seven dates fit under the chart; any other stored text as
// it stands.
std::string ShortDate(const std::string& date) {
    const bool full =
        date.size() == 10 && date[2] == '.' && date[5] == '.' &&
        std::all_of(date.begin() + 6, date.end(), [](char c) { return c >= '0' && c <= '9'; });
    return full ? date.substr(0, 6) + date.substr(8) : date;
}

HistoryChart ChartFrame(bool riskScale) {
    HistoryChart chart;
    const std::string levels = text::FormText("results", riskScale ? "ChartRisk" : "ChartRating");
    chart.ratingTitle = text::GetListItem(levels, 1);
    for (int level = 0; level < 3; ++level)
        chart.levels[level] = text::GetListItem(levels, 2 + level);
    chart.bodyMassTitle = text::FormText("results", "ChartBodyMass");
    return chart;
}

}  // namespace

ResultsPage CompleteResults(Column current, const ProgramRecord& program,
                            const state::SharedState& state, const base::Clock& clock,
                            ProfileStore& store) {
    ResultsPage page;
    page.current = std::move(current);
    page.record = WriteTestRecord(store, state.nextTestNum, clock.Now(),
                                  {program.program, program.entries, program.bodyMassIndex});
    const int overallKey = program.program * 100 + state::SharedState::kSummaryRow;
    page.chart = ChartFrame(program.riskScale);
    for (const HistoryRun& run :
         ReadHistory(store, state.nextTestNum, program.program, program.historyKeys)) {
        page.history.push_back(program.historyColumn(run));
        page.historyWhen.push_back({run.date, run.time});
        page.chart.runs.insert(
            page.chart.runs.begin(),
            {ShortDate(run.date), ChartLevel(run.Value(overallKey)), run.bodyMassIndex});
    }
    page.chart.runs.push_back({ShortDate(base::FormatDdMmYyyy(clock.Now())),
                               ChartLevel(state.overallRating(program.program)),
                               program.bodyMassIndex});
    return page;
}

ProgramRecord SummaryRecord(const state::SharedState& state, int program, int tests) {
    ProgramRecord record{program, {}, {}, {}};
    record.bodyMassIndex = BodyMassIndex(state.userWeight, state.userHeight);
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
