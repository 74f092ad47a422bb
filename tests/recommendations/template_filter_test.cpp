#include "recommendations/template_filter.h"

#include <gtest/gtest.h>

#include "recommendations/template_fill.h"

namespace {

using namespace recommendations;

// A recommended tag in a comma-framed list, the way program 2 holds its list.
TemplateRule InList(std::string list, int width) {
    TemplateRule rule;
    rule.tagWidth = width;
    rule.recommended = [list](const std::string& tag) {
        return list.find("," + tag + ",") != std::string::npos;
    };
    return rule;
}

const char* kUseTable =
    "Применение препаратов\n"
    "^^1   ^ Тервил: по 1 капсуле утром\n"
    "^^7-2 ^ Беланта: компресс\n"
    "^^7-4 ^ Беланта: ванна раз в неделю\n"
    "^^34  ^ Баровил: по 2 таблетки\n"
    "^^    ^ Посоветуйтесь с врачом.";

TEST(TemplateFilter, KeepsTheRowsOfRecommendedTagsAndDeletesTheOthers) {
    PlainTemplateText text(kUseTable);
    FilterTemplate(text, InList(",1,7-4,", 6));
    EXPECT_EQ(text.Text(),
              "Применение препаратов\n"
              "^^1   ^ Тервил: по 1 капсуле утром\n"
              "^^7-4 ^ Беланта: ванна раз в неделю\n"
              "^^    ^ Посоветуйтесь с врачом.");
    RemoveTaggedMarkers(text);
    EXPECT_EQ(text.Text(),
              "Применение препаратов\n"
              "Тервил: по 1 капсуле утром\n"
              "Беланта: ванна раз в неделю\n"
              "Посоветуйтесь с врачом.");
}

TEST(TemplateFilter, NothingRecommendedLeavesOnlyTheTextAroundTheRows) {
    PlainTemplateText text(kUseTable);
    FilterTemplate(text, InList(",", 6));
    RemoveTaggedMarkers(text);
    EXPECT_EQ(text.Text(), "Применение препаратов\nПосоветуйтесь с врачом.");
}

TEST(TemplateFilter, TagsAreComparedTrimmedAndInLowerCase) {
    PlainTemplateText text("x ^^23AB^ Лотель\n^^21a ^ Вентаро\n^^    ^ конец");
    std::vector<std::string> seen;
    TemplateRule rule;
    rule.tagWidth = 6;
    rule.recommended = [&](const std::string& tag) {
        seen.push_back(tag);
        return tag == "23ab";
    };
    FilterTemplate(text, rule);
    EXPECT_EQ(seen, (std::vector<std::string>{"23ab", "21a"}));
    RemoveDoubleCarets(text);
    EXPECT_EQ(text.Text(), "x 23AB^ Лотель\n    ^ конец");
}

TEST(TemplateFilter, LineBreaksInsideTheTagAreRemovedWhereTheRuleSaysSo) {
    const char* table = "Таблица\r\n^^29^\r\nТоровил\r\n^^4^\r\nВелона\r\n^^   ^";
    TemplateRule rule = InList(",29,", 6);
    rule.removeLineBreaks = true;
    PlainTemplateText text(table);
    FilterTemplate(text, rule);
    EXPECT_EQ(text.Text(), "Таблица\r\n^^29^\r\nТоровил\r\n^^   ^");
}

TEST(TemplateFilter, AMarkerAtTheVeryStartIsFilteredLikeAnyOther) {
    PlainTemplateText text("^^2   ^ Лорвил\n^^3   ^ Бенвил\n^^    ^");
    FilterTemplate(text, InList(",3,", 6));
    EXPECT_EQ(text.Text(), "^^3   ^ Бенвил\n^^    ^");
}

TEST(TemplateFilter, AnUnclosedTemplateKeepsItsLastRowAndNothingLoops) {
    PlainTemplateText text("Начало ^^1   ^ Тервил\n^^2   ^ Лорвил без закрывающей метки");
    FilterTemplate(text, InList(",", 6));
    EXPECT_EQ(text.Text(), "Начало ^^2   ^ Лорвил без закрывающей метки");
}

TEST(TemplateFilter, CodeRowsLoseTheirMarkerAtOnceAndSingleCaretsGoAfterwards) {
    // Program 3's table: 8-character markers, codes index x 100 + dose variant.
    PlainTemplateText text(
        "Дозы\n^^101  ^ Тервил 1 капсула\n^^102  ^ Тервил 1/2 капсулы\n^^400  ^ Велона^\n^^     ^ "
        "Итог");
    TemplateRule rule;
    rule.tagWidth = 8;
    rule.dropMarkerOfKeptRow = true;
    rule.recommended = [](const std::string& tag) { return tag == "102" || tag == "400"; };
    FilterTemplate(text, rule);
    EXPECT_EQ(text.Text(), "Дозы\n Тервил 1/2 капсулы\n Велона^\n^^     ^ Итог");
    RemoveCarets(text);
    EXPECT_EQ(text.Text(), "Дозы\n Тервил 1/2 капсулы\n Велона\n      Итог");
}

TEST(TemplateFilter, GroupMarkersLoseUpToTwoDigits) {
    PlainTemplateText text("^^1 утро ^^123 день ^^x вечер");
    RemoveDoubleCaretsAndDigits(text);
    EXPECT_EQ(text.Text(), " утро 3 день x вечер");
    PlainTemplateText first("a ^^1 б ^^12в");
    RemoveDoubleCaretsAndDigits(first);
    EXPECT_EQ(first.Text(), "a  б в");
}

TEST(TemplateFill, TextPlaceholdersAreFilledOnlyAfterTheFirstCharacter) {
    PlainTemplateText plan("План для: ^^^^, дата DDDDDD; ещё ^^^^");
    EXPECT_TRUE(FillFirstPlaceholder(plan, kTextSalutationPlaceholder, "Г-жа Ёлкина Анна"));
    EXPECT_TRUE(FillFirstPlaceholder(plan, kTextDatePlaceholder, "08.12.26"));
    EXPECT_EQ(plan.Text(), "План для: Г-жа Ёлкина Анна, дата 08.12.26; ещё ^^^^");
    // Found at position 0 or not at all: nothing is replaced.
    PlainTemplateText atStart("^^^^ в начале");
    EXPECT_FALSE(FillFirstPlaceholder(atStart, kTextSalutationPlaceholder, "Г-н Б"));
    EXPECT_EQ(atStart.Text(), "^^^^ в начале");
    PlainTemplateText none("без метки");
    EXPECT_FALSE(FillFirstPlaceholder(none, kTextSalutationPlaceholder, "Г-н Б"));
}

TEST(TemplateFill, EveryDatePlaceholderOfTheRtfTextGetsTheDate) {
    EXPECT_EQ(FillDateRtf("{\\rtf1 c dd.mm.yy \\par по dd.mm.yy}", "05.03.04"),
              "{\\rtf1 c 05.03.04 \\par по 05.03.04}");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("x", "", "y"), "x");
}

}  // namespace
