#include "testing/questionnaire.h"

#include <gtest/gtest.h>

#include <map>

#include "base/failure.h"
#include "testing/introductions.h"
#include "testing/test_rules.h"
#include "text/catalogue.h"

namespace {

using questionnaire::NextScreen;
using questionnaire::Outcome;
using questionnaire::Questionnaire;
using questionnaire::QuestionnaireMode;

// A program under way as the launcher leaves it, and a user who answers with pauses between
// the clicks as a person does.
class QuestionnaireTest : public ::testing::Test {
  protected:
    void StartProgram(int program, int firstTest, int lastTest, const char* sex = "f") {
        state.ResetAnswers();
        state.curProgram = static_cast<int16_t>(program);
        state.firstTest = static_cast<int16_t>(firstTest);
        state.lastTest = static_cast<int16_t>(lastTest);
        state.curTest = static_cast<int16_t>(firstTest);
        state.userSex = sex;
        state.enterAtEnd = false;
    }

    Questionnaire& Open(int test, questionnaire::CatalogLookup lookup = {}) {
        state.curTest = static_cast<int16_t>(test);
        questionnaire.emplace(state, std::move(lookup));
        loadMessages = questionnaire->Form_Load().messages;
        return *questionnaire;
    }

    Outcome Choose(int option) {
        now += 1.0;
        return questionnaire->Option1_Click(option, now);
    }

    // Answers the question on the page with the option the table gives for it.
    Outcome AnswerAll(const std::map<int, int>& options, int otherwise) {
        Outcome last;
        for (int guard = 0; guard < 40 && questionnaire->mode() == QuestionnaireMode::Question;
             ++guard) {
            const auto it = options.find(questionnaire->curQuestion());
            last = Choose(it == options.end() ? otherwise : it->second);
            shown.push_back(questionnaire->curQuestion());
        }
        return last;
    }

    int Stored(int test, int item) const { return state.answers(state.curProgram, test, item); }

    state::SharedState state;
    std::optional<Questionnaire> questionnaire;
    std::vector<std::string> loadMessages;
    std::vector<int> shown;
    double now = 40000.0;
};

TEST_F(QuestionnaireTest, ScoresAsSoonAsTheLastApplicableQuestionIsAnswered) {
    // Test 41: questions 2 to 7 are asked only of smokers (question 1 answered 1 or 2).
    StartProgram(4, 41, 47);
    Questionnaire& q = Open(41);
    EXPECT_EQ(q.questionCount(), 7);
    const Outcome outcome = Choose(3);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.next.kind, NextScreen::Stay);
    ASSERT_EQ(q.mode(), QuestionnaireMode::Result);
    for (int i = 2; i <= 7; ++i) EXPECT_EQ(Stored(1, i), 0) << i;
    EXPECT_EQ(Stored(1, 31), 100);
    EXPECT_EQ(Stored(1, 32), 5);
    EXPECT_EQ(state.testRating(1), 5.0f);
    EXPECT_TRUE(state.navForward);
    EXPECT_EQ(q.Page().result, "Хорошо\r\n" + text::GetCatalogText(41006));
}

TEST_F(QuestionnaireTest, AControlledQuestionBecomesDueAgainButKeepsAGivenAnswer) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(11);
    Choose(2);
    Choose(1);  // question 2: "no sport" -> question 3 does not apply
    EXPECT_EQ(q.answer(3), 0);
    EXPECT_EQ(q.curQuestion(), 4);

    q.cmdReturn_Click();  // back over question 3 to question 2
    EXPECT_EQ(q.curQuestion(), 2);
    EXPECT_EQ(q.Page().selected, 1);
    Choose(2);
    EXPECT_EQ(q.answer(3), -1);
    ASSERT_EQ(q.curQuestion(), 3);
    EXPECT_EQ(q.cmdContinue_Click().messages, std::vector<std::string>{"Дайте ответ на вопрос N3"});
    EXPECT_EQ(q.curQuestion(), 3);

    Choose(1);
    q.cmdReturn_Click();
    q.cmdReturn_Click();
    ASSERT_EQ(q.curQuestion(), 2);
    Choose(3);  // still enabling: the answer of question 3 stays
    EXPECT_EQ(q.answer(3), 1);
    EXPECT_EQ(q.curQuestion(), 3);
    EXPECT_EQ(q.Page().selected, 1);
}

TEST_F(QuestionnaireTest, ManAnswersSeventeenQuestionsOfTest47) {
    StartProgram(4, 41, 47, "m");
    questionnaire::MarkWomenOnlyQuestions(state);
    Questionnaire& q = Open(47);
    AnswerAll({}, 2);
    EXPECT_EQ(shown.size(), 17u);
    for (int i : {2, 6, 10, 16}) EXPECT_EQ(Stored(7, i), 0) << i;
    EXPECT_EQ(Stored(7, 31), 100);
    EXPECT_EQ(Stored(7, 32), 5);
    EXPECT_EQ(q.mode(), QuestionnaireMode::Result);
}

TEST_F(QuestionnaireTest, Test47TakesOneWeightFromEachGroupOfYesAnswers) {
    StartProgram(4, 41, 47, "f");
    Open(47);
    AnswerAll({{3, 1}, {20, 1}}, 2);
    EXPECT_EQ(Stored(7, 31), 40);  // 100 - 10 - 50
    EXPECT_EQ(Stored(7, 32), 0);

    // Every question answered "yes": 100 - 10 - 30 - 50 = 10.
    state.ResetAnswers();
    Open(47);
    AnswerAll({}, 1);
    EXPECT_EQ(Stored(7, 31), 10);

    // Heavier weights never take the score below 0.
    state.ResetAnswers();
    std::string heavy;
    for (int q = 1; q <= 21; ++q) heavy += (q > 1 ? "," : "") + std::string("60,0,0,0,0");
    Open(47, [heavy](long key) { return key == 47009 ? heavy : text::GetCatalogText(key); });
    AnswerAll({}, 1);
    EXPECT_EQ(Stored(7, 31), 0);
    EXPECT_EQ(Stored(7, 32), 0);
}

TEST_F(QuestionnaireTest, Test13AllFirstOptionsScores25) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(13);
    AnswerAll({}, 1);
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 6, 6}));
    EXPECT_EQ(q.answer(4), 0);
    EXPECT_EQ(q.answer(5), 0);
    EXPECT_EQ(Stored(3, 31), 25);
    EXPECT_EQ(Stored(3, 32), 0);
    EXPECT_EQ(q.Page().result, "Плохо\r\n" + text::GetCatalogText(13004));
}

TEST_F(QuestionnaireTest, RatingBandsIncludeBothThresholds) {
    // Test 22: one question, thresholds 3,3, weights 5,3,5,3,0, codes 0,3,5.
    StartProgram(2, 21, 29);
    for (const auto& [option, score, rating, word] :
         {std::tuple{2, 3, 3, "Удовлетворительно"}, std::tuple{5, 0, 0, "Плохо"},
          std::tuple{1, 5, 5, "Хорошо"}}) {
        Questionnaire& q = Open(22);
        Choose(option);
        EXPECT_EQ(Stored(2, 31), score) << option;
        EXPECT_EQ(Stored(2, 32), rating) << option;
        EXPECT_EQ(q.Page().result.rfind(std::string(word) + "\r\n", 0), 0u) << option;
        state.ResetAnswers();
    }
}

TEST_F(QuestionnaireTest, AnUnfinishedTestIsNotScoredButKeepsItsAnswers) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(12);
    Choose(1);
    Choose(2);
    EXPECT_EQ(q.cmdContinue_Click().messages, std::vector<std::string>{"Дайте ответ на вопрос N3"});
    const Outcome outcome = q.cmdCount_Click();
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(q.mode(), QuestionnaireMode::Question);
    EXPECT_EQ(Stored(2, 1), 1);
    EXPECT_EQ(Stored(2, 2), 2);
    EXPECT_EQ(Stored(2, 3), -1);
    EXPECT_EQ(Stored(2, 31), -1);
    EXPECT_EQ(Stored(2, 32), -1);
}

TEST_F(QuestionnaireTest, GoingBackFromQuestionOneAndInAgainKeepsTheAnswers) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(12);
    Choose(3);
    Choose(4);
    Choose(2);
    q.cmdReturn_Click();
    q.cmdReturn_Click();
    EXPECT_EQ(q.curQuestion(), 2);
    EXPECT_EQ(q.Page().selected, 4);
    q.cmdReturn_Click();
    ASSERT_EQ(q.curQuestion(), 1);
    const Outcome outcome = q.cmdReturn_Click();
    EXPECT_EQ(outcome.next.kind, NextScreen::TestIntroduction);
    EXPECT_EQ(outcome.next.FormName(), "frmRazd");
    EXPECT_EQ(state.curTest, 12);

    questionnaire::GoToTest(state);
    Questionnaire& again = Open(12);
    EXPECT_EQ(again.curQuestion(), 1);
    EXPECT_EQ(again.Page().selected, 3);
    EXPECT_EQ(again.answer(2), 4);
    EXPECT_EQ(again.answer(3), 2);
    EXPECT_EQ(again.answer(4), -1);
}

TEST_F(QuestionnaireTest, ReturningFromTheNextIntroductionLandsOnTheLastApplicableQuestion) {
    StartProgram(4, 41, 47);
    Questionnaire& q = Open(41);
    Choose(3);  // questions 2..7 do not apply; the test is scored
    const Outcome forward = q.cmdContinue_Click();
    EXPECT_EQ(forward.next.FormName(), "frmRazd");
    EXPECT_EQ(state.curTest, 42);

    EXPECT_EQ(questionnaire::ReturnFromTestIntroduction(state), "frmAnketa");
    EXPECT_EQ(state.curTest, 41);
    Questionnaire& back = Open(41);
    EXPECT_EQ(back.mode(), QuestionnaireMode::Question);
    EXPECT_EQ(back.curQuestion(), 1);
    EXPECT_EQ(back.Page().selected, 3);

    // A test whose last question applies: its last question, not its result.
    StartProgram(1, 11, 14);
    Open(11);
    AnswerAll({}, 2);
    state.curTest = 12;
    questionnaire::ReturnFromTestIntroduction(state);
    Questionnaire& eleven = Open(11);
    EXPECT_EQ(eleven.mode(), QuestionnaireMode::Question);
    EXPECT_EQ(eleven.curQuestion(), 10);
    EXPECT_EQ(eleven.Page().selected, 2);
}

TEST_F(QuestionnaireTest, ReturnFromTheResultShowsTheLastApplicableQuestion) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(13);
    AnswerAll({{6, 2}}, 1);
    ASSERT_EQ(q.mode(), QuestionnaireMode::Result);
    const int shownBefore = q.questionsShown();
    q.cmdReturn_Click();
    EXPECT_EQ(q.mode(), QuestionnaireMode::Question);
    EXPECT_EQ(q.curQuestion(), 6);
    EXPECT_EQ(q.Page().selected, 2);
    EXPECT_GT(q.questionsShown(), shownBefore);  // the page is locked again
    q.cmdReturn_Click();
    EXPECT_EQ(q.curQuestion(), 3);  // 5 and 4 do not apply
}

TEST_F(QuestionnaireTest, TheLastTestOfAProgramLeadsToItsResults) {
    StartProgram(5, 51, 52);
    Open(52);
    AnswerAll({}, 1);
    const Outcome outcome = questionnaire->cmdContinue_Click();
    EXPECT_EQ(outcome.next.kind, NextScreen::ProgramResults);
    EXPECT_EQ(outcome.next.FormName(), "frmRezult5");
    EXPECT_EQ(state.curTest, 52);
}

class SquatTestDecision : public QuestionnaireTest {
  protected:
    // Program 2 up to test 28 with good ratings in tests 3 and 4 and no complaints.
    void SetUpGoodUser() {
        StartProgram(2, 21, 29);
        state.answers(2, 3, 32) = 5;
        state.answers(2, 4, 32) = 5;
        for (int i = 1; i <= 13; ++i) {
            state.answers(2, 7, i) = 2;
            state.answers(2, 8, i) = 2;
        }
    }
};

TEST_F(SquatTestDecision, AHealthyUserNeverSeesTest29) {
    SetUpGoodUser();
    Open(28);
    AnswerAll({}, 2);
    const Outcome outcome = questionnaire->cmdContinue_Click();
    EXPECT_EQ(outcome.next.FormName(), "frmRezult2");
    EXPECT_EQ(state.lastTest, 28);
    EXPECT_EQ(state.answers(2, 9, 32), -1);
}

TEST_F(SquatTestDecision, AnyListedComplaintOrWeakRatingKeepsTest29) {
    const std::vector<std::function<void(state::SharedState&)>> spoilers = {
        [](state::SharedState& s) { s.answers(2, 3, 32) = 3; },
        [](state::SharedState& s) { s.answers(2, 4, 32) = 0; },
        [](state::SharedState& s) { s.answers(2, 7, 1) = 1; },
        [](state::SharedState& s) { s.answers(2, 7, 6) = 1; },
        [](state::SharedState& s) { s.answers(2, 7, 11) = 1; },
        [](state::SharedState& s) { s.answers(2, 7, 13) = 1; },
        [](state::SharedState& s) { s.answers(2, 8, 1) = 1; },
        [](state::SharedState& s) { s.answers(2, 8, 12) = 1; },
        [](state::SharedState& s) { s.answers(2, 14, 32) = 2; },
        [](state::SharedState& s) { s.answers(2, 14, 32) = 3; },
    };
    for (size_t i = 0; i < spoilers.size(); ++i) {
        SetUpGoodUser();
        spoilers[i](state);
        questionnaire::DecideSquatTest(state);
        EXPECT_EQ(state.lastTest, 29) << i;
    }
    // A complaint not in the list does not matter; a body-mass class other than 2 or 3 neither.
    SetUpGoodUser();
    state.answers(2, 7, 2) = 1;
    state.answers(2, 14, 32) = 4;
    questionnaire::DecideSquatTest(state);
    EXPECT_EQ(state.lastTest, 28);
}

TEST_F(QuestionnaireTest, ClicksCountOnlyWhenEnabledAndHalfASecondApart) {
    StartProgram(1, 11, 14);
    Questionnaire& q = Open(14);
    EXPECT_TRUE(q.clicksEnabled());
    q.Option1_Click(1, 100.0);
    EXPECT_EQ(q.curQuestion(), 2);
    q.Option1_Click(1, 100.3);  // the second click of a double click
    EXPECT_EQ(q.curQuestion(), 2);
    EXPECT_EQ(q.answer(2), -1);
    q.Option1_Click(2, 100.5);
    EXPECT_EQ(q.curQuestion(), 3);
    EXPECT_EQ(q.answer(2), 2);

    // Just before and just after midnight the clicks are a second apart, not a day.
    q.Option1_Click(3, 86399.6);
    q.Option1_Click(3, 0.6);
    EXPECT_EQ(q.curQuestion(), 5);
}

// A small made-up test, to see how a broken test definition is reported.
class BrokenTest : public QuestionnaireTest {
  protected:
    questionnaire::CatalogLookup Lookup() {
        return [this](long key) {
            const auto it = entries.find(key);
            if (it != entries.end()) return it->second;
            if (key < 100) return text::GetCatalogText(key);
            return "?" + std::to_string(key) + "?";
        };
    }
    void Define(const std::string& counts, const std::string& weights) {
        entries = {{90000, "Тест"},        {90002, "0,3,5"},    {90003, "5,10"},
                   {90004, "Плохо у Вас"}, {90005, "Так себе"}, {90006, "Отлично"},
                   {90007, "0"},           {90008, counts},     {90009, weights}};
        for (int q = 1; q <= 35; ++q) {
            entries[90000 + q * 10] = "Вопрос " + std::to_string(q);
            for (int j = 1; j <= 5; ++j) entries[90000 + q * 10 + j] = "Ответ " + std::to_string(j);
        }
        StartProgram(9, 90, 90);
        Open(90, Lookup());
    }
    static std::string Repeat(const std::string& item, int times) {
        std::string out;
        for (int i = 0; i < times; ++i) out += (i ? "," : "") + item;
        return out;
    }
    std::map<long, std::string> entries;
};

TEST_F(BrokenTest, MoreThanThirtyQuestionsAreReportedAndThirtyAsked) {
    Define(Repeat("2", 31), Repeat("1", 155));
    ASSERT_EQ(loadMessages.size(), 1u);
    EXPECT_EQ(loadMessages[0], "Error 9\r\n" + base::SubscriptOutOfRange().description());
    EXPECT_EQ(questionnaire->questionCount(), 30);
    AnswerAll({}, 1);
    EXPECT_EQ(shown.size(), 30u);
    EXPECT_EQ(Stored(1, 31), 30);
}

TEST_F(BrokenTest, TooFewWeightsKeepTheQuestionsReadSoFar) {
    Define("3,3,3", "1,2,3,0,0, 4,5,6,0,0, 7,8");
    ASSERT_EQ(loadMessages.size(), 1u);
    EXPECT_EQ(loadMessages[0], base::SubscriptOutOfRange().Message());
    EXPECT_EQ(questionnaire->questionCount(), 3);
    EXPECT_EQ(questionnaire->weight(3, 2), 8);
    EXPECT_EQ(questionnaire->weight(3, 3), 0);
    AnswerAll({}, 3);
    EXPECT_EQ(Stored(1, 31), 3 + 6 + 0);
}

TEST_F(BrokenTest, AWeightThatIsNotANumberOrTooBig) {
    Define("2,2", "1, 2,0,0,0, x,1,0,0,0");
    ASSERT_EQ(loadMessages.size(), 1u);
    EXPECT_EQ(loadMessages[0], "Error 13\r\n" + base::TypeMismatch().description());
    EXPECT_EQ(questionnaire->questionCount(), 2);
    EXPECT_EQ(questionnaire->weight(1, 2), 2);  // blanks around an entry do not matter

    Define("1", "32767,32768,0,0,0");
    ASSERT_EQ(loadMessages.size(), 1u);
    EXPECT_EQ(loadMessages[0], "Error 6\r\n" + base::Overflow().description());
    EXPECT_EQ(questionnaire->weight(1, 1), 32767);
    EXPECT_EQ(questionnaire->weight(1, 2), 0);
    EXPECT_EQ(questionnaire->Page().options.size(), 1u);
}

TEST_F(BrokenTest, ASumBeyondSixteenBitsFailsButTheQuestionnaireStaysUsable) {
    Define("1,1", "30000,0,0,0,0, 30000,0,0,0,0");
    EXPECT_TRUE(loadMessages.empty());
    Choose(1);
    now += 1;
    try {
        questionnaire->Option1_Click(1, now);
        ADD_FAILURE() << "the sum 60000 must not pass unnoticed";
    } catch (const base::RuntimeFailure& failure) {
        EXPECT_EQ(failure.number(), 6);
    }
    EXPECT_TRUE(questionnaire->clicksEnabled());
    EXPECT_EQ(questionnaire->mode(), QuestionnaireMode::Question);
    EXPECT_EQ(questionnaire->curQuestion(), 2);
    questionnaire->cmdReturn_Click();
    EXPECT_EQ(questionnaire->curQuestion(), 1);
}

TEST_F(BrokenTest, SexFilterAndMissingConditionEntries) {
    Define("2,2,2", "1,2,0,0,0, 1,2,0,0,0, 1,2,0,0,0");
    entries[90027] = " m ";  // question 2: men only, blanks around it
    entries[90038] = "?";    // not a number: no condition
    StartProgram(9, 90, 90, "f");
    Open(90, Lookup());
    EXPECT_EQ(questionnaire->answer(2), 0);
    Choose(2);
    EXPECT_EQ(questionnaire->curQuestion(), 3);
    Choose(2);
    EXPECT_EQ(Stored(1, 31), 4);
}

}  // namespace

namespace {

// Where the page says the user is ("Вопрос 3 из 10"), before each answer.
struct Place {
    int position;
    int count;
    bool operator==(const Place&) const = default;
};

TEST_F(QuestionnaireTest, ThePageCountsOnlyTheQuestionsThatApplyToThisUser) {
    // A man is not asked the women's questions of test 47: seventeen questions, counted 1..17.
    StartProgram(4, 41, 47, "m");
    questionnaire::MarkWomenOnlyQuestions(state);
    Questionnaire& q47 = Open(47);
    std::vector<Place> places;
    while (q47.mode() == QuestionnaireMode::Question && places.size() < 40) {
        places.push_back({q47.Page().position, q47.Page().applicableCount});
        Choose(2);
    }
    ASSERT_EQ(places.size(), 17u);
    for (size_t i = 0; i < places.size(); ++i) EXPECT_EQ(places[i], (Place{int(i) + 1, 17})) << i;
    EXPECT_EQ(q47.Page().position, 0);  // the result has no place among the questions

    // Test 11: question 3 depends on question 2. Until question 2 is answered it counts; "no
    // sport" rules it out and the count goes down; going back and changing the answer brings
    // it back.
    StartProgram(1, 11, 14);
    Questionnaire& q11 = Open(11);
    const int all = q11.Page().applicableCount;
    EXPECT_EQ((Place{q11.Page().position, all}), (Place{1, q11.questionCount()}));
    Choose(2);
    Choose(1);
    ASSERT_EQ(q11.curQuestion(), 4);
    EXPECT_EQ((Place{q11.Page().position, q11.Page().applicableCount}), (Place{3, all - 1}));
    q11.cmdReturn_Click();
    Choose(2);
    ASSERT_EQ(q11.curQuestion(), 3);
    EXPECT_EQ((Place{q11.Page().position, q11.Page().applicableCount}), (Place{3, all}));

    // Test 41: a non-smoker answers one question of seven and the test is done.
    StartProgram(4, 41, 47);
    Questionnaire& q41 = Open(41);
    EXPECT_EQ((Place{q41.Page().position, q41.Page().applicableCount}), (Place{1, 7}));
    Choose(3);
    EXPECT_EQ(q41.Page().applicableCount, 1);
}

}  // namespace
