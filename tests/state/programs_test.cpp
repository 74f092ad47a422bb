#include "state/programs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "state/shared_state.h"

namespace {

std::set<std::string> AsSet(const std::vector<std::string>& names) {
    return {names.begin(), names.end()};
}

TEST(Programs, TheAbortAndTheFarewellCloseTheirOwnInformationMenus) {
    // The depression program's submenu stays open after both; the old-age document after the
    // farewell.
    EXPECT_EQ(AsSet(state::InfoMenusClosedByAbort()),
              (std::set<std::string>{"mInfo14", "mInfo104", "mInfo15", "mInfo16"}));
    EXPECT_EQ(AsSet(state::InfoMenusClosedByFarewell()),
              (std::set<std::string>{"mInfo14", "mInfo15", "mInfo16"}));
}

TEST(Programs, EachProgramIsFoundByNumberMenuItemAndRecommendationScreen) {
    for (const state::Program& program : state::Programs()) {
        EXPECT_EQ(state::ProgramOf(program.number), &program);
        EXPECT_EQ(state::ProgramOfMenuItem(program.menuItem), &program);
        EXPECT_EQ(state::ProgramOfRecommendations(program.recommendations), &program);
    }
    EXPECT_EQ(state::ProgramOfRecommendations("FRMRECOM2"), state::ProgramOf(2));
    EXPECT_EQ(state::ProgramOf(0), nullptr);
    EXPECT_EQ(state::ProgramOf(6), nullptr);
    EXPECT_EQ(state::ProgramOfMenuItem(20), nullptr);
    EXPECT_EQ(state::ProgramOfRecommendations("frmRecom6"), nullptr);
    EXPECT_EQ(state::ProgramOfRecommendations(""), nullptr);
}

TEST(Programs, NoTwoProgramsShareAScreenExceptTheSheet) {
    std::set<std::string_view> screens;
    for (const state::Program& program : state::Programs()) {
        for (std::string_view screen : {program.introduction, program.results, program.conclusion,
                                        program.recommendations}) {
            EXPECT_TRUE(screens.insert(screen).second) << screen;
        }
    }
    EXPECT_EQ(state::ProgramOf(2)->sheet, "frmRecept2");
    EXPECT_EQ(state::ProgramOf(4)->sheet, "frmRecept1");
}

TEST(SharedState, OnlyMIsAManAsEveryRuleReadsTheStoredSex) {
    EXPECT_EQ(state::SexOf("m"), state::Sex::Man);
    for (const char* other : {"f", "", "M", "x"}) EXPECT_EQ(state::SexOf(other), state::Sex::Woman);
}

TEST(SharedState, NamedResultsAreTheDocumentedSlots) {
    state::SharedState s;
    s.ratingOf(2, 3) = 5;
    s.bodyMassClass(4) = 6;
    s.overallRating(1) = 3;
    s.resultVariant(3) = 7;
    s.copiedScore(2) = 44.0f;
    // Stored files and other screens read these very cells.
    EXPECT_EQ(s.answers(2, 3, 32), 5);
    EXPECT_EQ(s.answers(4, 14, 32), 6);
    EXPECT_EQ(s.answers(1, 15, 32), 3);
    EXPECT_EQ(s.answers(3, 15, 33), 7);
    EXPECT_EQ(s.testRating(12), 44.0f);
}

}  // namespace
