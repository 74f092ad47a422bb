#include "results/program1.h"

#include <gtest/gtest.h>

#include "results/memory_profile.h"
#include "support/fake_clock.h"

namespace {

using results::BodyMassClass1;
using results::BodyMassIndex;
using results::CombinedClass;
using results::FitnessClass;

const std::string kWords = "^6Хорошо^5Удовлетв^4Излишняя полнота^3Тучность^2Ожирение^1Похудание";

class Program1Results : public ::testing::Test {
  protected:
    Program1Results() {
        state.ResetAnswers();
        state.curProgram = 1;
        state.userSex = "f";
        state.userLastName = "Петрова";
        state.userFirstName = "Анна";
        state.nextTestNum = 1;
        clock.now = {2003, 12, 7, 14, 15, 0};
    }
    // Woman of 35, 1.65 m, 68 kg (BMI 25.0).
    void Woman35() {
        state.userYearBirth = 1968;
        state.userHeight = 1.65f;
        state.userWeight = 68;
    }
    void Scores(int a, int b, int c, int d) {
        const int scores[4] = {a, b, c, d};
        for (int t = 1; t <= 4; ++t) {
            state.answers(1, t, 31) = static_cast<int16_t>(scores[t - 1]);
            state.answers(1, t, 32) = static_cast<int16_t>(scores[t - 1] < 36    ? 0
                                                           : scores[t - 1] <= 70 ? 3
                                                                                 : 5);
        }
    }
    std::string Cell(const results::Column& column, int row) {
        return results::CellText(column, row, "<none>");
    }

    state::SharedState state;
    testsupport::FakeClock clock;
};

TEST(BodyMass, IndexIsRoundedToOneDecimalWithTiesToEven) {
    EXPECT_FLOAT_EQ(BodyMassIndex(68, 1.65f), 25.0f);
    EXPECT_FLOAT_EQ(BodyMassIndex(97, 2.0f), 24.2f);  // 24.25 exactly
    EXPECT_FLOAT_EQ(BodyMassIndex(99, 2.0f), 24.8f);  // 24.75 exactly
    EXPECT_FLOAT_EQ(BodyMassIndex(21, 1.2f), 14.6f);
    EXPECT_FLOAT_EQ(BodyMassIndex(70, 0.0f), 0.0f);  // no height known: no division by zero
}

TEST(BodyMass, ClassBoundsAreInclusiveAndTheLastBandEndsAt61) {
    EXPECT_EQ(BodyMassClass1(25.0f, 35, state::Sex::Woman, 0), 5);
    EXPECT_EQ(BodyMassClass1(26.4f, 61, state::Sex::Man, 0), 6);
    EXPECT_EQ(BodyMassClass1(26.5f, 61, state::Sex::Man, 0), 5);
    EXPECT_EQ(BodyMassClass1(26.4f, 50, state::Sex::Man, 0), 6);
    // Each class of one row at both of its bounds (men of 20 to 29).
    EXPECT_EQ(BodyMassClass1(19.0f, 20, state::Sex::Man, 0), 6);
    EXPECT_EQ(BodyMassClass1(18.9f, 29, state::Sex::Man, 0), 1);
    EXPECT_EQ(BodyMassClass1(25.0f, 29, state::Sex::Man, 0), 5);
    EXPECT_EQ(BodyMassClass1(27.4f, 29, state::Sex::Man, 0), 5);
    EXPECT_EQ(BodyMassClass1(27.5f, 29, state::Sex::Man, 0), 4);
    EXPECT_EQ(BodyMassClass1(30.9f, 29, state::Sex::Man, 0), 4);
    EXPECT_EQ(BodyMassClass1(31.0f, 29, state::Sex::Man, 0), 3);
    EXPECT_EQ(BodyMassClass1(34.9f, 29, state::Sex::Man, 0), 3);
    EXPECT_EQ(BodyMassClass1(35.0f, 29, state::Sex::Man, 0), 2);
    // Band edges: 39 is still 30–39, 40 is 40–49.
    EXPECT_EQ(BodyMassClass1(24.3f, 39, state::Sex::Woman, 0), 5);
    EXPECT_EQ(BodyMassClass1(24.3f, 40, state::Sex::Woman, 0), 6);
}

TEST(BodyMass, EverySexButMIsClassifiedAsAWoman) {
    // 24.0 is class 6 for a man of 20–29 and class 5 for a woman of that age.
    EXPECT_EQ(BodyMassClass1(24.0f, 25, state::Sex::Man, 0), 6);
    EXPECT_EQ(BodyMassClass1(24.0f, 25, state::Sex::Woman, 0), 5);
    EXPECT_EQ(BodyMassClass1(24.0f, 25, state::SexOf(""), 0), 5);
    EXPECT_EQ(BodyMassClass1(24.0f, 25, state::SexOf("M"), 0), 5);
}

TEST(BodyMass, OutsideTwentyToSixtyOneTheClassIsLeftAsItWas) {
    EXPECT_EQ(BodyMassClass1(25.0f, 19, state::Sex::Woman, 4), 4);
    EXPECT_EQ(BodyMassClass1(25.0f, 62, state::Sex::Man, 3), 3);
}

TEST(Fitness, LowMiddleAndHighScoresDecideTheClass) {
    EXPECT_EQ(FitnessClass({40, 60, 75, 80}), 50);
    EXPECT_EQ(FitnessClass({80, 80, 80, 20}), 50);  // one low score spoils three high ones
    EXPECT_EQ(FitnessClass({80, 80, 80, 71}), 100);
    EXPECT_EQ(FitnessClass({71, 71, 71, 70}), 100);
    EXPECT_EQ(FitnessClass({71, 71, 70, 70}), 50);
    EXPECT_EQ(FitnessClass({35, 35, 100, 100}), 0);
    EXPECT_EQ(FitnessClass({36, 36, 36, 36}), 50);
    EXPECT_EQ(FitnessClass({-1, -1, 100, 100}), 0);  // tests not given count as low
}

TEST(Fitness, AgreesWithTheTableOfLowMiddleHighCounts) {
    // code = low + 10 × middle + 100 × high, for every way four scores can fall.
    const std::map<int, int> expected = {{4, 0},    {13, 0},   {22, 0},   {103, 0},   {112, 0},
                                         {202, 0},  {31, 50},  {40, 50},  {121, 50},  {130, 50},
                                         {211, 50}, {220, 50}, {301, 50}, {310, 100}, {400, 100}};
    for (const auto& [code, fitness] : expected) {
        const int low = code % 10, middle = code / 10 % 10, high = code / 100;
        int scores[4];
        int i = 0;
        for (int n = 0; n < low; ++n) scores[i++] = 10;
        for (int n = 0; n < middle; ++n) scores[i++] = 50;
        for (int n = 0; n < high; ++n) scores[i++] = 90;
        ASSERT_EQ(i, 4) << code;
        EXPECT_EQ(FitnessClass(scores), fitness) << code;
    }
}

TEST(Combined, ObesityAlwaysGivesZeroAndGoodBodyMassWithGoodFitnessGivesHundred) {
    for (int fitness : {0, 50, 100}) EXPECT_EQ(CombinedClass(2, fitness, 77), 0);
    EXPECT_EQ(CombinedClass(6, 100, 0), 100);
    EXPECT_EQ(CombinedClass(6, 50, 0), 50);
    EXPECT_EQ(CombinedClass(3, 100, 0), 50);
    EXPECT_EQ(CombinedClass(3, 50, 0), 0);
    EXPECT_EQ(CombinedClass(1, 50, 0), 50);
    EXPECT_EQ(CombinedClass(5, 0, 100), 0);
    EXPECT_EQ(CombinedClass(0, 100, 50), 50);  // no class known: left as it was
}

TEST_F(Program1Results, WomanOf35WithMixedScoresIsSatisfactory) {
    Woman35();
    Scores(40, 60, 75, 80);
    const results::Column column = results::EvaluateProgram1(state, clock, kWords);
    EXPECT_FLOAT_EQ(state.testRating(15), 5.0f);
    EXPECT_FLOAT_EQ(state.testRating(16), 50.0f);
    EXPECT_FLOAT_EQ(state.testRating(17), 50.0f);
    EXPECT_EQ(state.answers(1, 14, 31), 25);
    EXPECT_EQ(state.answers(1, 14, 32), 5);
    EXPECT_EQ(state.answers(1, 15, 32), 3);
    EXPECT_EQ(Cell(column, 0), "07.12.2003");
    EXPECT_EQ(Cell(column, 1), "Удовлет.");
    EXPECT_EQ(Cell(column, 3), "Хорошо");
    EXPECT_EQ(Cell(column, 5), "Удовлетв");
    EXPECT_EQ(Cell(column, 6), "Удовлет.");
}

TEST_F(Program1Results, ObesityGivesAPoorOverallRatingWhateverTheScores) {
    state.userYearBirth = 1968;
    state.userHeight = 1.60f;
    state.userWeight = 95;  // BMI 37.1: class 2 for a woman of 35
    Scores(100, 100, 100, 100);
    const results::Column column = results::EvaluateProgram1(state, clock, kWords);
    EXPECT_EQ(state.answers(1, 14, 32), 2);
    EXPECT_EQ(state.answers(1, 15, 32), 0);
    EXPECT_EQ(Cell(column, 5), "Ожирение");
    EXPECT_EQ(Cell(column, 6), "Плохо");
}

TEST_F(Program1Results, RecordHistoryAndCurrentColumnTogether) {
    Woman35();
    Scores(80, 80, 80, 80);
    testsupport::MemoryProfile profile;
    profile.AddRun(5, "01.06.2003",
                   {{"Test101", " 0"},
                    {"Test102", " 3"},
                    {"Test103", " 5"},
                    {"Test104", " 3"},
                    {"Test114", " 4"},
                    {"Test115", " 3"}});
    profile.AddRun(6, "01.09.2003", {{"Test301", " 5"}});
    state.nextTestNum = 7;
    const results::ResultsPage page = results::LoadProgram1Results(state, clock, profile, kWords);
    EXPECT_TRUE(page.record.ok);
    EXPECT_EQ(profile.sections["Settings"]["DateNum"], "7");
    EXPECT_EQ(profile.sections["Result7"]["Test101"], " 5");
    EXPECT_EQ(profile.sections["Result7"]["Test114"], " 5");
    EXPECT_EQ(profile.sections["Result7"]["Test115"], " 3");
    EXPECT_EQ(profile.sections["Result7"].count("Test105"), 0u);
    ASSERT_EQ(page.history.size(), 1u);
    const results::Column& earlier = page.history[0];
    EXPECT_EQ(Cell(earlier, 0), "01.06.2003");
    EXPECT_EQ(Cell(earlier, 1), "Плохо");
    EXPECT_EQ(Cell(earlier, 3), "Хорошо");
    EXPECT_EQ(Cell(earlier, 5), "Излишняя полнота");
    EXPECT_EQ(Cell(earlier, 6), "Удовлет.");
    EXPECT_EQ(Cell(page.current, 6), "Удовлет.");
}

TEST_F(Program1Results, AStoredRunWithoutValuesShowsTheWordOfCodeZeroAndNoBodyMassWord) {
    Woman35();
    Scores(80, 80, 80, 80);
    testsupport::MemoryProfile profile;
    profile.sections["Result1"] = {{"DateTest", "01.06.2003"}, {"Test101", "?x"}};
    state.nextTestNum = 2;
    const results::ResultsPage page = results::LoadProgram1Results(state, clock, profile, kWords);
    ASSERT_EQ(page.history.size(), 1u);
    EXPECT_EQ(Cell(page.history[0], 2), "Плохо");
    EXPECT_EQ(Cell(page.history[0], 5), "");
    EXPECT_EQ(Cell(page.history[0], 6), "Плохо");
}

TEST(Words, CodesWithoutAWordShowNothingRatherThanAMissingKeyMarker) {
    EXPECT_EQ(results::RatingWord(0), "Плохо");
    EXPECT_EQ(results::RatingWord(3), "Удовлет.");
    EXPECT_EQ(results::RatingWord(5), "Хорошо");
    EXPECT_EQ(results::RatingWord(-1), "");
    EXPECT_EQ(results::RatingWord(1), "");
    EXPECT_EQ(results::BodyMassWord(kWords, 1), "Похудание");
    EXPECT_EQ(results::BodyMassWord(kWords, 6), "Хорошо");
    EXPECT_EQ(results::BodyMassWord(kWords, 0), "");
    EXPECT_EQ(results::BodyMassWord(kWords, 7), "");
}

TEST(Header, SalutationFollowsTheCaptionAndTheSeparator) {
    state::SharedState state;
    state.userLastName = "Иванов";
    state.userFirstName = "Пётр";
    state.userSex = "m";
    EXPECT_EQ(results::HeaderWithSalutation("Оценка показателей Вашего здоровья, ", " ", state),
              "Оценка показателей Вашего здоровья,  г-н Иванов Пётр");
    state.userSex = "";
    EXPECT_EQ(results::HeaderWithSalutation("Заголовок,", "\r\n", state),
              "Заголовок,\r\nг-жа Иванов Пётр");
}

}  // namespace
