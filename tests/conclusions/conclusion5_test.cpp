#include <gtest/gtest.h>

#include "conclusions/program5.h"
#include "text/catalogue.h"

namespace {

using namespace conclusions;

TEST(Conclusion5, EachRatingHasItsOwnPanelAndRatingWord) {
    EXPECT_EQ(PanelOf5(0), 0);
    EXPECT_EQ(PanelOf5(3), 3);
    EXPECT_EQ(PanelOf5(5), 5);
    for (int other : {-1, 1, 2, 4, 6}) EXPECT_EQ(PanelOf5(other), -1) << other;
    const auto word = [](int panel) {
        return text::FormText("frmConclusion5",
                              "lblSignature(" + std::to_string(RatingWordOf5(panel)) + ")");
    };
    EXPECT_EQ(word(0), "Высокую");
    EXPECT_EQ(word(3), "Умеренную");
    EXPECT_EQ(word(5), "Низкую");
    EXPECT_EQ(RatingWordOf5(-1), -1);
}

TEST(Conclusion5, EveryBreakTokenBecomesAnEmptyLine) {
    EXPECT_EQ(PanelText5("Первый.¤Второй.¤¤Третий."),
              "Первый.\r\n\r\nВторой.\r\n\r\n\r\n\r\nТретий.");
    EXPECT_EQ(PanelText5("Без разрывов"), "Без разрывов");
    EXPECT_EQ(PanelText5(""), "");
}

TEST(Conclusion5, PanelsOfAHighAndAModerateRiskSendToADoctorAndName112) {
    for (int panel : {0, 3}) {
        const std::string text =
            text::FormText("frmConclusion5", "lblText(" + std::to_string(panel) + ")");
        EXPECT_NE(text.find("не ставит диагноз"), std::string::npos) << panel;
        EXPECT_NE(text.find("психотерапевту или психиатру"), std::string::npos) << panel;
        EXPECT_NE(text.find("112"), std::string::npos) << panel;
        EXPECT_NE(text.find("причинить себе вред"), std::string::npos) << panel;
        EXPECT_NE(text.find("позаботиться о себе"), std::string::npos) << panel;
        EXPECT_NE(text.find("не заменяют лечения"), std::string::npos) << panel;
    }
    EXPECT_EQ(text::FormText("frmConclusion5", "lblText(0)")
                  .rfind("Тестирование показало, что в Вашем организме таятся причины", 0),
              0u);
    EXPECT_EQ(text::FormText("frmConclusion5", "lblText(5)")
                  .rfind("Продолжайте жить и работать в том же режиме", 0),
              0u);
    EXPECT_NE(text::FormText("frmConclusion5", "lblText(5)").find("112"), std::string::npos);
}

TEST(Conclusion5, TheRatingIsReadFromProgramFivesSummary) {
    state::SharedState state;
    state.ResetAnswers();
    state.answers(5, 15, 32) = 3;
    state.answers(1, 15, 32) = 0;
    EXPECT_EQ(Panel5(state), 3);
}

}  // namespace
