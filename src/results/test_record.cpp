#include "results/test_record.h"

#include <cmath>

#include "base/numbers.h"

namespace results {

std::string RecordSection(int runNumber) { return "Result" + std::to_string(runNumber); }

std::string RecordKey(int keyNumber) {
    std::string digits = std::to_string(keyNumber);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return "Test" + digits;
}

std::string RecordValue(int code) {
    return code < 0 ? std::to_string(code) : " " + std::to_string(code);
}

int StoredCode(const std::string& text) {
    const double value = base::RoundHalfEven(base::Val(text));
    if (!std::isfinite(value) || value < -32767.0 || value > 32767.0) return kUnreadable;
    return static_cast<int>(value);
}

std::string BodyMassIndexKey(int program) { return "BodyMassIndex" + std::to_string(program); }

std::string BodyMassIndexValue(float index) {
    // Written digit by digit: the stored form never follows the user's locale.
    const long tenths = std::lround(static_cast<double>(index) * 10.0);
    if (!(index > 0.0f) || tenths <= 0 || tenths > 99999) return "";
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::vector<ProfileEntry> TestRecord(int runNumber, const base::DateTime& now,
                                     const RunRecord& run) {
    const std::string section = RecordSection(runNumber);
    std::vector<ProfileEntry> record = {{"Settings", "DateNum", std::to_string(runNumber)},
                                        {section, "DateTest", base::FormatDdMmYyyy(now)},
                                        {section, "TimeTest", base::FormatHhMmSs(now)}};
    for (const RecordEntry& entry : run.entries) {
        record.push_back({section, RecordKey(entry.keyNumber), RecordValue(entry.code)});
    }
    const std::string index = BodyMassIndexValue(run.bodyMassIndex);
    if (!index.empty()) record.push_back({section, BodyMassIndexKey(run.program), index});
    return record;
}

StoreResult WriteTestRecord(ProfileStore& store, int runNumber, const base::DateTime& now,
                            const RunRecord& record) {
    return store.Write(TestRecord(runNumber, now, record));
}

int HistoryRun::Value(int keyNumber) const {
    const auto it = values.find(keyNumber);
    return it == values.end() ? 0 : it->second;
}

std::vector<HistoryRun> ReadHistory(ProfileStore& store, int nextTestNum, int program,
                                    const std::vector<int>& keyNumbers, int maxRuns) {
    std::vector<HistoryRun> runs;
    for (int run = nextTestNum - 1; run >= 1 && static_cast<int>(runs.size()) < maxRuns; --run) {
        const std::string section = RecordSection(run);
        const std::string date = store.Read(section, "DateTest", "?");
        if (date == "?") break;
        if (store.Read(section, RecordKey(program * 100 + 1), "?") == "?") continue;
        HistoryRun entry;
        entry.runNumber = run;
        entry.date = date;
        entry.time = store.Read(section, "TimeTest", "");
        for (int key : keyNumbers)
            entry.values[key] = StoredCode(store.Read(section, RecordKey(key), "0"));
        const double index = base::Val(store.Read(section, BodyMassIndexKey(program), "0"));
        if (std::isfinite(index) && index > 0.0 && index < 10000.0)
            entry.bodyMassIndex = static_cast<float>(index);
        runs.push_back(std::move(entry));
    }
    return runs;
}

}  // namespace results
