#include "shell/farewell.h"

#include <gtest/gtest.h>

namespace {

TEST(FarewellTest, ThePanelsFollowTheRecommendationScreen) {
    for (const char* name : {"frmRecom1", "FRMRECOM4", "frmrecom1"}) {
        const shell::FarewellModel model = shell::FarewellFor(name);
        EXPECT_TRUE(model.greeting) << name;
        EXPECT_FALSE(model.childPanel || model.showSeeYou || model.farewellItem) << name;
    }
    const shell::FarewellModel two = shell::FarewellFor("FrmRecom2");
    EXPECT_TRUE(two.greeting && two.showSeeYou && !two.childPanel);
    EXPECT_EQ(two.farewellItem, 2);
    EXPECT_EQ(shell::FarewellFor("frmRecom5").farewellItem, 5);

    const shell::FarewellModel child = shell::FarewellFor("frmRecom3");
    EXPECT_TRUE(child.childPanel);
    EXPECT_FALSE(child.greeting);

    const shell::FarewellModel other = shell::FarewellFor("frmRecom6");
    EXPECT_FALSE(other.greeting || other.childPanel || other.showSeeYou || other.farewellItem);
}

TEST(FarewellTest, TheGreetingAddressesTheUserByName) {
    EXPECT_EQ(shell::Greeting("Глубокоуважаем", state::Sex::Woman, "Иванова", "Мария"),
              "Глубокоуважаемая Иванова Мария!");
    EXPECT_EQ(shell::Greeting("Глубокоуважаем", state::Sex::Man, "Петров", "Иван"),
              "Глубокоуважаемый Петров Иван!");
}

TEST(FarewellTest, TheReturnGoesToTheScreenNamedInAnyLetterCase) {
    EXPECT_EQ(shell::RecomScreenName("FRMRECOM4"), "frmRecom4");
    EXPECT_EQ(shell::RecomScreenName("frmRecom1"), "frmRecom1");
    EXPECT_EQ(shell::RecomScreenName("frmRecom7"), "");
    EXPECT_EQ(shell::RecomScreenName(""), "");
}

}  // namespace
