#include "results/program5.h"

#include <gtest/gtest.h>

#include "results/memory_profile.h"
#include "support/fake_clock.h"
#include "text/catalogue.h"

namespace {

using results::BodyMassRating5;
using results::RiskPoints;
using results::RiskRating;

class Program5Results : public ::testing::Test {
  protected:
    Program5Results() {
        state.ResetAnswers();
        state.curProgram = 5;
        state.userSex = "m";
        state.userLastName = "Орлов";
        state.userFirstName = "Пётр";
        state.nextTestNum = 1;
        clock.now = {2026, 12, 8, 10, 0, 0};
        marks = text::FormText("frmRezult5", "Marks");
    }
    // A man of 25 with a body mass that gives the rating asked for.
    void Man25(int bodyMassRating) {
        state.userYearBirth = 2001;
        state.userHeight = 1.80f;
        state.userWeight = bodyMassRating == 5 ? 70 : bodyMassRating == 3 ? 95 : 110;
    }
    void Ratings(int first, int second) {
        state.answers(5, 1, 32) = static_cast<int16_t>(first);
        state.answers(5, 2, 32) = static_cast<int16_t>(second);
    }
    static std::string Cell(const results::Column& column, int row) {
        return results::CellText(column, row, "<none>");
    }

    state::SharedState state;
    testsupport::FakeClock clock;
    std::string marks;
};

TEST_F(Program5Results, PointsAtTheBordersOfTheThreeDegreesOfRisk) {
    struct Case {
        int first, second, bodyMass, points, rating;
        const char* mark;
    };
    const Case cases[] = {
        {5, 5, 5, 5, 5, "H"},   // the only way to a low risk
        {5, 5, 3, 6, 3, "C"},   // a body mass just above normal is enough for a moderate one
        {0, 0, 5, 13, 0, "B"},  // both tests bad: high whatever the body mass
        {0, 3, 3, 12, 3, "C"}, {0, 3, 0, 13, 0, "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << c.second << c.bodyMass);
        Man25(c.bodyMass);
        Ratings(c.first, c.second);
        const results::Column column = results::EvaluateProgram5(state, clock, marks);
        EXPECT_EQ(state.answers(5, 14, 32), c.bodyMass);
        EXPECT_EQ(state.answers(5, 15, 31), c.points);
        EXPECT_EQ(state.answers(5, 15, 32), c.rating);
        EXPECT_FLOAT_EQ(state.riskRatingValue(), static_cast<float>(c.rating));
        EXPECT_FLOAT_EQ(state.testRating(15), static_cast<float>(c.bodyMass));
        EXPECT_EQ(Cell(column, 10), c.mark);
    }
}

TEST_F(Program5Results, TodaysColumnShowsLatinMarksAndTheBodyMassWord) {
    Man25(3);
    Ratings(0, 3);
    const results::Column column = results::EvaluateProgram5(state, clock, marks);
    EXPECT_EQ(Cell(column, 0), "08.12.2026");
    EXPECT_EQ(Cell(column, 1), "B");
    EXPECT_EQ(Cell(column, 2), "C");
    EXPECT_EQ(Cell(column, 9), "Удовлет.");
    EXPECT_EQ(Cell(column, 10), "C");
    EXPECT_EQ(state.answers(5, 14, 31), 29);  // 95 kg at 1.80 m: 29.3
}

TEST(Program5BodyMass, AManOf25At30Point9IsJustAboveNormalAndAt31PointZeroOutOfRange) {
    EXPECT_EQ(BodyMassRating5(30.9f, 25, state::Sex::Man, 9), 3);
    EXPECT_EQ(BodyMassRating5(31.0f, 25, state::Sex::Man, 9), 0);
    EXPECT_EQ(results::BodyMassIndex(100, 1.80f), 30.9f);
    EXPECT_EQ(results::BodyMassIndex(112, 1.90f), 31.0f);
    // The same index is the upper band of a woman of 25 only from 29.0 on.
    EXPECT_EQ(BodyMassRating5(28.9f, 25, state::Sex::Woman, 9), 3);
    EXPECT_EQ(BodyMassRating5(29.0f, 25, state::Sex::Woman, 9), 0);
    // Below normal is as far out as above the upper band; the bands end at 61.
    EXPECT_EQ(BodyMassRating5(18.9f, 25, state::Sex::Man, 9), 0);
    EXPECT_EQ(BodyMassRating5(19.0f, 25, state::Sex::Man, 9), 5);
    EXPECT_EQ(BodyMassRating5(28.9f, 61, state::Sex::Man, 9), 5);
    EXPECT_EQ(BodyMassRating5(28.9f, 62, state::Sex::Man, 9), 9);
    EXPECT_EQ(BodyMassRating5(22.0f, 19, state::Sex::Woman, 7), 7);
}

TEST(Program5Points, CodesOutsideTheRatingsAddNothing) {
    EXPECT_EQ(RiskPoints(-1, 5, 5), 3);
    EXPECT_EQ(RiskPoints(5, 5, 7), 4);
    EXPECT_EQ(RiskRating(5), 5);
    EXPECT_EQ(RiskRating(6), 3);
    EXPECT_EQ(RiskRating(12), 3);
    EXPECT_EQ(RiskRating(13), 0);
    EXPECT_EQ(results::RiskMark("^1B^4C^6H", -1), "");
    EXPECT_EQ(results::RiskMark("^1B^4C^6H", 1), "");
}

TEST_F(Program5Results, TheRecordHoldsTheFourKeysAndTheHistorySkipsOtherPrograms) {
    Man25(5);
    Ratings(3, 5);
    testsupport::MemoryProfile profile;
    profile.AddRun(2, "01.06.2026",
                   {{"Test501", " 0"}, {"Test502", " 3"}, {"Test514", " 3"}, {"Test515", " 0"}});
    profile.AddRun(3, "01.09.2026", {{"Test101", " 5"}, {"Test115", " 5"}});
    state.nextTestNum = 4;
    const results::ResultsPage page = results::LoadProgram5Results(state, clock, profile, marks);
    EXPECT_TRUE(page.record.ok);
    auto& run = profile.sections["Result4"];
    EXPECT_EQ(run["Test501"], " 3");
    EXPECT_EQ(run["Test502"], " 5");
    EXPECT_EQ(run["Test514"], " 5");
    EXPECT_EQ(run["Test515"], " 3");  // 4 + 2 + 1 = 7 points
    EXPECT_EQ(run.count("Test503"), 0u);
    ASSERT_EQ(page.history.size(), 1u);
    EXPECT_EQ(Cell(page.history[0], 0), "01.06.2026");
    EXPECT_EQ(Cell(page.history[0], 1), "B");
    EXPECT_EQ(Cell(page.history[0], 2), "C");
    EXPECT_EQ(Cell(page.history[0], 9), "Удовлет.");
    EXPECT_EQ(Cell(page.history[0], 10), "B");
    // The chart reads a degree of risk: high at the bottom, low at the top.
    ASSERT_EQ(page.chart.runs.size(), 2u);
    EXPECT_EQ(page.chart.ratingTitle, "Степень риска");
    EXPECT_EQ(page.chart.levels[0], "Высокая");
    EXPECT_EQ(page.chart.levels[2], "Низкая");
    EXPECT_EQ(page.chart.runs[0].date, "01.06.26");
    EXPECT_EQ(page.chart.runs[0].level, 0);
    EXPECT_EQ(page.chart.runs[1].date, "08.12.26");
    EXPECT_EQ(page.chart.runs[1].level, 1);
    EXPECT_FLOAT_EQ(page.chart.runs[1].bodyMassIndex, 21.6f);  // 70 kg at 1.80 m
}

}  // namespace
