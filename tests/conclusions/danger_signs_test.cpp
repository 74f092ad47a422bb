// The danger signs of a run, as the conclusion screens list them.
#include "conclusions/danger_signs.h"

#include <gtest/gtest.h>

#include "text/catalogue.h"

namespace {

using conclusions::DangerSign;
using conclusions::DangerSignsOfRun;

class DangerSignsOfRunTest : public ::testing::Test {
  protected:
    DangerSignsOfRunTest() {
        state.ResetAnswers();
        state.curProgram = 2;
    }
    // Test t of program 2 (index t - 20) answered with the given options.
    void Answered(int test, std::vector<int> options) {
        for (size_t q = 0; q < options.size(); ++q)
            state.answers(2, test - 20, static_cast<int>(q) + 1) = static_cast<int16_t>(options[q]);
    }
    state::SharedState state;
};

TEST_F(DangerSignsOfRunTest, ListsTheSignsOfEveryTestInOrder) {
    Answered(23, {5, 3, 1, 3});     // chest pain on the stairs
    Answered(24, {2, 1, 2, 2, 3});  // low mood and indifference
    Answered(27, std::vector<int>(13, 2));
    const std::vector<DangerSign> signs = DangerSignsOfRun(state);
    ASSERT_EQ(signs.size(), 3u);
    EXPECT_EQ(signs[0].test, 23);
    EXPECT_EQ(signs[0].question, 4);
    EXPECT_EQ(signs[0].text, text::GetCatalogText(23504));
    EXPECT_EQ(signs[1].test, 24);
    EXPECT_EQ(signs[1].question, 2);
    EXPECT_EQ(signs[2].question, 4);

    const std::string notice = conclusions::DangerNoticeText(signs);
    EXPECT_EQ(notice.rfind(text::GetCatalogText(28), 0), 0u);
    EXPECT_NE(notice.find("\r\n— " + text::GetCatalogText(23504) + "\r\n"), std::string::npos);
    EXPECT_NE(notice.find("112"), std::string::npos);
}

TEST_F(DangerSignsOfRunTest, NothingWhenNoAnswerIsASign) {
    Answered(23, {5, 3, 1, 1});
    Answered(24, {2, 2, 2, 1, 3});
    EXPECT_TRUE(DangerSignsOfRun(state).empty());
    EXPECT_EQ(conclusions::DangerNoticeText({}), "");
}

TEST_F(DangerSignsOfRunTest, OnlyTheProgramUnderWayAndItsGivenTestsCount) {
    // Answers of another program's run stay in the shared state but are not this run's.
    state.answers(4, 2, 7) = 1;  // program 4, test 42: the changing mole
    // Test 29 not given, test 27 not answered: -1 everywhere.
    EXPECT_TRUE(DangerSignsOfRun(state).empty());
    state.curProgram = 4;
    ASSERT_EQ(DangerSignsOfRun(state).size(), 1u);
    EXPECT_EQ(DangerSignsOfRun(state)[0].test, 42);
    state.curProgram = 0;  // no program under way
    EXPECT_TRUE(DangerSignsOfRun(state).empty());
}

TEST(DangerSignsContent, EveryMarkedOptionExistsAndSaysWhatItIs) {
    // Danger-sign entries stand only at questions the test has, name options the question
    // shows, and come with the sign's words and a referral (the test's own or the shared one).
    EXPECT_FALSE(text::GetCatalogText(17).empty());
    for (int program = 1; program <= 5; ++program) {
        const int first = std::stoi(text::GetCatalogText(program * 100 + 2));
        const int last = std::stoi(text::GetCatalogText(program * 100 + 3));
        for (int test = first; test <= last; ++test) {
            const long base = test * 1000L;
            const std::string counts = text::GetCatalogText(base + 8);
            std::vector<int> optionCount;
            for (size_t at = 0; at != std::string::npos;) {
                const size_t comma = counts.find(',', at);
                optionCount.push_back(std::stoi(counts.substr(at, comma - at)));
                at = comma == std::string::npos ? comma : comma + 1;
            }
            for (int q = 1; q <= 30; ++q) {
                const std::string entry = text::GetCatalogText(base + q * 10 + 6);
                if (entry.front() == '?') continue;
                ASSERT_LE(q, static_cast<int>(optionCount.size())) << base + q * 10 + 6;
                int marked = 0;
                for (int option = 1; option <= 5; ++option) {
                    if (!questionnaire::IsDangerSign(text::GetCatalogText, base, q, option))
                        continue;
                    EXPECT_LE(option, optionCount[static_cast<size_t>(q - 1)]) << test << "/" << q;
                    ++marked;
                }
                EXPECT_GT(marked, 0) << base + q * 10 + 6 << " marks no option";
                const std::string sign =
                    questionnaire::DangerSignText(text::GetCatalogText, base, q);
                EXPECT_TRUE(!sign.empty() && sign.front() != '?')
                    << "no words for " << test << "/" << q;
                const std::string referral =
                    questionnaire::ReferralSentence(text::GetCatalogText, base);
                EXPECT_TRUE(!referral.empty() && referral.front() != '?') << test;
            }
        }
    }
}

}  // namespace
