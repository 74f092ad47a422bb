// Danger signs: an answer that needs a doctor adds a referral to the result whatever the score,
// and nothing else about the result, the score or the rating changes.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "testing/questionnaire.h"
#include "text/catalogue.h"

namespace {

using questionnaire::Questionnaire;
using questionnaire::QuestionnaireMode;

// A two-question test 11 (good when the score is above 5) in a catalogue of the test's own.
std::map<long, std::string> SmallTest() {
    return {
        {11000, "Тест"},
        {11002, "0,3,5"},
        {11003, "2,5"},
        {11004, "плохо"},
        {11005, "средне"},
        {11006, "хорошо"},
        {11007, "0"},
        {11008, "3,2"},
        {11009, "0,5,10,0,0,5,0,0,0,0"},
        {11010, "Вопрос 1"},
        {11011, "а"},
        {11012, "б"},
        {11013, "в"},
        {11020, "Вопрос 2"},
        {11021, "да"},
        {11022, "нет"},
        {18, "Плохо"},
        {19, "Удовлетворительно"},
        {20, "Хорошо"},
        {17, "Покажитесь врачу."},
    };
}

class DangerSignTest : public ::testing::Test {
  protected:
    void Run(std::map<long, std::string> texts, int first, int second) {
        catalogue = std::move(texts);
        state.ResetAnswers();
        state.curProgram = 1;
        state.firstTest = state.curTest = state.lastTest = 11;
        state.userSex = "f";
        questionnaire.emplace(state, [this](long key) {
            const auto it = catalogue.find(key);
            return it == catalogue.end() ? "?" + std::to_string(key) + "?" : it->second;
        });
        questionnaire->Form_Load();
        questionnaire->Option1_Click(first, 100.0);
        questionnaire->Option1_Click(second, 101.0);
        ASSERT_EQ(questionnaire->mode(), QuestionnaireMode::Result);
    }
    std::string Result() const { return questionnaire->Page().result; }

    std::map<long, std::string> catalogue;
    state::SharedState state;
    std::optional<Questionnaire> questionnaire;
};

TEST_F(DangerSignTest, ADangerSignAddsTheSharedReferralEvenToAGoodResult) {
    auto texts = SmallTest();
    texts[11026] = "1";  // "да" to question 2 is a danger sign
    Run(texts, 3, 1);    // 10 + 5 = 15: good
    EXPECT_EQ(Result(), "Хорошо\r\nхорошо\r\n\r\nПокажитесь врачу.");
    // The score, the rating and the stored answers are those of any other run.
    EXPECT_EQ(state.answers(1, 1, 31), 15);
    EXPECT_EQ(state.answers(1, 1, 32), 5);
    EXPECT_EQ(state.testRating(1), 5.0f);
}

TEST_F(DangerSignTest, ATestsOwnReferralComesBeforeTheSharedOne) {
    auto texts = SmallTest();
    texts[11016] = " 1, 2 ";  // blanks around the entries are allowed
    texts[11500] = "Сразу к кардиологу.";
    Run(texts, 2, 2);  // 5 + 0: satisfactory
    EXPECT_EQ(Result(), "Удовлетворительно\r\nсредне\r\n\r\nСразу к кардиологу.");
}

TEST_F(DangerSignTest, NoReferralWithoutADangerSign) {
    auto texts = SmallTest();
    texts[11026] = "1";
    texts[11016] = "";  // empty: no sign
    Run(texts, 1, 2);   // 0: bad
    EXPECT_EQ(Result(), "Плохо\r\nплохо");
}

TEST(DangerSigns, OnlyAChosenOptionListedAsASignCounts) {
    const questionnaire::CatalogLookup lookup = [](long key) -> std::string {
        if (key == 23046) return "3";
        if (key == 23036) return "1,x";
        return "?" + std::to_string(key) + "?";
    };
    EXPECT_TRUE(questionnaire::IsDangerSign(lookup, 23000, 4, 3));
    EXPECT_FALSE(questionnaire::IsDangerSign(lookup, 23000, 4, 2));
    EXPECT_FALSE(questionnaire::IsDangerSign(lookup, 23000, 4, 0));   // not applicable
    EXPECT_FALSE(questionnaire::IsDangerSign(lookup, 23000, 4, -1));  // not answered
    EXPECT_FALSE(questionnaire::IsDangerSign(lookup, 23000, 2, 3));   // no entry
    EXPECT_TRUE(questionnaire::IsDangerSign(lookup, 23000, 3, 1));
    EXPECT_FALSE(questionnaire::IsDangerSign(lookup, 23000, 3, 0));  // "x" is no option
}

// The cases that used to end in a reassuring text: each now sends the user to a doctor.
struct AlarmingCase {
    int program, first, test;
    std::map<int, int> answers;  // question -> option; the others take the given default
    int otherwise;
    int rating;
    const char* mustSay;  // a part of the referral
};

class AlarmingAnswers : public ::testing::TestWithParam<AlarmingCase> {};

TEST_P(AlarmingAnswers, EndWithAReferralWhateverTheRating) {
    const AlarmingCase& c = GetParam();
    state::SharedState state;
    state.ResetAnswers();
    state.curProgram = static_cast<int16_t>(c.program);
    state.firstTest = static_cast<int16_t>(c.first);
    state.lastTest = 99;
    state.curTest = static_cast<int16_t>(c.test);
    state.userSex = "f";
    Questionnaire q(state);
    q.Form_Load();
    double now = 1000.0;
    for (int guard = 0; guard < 40 && q.mode() == QuestionnaireMode::Question; ++guard) {
        const auto it = c.answers.find(q.curQuestion());
        q.Option1_Click(it == c.answers.end() ? c.otherwise : it->second, now += 1.0);
    }
    ASSERT_EQ(q.mode(), QuestionnaireMode::Result);
    EXPECT_EQ(state.answers(c.program, c.test - c.first + 1, 32), c.rating);
    const std::string result = q.Page().result;
    EXPECT_NE(result.find(text::GetCatalogText(c.test * 1000L + 500)), std::string::npos);
    EXPECT_NE(result.find(c.mustSay), std::string::npos) << result;
}

INSTANTIATE_TEST_SUITE_P(
    Content, AlarmingAnswers,
    ::testing::Values(
        // Chest pain on the stairs with an otherwise active life: rated good.
        AlarmingCase{2, 21, 23, {{1, 5}, {2, 3}, {3, 1}, {4, 3}}, 1, 5, "боль в груди"},
        // A growing or bleeding mole with little sun: rated good.
        AlarmingCase{4, 41, 42, {{1, 1}, {3, 3}, {6, 2}, {7, 1}}, 1, 5, "дерматологу"},
        // Swelling of the face and difficult breathing in a rarely ill child: rated good.
        AlarmingCase{3, 35, 35, {{1, 3}, {2, 3}, {3, 3}, {4, 2}, {5, 3}}, 1, 5, "112"},
        // "Almost everything has become indifferent", the rest well: rated good.
        AlarmingCase{2, 21, 24, {{1, 2}, {3, 2}, {4, 2}, {5, 3}}, 2, 5, "112"},
        // Low mood most of the time and loss of pleasure: rated satisfactory.
        AlarmingCase{5, 51, 52, {{1, 3}, {2, 3}, {4, 1}}, 2, 3, "психиатру"},
        // Breathlessness on the fourth floor in a fit adult: rated good.
        AlarmingCase{1,
                     11,
                     11,
                     {{1, 5}, {2, 3}, {4, 1}, {5, 1}, {8, 1}, {9, 1}, {10, 4}},
                     3,
                     5,
                     "терапевту"}));

}  // namespace
