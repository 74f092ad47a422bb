#include "results/program2.h"

#include <gtest/gtest.h>

#include "results/memory_profile.h"
#include "support/fake_clock.h"
#include "testing/test_rules.h"
#include "text/catalogue.h"

namespace {

using results::BodyMassClass2;
using state::Sex;

// The marks as a user sees them: П and У Cyrillic, X, O and T Latin.
constexpr const char* kPoor = "\u041F";
constexpr const char* kSatisfactory = "\u0423";
constexpr const char* kGood = "X";

class Program2Results : public ::testing::Test {
  protected:
    Program2Results() {
        state.ResetAnswers();
        state.curProgram = 2;
        state.userSex = "f";
        state.userLastName = "Белова";
        state.userFirstName = "Нина";
        state.nextTestNum = 1;
        clock.now = {2026, 12, 8, 10, 0, 0};
        marks = {text::FormText("frmRezult2", "Marks"),
                 text::FormText("frmRezult2", "BodyMassMarks")};
    }
    // A woman of 72, 1.60 m tall, with the given weight.
    void Woman72(int weight) {
        state.userYearBirth = 1954;
        state.userHeight = 1.60f;
        state.userWeight = static_cast<int16_t>(weight);
    }
    void Ratings(std::initializer_list<int> ratings) {
        int t = 1;
        for (int r : ratings) state.answers(2, t++, 32) = static_cast<int16_t>(r);
    }
    static std::string Cell(const results::Column& column, int row) {
        return results::CellText(column, row, "<none>");
    }

    state::SharedState state;
    testsupport::FakeClock clock;
    results::Program2Marks marks;
};

TEST_F(Program2Results, EighteenPointsAreTheMostAndRateGoodFivePointsRatePoor) {
    // 60 kg at 1.60 m: 23.4, class 6 for a woman of 72.
    Woman72(60);
    Ratings({5, 5, 5, 5, 5, 5, 5, 5, 5});
    results::Column column = results::EvaluateProgram2(state, clock, marks);
    EXPECT_EQ(state.answers(2, 14, 32), 6);
    EXPECT_EQ(state.answers(2, 15, 31), 18);  // 6 + 3 + 6 + 3
    EXPECT_EQ(state.answers(2, 15, 32), 5);
    EXPECT_EQ(Cell(column, 10), kGood);

    // Four poor ratings among tests 21..26, poor 27 and 28, no class (an age below 60 keeps
    // the class it had: 4, which adds nothing): 2 + 1 + 2 + 0.
    state.userYearBirth = 1970;
    state.program2BodyMassClassValue() = 4.0f;
    Ratings({0, 0, 0, 0, 5, 5, 0, 0});
    column = results::EvaluateProgram2(state, clock, marks);
    EXPECT_EQ(state.answers(2, 14, 32), 4);
    EXPECT_EQ(state.answers(2, 15, 31), 5);
    EXPECT_EQ(state.answers(2, 15, 32), 0);
    EXPECT_EQ(Cell(column, 9), "");
    EXPECT_EQ(Cell(column, 10), kPoor);
}

TEST(Program2Points, TheBordersOfTheStartPointsAndOfTheThreeRatings) {
    using results::OverallPoints2;
    // Start points: 2 from four poor ratings; 6 only with no poor and four good; else 4.
    EXPECT_EQ(OverallPoints2({0, 0, 0, 0, 5, 5, -1, -1}, 4), 2);
    EXPECT_EQ(OverallPoints2({0, 0, 0, 3, 5, 5, -1, -1}, 4), 4);
    EXPECT_EQ(OverallPoints2({5, 5, 5, 5, 3, 3, -1, -1}, 4), 6);
    EXPECT_EQ(OverallPoints2({5, 5, 5, 5, 5, 0, -1, -1}, 4), 4);
    EXPECT_EQ(OverallPoints2({5, 5, 5, 3, 3, 3, -1, -1}, 4), 4);
    // Tests 27 and 28 and the body-mass classes.
    EXPECT_EQ(OverallPoints2({3, 3, 3, 3, 3, 3, 3, 3}, 5), 4 + 2 + 4 + 2);
    EXPECT_EQ(OverallPoints2({3, 3, 3, 3, 3, 3, 0, 5}, 1), 4 + 1 + 6 + 1);
    EXPECT_EQ(OverallPoints2({3, 3, 3, 3, 3, 3, 5, 0}, 3), 4 + 3 + 2 + 2);
    EXPECT_EQ(results::OverallRating2(8), 0);
    EXPECT_EQ(results::OverallRating2(9), 3);
    EXPECT_EQ(results::OverallRating2(15), 3);
    EXPECT_EQ(results::OverallRating2(16), 5);
}

TEST(Program2BodyMass, AWomanOf72At26PointZeroIsSatisfactoryAndAt31Point3Obese) {
    EXPECT_EQ(BodyMassClass2(26.0f, 72, Sex::Woman, 9), 5);
    EXPECT_EQ(BodyMassClass2(31.3f, 72, Sex::Woman, 9), 2);
    EXPECT_EQ(BodyMassClass2(31.2f, 72, Sex::Woman, 9), 3);
    EXPECT_EQ(BodyMassClass2(19.1f, 72, Sex::Woman, 9), 1);
    EXPECT_EQ(BodyMassClass2(19.2f, 72, Sex::Woman, 9), 6);
    // The bands: 60..69, 70..75, from 76; a man has his own bounds.
    EXPECT_EQ(BodyMassClass2(25.3f, 69, Sex::Woman, 9), 5);
    EXPECT_EQ(BodyMassClass2(25.3f, 70, Sex::Woman, 9), 5);
    EXPECT_EQ(BodyMassClass2(25.9f, 75, Sex::Woman, 9), 5);
    EXPECT_EQ(BodyMassClass2(25.9f, 76, Sex::Woman, 9), 6);
    EXPECT_EQ(BodyMassClass2(32.6f, 90, Sex::Man, 9), 3);
    EXPECT_EQ(BodyMassClass2(32.7f, 90, Sex::Man, 9), 2);
    EXPECT_EQ(BodyMassClass2(25.4f, 60, Sex::Man, 9), 6);
    // Below 60 the class stays as it was.
    EXPECT_EQ(BodyMassClass2(25.4f, 59, Sex::Man, 9), 9);
}

TEST(Program2Marks, RatingsAndClassesShowTheirStoredLetters) {
    const results::Program2Marks marks{text::FormText("frmRezult2", "Marks"),
                                       text::FormText("frmRezult2", "BodyMassMarks")};
    EXPECT_EQ(results::RatingMark2(marks, 0), kPoor);
    EXPECT_EQ(results::RatingMark2(marks, 3), kSatisfactory);
    EXPECT_EQ(results::RatingMark2(marks, 5), kGood);
    EXPECT_EQ(results::RatingMark2(marks, -1), "");
    EXPECT_EQ(results::BodyMassMark2(marks, 1), kPoor);
    EXPECT_EQ(results::BodyMassMark2(marks, 2), "O");
    EXPECT_EQ(results::BodyMassMark2(marks, 3), "T");
    EXPECT_EQ(results::BodyMassMark2(marks, 4), "");
    EXPECT_EQ(results::BodyMassMark2(marks, 5), kSatisfactory);
    EXPECT_EQ(results::BodyMassMark2(marks, 6), kGood);
    EXPECT_EQ(results::BodyMassMark2(marks, 0), "");
}

TEST_F(Program2Results, TheRecordLeavesOutTheSquatTestAndTheHistoryShowsStoredMarks) {
    Woman72(82);  // 32.0: class 2
    Ratings({3, 0, 5, 3, 5, 0, 3, 3, -1});
    testsupport::MemoryProfile profile;
    profile.AddRun(1, "01.06.2026",
                   {{"Test201", " 5"},
                    {"Test202", " 3"},
                    {"Test208", " 0"},
                    {"Test214", " 3"},
                    {"Test215", " 3"}});
    profile.AddRun(2, "01.09.2026", {{"Test501", " 5"}, {"Test515", " 5"}});
    state.nextTestNum = 3;
    const results::ResultsPage page = results::LoadProgram2Results(state, clock, profile, marks);
    EXPECT_TRUE(page.record.ok);
    auto& run = profile.sections["Result3"];
    EXPECT_EQ(run["Test201"], " 3");
    EXPECT_EQ(run["Test202"], " 0");
    EXPECT_EQ(run["Test208"], " 3");
    EXPECT_EQ(run["Test214"], " 2");
    EXPECT_EQ(run["Test215"], " 3");  // 4 + 2 + 4 + 1 = 11 points
    EXPECT_EQ(run.count("Test209"), 0u);
    EXPECT_EQ(state.answers(2, 9, 32), -1) << "the squat test keeps its rating";
    ASSERT_EQ(page.history.size(), 1u) << "the run of another program takes no column";
    EXPECT_EQ(Cell(page.history[0], 0), "01.06.2026");
    EXPECT_EQ(Cell(page.history[0], 1), kGood);
    EXPECT_EQ(Cell(page.history[0], 2), kSatisfactory);
    EXPECT_EQ(Cell(page.history[0], 3), kPoor) << "a missing value reads as 0";
    EXPECT_EQ(Cell(page.history[0], 8), kPoor);
    EXPECT_EQ(Cell(page.history[0], 9), "T");
    EXPECT_EQ(Cell(page.history[0], 10), kSatisfactory);
}

TEST_F(Program2Results, TheSquatTestDecisionReadsTheClassTheResultsComputed) {
    // Back from the results into test 28: rated good in tests 23 and 24, no complaint, but a
    // class of 3 after the results (30.1 for a woman of 72: class 3) still asks the squat test.
    Woman72(77);
    Ratings({5, 5, 5, 5, 5, 5, 5, 5});
    for (int q = 1; q <= 13; ++q) state.answers(2, 7, q) = 2;
    for (int q = 1; q <= 12; ++q) state.answers(2, 8, q) = 2;
    results::EvaluateProgram2(state, clock, marks);
    ASSERT_EQ(state.answers(2, 14, 32), 3);
    questionnaire::DecideSquatTest(state);
    EXPECT_EQ(state.lastTest, 29);
    Woman72(60);
    results::EvaluateProgram2(state, clock, marks);
    questionnaire::DecideSquatTest(state);
    EXPECT_EQ(state.lastTest, 28);
    EXPECT_EQ(state.answers(2, 9, 32), -1);
}

}  // namespace
