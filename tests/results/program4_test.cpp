#include "results/program4.h"

#include <gtest/gtest.h>

#include "results/memory_profile.h"
#include "support/fake_clock.h"
#include "text/catalogue.h"

namespace {

using results::BodyMassClass4;
using state::Sex;

class Program4Results : public ::testing::Test {
  protected:
    Program4Results() {
        state.ResetAnswers();
        state.curProgram = 4;
        state.userSex = "f";
        state.userLastName = "Лебедева";
        state.userFirstName = "Ольга";
        state.userHeight = 1.65f;
        state.userWeight = 65;  // 23.9: normal at every age
        state.nextTestNum = 1;
        clock.now = {2026, 12, 8, 10, 0, 0};
        marks = {text::FormText("frmRezult4", "Marks"),
                 text::FormText("frmRezult4", "BodyMassMarks")};
    }
    void Aged(int age) { state.userYearBirth = static_cast<int16_t>(clock.now.year - age); }
    void Ratings(std::initializer_list<int> ratings) {
        int t = 1;
        for (int rating : ratings) state.answers(4, t++, 32) = static_cast<int16_t>(rating);
    }
    static std::string Cell(const results::Column& column, int row) {
        return results::CellText(column, row, "<none>");
    }

    state::SharedState state;
    testsupport::FakeClock clock;
    results::Program4Marks marks;
};

TEST_F(Program4Results, PointsAgeAndOverallRiskAtTheEdges) {
    struct Case {
        int age;
        std::vector<int> ratings;
        int points, overall;
        const char *overallMark, *ageMark;
    };
    const Case cases[] = {
        // Every source good: only the age points remain.
        {55, {5, 5, 5, 5, 5, 5, 5}, 1, 5, "H", "C"},
        {60, {5, 5, 5, 5, 5, 5, 5}, 1, 5, "H", "C"},
        {61, {5, 5, 5, 5, 5, 5, 5}, 3, 3, "C", "B"},
        {65, {5, 5, 5, 5, 5, 5, 5}, 3, 3, "C", "B"},
        // Smoking and the sun rated bad weigh 6 each.
        {50, {0, 0, 5, 5, 5, 5, 5}, 13, 0, "B", "C"},
        // A medium rating of one of the last four tests weighs 1, of the first three 3.
        {50, {5, 5, 5, 3, 5, 5, 5}, 2, 3, "C", "C"},
        {50, {5, 5, 3, 5, 5, 5, 5}, 4, 3, "C", "C"},
        {50, {5, 5, 5, 0, 0, 5, 5}, 7, 0, "B", "C"},
        {50, {5, 5, 5, 3, 3, 3, 3}, 5, 3, "C", "C"},
        {50, {5, 5, 5, 0, 3, 3, 5}, 6, 0, "B", "C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "age " << c.age << ", points " << c.points);
        Aged(c.age);
        state.answers.Fill(-1);
        int t = 1;
        for (int rating : c.ratings) state.answers(4, t++, 32) = static_cast<int16_t>(rating);
        const results::Column column = results::EvaluateProgram4(state, clock, marks);
        EXPECT_EQ(state.answers(4, 15, 31), c.points);
        EXPECT_EQ(state.answers(4, 15, 32), c.overall);
        EXPECT_FLOAT_EQ(state.testRating(35), static_cast<float>(c.overall));
        EXPECT_EQ(state.answers(4, 13, 31), c.age > 60 ? 3 : 1);
        EXPECT_FLOAT_EQ(state.testRating(33), c.age > 60 ? 3.0f : 1.0f);
        EXPECT_EQ(state.answers(4, 13, 32), c.age > 60 ? 0 : 3);
        EXPECT_EQ(Cell(column, 10), c.overallMark);
        EXPECT_EQ(Cell(column, 8), c.ageMark);
    }
}

TEST_F(Program4Results, ATestNotGivenAddsNoPointsAndShowsNoMark) {
    Aged(50);
    Ratings({-1, 5, 5, 5, 5, 5, 5});
    const results::Column column = results::EvaluateProgram4(state, clock, marks);
    EXPECT_EQ(state.answers(4, 15, 31), 1);
    EXPECT_EQ(Cell(column, 1), "");
    EXPECT_EQ(Cell(column, 2), "H");
}

TEST_F(Program4Results, BodyMassClassAtTheBordersOfEachBand) {
    struct Case {
        int age;
        Sex sex;
        float bmi;
        int bodyMassClass;
    };
    const Case cases[] = {
        {45, Sex::Woman, 27.9f, 6},
        {45, Sex::Woman, 28.0f, 4},
        {45, Sex::Woman, 19.1f, 6},
        {45, Sex::Woman, 19.0f, 1},
        {41, Sex::Man, 28.5f, 6},
        {49, Sex::Man, 28.6f, 4},
        {49, Sex::Man, 19.6f, 1},
        {50, Sex::Woman, 28.9f, 4},
        {59, Sex::Woman, 19.9f, 6},
        {50, Sex::Man, 28.9f, 6},
        {59, Sex::Man, 20.0f, 1},
        {60, Sex::Woman, 29.2f, 6},
        {70, Sex::Woman, 20.3f, 1},
        {60, Sex::Man, 29.4f, 4},
        {70, Sex::Man, 20.5f, 6},
        // Above 70 the oldest band holds: a marked weight loss or excess weight is still seen.
        {71, Sex::Woman, 20.3f, 1},
        {85, Sex::Man, 29.4f, 4},
        {90, Sex::Woman, 24.0f, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BodyMassClass4(c.bmi, c.age, c.sex, 0), c.bodyMassClass) << c.age << " " << c.bmi;
    }
    // Below the first band nothing is decided here.
    EXPECT_EQ(BodyMassClass4(35.0f, 39, Sex::Man, 7), 7);
}

TEST_F(Program4Results, TheBodyMassClassGoesIntoTheSlotsAndTheGridAsItsLetters) {
    Aged(45);
    Ratings({5, 5, 5, 5, 5, 5, 5});
    const struct {
        int weight;
        int bodyMassClass;
        const char* mark;
    } cases[] = {{76, 6, "У"}, {77, 4, "ИП"}, {51, 1, "П"}};  // 27.9, 28.3, 18.7 at 1.65 m
    for (const auto& c : cases) {
        state.userWeight = static_cast<int16_t>(c.weight);
        const results::Column column = results::EvaluateProgram4(state, clock, marks);
        EXPECT_EQ(state.answers(4, 14, 32), c.bodyMassClass) << c.weight;
        EXPECT_FLOAT_EQ(state.testRating(34), static_cast<float>(c.bodyMassClass));
        EXPECT_EQ(Cell(column, 9), c.mark) << c.weight;
    }
    EXPECT_EQ(state.answers(4, 14, 31), 19);  // 18.7 rounded
}

TEST_F(Program4Results, TodaysColumnShowsTheLatinMarksOfTheSevenSources) {
    Aged(64);
    Ratings({0, 3, 5, 0, 3, 5, 0});
    const results::Column column = results::EvaluateProgram4(state, clock, marks);
    EXPECT_EQ(Cell(column, 0), "08.12.2026");
    const char* expected[] = {"B", "C", "H", "B", "C", "H", "B"};
    for (int t = 1; t <= 7; ++t) EXPECT_EQ(Cell(column, t), expected[t - 1]) << t;
    // Latin letters, as the stored marks of the other programs.
    EXPECT_EQ(Cell(column, 1), std::string("\x42"));
    EXPECT_EQ(Cell(column, 8), "B");
    EXPECT_EQ(Cell(column, 10), "B");
}

TEST_F(Program4Results, TheRecordPutsTheAgeRiskAfterTheTestsAndTheHistoryShowsItBack) {
    testsupport::MemoryProfile profile;
    profile.AddRun(1, "01.06.2026",
                   {{"Test401", " 0"},
                    {"Test402", " 3"},
                    {"Test403", " 5"},
                    {"Test404", " 5"},
                    {"Test405", " 5"},
                    {"Test406", " 5"},
                    {"Test407", " 5"},
                    {"Test413", " 3"},
                    {"Test414", " 4"},
                    {"Test415", " 0"}});
    profile.AddRun(2, "01.09.2026", {{"Test501", " 5"}});  // another program: no column
    profile.AddRun(3, "01.10.2026", {{"Test401", " 5"}});  // values missing: they read as 0
    state.nextTestNum = 4;
    Aged(66);
    Ratings({5, 5, 5, 5, 5, 5, 3});
    const results::ResultsPage page = results::LoadProgram4Results(state, clock, profile, marks);

    std::vector<std::string> keys;
    for (const auto& [section, entry] : profile.writes) {
        if (section == "Result4") keys.push_back(entry.substr(0, entry.find('=')));
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"DateTest", "TimeTest", "Test401", "Test402",
                                              "Test403", "Test404", "Test405", "Test406", "Test407",
                                              "Test413", "Test414", "Test415", "BodyMassIndex4"}));
    EXPECT_EQ(profile.sections["Result4"]["Test413"], " 0");
    EXPECT_EQ(profile.sections["Result4"]["Test407"], " 3");
    EXPECT_EQ(profile.sections["Result4"]["Test414"], " 6");
    EXPECT_EQ(profile.sections["Result4"]["Test415"], " 3");  // 1 + 3 age points

    ASSERT_EQ(page.history.size(), 2u);
    EXPECT_EQ(Cell(page.history[0], 0), "01.10.2026");
    EXPECT_EQ(Cell(page.history[0], 2), "B");
    EXPECT_EQ(Cell(page.history[0], 8), "B");
    EXPECT_EQ(Cell(page.history[0], 9), "");
    EXPECT_EQ(Cell(page.history[1], 0), "01.06.2026");
    EXPECT_EQ(Cell(page.history[1], 1), "B");
    EXPECT_EQ(Cell(page.history[1], 2), "C");
    EXPECT_EQ(Cell(page.history[1], 8), "C");
    EXPECT_EQ(Cell(page.history[1], 9), "ИП");
    EXPECT_EQ(Cell(page.history[1], 10), "B");
}

}  // namespace
