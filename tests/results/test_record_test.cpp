#include "results/test_record.h"

#include <gtest/gtest.h>

#include "results/memory_profile.h"

namespace {

using results::ReadHistory;
using results::WriteTestRecord;
using testsupport::MemoryProfile;

const base::DateTime kNow{2003, 12, 7, 9, 5, 3};

// Program 1 keys as its results screen writes them.
std::map<std::string, std::string> Program1Keys(const std::string& first,
                                                const std::string& overall) {
    return {{"Test101", first}, {"Test102", " 3"}, {"Test103", " 3"},
            {"Test104", " 3"},  {"Test114", " 5"}, {"Test115", overall}};
}
const std::vector<int> kProgram1KeyNumbers = {101, 102, 103, 104, 114, 115};

TEST(TestRecord, FirstRunWritesDateNumThenSectionResult1InOrderWithSignedValues) {
    MemoryProfile profile;
    const auto outcome = WriteTestRecord(
        profile, 1, kNow, {1, {{101, 5}, {102, 3}, {103, 0}, {104, -1}, {114, 6}, {115, 3}}});
    EXPECT_TRUE(outcome.ok);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Settings", "DateNum=1"},        {"Result1", "DateTest=07.12.2003"},
        {"Result1", "TimeTest=09:05:03"}, {"Result1", "Test101= 5"},
        {"Result1", "Test102= 3"},        {"Result1", "Test103= 0"},
        {"Result1", "Test104=-1"},        {"Result1", "Test114= 6"},
        {"Result1", "Test115= 3"},
    };
    EXPECT_EQ(profile.writes, expected);
    // Nothing earlier to show.
    EXPECT_TRUE(ReadHistory(profile, 1, 1, kProgram1KeyNumbers).empty());
}

TEST(TestRecord, KeyAndSectionNamesCarryNoBlanks) {
    EXPECT_EQ(results::RecordSection(12), "Result12");
    EXPECT_EQ(results::RecordKey(315), "Test315");
    EXPECT_EQ(results::RecordKey(413), "Test413");
    EXPECT_EQ(results::RecordValue(0), " 0");
    EXPECT_EQ(results::RecordValue(-1), "-1");
}

TEST(TestRecord, TwoProgramsInOneLoginShareTheSectionWithTheLaterDateAndTime) {
    MemoryProfile profile;
    WriteTestRecord(profile, 4, kNow,
                    {1, {{101, 5}, {102, 5}, {103, 5}, {104, 5}, {114, 6}, {115, 5}}});
    const base::DateTime later{2003, 12, 7, 9, 40, 0};
    WriteTestRecord(profile, 4, later, {3, {{301, 3}, {302, 3}, {303, 0}, {314, 6}, {315, 0}}});
    const auto& section = profile.sections["Result4"];
    for (const char* key : {"Test101", "Test102", "Test103", "Test104", "Test114", "Test115",
                            "Test301", "Test302", "Test303", "Test314", "Test315"}) {
        EXPECT_EQ(section.count(key), 1u) << key;
    }
    EXPECT_EQ(section.at("TimeTest"), "09:40:00");
    EXPECT_EQ(profile.sections["Settings"]["DateNum"], "4");
    // A later run sees run 4 in the history of either program.
    EXPECT_EQ(ReadHistory(profile, 5, 1, kProgram1KeyNumbers).size(), 1u);
    EXPECT_EQ(ReadHistory(profile, 5, 3, {301, 302, 303, 314, 315}).size(), 1u);
}

TEST(History, RunsOfAnotherProgramInBetweenAreSkippedWithoutUsingAColumn) {
    MemoryProfile profile;
    profile.AddRun(4, "01.02.2003", {{"Test301", " 5"}, {"Test315", " 5"}});
    profile.AddRun(5, "02.02.2003", Program1Keys(" 5", " 3"));
    const auto runs = ReadHistory(profile, 6, 1, kProgram1KeyNumbers);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].runNumber, 5);
    EXPECT_EQ(runs[0].date, "02.02.2003");
    EXPECT_EQ(runs[0].Value(101), 5);
    EXPECT_EQ(runs[0].Value(115), 3);
}

TEST(History, AGapInTheNumberingHidesEverythingOlder) {
    MemoryProfile profile;
    profile.AddRun(1, "01.01.2003", Program1Keys(" 5", " 5"));
    profile.AddRun(2, "02.01.2003", Program1Keys(" 5", " 5"));
    // Run 3 was never written.
    profile.AddRun(4, "04.01.2003", Program1Keys(" 0", " 0"));
    const auto runs = ReadHistory(profile, 5, 1, kProgram1KeyNumbers);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].runNumber, 4);
}

TEST(History, NewestFirstAtMostSixAndMissingValuesReadAsZero) {
    MemoryProfile profile;
    for (int run = 1; run <= 9; ++run)
        profile.AddRun(run, "0" + std::to_string(run) + ".03.2003", Program1Keys(" 5", " 5"));
    // Run 9 has its first test key but lost the others.
    profile.sections["Result9"] = {{"DateTest", "09.03.2003"}, {"Test101", " 3"}};
    const auto runs = ReadHistory(profile, 10, 1, kProgram1KeyNumbers);
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs.front().runNumber, 9);
    EXPECT_EQ(runs.back().runNumber, 4);
    EXPECT_EQ(runs[0].Value(101), 3);
    EXPECT_EQ(runs[0].Value(102), 0);
    EXPECT_EQ(runs[0].Value(115), 0);
}

TEST(History, StoredTextsAreReadByTheirNumericValue) {
    EXPECT_EQ(results::StoredCode(" 5"), 5);
    EXPECT_EQ(results::StoredCode("-1"), -1);
    EXPECT_EQ(results::StoredCode("?"), 0);
    EXPECT_EQ(results::StoredCode(""), 0);
    EXPECT_EQ(results::StoredCode("2.5"), 2);
    // A hand-edited value out of any range neither crashes nor passes for a rating.
    EXPECT_EQ(results::StoredCode("99999999"), results::kUnreadable);
}

TEST(TestRecord, AFailedWriteIsReportedAndLeavesTheEarlierRunsVisible) {
    MemoryProfile profile;
    profile.sections["Settings"]["DateNum"] = "2";
    profile.AddRun(1, "01.01.2003", Program1Keys(" 5", " 5"));
    profile.AddRun(2, "02.01.2003", Program1Keys(" 3", " 3"));
    profile.refusedKeys = {"Test115"};
    const auto outcome = WriteTestRecord(profile, 3, kNow, {1, {{101, 5}, {115, 5}}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.reason.empty());
    // DateNum still names run 2, so the next login writes run 3 again and sees runs 1 and 2.
    EXPECT_EQ(profile.sections["Settings"]["DateNum"], "2");
    EXPECT_EQ(profile.sections.count("Result3"), 0u);
    EXPECT_EQ(ReadHistory(profile, 3, 1, kProgram1KeyNumbers).size(), 2u);
}

}  // namespace

TEST(History, TheBodyMassIndexIsStoredBesideTheRatingsAndReadBackForTheChart) {
    MemoryProfile profile;
    WriteTestRecord(profile, 1, kNow, {2, {{201, 5}, {215, 3}}, 24.96f});
    EXPECT_EQ(profile.sections["Result1"]["BodyMassIndex2"], "25.0");
    // Without a known height there is no index, and no key is written.
    WriteTestRecord(profile, 2, kNow, {2, {{201, 5}, {215, 3}}, 0.0f});
    EXPECT_EQ(profile.sections["Result2"].count("BodyMassIndex2"), 0u);
    // A hand-edited or damaged value is no index; it never stops the history.
    profile.sections["Result3"] = {
        {"DateTest", "03.01.2004"}, {"Test201", " 5"}, {"BodyMassIndex2", "плохо"}};
    profile.sections["Result4"] = {
        {"DateTest", "04.01.2004"}, {"Test201", " 5"}, {"BodyMassIndex2", "1e300"}};
    const auto runs = ReadHistory(profile, 5, 2, {201, 215});
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].bodyMassIndex, 0.0f);
    EXPECT_EQ(runs[1].bodyMassIndex, 0.0f);
    EXPECT_EQ(runs[2].bodyMassIndex, 0.0f);
    EXPECT_FLOAT_EQ(runs[3].bodyMassIndex, 25.0f);
    EXPECT_EQ(results::BodyMassIndexValue(-3.0f), "");
    EXPECT_EQ(results::BodyMassIndexValue(18.449f), "18.4");
}
