#include "recommendations/program4.h"

#include <gtest/gtest.h>

namespace {

using namespace recommendations;

class Program4Recommendations : public ::testing::Test {
  protected:
    Program4Recommendations() { Reset(); }
    // Every source good, a normal body mass, a low risk and no "yes".
    void Reset() {
        state.ResetAnswers();
        state.curProgram = 4;
        for (int t = 1; t <= 7; ++t) state.answers(4, t, 32) = 5;
        state.answers(4, 14, 32) = 6;
        state.answers(4, 15, 32) = 5;
        for (int q = 1; q <= 21; ++q) state.answers(4, 7, q) = 2;  // "no"
    }
    static std::vector<std::string> Codes(const Selection& selection) {
        return program4::ListCodes(selection);
    }

    state::SharedState state;
};

TEST_F(Program4Recommendations, NothingFoundFallsBackToTheGeneralListInCategoryOrder) {
    EXPECT_TRUE(program4::ListsFor(state).empty());
    EXPECT_EQ(Codes(program4::Choose(state)),
              (std::vector<std::string>{"1", "2", "3", "13", "4", "8"}));
}

TEST_F(Program4Recommendations, TheListsComeFromTheTestsTheBodyMassTheRatingAndEachYes) {
    state.answers(4, 1, 32) = 0;   // smoking: list 9
    state.answers(4, 2, 32) = 3;   // the sun: list 10
    state.answers(4, 3, 32) = 0;   // nutrition adds nothing of its own
    state.answers(4, 7, 32) = -1;  // not given: counts as below 5, list 11
    state.answers(4, 14, 32) = 1;  // marked weight loss: list 2
    state.answers(4, 15, 32) = 0;  // list 1
    state.answers(4, 7, 2) = 1;    // list 3
    state.answers(4, 7, 10) = 1;   // list 4
    state.answers(4, 7, 21) = 1;   // list 8
    state.answers(4, 7, 6) = 0;    // a question that did not apply
    EXPECT_EQ(program4::ListsFor(state), (std::vector<int>{9, 10, 11, 2, 1, 3, 4, 8}));

    const std::vector<int> lists[] = {{5}, {6}, {7}, {12}};
    const int yes[] = {13, 3, 15, 1};
    for (size_t i = 0; i < 4; ++i) {
        Reset();
        state.answers(4, 7, yes[i]) = 1;
        EXPECT_EQ(program4::ListsFor(state), lists[i]) << yes[i];
    }
}

TEST_F(Program4Recommendations, PrecancerListsByQuestion) {
    const int expected[] = {12, 3, 6, 12, 12, 3, 6, 8, 12, 4, 8, 8, 5, 5, 7, 3, 5, 12, 7, 5, 8};
    for (int q = 1; q <= 21; ++q) EXPECT_EQ(program4::PrecancerList(q), expected[q - 1]) << q;
    EXPECT_EQ(program4::PrecancerList(0), 0);
    EXPECT_EQ(program4::PrecancerList(22), 0);
}

TEST_F(Program4Recommendations, VariantLettersAreCollectedPerPreparation) {
    // Lists 3 and 7: salts 23 in both variants, heading the salts after the cosmetics.
    const Selection salts = program4::CollectLists({3, 7});
    EXPECT_EQ(Codes(salts), (std::vector<std::string>{"1", "2", "3", "13", "4", "8", "23ab"}));
    EXPECT_EQ(program4::DescriptionPath(salts(7)), "\\Doc\\OZ-12-1-23ab-r.rtf");
    // "21b" then "21a" give "ab" as well; 21 and 22 join the cosmetics by index.
    const Selection creams = program4::CollectLists({4, 10});
    EXPECT_EQ(Codes(creams),
              (std::vector<std::string>{"1", "2", "3", "13", "14", "8", "21ab", "22"}));
    EXPECT_EQ(Codes(program4::CollectLists({7})),
              (std::vector<std::string>{"1", "2", "13", "8", "23b"}));
    EXPECT_EQ(Codes(program4::CollectLists({12})),
              (std::vector<std::string>{"1", "2", "3", "13", "14", "21a"}));
    EXPECT_EQ(program4::DescriptionPath({4, ""}), "\\Doc\\OZ-12-1-4-r.rtf");
}

TEST_F(Program4Recommendations, TheUseTableKeepsTheTagsOfTheListedVariantsOnly) {
    const TemplateRule rule = program4::UseTableRule({"1", "23ab", "21a"});
    EXPECT_EQ(rule.tagWidth, 6);
    EXPECT_TRUE(rule.recommended("23ab"));
    EXPECT_TRUE(rule.recommended("21a"));
    EXPECT_FALSE(rule.recommended("23a"));
    EXPECT_FALSE(rule.recommended("21ab"));
    EXPECT_FALSE(rule.recommended("13"));
}

}  // namespace
