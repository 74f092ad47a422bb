#include "recommendations/program5.h"

#include <gtest/gtest.h>

#include "recommendations/preparations.h"
#include "recommendations/template_text.h"
#include "text/catalogue.h"

namespace {

using namespace recommendations;

std::vector<int> Products(const Selection& ordered) {
    std::vector<int> products;
    for (const SelectionRecord& record : ordered.Listed()) products.push_back(record.product);
    return products;
}

TEST(Program5List, AWomanWithAModerateRiskGetsHerListInCategoryOrder) {
    const Selection list = program5::ChooseList(state::Sex::Woman, 3);
    EXPECT_EQ(Products(list), (std::vector<int>{1, 2, 9, 15, 8, 24, 7, 25}));
    EXPECT_EQ(program5::PlanPath(state::Sex::Woman, 3), "\\Doc\\dpr8-3-2a.rtf");
    EXPECT_EQ(program5::ListCodes(list),
              (std::vector<std::string>{"1", "2", "9", "15", "8", "24", "7", "25"}));
}

TEST(Program5List, AManWithALowRiskGetsTheShortList) {
    EXPECT_EQ(Products(program5::ChooseList(state::Sex::Man, 5)),
              (std::vector<int>{1, 15, 8, 22, 7}));
    EXPECT_EQ(program5::PlanPath(state::Sex::Man, 5), "\\Doc\\dpr8-3-3.rtf");
    EXPECT_EQ(program5::PlanPath(state::Sex::Man, 0), "\\Doc\\dpr8-3-1.rtf");
    EXPECT_EQ(program5::PlanPath(state::Sex::Woman, 0), "\\Doc\\dpr8-3-1a.rtf");
}

TEST(Program5List, TheLeadingBlankOfTheWomensHighRiskListDoesNotMatter) {
    EXPECT_EQ(text::GetCatalogText(574), " 1,2,15,9,8,24,7,25");
    EXPECT_EQ(Products(program5::ChooseList(state::Sex::Woman, 0)),
              (std::vector<int>{1, 2, 9, 15, 8, 24, 7, 25}));
}

TEST(Program5List, ListsByKeyAndNothingForAnotherRating) {
    EXPECT_EQ(program5::ListKey(state::Sex::Man, 0), 571);
    EXPECT_EQ(program5::ListKey(state::Sex::Man, 3), 572);
    EXPECT_EQ(program5::ListKey(state::Sex::Woman, 5), 576);
    EXPECT_EQ(program5::ListKey(state::Sex::Woman, 4), 0);
    EXPECT_TRUE(program5::ChooseList(state::Sex::Man, 4).Listed().empty());
    EXPECT_EQ(program5::PlanPath(state::Sex::Man, 4), "\\Doc\\dpr8-3-0.rtf");
    EXPECT_EQ(program5::PlanPath(state::Sex::Woman, 7), "\\Doc\\dpr8-3-a.rtf");
}

TEST(Program5Documents, DescriptionFilesByPreparation) {
    EXPECT_EQ(program5::DescriptionPath(1), "\\Doc\\ZRV-r-12-1-1.rtf");
    EXPECT_EQ(program5::DescriptionPath(2), "\\Doc\\dpr-2.rtf");
    EXPECT_EQ(program5::DescriptionPath(15), "\\Doc\\ZRV-r-12-1-15.rtf");
    EXPECT_EQ(program5::DescriptionPath(22), "\\Doc\\OZ-12-1-22-r.rtf");
    EXPECT_EQ(program5::DescriptionPath(24), "\\Doc\\dpr-24.rtf");
    EXPECT_EQ(program5::DescriptionPath(25), "\\Doc\\dpr-25.rtf");
}

TEST(Program5SelfHelp, AgeGroupsBreakAt30And50) {
    EXPECT_EQ(program5::AgeGroup(20), 1);
    EXPECT_EQ(program5::AgeGroup(29), 1);
    EXPECT_EQ(program5::AgeGroup(30), 2);
    EXPECT_EQ(program5::AgeGroup(49), 2);
    EXPECT_EQ(program5::AgeGroup(50), 3);
    EXPECT_EQ(program5::AgeGroup(61), 3);
}

TEST(Program5SelfHelp, OnlyTheSectionOfTheGroupStaysWithoutItsMarker) {
    const std::string source = "Начало ^^1^^ молодым ^^2^^ средним ^^3^^ старшим ^^ ^^ Конец";
    const char* expected[] = {"Начало  молодым   Конец", "Начало  средним   Конец",
                              "Начало  старшим   Конец"};
    for (int group = 1; group <= 3; ++group) {
        PlainTemplateText text(source);
        FilterTemplate(text, program5::SelfHelpRule(group));
        RemoveDoubleCarets(text);
        EXPECT_EQ(text.Text(), expected[group - 1]) << group;
    }
}

TEST(Program5UseTable, RowsOfTheListStayAndTheirMarkersGoWithTheirDigits) {
    PlainTemplateText text("Таблица ^^1^^ Тервил ^^15^^ Гелвил ^^22^^ Норетта ^^ ^^ Итог");
    FilterTemplate(text, program5::UseTableRule({"1", "22"}));
    RemoveDoubleCaretsAndDigits(text);
    EXPECT_EQ(text.Text(), "Таблица  Тервил  Норетта   Итог");
}

}  // namespace
