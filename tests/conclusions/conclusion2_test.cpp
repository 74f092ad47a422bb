#include <gtest/gtest.h>

#include "conclusions/program2.h"
#include "text/catalogue.h"

namespace {

using conclusions::ContinueFrom2;
using conclusions::FactorKeys2;

using Keys = std::vector<int>;

// Every test good, no ailment, a normal body mass: nothing weighs against a long life.
state::SharedState Healthy() {
    state::SharedState state;
    state.ResetAnswers();
    state.curProgram = 1;  // the rules read program 2 whatever program is current
    for (int t = 1; t <= 6; ++t) state.answers(2, t, 32) = 5;
    for (int q = 1; q <= 13; ++q) state.answers(2, 7, q) = 2;
    state.answers(2, 14, 32) = 6;
    return state;
}

class Conclusion2Factors : public ::testing::Test {
  protected:
    void Ratings(int rating) {
        for (int t = 1; t <= 6; ++t) state.answers(2, t, 32) = static_cast<int16_t>(rating);
    }
    // Only the ailments given are present.
    Keys WithAilments(std::initializer_list<int> questions) {
        state::SharedState only = Healthy();
        for (int q : questions) only.answers(2, 7, q) = 1;
        return FactorKeys2(only);
    }

    state::SharedState state = Healthy();
};

TEST_F(Conclusion2Factors, NothingIsListedForAHealthyUser) {
    EXPECT_EQ(FactorKeys2(state), Keys{});
}

TEST_F(Conclusion2Factors, SatisfactoryCountsForTestsOneThreeAndFiveOnly) {
    Ratings(3);
    EXPECT_EQ(FactorKeys2(state), (Keys{231, 233, 235}));
    Ratings(0);
    EXPECT_EQ(FactorKeys2(state), (Keys{231, 232, 233, 234, 235, 236}));
}

TEST_F(Conclusion2Factors, TheSkinRuleReadsAnswersThreeAndOneOfTheChecklist) {
    EXPECT_EQ(WithAilments({1}), (Keys{238, 239}));
    EXPECT_EQ(WithAilments({3}), Keys{239});
    EXPECT_EQ(WithAilments({1, 3}), (Keys{238, 239}));
    // Answer 2 of the checklist is read by no rule.
    EXPECT_EQ(WithAilments({2}), Keys{});
}

TEST_F(Conclusion2Factors, DigestionIsListedForTheStomachAloneAndOnceForBoth) {
    EXPECT_EQ(WithAilments({4}), Keys{244});
    EXPECT_EQ(WithAilments({4, 9}), Keys{244});
    EXPECT_EQ(WithAilments({5, 13}), (Keys{240, 248}));
}

TEST_F(Conclusion2Factors, EveryRuleHoldingListsEighteenFactorsInRuleOrder) {
    Ratings(0);
    for (int q = 1; q <= 13; ++q) state.answers(2, 7, q) = 1;
    state.answers(2, 14, 32) = 3;
    EXPECT_EQ(FactorKeys2(state), (Keys{231, 232, 233, 234, 235, 236, 238, 239, 240, 241, 242, 243,
                                        244, 245, 246, 247, 248, 249}));
    for (int key : FactorKeys2(state)) EXPECT_FALSE(text::GetCatalogText(key).empty()) << key;
}

TEST_F(Conclusion2Factors, TheWeightFactorFollowsObesityAndStoutnessOnly) {
    for (int bodyMass : {1, 2, 3, 4, 5, 6, 7}) {
        state.answers(2, 14, 32) = static_cast<int16_t>(bodyMass);
        EXPECT_EQ(FactorKeys2(state) == Keys{249}, bodyMass == 2 || bodyMass == 3) << bodyMass;
    }
}

TEST(Conclusion2Chance, EachRatingHasItsSentenceAndAnyOtherCodeNone) {
    EXPECT_EQ(conclusions::ChanceKey2(0), 221);
    EXPECT_EQ(conclusions::ChanceKey2(3), 222);
    EXPECT_EQ(conclusions::ChanceKey2(5), 223);
    EXPECT_EQ(conclusions::ChanceKey2(-1), 0);
    EXPECT_EQ(conclusions::ChanceKey2(1), 0);
}

TEST(Conclusion2Handover, NothingListedGoesOnWithZeroAndAListWaitsForAMark) {
    const Keys none;
    const Keys three = {231, 233, 235};
    EXPECT_TRUE(ContinueFrom2(none, 0).goOn);
    EXPECT_EQ(ContinueFrom2(none, 0).factorKey, 0);
    EXPECT_FALSE(ContinueFrom2(three, 0).goOn);
    EXPECT_TRUE(ContinueFrom2(three, 3).goOn);
    EXPECT_EQ(ContinueFrom2(three, 3).factorKey, 235);
    EXPECT_EQ(ContinueFrom2(three, 1).factorKey, 231);
    EXPECT_FALSE(ContinueFrom2(three, 4).goOn);
}

}  // namespace
