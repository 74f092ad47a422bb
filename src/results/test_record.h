#pragma once
// The test record of one run in the user's profile, and the earlier runs read back from it.
//
// A run is the section "Result" + run number ([Result12]) with the date and time of the run and
// one key "Test" + p×100+t per rating (Test101 is test 1 of program 1, Test115 its overall
// rating). [Settings] DateNum holds the number of the latest run. Every program that is run during
// one login writes into the same section, each with its own keys.
#include <map>
#include <string>
#include <vector>

#include "base/clock.h"
#include "results/profile_store.h"

namespace results {

inline constexpr int kMaxHistoryRuns = 6;

std::string RecordSection(int runNumber);  // "Result12"
std::string RecordKey(int keyNumber);      // 101 -> "Test101"
// A code as stored: a blank before a value that is not negative (" 5", " 0"), "-1".
std::string RecordValue(int code);
// The value of a stored text: its numeric value rounded to a whole number; an empty or
// non-numeric text reads as 0. A value too large for a rating reads as kUnreadable.
inline constexpr int kUnreadable = -32768;
int StoredCode(const std::string& text);

struct RecordEntry {
    int keyNumber;  // p×100 + t
    int code;
};

// The body-mass index of a program's run is kept beside its ratings ("BodyMassIndex1=23.4", one
// decimal with a point), so that the history chart can draw it; runs stored before it was kept,
// and runs without a known height, have none.
std::string BodyMassIndexKey(int program);
std::string BodyMassIndexValue(float index);  // "" for an index that is not positive

// The values of a record in writing order: DateNum, then in section "Result" + runNumber DateTest
// ("dd.mm.yyyy"), TimeTest ("HH:MM:SS"), the entries in their order and, when the program's run
// has one, its body-mass index.
struct RunRecord {
    int program = 0;
    std::vector<RecordEntry> entries;
    float bodyMassIndex = 0.0f;
};
std::vector<ProfileEntry> TestRecord(int runNumber, const base::DateTime& now,
                                     const RunRecord& record);

// Writes the record in one step: either the whole run is stored or the profile stays as it was,
// so a failed write never leaves DateNum pointing at a run without a date (which would hide every
// earlier run from the history).
StoreResult WriteTestRecord(ProfileStore& store, int runNumber, const base::DateTime& now,
                            const RunRecord& record);

struct HistoryRun {
    int runNumber = 0;
    std::string date;            // as stored
    std::string time;            // TimeTest as stored; empty when the run has none
    std::map<int, int> values;   // key number -> stored code; a missing key is 0
    float bodyMassIndex = 0.0f;  // 0 when the run has none stored
    int Value(int keyNumber) const;
};

// Earlier runs of a program, newest first: runs nextTestNum − 1, − 2, … down to the first run
// without a date. Runs without the program's first test key belong to another program and are
// skipped. At most maxRuns runs.
std::vector<HistoryRun> ReadHistory(ProfileStore& store, int nextTestNum, int program,
                                    const std::vector<int>& keyNumbers,
                                    int maxRuns = kMaxHistoryRuns);

}  // namespace results
