#include <gtest/gtest.h>

#include "conclusions/conclusion_frame.h"
#include "conclusions/program1.h"
#include "support/fake_clock.h"

namespace {

using conclusions::EvaluateConclusion1;

// Lists as the screen's design captions hold them (the advice paragraphs shortened to their
// number, so that a test sees which item was cut).
const conclusions::Conclusion1Lists kLists{
    "^1ХОРОШЕЕ^2УДОВЛЕТВОРИТЕЛЬНОЕ^3ПЛОХОЕ",
    "^1совет 1^2совет 2^3совет 3^4совет 4^5совет 5^6совет 6^7совет 7^8совет 8^9совет 9^10совет 10",
    "^1 - детренированность^2 - питание^3 - реактивность^4 - напряжение^5 - значительное "
    "напряжение",
};

class Conclusion1Test : public ::testing::Test {
  protected:
    Conclusion1Test() {
        state.ResetAnswers();
        state.curProgram = 1;
    }
    conclusions::Conclusion1 Evaluate(int overall, int bodyMassClass, int s1, int s2, int s3,
                                      int s4) {
        state.testRating(17) = static_cast<float>(overall);
        state.testRating(15) = static_cast<float>(bodyMassClass);
        const int scores[4] = {s1, s2, s3, s4};
        for (int t = 1; t <= 4; ++t) state.answers(1, t, 31) = static_cast<int16_t>(scores[t - 1]);
        return EvaluateConclusion1(state, kLists);
    }
    state::SharedState state;
};

TEST_F(Conclusion1Test, GoodOverallWithAWeakStressTestStillListsItsFindingAndArticle) {
    const auto c = Evaluate(100, 6, 80, 80, 80, 50);
    EXPECT_EQ(c.ratingWord, "ХОРОШЕЕ");
    EXPECT_EQ(c.advice, "совет 1");
    EXPECT_FALSE(c.findingsCaptionVisible);
    EXPECT_EQ(c.findings, "\r\n - напряжение\r\n");
    EXPECT_EQ(c.books.shown(), std::vector<int>({4}));
    EXPECT_TRUE(c.booksCaptionVisible);
}

TEST_F(Conclusion1Test, ScoresJustBelowAndAtTheBoundsListOnlyTheWeakTests) {
    const auto c = Evaluate(50, 5, 80, 70, 71, 36);
    EXPECT_EQ(c.ratingWord, "УДОВЛЕТВОРИТЕЛЬНОЕ");
    EXPECT_EQ(c.advice, "совет 4");
    EXPECT_TRUE(c.findingsCaptionVisible);
    EXPECT_EQ(c.findings, "\r\n - питание\r\n - напряжение\r\n");
    EXPECT_EQ(c.findingsCount, 2);
    EXPECT_EQ(c.books.shown(), std::vector<int>({2, 4}));
}

TEST_F(Conclusion1Test, StressScoreOf35IsTheStrongFindingAnd36TheMildOneNeverBoth) {
    EXPECT_EQ(Evaluate(0, 6, 80, 80, 80, 35).findings, "\r\n - значительное напряжение\r\n");
    EXPECT_EQ(Evaluate(0, 6, 80, 80, 80, 36).findings, "\r\n - напряжение\r\n");
    EXPECT_EQ(Evaluate(0, 6, 80, 80, 80, 0).findingsCount, 1);
    EXPECT_EQ(Evaluate(0, 6, 80, 80, 80, 71).findingsCount, 0);
}

TEST_F(Conclusion1Test, ATestNotGivenCountsAsWeak) {
    const auto c = Evaluate(50, 6, -1, 80, 80, 80);
    EXPECT_EQ(c.findings, "\r\n - детренированность\r\n");
    EXPECT_EQ(c.books.shown(), std::vector<int>({1}));
}

TEST_F(Conclusion1Test, NothingFoundShowsNoFindingsNoArticlesAndHidesBothCaptions) {
    const auto c = Evaluate(50, 6, 71, 90, 100, 71);
    EXPECT_EQ(c.findings, "\r\n");
    EXPECT_EQ(c.findingsCount, 0);
    EXPECT_FALSE(c.findingsCaptionVisible);
    EXPECT_EQ(c.books.count(), 0);
    EXPECT_FALSE(c.booksCaptionVisible);
}

TEST_F(Conclusion1Test, ThinAndWeakEverywhereGetsFourFindingsAndFiveArticlesWithoutTheObesityOne) {
    const auto c = Evaluate(0, 1, 10, 20, 30, 20);
    EXPECT_EQ(c.findingsCount, 4);
    EXPECT_EQ(c.findings,
              "\r\n - детренированность\r\n - питание\r\n - реактивность\r\n - значительное "
              "напряжение\r\n");
    EXPECT_EQ(c.books.shown(), std::vector<int>({1, 2, 3, 4, 6}));
    EXPECT_EQ(c.advice, "совет 10");
}

TEST_F(Conclusion1Test, ObesityClassesTwoToFourOfferTheObesityArticle) {
    for (int bodyMassClass : {2, 3, 4}) {
        EXPECT_EQ(Evaluate(0, bodyMassClass, 90, 90, 90, 90).books.shown(), std::vector<int>({5}))
            << bodyMassClass;
    }
    EXPECT_EQ(Evaluate(50, 5, 90, 90, 90, 90).books.count(), 0);
}

TEST_F(Conclusion1Test, AdviceItemFollowsRatingAndBodyMassClass) {
    const int expected[3][6] = {{1, 1, 1, 1, 1, 1}, {2, 4, 5, 8, 9, 10}, {3, 6, 7, 8, 9, 10}};
    const int ratings[3] = {100, 50, 0};
    for (int r = 0; r < 3; ++r) {
        for (int c = 6; c >= 1; --c) {
            EXPECT_EQ(conclusions::AdviceItem(ratings[r], c), expected[r][6 - c])
                << ratings[r] << " " << c;
        }
    }
    EXPECT_EQ(conclusions::AdviceItem(100, 0), 1);
    EXPECT_EQ(conclusions::AdviceItem(50, 7), 0);
    EXPECT_EQ(conclusions::AdviceItem(30, 6), 0);
}

TEST_F(Conclusion1Test, UnexpectedValuesKeepTheDesignTexts) {
    const auto c = Evaluate(30, 6, 90, 90, 90, 90);
    EXPECT_FALSE(c.ratingWord.has_value());
    EXPECT_FALSE(c.advice.has_value());
    const auto d = Evaluate(50, 0, 90, 90, 90, 90);
    EXPECT_EQ(d.ratingWord, "УДОВЛЕТВОРИТЕЛЬНОЕ");
    EXPECT_FALSE(d.advice.has_value());
}

TEST_F(Conclusion1Test, ScoresAreCopiedIntoTestRatingElevenToFourteen) {
    Evaluate(50, 5, 12, 34, 56, 78);
    EXPECT_FLOAT_EQ(state.testRating(11), 12.0f);
    EXPECT_FLOAT_EQ(state.testRating(12), 34.0f);
    EXPECT_FLOAT_EQ(state.testRating(13), 56.0f);
    EXPECT_FLOAT_EQ(state.testRating(14), 78.0f);
}

TEST_F(Conclusion1Test, EvaluatingTwiceGivesTheSameResult) {
    const auto first = Evaluate(0, 3, 10, 80, 80, 50);
    const auto second = EvaluateConclusion1(state, kLists);
    EXPECT_EQ(first.findings, second.findings);
    EXPECT_EQ(first.books.shown(), second.books.shown());
}

TEST(ConclusionFrame, SalutationsOfTheFiveScreens) {
    state::SharedState state;
    state.userLastName = "Сидорова";
    state.userFirstName = "Мария";
    state.userYearBirth = 1996;
    state.userSex = "";  // anything but "m" is addressed as a woman
    EXPECT_EQ(conclusions::Salutation1("Заключение о состоянии Вашего здоровья, г-", state),
              "Заключение о состоянии Вашего здоровья, г-жа Сидорова Мария");
    EXPECT_EQ(conclusions::SalutationFormal(state), "Уважаемая госпожа\r\nСидорова Мария");
    EXPECT_EQ(conclusions::SalutationChild(state), "Мария Сидорова, 1996 года рождения");
    EXPECT_EQ(conclusions::Salutation5("Г-", state), "Г-жа Мария Сидорова");
    state.userSex = "m";
    state.userLastName = "Сидоров";
    state.userFirstName = "Иван";
    EXPECT_EQ(conclusions::Salutation1("…, г-", state), "…, г-н Сидоров Иван");
    EXPECT_EQ(conclusions::SalutationFormal(state), "Уважаемый господин\r\nСидоров Иван");
    EXPECT_EQ(conclusions::Salutation5("Г-", state), "Г-н Иван Сидоров");
}

TEST(ConclusionFrame, DateIsTodayAndRoutesLeadToTheProgramsOwnScreens) {
    testsupport::FakeClock clock;
    clock.now = {2004, 3, 5, 23, 59, 0};
    EXPECT_EQ(conclusions::TodayText(clock), "05.03.2004");
    EXPECT_EQ(conclusions::RouteOf(4).results, "frmRezult4");
    EXPECT_EQ(conclusions::RouteOf(4).recommendations, "frmRecom4");
}

TEST(ConclusionFrame, DocumentsOfTheArticleButtons) {
    EXPECT_EQ(conclusions::BookDocument1(1), "\\DOC\\11-1-5-k.rtf");
    EXPECT_EQ(conclusions::BookDocument1(3), "\\DOC\\11-1-1.rtf");
    EXPECT_EQ(conclusions::BookDocument1(6), "\\DOC\\11-1-6-k.rtf");
    EXPECT_EQ(conclusions::BookDocument1(7), "");
}

}  // namespace
