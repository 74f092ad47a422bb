#include "recommendations/program1.h"

#include <gtest/gtest.h>

#include "recommendations/preparations.h"
#include "recommendations/prescription.h"
#include "recommendations/salutation.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace {

using namespace recommendations;
using namespace recommendations::program1;

std::vector<std::string> Captions(const ListLayout& layout) {
    std::vector<std::string> captions;
    for (const LayoutEntry& button : layout.Buttons()) captions.push_back(button.caption);
    return captions;
}

TEST(Program1ScoreClass, RoundsHalvesToEvenBeforeClassing) {
    EXPECT_EQ(ScoreClass(70.5f), 10);  // 70
    EXPECT_EQ(ScoreClass(70.6f), 100);
    EXPECT_EQ(ScoreClass(71.5f), 100);  // 72
    EXPECT_EQ(ScoreClass(71.0f), 100);
    EXPECT_EQ(ScoreClass(35.5f), 10);    // 36
    EXPECT_EQ(ScoreClass(34.5f), 0);     // 34
    EXPECT_EQ(ScoreClass(100.5f), 100);  // 100
    EXPECT_EQ(ScoreClass(101.0f), 0);
    EXPECT_EQ(ScoreClass(-1.0f), 0);  // a test not given
    EXPECT_EQ(ScoreClass(1e9f), 0);   // no overflow on an absurd value
}

TEST(Program1Course, NormalWeightGetsCourseOneOnlyWhenEveryTestIsStrong) {
    EXPECT_EQ(ChooseCourse(6, {71, 80, 90, 100}), "1");
    EXPECT_EQ(ChooseCourse(6, {70.6f, 71.5f, 90, 100}), "1");
    EXPECT_EQ(ChooseCourse(6, {70.5f, 90, 90, 90}), "6");
    EXPECT_EQ(ChooseCourse(6, {90, 90, 90, 50}), "6");
    EXPECT_EQ(ChooseCourse(6, {90, 90, 90, 30}), "6");
    EXPECT_EQ(ChooseCourse(6, {-1, 90, 90, 90}), "6");
}

TEST(Program1Course, BodyMassClassChoosesTheCourseWithExactComparisons) {
    const std::array<float, 4> strong = {90, 90, 90, 90};
    EXPECT_EQ(ChooseCourse(1, strong), "8");
    EXPECT_EQ(ChooseCourse(2, strong), "7A");
    EXPECT_EQ(ChooseCourse(2.5f, strong), "7A");  // a range test
    EXPECT_EQ(ChooseCourse(3, strong), "7A");
    EXPECT_EQ(ChooseCourse(4, strong), "7");
    EXPECT_EQ(ChooseCourse(5, strong), "6");
    EXPECT_EQ(ChooseCourse(4.5f, strong), "");
    EXPECT_EQ(ChooseCourse(1.0001f, strong), "");
    EXPECT_EQ(ChooseCourse(0, strong), "");
    EXPECT_EQ(ChooseCourse(7, strong), "");
}

TEST(Program1Course, ReadsTheClassAndTheScoresFromTheSharedState) {
    state::SharedState shared;
    shared.testRating(15) = 6;
    shared.testRating(11) = 80;
    shared.testRating(12) = 75;
    shared.testRating(13) = 71.5f;
    shared.testRating(14) = 70.5f;
    EXPECT_EQ(ChooseCourse(shared), "6");
    shared.testRating(14) = 71;
    EXPECT_EQ(ChooseCourse(shared), "1");
}

TEST(Program1Layout, CourseOneShowsFiveButtonsUnderThreeHeadingsWithAFreeRowBetweenSections) {
    const ListLayout layout = LayOutCourse("1", Program1List());
    EXPECT_EQ(layout.Headings(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Captions(layout), (std::vector<std::string>{"Тервил", "Бенвил", "Велона", "Вистера",
                                                          "Беланта \"Д-р Мирвела\""}));
    std::vector<int> rows;
    for (const LayoutEntry& entry : layout.entries) rows.push_back(entry.row);
    // Heading 1, buttons; two rows on, heading 2 beside its first button row; and so on.
    EXPECT_EQ(rows, (std::vector<int>{0, 0, 1, 4, 4, 5, 8, 8}));
    EXPECT_EQ(layout.row, 9);
    EXPECT_EQ(layout.GrowthRows(), 8);
    EXPECT_EQ(layout.Buttons()[4].docPath, "\\Doc\\ZRV-r-12-1-7.rtf");
    EXPECT_EQ(layout.Buttons()[4].index, 5);
}

TEST(Program1Layout, CourseSixFillsAllNineButtonsWithTheSaltsAsItemSixteen) {
    const ListLayout layout = LayOutCourse("6", Program1List());
    const std::vector<LayoutEntry> buttons = layout.Buttons();
    ASSERT_EQ(buttons.size(), static_cast<size_t>(kButtons));
    EXPECT_EQ(buttons.back().index, 9);
    EXPECT_EQ(buttons.back().item, 16);
    EXPECT_EQ(buttons.back().caption, "Беланта \"Д-р Мирвела\"");
    EXPECT_EQ(buttons.back().docPath, "\\Doc\\ZRV-r-12-1-16.rtf");
    EXPECT_EQ(layout.Headings(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Captions(layout)[4], "Гелвил");
}

TEST(Program1Layout, CoursesForExcessWeightAndUnderweight) {
    const ListLayout diet = LayOutCourse("7A", Program1List());
    EXPECT_EQ(diet.Headings(), (std::vector<int>{1, 2, 3, kDietHeading}));
    const std::vector<LayoutEntry> buttons = diet.Buttons();
    ASSERT_EQ(buttons.size(), 8u);
    EXPECT_EQ(buttons.back().caption, "Диета");
    EXPECT_EQ(buttons.back().docPath, "\\Doc\\ZRV-r-12-1-0.rtf");
    EXPECT_EQ(Captions(LayOutCourse("7", Program1List())),
              (std::vector<std::string>{"Тервил", "Бенвил", "Дорвил", "Алвил", "Велона", "Вистера",
                                        "Беланта \"Д-р Мирвела\""}));
    EXPECT_EQ(Captions(LayOutCourse("8", Program1List()))[3], "Тарвил");
}

TEST(Program1Layout, NoCourseShowsNothingAndTheDocumentsLoseTheirNumber) {
    const ListLayout layout = LayOutCourse("", Program1List());
    EXPECT_TRUE(layout.entries.empty());
    EXPECT_EQ(layout.GrowthRows(), -1);
    EXPECT_EQ(UseInstructionsPath(""), "\\Doc\\ZRV-Rec-.rtf");
    EXPECT_EQ(CalendarPath(""), "\\Doc\\KALEND1.rtf");
    EXPECT_EQ(UseInstructionsPath("7A"), "\\Doc\\ZRV-Rec-7.rtf");
    EXPECT_EQ(CalendarPath("7A"), "\\Doc\\KALEND17.rtf");
    EXPECT_EQ(CalendarPath("1"), "\\Doc\\KALEND11.rtf");
}

TEST(Program1Sheet, TheDietIsNoPreparationAndStaysOffTheSheet) {
    const std::string prepList = Program1List();
    const std::string diet = text::GetListItem(prepList, kDietItem);
    std::vector<ShownButton> buttons;
    for (const LayoutEntry& button : LayOutCourse("7A", prepList).Buttons())
        buttons.push_back({true, button.caption});
    buttons.push_back({false, "Ормалия"});
    const std::vector<std::string> lines = PrescriptionLines(buttons, diet);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.front(), " Тервил");
    EXPECT_EQ(lines.back(), " Беланта \"Д-р Мирвела\"");
    EXPECT_TRUE(PrescriptionLines({{true, "Диета"}}, diet).empty());
}

TEST(Salutation, ManAndAnyoneElse) {
    EXPECT_EQ(state::AddressedHeading("Вам, г-", state::Sex::Man, "Иванов", "Иван"), "Вам, г-н Иванов Иван");
    EXPECT_EQ(state::AddressedHeading("Вам, г-", state::Sex::Woman, "Петрова", "Анна"), "Вам, г-жа Петрова Анна");
    EXPECT_EQ(state::AddressedHeading("Вам, г-", state::SexOf(""), "Петрова", "Анна"), "Вам, г-жа Петрова Анна");
    EXPECT_EQ(PlanSalutation(state::Sex::Man, "Ёлкин", "Пётр"), "Г-н Ёлкин Пётр");
}

}  // namespace
