// How long the profile files take at their largest: one profile with 2,000 test records, and a
// program directory with 999 profiles.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "base/text_codec.h"
#include "text/catalogue.h"
#include "users/ini_file.h"
#include "users/login.h"
#include "users/profiles.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 2000;
constexpr int kCopies = 9;  // one more than the parsed files kept, so every pass parses anew

struct Setup {
    fs::path root;
    std::string big;                  // the profile with 2,000 records
    std::vector<std::string> copies;  // the same, several times
    fs::path crowd;                   // a directory of 999 profiles
};
Setup setup;

// A profile as the program writes it: [Settings], then one record per run of a program.
std::string Profile(const std::string& lastName, const std::string& name, int records) {
    std::string text = "[Settings]\r\nPassw=ключ7\r\nName=" + name +
                       "\r\nYearBirth= 1958\r\nSex=f\r\nLastName=" + lastName +
                       "\r\nDateReg=05.03.04\r\nTimeReg=07:05:09\r\nHeight=1.64\r\nDateNum=" +
                       std::to_string(records) + "\r\n";
    for (int r = 1; r <= records; ++r) {
        const int program = 1 + r % 5;
        text += "[Result" + std::to_string(r) + "]\r\nDateTest=05.03.2004\r\nTimeTest=07:15:40\r\n";
        for (int t = 1; t <= 9; ++t)
            text += "Test" + std::to_string(program * 100 + t) + "= " + "530"[t % 3] + "\r\n";
        text += "Test" + std::to_string(program * 100 + 14) + "= 3\r\nTest" +
                std::to_string(program * 100 + 15) + "= 5\r\n";
    }
    return *base::Utf8ToCp1251(text);
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

void Prepare() {
    std::string pattern = (fs::temp_directory_path() / "zorvek-bench-XXXXXX").string();
    setup.root = ::mkdtemp(pattern.data());
    const std::string big = Profile("Щербакова", "Анна", kRecords);
    setup.big = (setup.root / "ZRVI001.ini").string();
    Write(setup.big, big);
    for (int i = 0; i < kCopies; ++i) {
        setup.copies.push_back((setup.root / ("copy" + std::to_string(i) + ".ini")).string());
        Write(setup.copies.back(), big);
    }
    setup.crowd = setup.root / "crowd";
    fs::create_directory(setup.crowd);
    const char* lastNames[] = {"Иванова",  "Петров",  "Сидоренко",
                               "Яковлева", "Андреев", "Кузнецова"};
    for (int n = 1; n <= 999; ++n) {
        Write(setup.crowd / users::ProfileFileName(n),
              Profile(std::string(lastNames[n % 6]) + std::to_string(n % 97), "Мария", 100));
    }
    // Files changed within the last moments are parsed at every read (their times are too coarse
    // to tell a later change apart); let them settle as files of earlier days are.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
}

// 100 keys of the kind a results screen reads: the user's settings and the latest records.
int ReadHundredKeys(const std::string& file) {
    int found = 0;
    for (const char* key : {"Name", "LastName", "YearBirth", "Sex", "DateNum"}) {
        found += users::ReadIni(file, "Settings", key, "?") != "?";
    }
    for (int r = kRecords; found < 100; --r) {
        const std::string section = "Result" + std::to_string(r);
        for (const char* key : {"DateTest", "Test101", "Test201", "Test301", "Test115"}) {
            if (found >= 100) break;
            users::ReadIni(file, section, key, "0");
            ++found;
        }
    }
    return found;
}

void BM_Read100Keys(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadHundredKeys(setup.big));
}
BENCHMARK(BM_Read100Keys)->Unit(benchmark::kMillisecond);

// The same with the first key of each pass parsing the whole file (a file not read before).
void BM_Read100KeysFirstTime(benchmark::State& state) {
    int next = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ReadHundredKeys(setup.copies[next++ % kCopies]));
}
BENCHMARK(BM_Read100KeysFirstTime)->Unit(benchmark::kMillisecond);

void BM_WriteKey(benchmark::State& state) {
    int value = 0;
    for (auto _ : state) {
        const users::WriteResult result =
            users::WriteIni(setup.big, "Result" + std::to_string(kRecords), "Test101",
                            " " + std::to_string(++value % 6));
        if (!result) state.SkipWithError(result.reason.c_str());
    }
}
BENCHMARK(BM_WriteKey)->Unit(benchmark::kMillisecond);

// A whole test record of 14 values at once, as a results screen writes it.
void BM_WriteRecord(benchmark::State& state) {
    int record = kRecords;
    for (auto _ : state) {
        const std::string section = "Result" + std::to_string(++record);
        std::vector<users::IniEntry> entries = {{"Settings", "DateNum", std::to_string(record)},
                                                {section, "DateTest", "08.12.2026"},
                                                {section, "TimeTest", "10:30:00"}};
        for (int t = 1; t <= 11; ++t)
            entries.push_back({section, "Test" + std::to_string(100 + t), " 5"});
        const users::WriteResult result = users::WriteIni(setup.copies[0], entries);
        if (!result) state.SkipWithError(result.reason.c_str());
    }
}
BENCHMARK(BM_WriteRecord)->Unit(benchmark::kMillisecond);

void BM_LoginList999(benchmark::State& state) {
    for (auto _ : state) {
        const auto list = users::BuildLoginList(setup.crowd);
        if (list.size() != 999) state.SkipWithError("profiles missing from the list");
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_LoginList999)->Unit(benchmark::kMillisecond);

// A profile whose [Settings] comes after 20 MB of records: the section read goes to the end once.
void BM_SettingsAfter20MB(benchmark::State& state) {
    const fs::path file = setup.root / "late.ini";
    if (!fs::exists(file)) {
        std::string records = Profile("Иванова", "Мария", 500);
        records = records.substr(records.find("[Result1]"));
        std::string bytes;
        while (bytes.size() < (20u << 20)) bytes += records;
        Write(file,
              bytes + *base::Utf8ToCp1251("[Settings]\r\nLastName=Иванова\r\nName=Мария\r\n"));
    }
    for (auto _ : state) {
        const auto names =
            users::ReadIniSection(file.string(), "Settings", {"LastName", "Name"}, "?");
        if (names[0] == "?") state.SkipWithError("the settings were not found");
    }
}
BENCHMARK(BM_SettingsAfter20MB)->Unit(benchmark::kMillisecond);

// One look-up in the built-in catalogue: a title of program 1 and a text of the last table.
void BM_CatalogueLookup(benchmark::State& state) {
    text::BuiltinCatalogue();
    long keys[] = {11000, 12050, 29010, 52001, 104};
    size_t next = 0;
    for (auto _ : state) benchmark::DoNotOptimize(text::GetCatalogText(keys[next++ % 5]));
}
BENCHMARK(BM_CatalogueLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(setup.root, error);
    return 0;
}
