#include <gtest/gtest.h>

#include "conclusions/program4.h"
#include "text/catalogue.h"

namespace {

using namespace conclusions;

class Conclusion4Test : public ::testing::Test {
  protected:
    Conclusion4Test() {
        state.ResetAnswers();
        state.curProgram = 1;  // the rules read program 4 whatever program is current
        Results({5, 5, 5, 5, 5, 5, 5}, 3, 6, 1);
    }
    // What the results screen of program 4 leaves behind.
    void Results(std::initializer_list<int> ratings, int ageRating, int bodyMassClass, int points) {
        int t = 1;
        for (int rating : ratings) state.answers(4, t++, 32) = static_cast<int16_t>(rating);
        state.answers(4, 13, 32) = static_cast<int16_t>(ageRating);
        state.answers(4, 14, 32) = static_cast<int16_t>(bodyMassClass);
        state.answers(4, 15, 31) = static_cast<int16_t>(points);
    }

    state::SharedState state;
};

TEST_F(Conclusion4Test, TheVerdictFollowsThePointSum) {
    const struct {
        int points;
        long key;
    } cases[] = {{0, 424}, {1, 424}, {2, 423}, {5, 423}, {6, 422}, {13, 422}, {33, 422}};
    for (const auto& c : cases) {
        state.answers(4, 15, 31) = static_cast<int16_t>(c.points);
        EXPECT_EQ(EvaluateConclusion4(state).verdictKey, c.key) << c.points;
    }
    // The high-risk verdict continues the lead-in and names several factors acting together.
    const std::string high = text::GetCatalogText(422);
    EXPECT_EQ(high.rfind(text::GetCatalogText(421).substr(0, 60), 0), 0u);
    EXPECT_GT(high.size(), text::GetCatalogText(421).size());
    EXPECT_NE(text::GetCatalogText(423).find("умеренная"), std::string::npos);
}

TEST_F(Conclusion4Test, EveryTestGoodLeavesTheAgeAsTheOnlySource) {
    const Conclusion4 conclusion = EvaluateConclusion4(state);
    EXPECT_EQ(conclusion.verdictKey, 424);
    EXPECT_FALSE(conclusion.weightLoss);
    EXPECT_EQ(conclusion.rows.shown(), std::vector<int>({8}));
    EXPECT_EQ(conclusion.books.shown(), std::vector<int>({8}));
    EXPECT_EQ(text::GetCatalogText(438), "Возраст");
    EXPECT_EQ(text::GetCatalogText(458), "РАК ИЩЕТ СВОИ ЖЕРТВЫ СРЕДИ ЛЮДЕЙ ПРЕКЛОННОГО ВОЗРАСТА");
    EXPECT_EQ(BookDocument4(8), "\\Doc\\OZ-d6-r.rtf");
}

TEST_F(Conclusion4Test, AMarkedWeightLossLeavesOnlyTheAdviceToSeeADoctor) {
    Results({0, 0, 0, 0, 0, 0, 0}, 0, 1, 33);
    const Conclusion4 conclusion = EvaluateConclusion4(state);
    EXPECT_TRUE(conclusion.weightLoss);
    EXPECT_EQ(conclusion.verdictKey, 425);
    EXPECT_EQ(conclusion.rows.count(), 0);
    EXPECT_EQ(conclusion.books.count(), 0);
    EXPECT_EQ(text::GetCatalogText(425).rfind("Вам необходимо обратиться к врачу", 0), 0u);
}

TEST_F(Conclusion4Test, SourcesAndArticlesStandInRowOrder) {
    struct Case {
        std::vector<int> ratings;
        int ageRating, bodyMassClass;
        std::vector<int> rows, books;
    };
    const Case cases[] = {
        // Both environment tests flagged: both rows, one article under the home row.
        {{5, 5, 5, 5, 0, 0, 5}, 3, 6, {5, 6, 8}, {5, 8}},
        {{5, 5, 5, 5, 3, 3, 5}, 0, 6, {5, 6, 8}, {5, 8}},
        // The work environment alone keeps its own button.
        {{5, 5, 5, 5, 5, 3, 5}, 3, 6, {6, 8}, {6, 8}},
        // Precancerous conditions: a row without an article.
        {{5, 5, 5, 5, 5, 5, 0}, 3, 6, {7, 8}, {8}},
        // Excess weight: its row and article after the age.
        {{5, 5, 5, 5, 5, 5, 5}, 3, 4, {8, 9}, {8, 9}},
        {{0, 3, 0, 3, 5, 5, 5}, 0, 4, {1, 2, 3, 4, 8, 9}, {1, 2, 3, 4, 8, 9}},
        // A test that was not given counts as a source.
        {{-1, 5, 5, 5, 5, 5, 5}, 3, 6, {1, 8}, {1, 8}},
    };
    for (const Case& c : cases) {
        int t = 1;
        for (int rating : c.ratings) state.answers(4, t++, 32) = static_cast<int16_t>(rating);
        state.answers(4, 13, 32) = static_cast<int16_t>(c.ageRating);
        state.answers(4, 14, 32) = static_cast<int16_t>(c.bodyMassClass);
        const Conclusion4 conclusion = EvaluateConclusion4(state);
        EXPECT_EQ(conclusion.rows.shown(), c.rows) << testing::PrintToString(c.ratings);
        EXPECT_EQ(conclusion.books.shown(), c.books) << testing::PrintToString(c.ratings);
    }
}

TEST_F(Conclusion4Test, EachSourceHasItsCaptionAndEachArticleItsDocument) {
    for (int d = 1; d <= kSources4; ++d) {
        EXPECT_FALSE(text::GetCatalogText(kSourceRowKey4 + d).empty()) << d;
        const bool hasArticle = !text::GetCatalogText(kSourceBookKey4 + d).empty();
        EXPECT_EQ(hasArticle, d != kPrecancer4) << d;
        EXPECT_EQ(!BookDocument4(d).empty(), hasArticle) << d;
    }
    EXPECT_EQ(BookDocument4(5), BookDocument4(6));
    EXPECT_EQ(text::GetCatalogText(455), text::GetCatalogText(456));
    EXPECT_EQ(BookDocument4(10), "\\Doc\\OZ-d8-r.rtf");
    EXPECT_TRUE(BookDocument4(0).empty());
    EXPECT_TRUE(BookDocument4(11).empty());
}

}  // namespace
