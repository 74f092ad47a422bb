#include "shell/program_launch.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramOfItem, TheFiveProgramItems) {
    struct Row {
        int item, program;
        long first, last;
        const char *introduction, *menu;
    };
    for (const Row& row :
         {Row{21, 1, 102, 103, "frmRazd1", "mInfo14"}, Row{22, 2, 202, 203, "frmRazd2", "mInfo104"},
          Row{23, 3, 302, 303, "frmRazd3", "mInfo16"}, Row{24, 4, 402, 403, "frmRazd4", "mInfo15"},
          Row{25, 5, 502, 503, "frmRazd5", "mInfo17"}}) {
        const auto start = shell::ProgramOfItem(row.item);
        ASSERT_TRUE(start) << row.item;
        EXPECT_EQ(start->number, row.program);
        EXPECT_EQ(start->FirstTestKey(), row.first);
        EXPECT_EQ(start->LastTestKey(), row.last);
        EXPECT_EQ(start->introduction, row.introduction);
        EXPECT_EQ(start->infoMenu, row.menu);
    }
    EXPECT_FALSE(shell::ProgramOfItem(20));
    EXPECT_FALSE(shell::ProgramOfItem(26));
    EXPECT_TRUE(shell::IsChildProgramItem(23));
    EXPECT_FALSE(shell::IsChildProgramItem(21));
}

TEST(AgeCheck, EveryProgramAdmitsExactlyItsRange) {
    struct Range {
        int item, min, max;
    };
    const int year = 2026;
    state::SharedState state;
    for (const Range& r : {Range{21, 20, 60}, Range{22, 61, 999}, Range{23, 3, 15},
                           Range{24, 41, 999}, Range{25, 20, 60}}) {
        state.menuChoice = static_cast<int16_t>(r.item);
        const auto admitted = [&](int age) {
            state.userYearBirth = static_cast<int16_t>(year - age);
            return shell::UserAdmitted(state, year);
        };
        EXPECT_FALSE(admitted(r.min - 1)) << r.item;
        EXPECT_TRUE(admitted(r.min)) << r.item;
        EXPECT_TRUE(admitted(r.max)) << r.item;
        EXPECT_FALSE(admitted(r.max + 1)) << r.item;
    }
    // Born in 1942, in 2003: 61 years, too old for program 1, right for program 2.
    state.userYearBirth = 1942;
    state.menuChoice = 21;
    EXPECT_FALSE(shell::UserAdmitted(state, 2003));
    state.menuChoice = 22;
    EXPECT_TRUE(shell::UserAdmitted(state, 2003));
    EXPECT_EQ(shell::AgeRangeKey(24), 404);
    EXPECT_EQ(shell::AgeRangeKey(21), 104);
}

TEST(StartProgram, StartsFromNothingWithTheTestsOfTheCatalogue) {
    state::SharedState state;
    state.testRating(3) = 5.0f;
    shell::StartProgram(state, *shell::ProgramOfItem(21));
    state.answers(1, 2, 5) = 3;
    state.answers(1, 2, 32) = 5;
    state.testRating(2) = 5.0f;

    shell::StartProgram(state, *shell::ProgramOfItem(23));
    size_t cells = 0;
    for (int p = 1; p <= 10; ++p) {
        for (int t = 1; t <= 15; ++t) {
            for (int i = 1; i <= 35; ++i) {
                ++cells;
                ASSERT_EQ(state.answers(p, t, i), -1) << p << "," << t << "," << i;
            }
        }
    }
    EXPECT_EQ(cells, 5250u);
    for (int i = 0; i <= 100; ++i) EXPECT_EQ(state.testRating(i), 0.0f) << i;
    EXPECT_EQ(state.curProgram, 3);
    EXPECT_EQ(state.firstTest, 35);
    EXPECT_EQ(state.lastTest, 37);
    EXPECT_EQ(state.curTest, 35);
    EXPECT_EQ(state.testKeyBase, 35000);

    shell::StartProgram(state, *shell::ProgramOfItem(22));
    EXPECT_EQ(state.firstTest, 21);
    EXPECT_EQ(state.lastTest, 29);
}

TEST(HeightText, AsTheRegistrationBoxShowsIt) {
    EXPECT_EQ(shell::HeightText(1.75f), "1.75");
    EXPECT_EQ(shell::HeightText(1.8f), "1.8");
    EXPECT_EQ(shell::HeightText(2.0f), "2");
}

}  // namespace
