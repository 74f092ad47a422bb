#include "results/program3.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "results/memory_profile.h"
#include "support/fake_clock.h"

namespace {

using results::BodyMassClass3;
using results::Program3Outcome;

class Program3Results : public ::testing::Test {
  protected:
    Program3Results() {
        state.ResetAnswers();
        state.curProgram = 3;
        state.userSex = "f";
        state.userLastName = "Лебедева";
        state.userFirstName = "Катя";
        state.nextTestNum = 1;
        clock.now = {2026, 12, 8, 10, 0, 0};
    }
    void Child(int age, float height, int weight) {
        state.userYearBirth = static_cast<int16_t>(clock.now.year - age);
        state.userHeight = height;
        state.userWeight = static_cast<int16_t>(weight);
    }
    void Ratings(int reactivity, int nutrition, int environment) {
        state.answers(3, 1, 32) = static_cast<int16_t>(reactivity);
        state.answers(3, 2, 32) = static_cast<int16_t>(nutrition);
        state.answers(3, 3, 32) = static_cast<int16_t>(environment);
    }
    static std::string Cell(const results::Column& column, int row) {
        return results::CellText(column, row, "<none>");
    }

    state::SharedState state;
    testsupport::FakeClock clock;
};

TEST_F(Program3Results, ChildrensBodyMassFromTheHeightAndWeight) {
    struct Case {
        int age;
        float height;
        int weight;
        int bmi, bodyMass;
        const char* word;
    };
    const Case cases[] = {
        {7, 1.20f, 21, 15, 6, "Хорошо"},     // 14.6, within the band of the younger children
        {12, 1.60f, 50, 20, 6, "Хорошо"},    // 19.5 is still within the older children's band
        {12, 1.43f, 40, 20, 7, "Полнота"},   // 19.6 is above it
        {4, 1.05f, 15, 14, 1, "Похудание"},  // 13.6 is below the younger band
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.age << " " << c.height << " " << c.weight);
        Child(c.age, c.height, c.weight);
        Ratings(5, 5, 5);
        const results::Column column = results::EvaluateProgram3(state, clock);
        EXPECT_EQ(state.answers(3, 14, 31), c.bmi);
        EXPECT_EQ(state.answers(3, 14, 32), c.bodyMass);
        EXPECT_FLOAT_EQ(state.testRating(34), static_cast<float>(c.bodyMass));
        EXPECT_EQ(Cell(column, 4), c.word);
    }
}

TEST(Program3BodyMass, TheBandsIncludeTheirBoundsAndChangeBetween10And11) {
    EXPECT_EQ(BodyMassClass3(14.4f, 3, 0), 6);
    EXPECT_EQ(BodyMassClass3(14.3f, 3, 0), 1);
    EXPECT_EQ(BodyMassClass3(17.0f, 10, 0), 6);
    EXPECT_EQ(BodyMassClass3(17.1f, 10, 0), 7);
    // At 11 the same index is a good one, and 15.4 is now too low.
    EXPECT_EQ(BodyMassClass3(17.1f, 11, 0), 6);
    EXPECT_EQ(BodyMassClass3(15.5f, 11, 0), 6);
    EXPECT_EQ(BodyMassClass3(15.4f, 15, 0), 1);
    EXPECT_EQ(BodyMassClass3(19.5f, 15, 0), 6);
    EXPECT_EQ(BodyMassClass3(19.6f, 15, 0), 7);
    // Outside 3..15 years the class stays as it was.
    EXPECT_EQ(BodyMassClass3(30.0f, 2, 4), 4);
    EXPECT_EQ(BodyMassClass3(10.0f, 16, 4), 4);
}

// The table of codes as the conclusion panels read it: the code is 100 × environment + 10 ×
// nutrition + reactivity, so that each variant names the tests rated below "good".
const std::map<int, std::pair<int, int>> kCodeTable = {
    {0, {8, 0}},   {3, {8, 0}},   {30, {8, 0}},  {33, {8, 0}},  {300, {8, 0}}, {303, {8, 0}},
    {330, {8, 0}}, {333, {8, 3}}, {5, {7, 0}},   {35, {7, 0}},  {305, {7, 0}}, {335, {7, 3}},
    {50, {6, 0}},  {53, {6, 0}},  {350, {6, 0}}, {353, {6, 3}}, {500, {5, 0}}, {503, {5, 0}},
    {530, {5, 0}}, {533, {5, 3}}, {55, {4, 3}},  {355, {4, 3}}, {505, {3, 3}}, {535, {3, 3}},
    {550, {2, 3}}, {553, {2, 3}}, {555, {1, 5}},
};

TEST(Program3Outcome, EveryCombinationOfRatingsGetsTheVariantNamingItsWeakTests) {
    const int codes[] = {0, 3, 5};
    std::set<int> seen;
    for (int reactivity : codes) {
        for (int nutrition : codes) {
            for (int environment : codes) {
                SCOPED_TRACE(testing::Message() << reactivity << nutrition << environment);
                const int code = 100 * environment + 10 * nutrition + reactivity;
                ASSERT_EQ(kCodeTable.count(code), 1u);
                EXPECT_TRUE(seen.insert(code).second);
                const results::Outcome3 outcome =
                    Program3Outcome(reactivity, nutrition, environment);
                EXPECT_EQ(outcome.variant, kCodeTable.at(code).first);
                EXPECT_EQ(outcome.overall, kCodeTable.at(code).second);
                // The variant's meaning: which tests are below "good".
                const bool weak[] = {reactivity < 5, nutrition < 5, environment < 5};
                static const std::map<int, std::array<bool, 3>> kMeaning = {
                    {1, {false, false, false}}, {2, {true, false, false}},
                    {3, {false, true, false}},  {4, {false, false, true}},
                    {5, {true, true, false}},   {6, {true, false, true}},
                    {7, {false, true, true}},   {8, {true, true, true}},
                };
                const std::array<bool, 3>& meaning = kMeaning.at(outcome.variant);
                for (int t = 0; t < 3; ++t) EXPECT_EQ(meaning[t], weak[t]) << t;
            }
        }
    }
    EXPECT_EQ(seen.size(), kCodeTable.size());
}

TEST(Program3Outcome, AWeakEnvironmentAloneIsNotLowReactivity) {
    // Read with the first test in the hundreds, 5, 5, 0 would be the low-reactivity variant 2
    // and 5, 3, 0 "reactivity and nutrition" for a child whose reactivity is good.
    EXPECT_EQ(Program3Outcome(5, 5, 0).variant, 4);
    EXPECT_EQ(Program3Outcome(5, 5, 0).overall, 3);
    EXPECT_EQ(Program3Outcome(0, 5, 5).variant, 2);
    EXPECT_EQ(Program3Outcome(0, 5, 5).overall, 3);
    EXPECT_EQ(Program3Outcome(5, 3, 0).variant, 7);
    EXPECT_EQ(Program3Outcome(5, 3, 0).overall, 0);
    EXPECT_EQ(Program3Outcome(3, 3, 3).variant, 8);
    EXPECT_EQ(Program3Outcome(3, 3, 3).overall, 3);
    // A test that was not given is no good result.
    EXPECT_EQ(Program3Outcome(-1, 5, 5).variant, 2);
}

TEST_F(Program3Results, TheOutcomeGoesIntoTheSlotsTheConclusionReads) {
    Child(9, 1.30f, 27);
    Ratings(5, 3, 0);
    const results::Column column = results::EvaluateProgram3(state, clock);
    EXPECT_EQ(state.answers(3, 15, 33), 7);
    EXPECT_EQ(state.answers(3, 15, 32), 0);
    EXPECT_EQ(Cell(column, 0), "08.12.2026");
    EXPECT_EQ(Cell(column, 1), "Хорошо");
    EXPECT_EQ(Cell(column, 2), "Удовлет.");
    EXPECT_EQ(Cell(column, 3), "Плохо");
    EXPECT_EQ(Cell(column, 5), "Плохо");
}

TEST_F(Program3Results, TheHeaderNamesTheChildWithTheYearOfBirth) {
    Child(9, 1.30f, 27);
    EXPECT_EQ(results::Header3("Оценка состояния здоровья Вашего ребенка ", state),
              "Оценка состояния здоровья Вашего ребенка \nКатя Лебедева,  2017 года рождения");
}

TEST_F(Program3Results, TheRecordHoldsFiveKeysAndTheHistorySkipsOtherPrograms) {
    Child(9, 1.30f, 27);  // 16.0
    Ratings(3, 5, 5);
    testsupport::MemoryProfile profile;
    profile.AddRun(2, "01.06.2026",
                   {{"Test301", " 0"},
                    {"Test302", " 3"},
                    {"Test303", " 5"},
                    {"Test314", " 7"},
                    {"Test315", " 0"}});
    profile.AddRun(3, "01.09.2026", {{"Test101", " 5"}, {"Test115", " 5"}});
    state.nextTestNum = 4;
    const results::ResultsPage page = results::LoadProgram3Results(state, clock, profile);
    EXPECT_TRUE(page.record.ok);
    auto& run = profile.sections["Result4"];
    EXPECT_EQ(run["Test301"], " 3");
    EXPECT_EQ(run["Test302"], " 5");
    EXPECT_EQ(run["Test303"], " 5");
    EXPECT_EQ(run["Test314"], " 6");
    EXPECT_EQ(run["Test315"], " 3");
    EXPECT_EQ(run.count("Test304"), 0u);
    ASSERT_EQ(page.history.size(), 1u);
    EXPECT_EQ(Cell(page.history[0], 0), "01.06.2026");
    EXPECT_EQ(Cell(page.history[0], 1), "Плохо");
    EXPECT_EQ(Cell(page.history[0], 2), "Удовлет.");
    EXPECT_EQ(Cell(page.history[0], 3), "Хорошо");
    EXPECT_EQ(Cell(page.history[0], 4), "Полнота");
    EXPECT_EQ(Cell(page.history[0], 5), "Плохо");
}

}  // namespace
