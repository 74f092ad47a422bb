#include "text/catalogue.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

const std::string kRegistrationWords =
    "^1РЕГИСТРАЦИЯ^2ПРОДОЛЖИТЬ^3НЕТ ЗАРЕГИСТРИРОВАННЫХ ПОЛЬЗОВАТЕЛЕЙ!";

TEST(GetListItem, CutsItemsUpToTheNextMarkerOrTheEnd) {
    EXPECT_EQ(text::GetListItem(kRegistrationWords, 1), "РЕГИСТРАЦИЯ");
    EXPECT_EQ(text::GetListItem(kRegistrationWords, 3), "НЕТ ЗАРЕГИСТРИРОВАННЫХ ПОЛЬЗОВАТЕЛЕЙ!");
    EXPECT_EQ(text::GetListItem(kRegistrationWords, 4), "");
    EXPECT_EQ(text::GetListItem("^1^2Второй", 1), "");
    EXPECT_EQ(text::GetListItem("^5Первый^5Второй", 5), "Первый");
    EXPECT_EQ(text::GetListItem("^1Плохо^2 Удовл.^3 Хорошо", 2), " Удовл.");
    // The marker is matched as plain text: "^1" is found inside "^10".
    EXPECT_EQ(text::GetListItem("^10Десять^1Один", 1), "0Десять");
}

TEST(Breaks, ListItemsAndCatalogueTextsTurnTheTokenIntoCrLfButBufTextKeepsIt) {
    EXPECT_EQ(text::GetListItem("^1Строка¤вторая^2x", 1), "Строка\r\nвторая");
    EXPECT_EQ(text::ReplaceBreaks("a¤¤b"), "a\r\n\r\nb");
    text::Catalogue catalogue({{0, "^5~один¤два^6~"}});
    EXPECT_EQ(catalogue.Text(5), "один\r\nдва");
    EXPECT_EQ(text::GetBufText(9).find("\r\n"), std::string::npos);
    EXPECT_NE(text::GetBufText(9).find("¤"), std::string::npos);
}

TEST(Catalogue, LooksKeysUpInTheirThousandsTable) {
    text::Catalogue catalogue({{0, "^104~20,60^11~Да^110~Сто десять^283~^284~x"},
                               {11, "^11000~Заголовок^11001~Введение"}});
    EXPECT_EQ(catalogue.Text(104), "20,60");
    EXPECT_EQ(catalogue.Text(11), "Да");  // the "~" keeps key 11 from matching 110
    EXPECT_EQ(catalogue.Text(110), "Сто десять");
    EXPECT_EQ(catalogue.Text(283), "");
    EXPECT_EQ(catalogue.Text(999), "?999?");
    EXPECT_EQ(catalogue.Text(11000), "Заголовок");
    EXPECT_EQ(catalogue.Text(11001), "Введение");
    EXPECT_EQ(catalogue.Text(11999), "?11999?");
    EXPECT_EQ(catalogue.Text(12000), "?12000?");
}

TEST(Catalogue, ATableOutsideTheHolderOrTooLongIsARunTimeFailure) {
    text::Catalogue catalogue(
        {{1, "^1000~" + std::string(32761, 'x')}, {2, "^2000~" + std::string(32762, 'x')}});
    EXPECT_EQ(catalogue.Text(1000).size(), 32761u);  // 32,767 characters in all
    EXPECT_THROW(catalogue.Text(2000), base::RuntimeFailure);
    EXPECT_THROW(catalogue.Text(100000), base::RuntimeFailure);
    EXPECT_THROW(catalogue.Text(-1000), base::RuntimeFailure);
    EXPECT_THROW(text::GetBufText(10), base::RuntimeFailure);
    EXPECT_THROW(text::GetBufText(-1), base::RuntimeFailure);
}

TEST(Catalogue, ATableNearItsLimitAnswersEveryLookUpAlike) {
    // A table near its limit, looked up many times (the cost of a look-up is measured by the
    // catalogue benchmark).
    std::map<int, std::string> tables;
    std::string& table = tables[5];
    for (int key = 5000; key < 5999 && table.size() < 30000; ++key)
        table += "^" + std::to_string(key) + "~Текст номер " + std::to_string(key);
    table += "^5999~последний";
    const text::Catalogue catalogue(std::move(tables));
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(catalogue.Text(5999), "последний");
    EXPECT_EQ(catalogue.Text(5000), "Текст номер 5000");
    EXPECT_EQ(catalogue.Text(5), "?5?");
    EXPECT_EQ(catalogue.Text(-5), "?-5?");
}

TEST(BuiltinTexts, HoldTheSharedVocabularyAndProgramHeaders) {
    EXPECT_EQ(text::GetCatalogText(104), "20,60");
    EXPECT_EQ(text::GetCatalogText(204), "61,999");
    EXPECT_EQ(text::GetCatalogText(304), "3,15");
    EXPECT_EQ(text::GetCatalogText(404), "41,999");
    EXPECT_EQ(text::GetCatalogText(504), "20,60");
    EXPECT_EQ(text::GetCatalogText(302), "35");
    EXPECT_EQ(text::GetCatalogText(300), " Укрепление  и восстановление здоровья Вашего ребенка");
    EXPECT_EQ(text::GetCatalogText(999), "?999?");
    EXPECT_EQ(text::GetCatalogText(15), "Дайте ответ на вопрос N");
    EXPECT_EQ(text::GetCatalogText(43), "Удовлет.");
    EXPECT_EQ(text::GetCatalogText(907), "БЕЛАНТА ДОКТОР \"МИРВЕЛА\"");
    EXPECT_EQ(text::GetCatalogText(916), "");
    EXPECT_EQ(text::GetCatalogText(954), "Пеллоиды (грязи) Мертвого моря");
    EXPECT_EQ(text::GetCatalogText(11000), "1. Экспресс-оценка физического статуса");
    EXPECT_EQ(text::GetBufText(1), "Отсутствует файл");
    EXPECT_EQ(text::GetBufText(2), "Эта программа не подходит Вам по возрасту!");
    EXPECT_EQ(text::GetBufText(6), kRegistrationWords);
    EXPECT_EQ(text::GetListItem(text::GetBufText(3), 0), "Диета");
    EXPECT_EQ(text::GetListItem(text::GetBufText(3), 16), "Беланта \"Д-р Мирвела\"");
    EXPECT_EQ(text::GetListItem(text::GetBufText(3), 1), "Тервил");
}

TEST(BuiltinTexts, FarewellListKeepsTheFirstOfItsTwoItemsFive) {
    const std::string farewells = text::GetBufText(9);
    const std::string five = text::GetListItem(farewells, 5);
    EXPECT_FALSE(five.empty());
    EXPECT_NE(farewells.find("^5", farewells.find("^5") + 1), std::string::npos);
    EXPECT_LT(farewells.find(text::ReplaceBreaks(five).substr(0, 20)), farewells.rfind("^5"));
    EXPECT_FALSE(text::GetListItem(farewells, 2).empty());
}

TEST(BuiltinTexts, PreparationCategoriesListFortyOneNumbers) {
    const std::string list = text::GetCatalogText(900);
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 40);
}

TEST(FormText, GivesDesignCaptionsAndFlagsMissingOnes) {
    EXPECT_EQ(text::FormText("frmMDI", "mAbout"), "О программе");
    EXPECT_EQ(text::FormText("frmMDI", "nothing"), "?frmMDI.nothing?");
    EXPECT_FALSE(text::HasFormText("frmMDI", "nothing"));
}

}  // namespace

namespace {

TEST(WithValues, PlaceholdersTakeTheirValuesAndOthersStayAsWritten) {
    EXPECT_EQ(text::WithValues("Профиль «%1» (файл %2): %3.", {"Иванов", "ZRVI001.ini", "ошибка"}),
              "Профиль «Иванов» (файл ZRVI001.ini): ошибка.");
    // A value holding a placeholder is not replaced again; a missing value leaves it.
    EXPECT_EQ(text::WithValues("%2 и %1", {"%2", "b"}), "b и %2");
    EXPECT_EQ(text::WithValues("100% и %3", {"a"}), "100% и %3");
    EXPECT_EQ(text::WithValues("конец %", {"a"}), "конец %");
}

}  // namespace
