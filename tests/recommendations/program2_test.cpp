#include "recommendations/program2.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recommendations/preparations.h"
#include "recommendations/template_text.h"
#include "text/catalogue.h"

namespace {

using namespace recommendations;
using program2::BuildLists;
using state::Sex;

std::vector<int> Products(const Selection& selection) {
    std::vector<int> products;
    for (const SelectionRecord& record : selection.Listed()) products.push_back(record.product);
    return products;
}

TEST(Program2Lists, RatingFiveWithInactivityGivesItsListInCategoryOrder) {
    const program2::Lists lists = BuildLists(5, 233, Sex::Woman);
    EXPECT_EQ(lists.recomList, ",1,34,4,8,29,7-4,6,");
    EXPECT_EQ(lists.helpTopics, ",");
    // Supplements 1, 29, 34; cosmetics 4, 6, 8; the salts 7.
    EXPECT_EQ(Products(program2::ChooseList(lists.recomList)),
              (std::vector<int>{1, 29, 34, 4, 6, 8, 7}));
}

TEST(Program2Lists, EachRatingHasItsBaseListAndAnUnknownRatingNone) {
    EXPECT_EQ(BuildLists(5, 0, Sex::Man).recomList, ",1,34,4,8,");
    EXPECT_EQ(BuildLists(3, 0, Sex::Man).recomList, ",1,9,34,4,8,7,");
    EXPECT_EQ(BuildLists(0, 0, Sex::Man).recomList, ",1,2,9,3,34,4,8,7,");
    EXPECT_EQ(BuildLists(-1, 0, Sex::Man).recomList, ",");
    // Heredity (231) and the unused 237 add neither a list nor a topic.
    for (int factor : {231, 237, 0, -1, 300}) {
        EXPECT_EQ(BuildLists(5, factor, Sex::Man).recomList, ",1,34,4,8,") << factor;
        EXPECT_EQ(BuildLists(5, factor, Sex::Man).helpTopics, ",") << factor;
    }
}

TEST(Program2Lists, TheDigestionTopicsGetOneButtonEach) {
    const program2::Lists lists = BuildLists(3, 244, Sex::Woman);
    EXPECT_EQ(lists.helpTopics, ",4,5,4,5,");
    EXPECT_EQ(program2::Topics(lists.helpTopics), (std::vector<int>{4, 5}));
    EXPECT_EQ(program2::Topics(BuildLists(3, 249, Sex::Woman).helpTopics),
              (std::vector<int>{9, 10, 12}));
    EXPECT_EQ(program2::Topics(BuildLists(3, 250, Sex::Woman).helpTopics),
              (std::vector<int>{9, 10, 12}));
    EXPECT_EQ(program2::Topics(BuildLists(3, 248, Sex::Woman).helpTopics),
              (std::vector<int>{1, 12}));
    EXPECT_TRUE(program2::Topics(BuildLists(3, 233, Sex::Woman).helpTopics).empty());
    // Topic 1 is not found inside 11 or 12.
    EXPECT_EQ(program2::Topics(",11,12,"), (std::vector<int>{11, 12}));
}

TEST(Program2Lists, TheSkinListNamesAPreparationThatIsNeverShown) {
    const program2::Lists lists = BuildLists(5, 239, Sex::Man);
    EXPECT_NE(lists.recomList.find(",32,"), std::string::npos);
    const std::vector<int> shown = Products(program2::ChooseList(lists.recomList));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 32), 0);
    EXPECT_EQ(Category(CategoryList(), 32), kNotListed);
}

TEST(Program2Lists, AManAndAWomanGetTheirOwnListForTheIntimateFactors) {
    const auto list = [](long key) {
        std::string items = text::GetCatalogText(key);
        items.erase(std::remove(items.begin(), items.end(), ' '), items.end());
        return items.empty() ? std::string() : items + ",";
    };
    for (int factor : {236, 245, 247}) {
        EXPECT_EQ(BuildLists(5, factor, Sex::Man).recomList, ",1,34,4,8,15,21-2,11-3,7-2,7-3,")
            << factor;
        EXPECT_EQ(BuildLists(5, factor, Sex::Woman).recomList, ",1,34,4,8," + list(280)) << factor;
    }
    EXPECT_EQ(BuildLists(5, 247, Sex::Man).helpTopics, ",11,");
}

TEST(Program2Documents, TheExerciseProgrammeFollowsAgeAndSquatTest) {
    using program2::ExercisePath;
    EXPECT_EQ(ExercisePath(80, -1), "\\Doc\\G-J-12-12.rtf");
    EXPECT_EQ(ExercisePath(60, 5), "\\Doc\\G-J-12-1.rtf");
    EXPECT_EQ(ExercisePath(69, 5), "\\Doc\\G-J-12-1.rtf");
    EXPECT_EQ(ExercisePath(70, 5), "\\Doc\\G-J-12-2.rtf");
    EXPECT_EQ(ExercisePath(75, 3), "\\Doc\\G-J-12-5.rtf");
    EXPECT_EQ(ExercisePath(76, 3), "\\Doc\\G-J-12-6.rtf");
    EXPECT_EQ(ExercisePath(61, 0), "\\Doc\\G-J-12-7.rtf");
    EXPECT_EQ(ExercisePath(72, -1), "\\Doc\\G-J-12-11.rtf");
    // An age below 60 or a rating outside the table names no document, which is reported missing.
    EXPECT_EQ(ExercisePath(59, 5), "\\Doc\\G-J-12-");
    EXPECT_EQ(ExercisePath(70, 1), "\\Doc\\G-J-12-");
    EXPECT_EQ(program2::SelfHelpPath(3), "\\Doc\\G-J-3.rtf");
    EXPECT_EQ(program2::DescriptionPath(29), "\\Doc\\STAR-29.rtf");
}

TEST(Program2UseTable, AVariantKeepsOnlyItsOwnRowAndTheMarkersGo) {
    PlainTemplateText table(
        "Таблица ^^1   ^ Тервил. ^^7   ^ Беланта. ^^7-2 ^ Ванны 2. ^^7-\n4^ Ванны 4. "
        "^^29  ^ Торовил. ^^      ^ Конец.");
    FilterTemplate(table, program2::UseTableRule(",1,7-4,6,"));
    RemoveTaggedMarkers(table);
    EXPECT_EQ(table.Text(), "Таблица Тервил. Ванны 4. Конец.");
}

}  // namespace
