#include "state/shared_state.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedState, StartsEmptyAndResetMarksEveryAnswerOfEveryProgramUnanswered) {
    state::SharedState s;
    EXPECT_EQ(s.userLastName, "");
    EXPECT_EQ(s.menuChoice, 0);
    EXPECT_EQ(s.answers(1, 1, 1), 0);
    EXPECT_FLOAT_EQ(s.testRating(17), 0.0f);

    s.answers(1, 4, 31) = 80;
    s.answers(10, 15, 35) = 5;
    s.ResetAnswers();
    int cells = 0;
    for (int p = 1; p <= 10; ++p)
        for (int t = 1; t <= 15; ++t)
            for (int i = 1; i <= 35; ++i) {
                EXPECT_EQ(s.answers(p, t, i), -1);
                ++cells;
            }
    EXPECT_EQ(cells, 5250);
}

TEST(SharedState, AnswersAndRatingsKeepTheirDocumentedBounds) {
    state::SharedState s;
    EXPECT_THROW(s.answers(11, 1, 1), base::RuntimeFailure);
    EXPECT_THROW(s.answers(1, 1, 36), base::RuntimeFailure);
    EXPECT_NO_THROW(s.testRating(100));
    EXPECT_THROW(s.testRating(101), base::RuntimeFailure);
}

}  // namespace
