#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "conclusions/program3.h"

namespace {

using namespace conclusions;

TEST(Conclusion3, EachPanelHoldsItsOwnTextsAndTheDocumentsOfItsSourcesOfRisk) {
    // The sources of risk of variants 2..8: reactivity (kind 1), nutrition (2), environment (3).
    const std::map<int, std::vector<int>> kinds = {
        {1, {}},     {2, {1}},    {3, {2}},       {4, {3}}, {5, {1, 2}},
        {6, {1, 3}}, {7, {2, 3}}, {8, {1, 2, 3}}, {9, {}},  {10, {}},
    };
    std::set<int> texts;
    for (int variant = 1; variant <= kPanelCount3; ++variant) {
        SCOPED_TRACE(variant);
        const Panel3* panel = PanelOf3(variant);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(texts.insert(panel->mainText).second);
        if (panel->furtherText != 0) {
            EXPECT_TRUE(texts.insert(panel->furtherText).second);
        }
        std::vector<int> expected;
        for (int kind : kinds.at(variant)) expected.push_back(10 * variant + kind);
        EXPECT_EQ(panel->books, expected);
    }
    // The seventeen texts, each in exactly one panel.
    EXPECT_EQ(texts.size(), static_cast<size_t>(kTextCount3));
    EXPECT_EQ(*texts.begin(), 1);
    EXPECT_EQ(*texts.rbegin(), kTextCount3);
    EXPECT_EQ(PanelOf3(0), nullptr);
    EXPECT_EQ(PanelOf3(11), nullptr);
}

TEST(Conclusion3, AButtonOpensTheDocumentOfItsKind) {
    EXPECT_EQ(BookDocument3(21), "\\Doc\\DZZ-2-1-r.rtf");
    EXPECT_EQ(BookDocument3(52), "\\Doc\\DZZ-3-1-r.rtf");
    EXPECT_EQ(BookDocument3(63), "\\Doc\\DZZ-4-1-r.rtf");
    EXPECT_EQ(BookDocument3(83), "\\Doc\\DZZ-4-1-r.rtf");
}

TEST(Conclusion3, TheWeightProblemsCloseTheWayToTheRecommendations) {
    for (int variant = 1; variant <= 8; ++variant) EXPECT_TRUE(RecommendationsOpen3(variant));
    EXPECT_FALSE(RecommendationsOpen3(9));
    EXPECT_FALSE(RecommendationsOpen3(10));
    // A variant without a panel has nothing to recommend from either.
    EXPECT_FALSE(RecommendationsOpen3(0));
    EXPECT_FALSE(RecommendationsOpen3(-1));
}

TEST(Conclusion3, TheRatingWordCompletesTheLeadIn) {
    EXPECT_EQ(RatingWord3(0), "Плохое");
    EXPECT_EQ(RatingWord3(3), "Удовлетворительное");
    EXPECT_EQ(RatingWord3(5), "Хорошее");
    EXPECT_EQ(RatingWord3(-1), "");
}

}  // namespace
