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
};

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
    StoreResult record;
};

// Writes the record of the current run (section nextTestNum) and reads the history.
ResultsPage CompleteResults(Column current, const ProgramRecord& program,
                            const state::SharedState& state, const base::Clock& clock,
                            ProfileStore& store);

}  // namespace results
