#pragma once
// What every results screen shows and does when it opens: today's column of the grid, the test
// record written into the profile, and the earlier runs of the same program beside it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "results/profile_store.h"
#include "results/test_record.h"
#include "state/shared_state.h"

namespace results {

// One cell of a grid column: its row (0 = the date) and its text.
struct Cell {
    int row;
    std::string text;
};
using Column = std::vector<Cell>;
// The text of a column's cell in row; absent when the column has no such cell.
std::string CellText(const Column& column, int row, std::string_view absent = "");

// The grid of a results screen: label index = column × rowsPerColumn + row; the current run is
// in currentColumn, the history in the columns after it.
struct GridShape {
    int rowsPerColumn;
    int currentColumn;
    int CellIndex(int column, int row) const { return column * rowsPerColumn + row; }
    int HistoryColumn(int n) const { return currentColumn + 1 + n; }  // n = 0 for the newest run
};

// Body-mass index: weight / height², single precision, rounded to one decimal (ties to even).
// 0 when no height is known.
float BodyMassIndex(int weightKg, float heightM);
// Age in whole years: the current calendar year − the year of birth.
int Age(const state::SharedState& state, const base::Clock& clock);

// The rating word of a code (catalogue 40 + code: "Плохо", "Удовлет.", "Хорошо"); empty for a
// code that has no word (−1, a test that was not given).
std::string RatingWord(int code);

// The header of a results screen: the fixed caption, the separator (a blank or a line break),
// "г-н" / "г-жа", a blank, the last name, a blank, the first name.
std::string HeaderWithSalutation(std::string_view caption, std::string_view separator,
                                 const state::SharedState& state);

// How one program fills its record and reads its history.
struct ProgramRecord {
    int program;
    std::vector<RecordEntry> entries;  // in writing order
    std::vector<int> historyKeys;      // the keys a history column is built from
    std::function<Column(const HistoryRun&)> historyColumn;
    float bodyMassIndex = 0.0f;  // of this run, stored beside the entries for the chart
    // The overall rating is a degree of risk (0 high, 3 moderate, 5 low) rather than a rating of
    // health (0 bad, 3 satisfactory, 5 good); either way a higher code is the better outcome.
    bool riskScale = false;
};

// The history chart of a results screen: the overall rating and the body-mass index of the runs
// the grid shows, oldest first, this run last.
struct HistoryChart {
    struct Run {
        std::string date;
        int level = -1;              // 0, 1, 2 for overall codes 0, 3, 5; −1: nothing to draw
        float bodyMassIndex = 0.0f;  // 0: none stored
    };
    std::string ratingTitle;
    std::string levels[3];  // captions of levels 0, 1, 2 (bottom up)
    std::string bodyMassTitle;
    std::vector<Run> runs;
    // A chart is worth drawing once there is an earlier run to compare with.
    bool Shown() const { return runs.size() >= 2; }
};
// The chart level of an overall code; −1 for a code that is no rating.
int ChartLevel(int overallCode);
// A body-mass index as the user reads it: one decimal with a comma ("23,4").
std::string BodyMassIndexText(float index);
// The chart in words, for a screen reader: each run's date, level and index, oldest first.
std::string ChartSummary(const HistoryChart& chart);

// The record most programs write: the rating of each of its tests (keys p01..), its body-mass
// class (p14) and its overall rating (p15), with the same keys read back for the history; the
// program adds how a history column shows them.
ProgramRecord SummaryRecord(const state::SharedState& state, int program, int tests);

struct ResultsPage {
    Column current;
    std::vector<Column> history;  // newest first, at most six
    // When each history column's run was taken, in the same order: columns of one day differ
    // only in their time.
    struct When {
        std::string date;
        std::string time;  // empty when the run has none stored
    };
    std::vector<When> historyWhen;
    HistoryChart chart;
    StoreResult record;
};

// Writes the record of the current run (section nextTestNum) and reads the history.
ResultsPage CompleteResults(Column current, const ProgramRecord& program,
                            const state::SharedState& state, const base::Clock& clock,
                            ProfileStore& store);

}  // namespace results
