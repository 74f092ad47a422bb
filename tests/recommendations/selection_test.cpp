#include "recommendations/selection.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "recommendations/list_layout.h"
#include "recommendations/preparations.h"

namespace {

using namespace recommendations;

std::vector<int> Products(const Selection& selection) {
    std::vector<int> products;
    for (const SelectionRecord& record : selection.Listed()) products.push_back(record.product);
    return products;
}

std::vector<int> Preparations(const Selection& selection) { return Products(selection); }

TEST(PreparationCatalogue, CategoriesAndNamesOfTheBuiltInCatalogue) {
    const std::vector<int16_t> categories = CategoryList();
    ASSERT_EQ(categories.size(), 41u);
    EXPECT_EQ(Category(categories, 1), 1);
    EXPECT_EQ(Category(categories, 7), 3);
    EXPECT_EQ(Category(categories, 25), 4);
    EXPECT_EQ(Category(categories, 32), 0);
    EXPECT_EQ(Category(categories, 45), 0);  // beyond the list
    EXPECT_EQ(PreparationName(7), "БЕЛАНТА ДОКТОР \"МИРВЕЛА\"");
    EXPECT_EQ(PreparationName(32), "ЛИНТА-2");
    EXPECT_EQ(ParseCategoryList(" 0, 2 ,1"), (std::vector<int16_t>{0, 2, 1}));
}

TEST(Selection, OrderGroupsByCategoryWhateverTheListOrderEachPreparationOnce) {
    Selection selection;
    // Supplements 29, 1, 34; cosmetics 8, 4, 6; salts 7; a peloid 25; 32 (category 0) twice.
    MarkLetterList(selection, "29,7,8,1,32,4,34,25,6,1,8,32");
    selection.Order(CategoryList(), 8);
    EXPECT_EQ(Preparations(selection), (std::vector<int>{1, 29, 34, 4, 6, 8, 7, 25}));
    // The slots after the list are cleared.
    EXPECT_EQ(selection(9).product, 0);
    EXPECT_EQ(selection(29).product, 0);
}

TEST(Selection, OrderStopsAtTheProgramsLastCategory) {
    Selection selection;
    MarkLetterList(selection, "25,23a,1");
    selection.Order(CategoryList(), 3);  // program 4: supplements, cosmetics and salts only
    EXPECT_EQ(Preparations(selection), (std::vector<int>{1, 23}));
}

TEST(Selection, VariantLettersAreJoinedOnceAndBaIsStoredAsAb) {
    Selection selection;
    MarkLetterList(selection, "1,3,2,13,4,8,23a");
    MarkLetterList(selection, "1,2,13,8,23b");  // 23a then 23b: "ab"
    MarkLetterList(selection, "21b,8");
    MarkLetterList(selection, "21a");      // 21b then 21a: "ba", stored as "ab"
    MarkLetterList(selection, "21a,23b");  // letters already there are not added again
    selection.Order(CategoryList(), 3);
    const std::vector<SelectionRecord> listed = selection.Listed();
    ASSERT_EQ(listed.size(), 8u);
    EXPECT_EQ(listed[6].product, 21);
    EXPECT_EQ(listed[6].letters, "ab");
    EXPECT_EQ(listed[7].product, 23);
    EXPECT_EQ(listed[7].letters, "ab");
    EXPECT_EQ(listed[0].letters, "");
}

TEST(Selection, DashNotationMarksThePreparationWhateverItsVariant) {
    Selection selection;
    const std::string list = ",1,34,4,8,29,7-4,6,";
    MarkDashList(selection, list);
    selection.Order(CategoryList(), 8);
    EXPECT_EQ(Preparations(selection), (std::vector<int>{1, 29, 34, 4, 6, 8, 7}));
}

TEST(Selection, CodeNotationKeepsTheListOrder) {
    Selection selection;
    LoadCodeList(selection, "103,303,400,800");
    EXPECT_EQ(Products(selection), (std::vector<int>{103, 303, 400, 800}));
}

TEST(Selection, AnIndexOutsideTheFiftySlotsIsSubscriptOutOfRange) {
    Selection selection;
    EXPECT_THROW(MarkLetterList(selection, "51"), base::RuntimeFailure);
    EXPECT_THROW(selection.Mark(0), base::RuntimeFailure);
    EXPECT_NO_THROW(MarkLetterList(selection, "50, ,1"));
}

TEST(ListLayout, HeadingsStandBeforeTheirFirstPreparationAndRowsAreCounted) {
    Selection selection;
    MarkLetterList(selection, "8,1,7,4,2");
    selection.Order(CategoryList(), 8);
    const ListLayout layout = LayOutByCategory(Preparations(selection), CategoryList(), 14);
    // Supplements 1, 2; cosmetics 4, 8; salts 7: three headings, five buttons.
    ASSERT_EQ(layout.entries.size(), 8u);
    EXPECT_EQ(layout.Headings(), (std::vector<int>{1, 2, 3}));
    const std::vector<LayoutEntry> buttons = layout.Buttons();
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(layout.entries[0].kind, LayoutEntry::Kind::Heading);
    EXPECT_EQ(layout.entries[1].caption, "ТЕРВИЛ");
    EXPECT_EQ(layout.entries[1].row, 1);
    EXPECT_EQ(layout.entries[3].kind, LayoutEntry::Kind::Heading);
    EXPECT_EQ(layout.entries[3].row, 3);
    EXPECT_EQ(buttons[4].index, 5);
    EXPECT_EQ(buttons[4].item, 7);
    EXPECT_EQ(buttons[4].slot, 5);
    EXPECT_EQ(buttons[4].row, 7);
    EXPECT_EQ(layout.row, 8);
    EXPECT_EQ(layout.GrowthRows(), 6);
}

TEST(ListLayout, OnlyCategoryZeroShowsNothingAndTheLowerBlockMovesUpTwoRows) {
    Selection selection;
    MarkLetterList(selection, "32,16,26");
    selection.Order(CategoryList(), 8);
    const ListLayout layout = LayOutByCategory(Preparations(selection), CategoryList(), 14);
    EXPECT_TRUE(layout.entries.empty());
    EXPECT_EQ(layout.GrowthRows(), -2);
    // Fed unordered (as program 3 does), a preparation of category 0 is not shown either.
    const ListLayout direct = LayOutByCategory({32, 1}, CategoryList(), 14);
    ASSERT_EQ(direct.Buttons().size(), 1u);
    EXPECT_EQ(direct.Buttons()[0].slot, 2);
    EXPECT_EQ(direct.Buttons()[0].index, 1);
}

TEST(ListLayout, MorePreparationsThanButtonsIsSubscriptOutOfRange) {
    const std::vector<int> fifteen = {1, 2, 3, 9, 10, 12, 13, 14, 15, 20, 29, 30, 34, 35, 4};
    EXPECT_THROW(LayOutByCategory(fifteen, CategoryList(), 14), base::RuntimeFailure);
    EXPECT_EQ(LayOutByCategory(fifteen, CategoryList(), 0).Buttons().size(), 15u);
}

}  // namespace
